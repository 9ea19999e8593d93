#include "objects/kinds/ColorDrop.h"

#include <QPainter>
#include <QPixmap>

#include "objects/kinds/KindDialogs.h"

namespace {

struct NamedColor {
    TColor color;
    const char* name;
};

constexpr NamedColor ListedColors[] = {
    {TColors::clBlack, "Black"},   {TColors::clMaroon, "Maroon"},   {TColors::clGreen, "Green"},
    {TColors::clOlive, "Olive"},   {TColors::clNavy, "Navy"},       {TColors::clPurple, "Purple"},
    {TColors::clTeal, "Teal"},     {TColors::clGray, "Gray"},       {TColors::clSilver, "Silver"},
    {TColors::clRed, "Red"},       {TColors::clLime, "Lime"},       {TColors::clYellow, "Yellow"},
    {TColors::clBlue, "Blue"},     {TColors::clFuchsia, "Fuchsia"}, {TColors::clAqua, "Aqua"},
    {TColors::clWhite, "White"},
};

constexpr int ColorRole = Qt::UserRole;
constexpr int OtherRole = Qt::UserRole + 1;

QIcon swatch(TColor color)
{
    QPixmap pixmap(24, 14);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

} // namespace

TColorDrop::TColorDrop(QWidget* parent) : QComboBox(parent)
{
    setMaxVisibleItems(18);
    setIconSize(QSize(24, 14));
    for (const NamedColor& named : ListedColors)
        addColorRow(named.color, QString::fromLatin1(named.name), count());
    addItem(QStringLiteral("Other..."));
    setItemData(count() - 1, true, OtherRole);
    SetColor(TColors::clBlack);
    connect(this, qOverload<int>(&QComboBox::activated), this, &TColorDrop::rowActivated);
}

void TColorDrop::addColorRow(TColor color, const QString& name, int at)
{
    insertItem(at, swatch(color), name);
    setItemData(at, QVariant::fromValue(qint64(color)), ColorRole);
}

int TColorDrop::rowOf(TColor color) const
{
    for (int row = 0; row < count(); ++row) {
        const QVariant value = itemData(row, ColorRole);
        if (value.isValid() && TColor(value.toLongLong()) == color)
            return row;
    }
    return -1;
}

void TColorDrop::SetColor(TColor color)
{
    color_ = color;
    int row = rowOf(color);
    if (row < 0) {
        // Kept above "Other...": the colour the object has now.
        row = count() - 1;
        addColorRow(color, QStringLiteral("Custom"), row);
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(row);
}

void TColorDrop::rowActivated(int row)
{
    if (itemData(row, OtherRole).toBool()) {
        TColor chosen = color_;
        if (!ChooseKindColor(chosen, this)) {
            SetColor(color_);
            return;
        }
        SetColor(chosen);
    } else {
        color_ = TColor(itemData(row, ColorRole).toLongLong());
    }
    emit ColorChosen(color_);
}
