#pragma once
// The font dialog of the properties dialog: the toolkit's font chooser with
// a colour button beside it, since the page's fonts carry their colour
// (the mini weekday letters are white on a coloured row, for one).
#include <QDialog>

#include "persist/Font.h"

class QFontDialog;
class TColorSwatchButton;

class TFontColorDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFontColorDialog(const TFont& font, QWidget* parent = nullptr);

    // The font as chosen: name, size and style from the chooser, the colour
    // from the colour button.
    TFont ChosenFont() const;

private:
    TFont original_;
    QFontDialog* chooser_ = nullptr;
    TColorSwatchButton* colorButton_ = nullptr;
};
