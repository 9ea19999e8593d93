#include "recurring/CheckMarkList.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>
#include <algorithm>

#include "recurring/RecurringFormula.h"

namespace {

constexpr int LineRole = Qt::UserRole;
constexpr int TextGap = 5;

QImage drawCheckMark(const QColor& colour)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(3, 8.5);
    tick.lineTo(6.5, 12);
    tick.lineTo(13, 3.5);
    painter.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    return image;
}

// Rows of the Recurring Dates list: filled with the normal or highlight
// colour, the text at the row's top left.
class EntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), TEntryList::RowHeight);
    }
};

// Rows of the check-mark lists.
class CheckMarkDelegate : public QStyledItemDelegate {
public:
    CheckMarkDelegate(QListWidget* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool focused = list_->currentIndex() == index;
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect, focused ? QColor(Qt::black) : option.palette.base().color());
        const QRect mark(option.rect.left(), option.rect.top() + (option.rect.height() - 16) / 2, 16, 16);
        if (selected)
            painter->drawImage(mark, focused ? TCheckMarkList::ReversedCheckMark() : TCheckMarkList::CheckMark());
        painter->setPen(focused ? Qt::white : Qt::black);
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(16 + TextGap, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width() + 16 + TextGap, TEntryList::RowHeight);
    }

private:
    QListWidget* list_;
};

} // namespace

TEntryList::TEntryList(QWidget* parent) : QListWidget(parent)
{
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    setFont(arial);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new EntryDelegate(this));
}

void TEntryList::SetLines(const QStringList& lines)
{
    clear();
    for (const QString& line : lines) {
        auto* item = new QListWidgetItem(EntryDisplayText(line), this);
        item->setData(LineRole, line);
    }
}

QStringList TEntryList::Lines() const
{
    QStringList lines;
    for (int row = 0; row < count(); ++row)
        lines.append(LineAt(row));
    return lines;
}

QString TEntryList::LineAt(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(LineRole).toString() : QString();
}

void TEntryList::SortLines(QStringList& lines)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

TCheckMarkList::TCheckMarkList(QWidget* parent) : TEntryList(parent)
{
    setFont(QFont());
    setSelectionMode(QAbstractItemView::MultiSelection);
    setItemDelegate(new CheckMarkDelegate(this));
    // The black focused row moves with the current row.
    connect(this, &QListWidget::currentRowChanged, viewport(), qOverload<>(&QWidget::update));
}

QList<int> TCheckMarkList::SelectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected())
            rows.append(row);
    return rows;
}

QStringList TCheckMarkList::SelectedLines() const
{
    QStringList lines;
    for (int row : SelectedRows())
        lines.append(LineAt(row));
    return lines;
}

const QImage& TCheckMarkList::CheckMark()
{
    static const QImage image = drawCheckMark(QColor(0, 128, 0));
    return image;
}

const QImage& TCheckMarkList::ReversedCheckMark()
{
    static const QImage image = drawCheckMark(QColor(128, 255, 128));
    return image;
}
