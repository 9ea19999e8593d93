#pragma once
// The system font dialog behind a seam, so that commands choosing a font can
// run in tests without a dialog.
#include <QFont>
#include <functional>

class QWidget;
class TFont;

// The font as a font dialog must be given it to show it selected: the family
// its name stands for on this system (an alias such as "Times New Roman" is
// not in the dialog's list of families), its style and its size in points.
QFont FontDialogPreset(const TFont& font);
// The font chosen in a dialog preset with `original`. A family that is only
// what the original name stands for keeps that name, so that a document does
// not change its fonts when the user changed nothing.
TFont FontFromDialog(const TFont& original, const QFont& chosen);

// Shows the font dialog preset with `font`; on OK the chosen name, size and
// style are stored into `font` (its colour is kept) and true is returned.
bool ChooseFont(TFont& font, QWidget* parent);

// Tests answer instead of the dialog; an empty function restores the dialog.
void SetFontChooserForTesting(std::function<bool(TFont& font)> chooser);
