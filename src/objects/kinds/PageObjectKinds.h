#pragma once
// The one place that knows every page-object kind: announces their classes to
// the calendar page (page/PageObjectClasses.h) and installs the object
// clipboard's filer. Run once at program start, before the first page is made
// (the main window, the command-line tool, benchmarks and tests of the kinds).
void InstallPageObjectKinds();
