#pragma once
// TColorDrop: a drop-down list of colours, each row a swatch and its name.
// A colour outside the list is added as its own row; the last row, "Other...",
// opens the colour dialog.
#include <QComboBox>

#include "persist/Color.h"

class TColorDrop : public QComboBox {
    Q_OBJECT
public:
    explicit TColorDrop(QWidget* parent = nullptr);

    TColor Color() const { return color_; }
    // Selects the colour's row (adding one when needed); emits nothing.
    void SetColor(TColor color);

signals:
    // The user picked a colour.
    void ColorChosen(TColor color);

private:
    void rowActivated(int row);
    int rowOf(TColor color) const;
    void addColorRow(TColor color, const QString& name, int at);

    TColor color_ = TColors::clBlack;
};
