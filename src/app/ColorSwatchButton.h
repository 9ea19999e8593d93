#pragma once
// A push button that shows and chooses a colour: a swatch of the colour next
// to its text; clicking opens the colour dialog (ChooseColor).
#include <QPushButton>

#include "persist/Color.h"

class TColorSwatchButton : public QPushButton {
    Q_OBJECT
public:
    explicit TColorSwatchButton(const QString& text, QWidget* parent = nullptr);

    TColor Color() const { return color_; }
    // Shows the colour; emits nothing (used when filling the controls).
    void SetColor(TColor color);

signals:
    // The user chose a colour in the dialog (also the one shown before).
    void ColorChosen(TColor color);

private:
    void choose();
    void refreshSwatch();

    TColor color_ = TColors::clWhite;
};
