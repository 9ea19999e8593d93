#pragma once
#include <QRect>
#include <QString>

class QWidget;

// Window placements in QX.ini. A form's section is its class name (given by
// the caller, e.g. "TCalendarMain") + "_Placement", followed by the screen's
// pixels per inch when that is above 96, so placements made at different
// screen resolutions do not disturb each other. Left, Top, Right and Bottom
// hold the window's normal (restored) geometry in screen pixels, with Right
// and Bottom just outside it (Right - Left is the width); Maximized is 1
// when the window was maximised.

QString PlacementSection(const QString& className);

// Where a stored rectangle is put back so that the window can be reached:
// inside the available area of the screen that shows most of it (shrunk to
// that area when larger), or centred on the primary screen when no present
// screen shows any of it (its monitor is gone).
QRect ReachablePlacement(QRect rect);

// Restores the form from its section: a stored rectangle goes where
// ReachablePlacement puts it; without one
// (Bottom 0, or a rectangle without area) the form is centred (CenterForm);
// it is maximised when stored so. The placement is saved again at once.
void RestorePlacement(QWidget& form, const QString& className, const QWidget* centreOver = nullptr,
                      const QString& iniFile = QString());
void SavePlacement(const QWidget& form, const QString& className, const QString& iniFile = QString());

// Centres a dialog over `over` (the main window), or over the screen when
// there is none or it is maximised; the main window passes null.
void CenterForm(QWidget& form, const QWidget* over = nullptr);
