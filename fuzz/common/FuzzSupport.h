#pragma once
// What the fuzz targets that draw share: a headless Qt application, made on
// the first input and kept for the whole run. Linking FuzzSupport.cpp also
// tells the leak checker that fontconfig's cache of every face name asked
// for (inputs name any font they like) is not a leak of ours.

// A QGuiApplication, enough for images, painters and fonts.
void StartGuiApplication();
// A QApplication, for targets that make widgets such as the calendar page.
void StartWidgetApplication();
