#include "app/ColorSwatchButton.h"

#include <QPainter>
#include <QPixmap>

#include "app/PropertiesChoosers.h"

TColorSwatchButton::TColorSwatchButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    setIconSize(QSize(28, 14));
    refreshSwatch();
    connect(this, &QPushButton::clicked, this, &TColorSwatchButton::choose);
}

void TColorSwatchButton::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    refreshSwatch();
}

void TColorSwatchButton::choose()
{
    TColor chosen = color_;
    if (!ChooseColor(chosen, window()))
        return;
    SetColor(chosen);
    emit ColorChosen(chosen);
}

void TColorSwatchButton::refreshSwatch()
{
    QPixmap swatch(iconSize());
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    painter.setPen(QColor(Qt::black));
    painter.setBrush(ToQColor(color_));
    painter.drawRect(QRect(QPoint(0, 0), iconSize()).adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(QIcon(swatch));
}
