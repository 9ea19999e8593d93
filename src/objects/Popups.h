#pragma once
// Opening popup menus. Every popup of the page framework opens through here,
// so that tests can see which menu would open, and where, without a menu
// taking over the input.
#include <QPoint>
#include <functional>

class QMenu;

// Opens the menu at a screen position and returns at once (the chosen entry's
// action runs later from the event loop). The menu's aboutToShow runs first.
// Whatever window holds the mouse capture loses it, as it does when any
// popup menu opens.
void OpenPopupMenu(QMenu* menu, const QPoint& globalPos);

// Tests receive the menu instead of a real popup; aboutToShow still runs. An
// empty function restores real popups.
void SetPopupMenuHandlerForTesting(std::function<void(QMenu* menu, const QPoint& globalPos)> handler);
