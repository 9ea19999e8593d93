#pragma once
// How page-object kinds run their modal dialogs and the system colour dialog,
// behind seams so that tests can work the real dialogs without an event loop
// of their own.
#include <QString>
#include <functional>

#include "persist/Color.h"

class QDialog;
class QWidget;

// Runs the dialog modally and returns its result (QDialog::Accepted or
// Rejected).
int RunKindDialog(QDialog& dialog);
// Tests receive each dialog instead (fully built, not shown) and return its
// result; an empty function restores modal runs.
void SetKindDialogRunnerForTesting(std::function<int(QDialog& dialog)> runner);

// The system colour dialog preset with `color`; on OK `color` takes the
// choice and true is returned.
bool ChooseKindColor(TColor& color, QWidget* parent);
void SetKindColorChooserForTesting(std::function<bool(TColor& color)> chooser);

// Centres a dialog over the main window `over` (over the screen when that is
// maximised or missing).
void CenterDialog(QDialog& dialog, const QWidget* over);

// The "Help" and mouse-help buttons every kind dialog carries: the first
// opens the help topic, the second starts "What's this?" mode.
class QPushButton;
class QToolButton;
QPushButton* MakeHelpButton(QDialog& dialog, const QString& name, int topic);
QToolButton* MakeMouseHelpButton(QDialog& dialog);

// The right-aligned row at the foot of an editor: "Ok" (the default button,
// accepting), "Cancel" (rejecting), "Help" on `helpTopic` and mouse help.
class QHBoxLayout;
struct TDialogButtonRow {
    QHBoxLayout* row;
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* help;
};
TDialogButtonRow MakeDialogButtonRow(QDialog& dialog, int helpTopic);
