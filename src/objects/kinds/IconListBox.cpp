#include "objects/kinds/IconListBox.h"

#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

// Draws one item: the list's background, then its icon centred; the pick is
// shown by the drag, not by a highlight. An icon that cannot be had leaves
// the cell empty.
class TIconListBox::ItemPainter : public QStyledItemDelegate {
public:
    explicit ItemPainter(TIconListBox& list) : QStyledItemDelegate(&list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->fillRect(option.rect, list_.palette().base());
        const QImage icon = list_.Icon(index.row());
        if (icon.isNull())
            return;
        const QPoint at(option.rect.left() + (option.rect.width() - icon.width()) / 2,
                        option.rect.top() + (option.rect.height() - icon.height()) / 2);
        painter->drawImage(at, icon);
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {list_.ColumnWidth(), list_.ItemHeight()};
    }

private:
    TIconListBox& list_;
};

TIconListBox::TIconListBox(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new ItemPainter(*this));
    // Columns filled top to bottom, scrolled sideways, as a multi-column list box.
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setSpacing(0);
    setGridSize(QSize(ColumnWidth(), ItemHeight()));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    updateEnabled();
    applySize();
}

TIconListBox::~TIconListBox() = default;

int TIconListBox::ItemHeight() const
{
    return SystemIconSize() + 6;
}

int TIconListBox::ColumnWidth() const
{
    return SystemIconSize() + 6;
}

bool TIconListBox::fileExists() const
{
    return !fileName_.isEmpty() && QFileInfo(FileNameIgnoringCase(fileName_)).isFile();
}

void TIconListBox::SetFileName(const QString& name)
{
    if (name == fileName_)
        return;
    fileName_ = name;
    Reload();
    if (OnFileChange)
        OnFileChange();
}

void TIconListBox::Reload()
{
    icons_.clear();
    numberOfIcons_ = -1;
    clear();
    library_ = TIconLibrary();
    updateEnabled();
    if (!fileExists())
        return;
    library_ = TIconLibrary::FromFile(fileName_);
    numberOfIcons_ = library_.Count();
    if (!enableCaching_)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int i = 0; i < numberOfIcons_; ++i) {
        icons_.append(enableCaching_ ? QImage() : library_.Icon(i));
        addItem(QString::number(i));
    }
    if (!enableCaching_)
        QApplication::restoreOverrideCursor();
    if (count() > 0)
        setCurrentRow(0);
}

void TIconListBox::SetAutoDisable(bool value)
{
    autoDisable_ = value;
    updateEnabled();
}

void TIconListBox::SetEnableCaching(bool value)
{
    if (value == enableCaching_)
        return;
    enableCaching_ = value;
    if (!value)
        Reload();
}

void TIconListBox::updateEnabled()
{
    setEnabled(!autoDisable_ || fileExists());
}

void TIconListBox::SetXIcons(int value)
{
    if (value < 1)
        return;
    xIcons_ = value;
    applySize();
}

void TIconListBox::SetYIcons(int value)
{
    if (value < 1)
        return;
    yIcons_ = value;
    applySize();
}

void TIconListBox::applySize()
{
    const int oldWidth = width();
    const int newWidth = ColumnWidth() * xIcons_ + 2;
    // A list wider than before may need its scroll bar below the rows.
    const int h = oldWidth < newWidth
        ? ItemHeight() * yIcons_ + horizontalScrollBar()->sizeHint().height() + 1
        : ItemHeight() * yIcons_ + 3;
    resize(newWidth, h);
}

QImage TIconListBox::Icon(int index)
{
    if (index < 0 || index >= icons_.size())
        return QImage();
    if (icons_[index].isNull() && enableCaching_)
        icons_[index] = library_.Icon(index);
    return icons_[index];
}

QImage TIconListBox::SelectedIcon()
{
    return Icon(currentRow());
}

QMimeData* TIconListBox::DragData()
{
    const QImage icon = SelectedIcon();
    if (icon.isNull())
        return nullptr;
    auto* data = new QMimeData;
    data->setImageData(icon);
    return data;
}

void TIconListBox::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    if (!itemAt(event->position().toPoint()))
        return;
    QMimeData* data = DragData();
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(QPixmap::fromImage(SelectedIcon()));
    drag->setHotSpot(QPoint(SystemIconSize() / 2, SystemIconSize() / 2));
    drag->exec(Qt::CopyAction);
}
