#pragma once
// The system font dialog behind a seam, so that commands choosing a font can
// run in tests without a dialog.
#include <functional>

class QWidget;
class TFont;

// Shows the font dialog preset with `font`; on OK the chosen name, size and
// style are stored into `font` (its colour is kept) and true is returned.
bool ChooseFont(TFont& font, QWidget* parent);

// Tests answer instead of the dialog; an empty function restores the dialog.
void SetFontChooserForTesting(std::function<bool(TFont& font)> chooser);
