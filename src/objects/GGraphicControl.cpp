#include "objects/GGraphicControl.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>

#include "objects/Cursors.h"
#include "objects/GBasePanel.h"
#include "objects/GHandle.h"
#include "persist/ClassInfo.h"
#include "platform/Rounding.h"

namespace {

// Runs a step whose failure must not undo a value already stored.
template <class F>
void ignoringFailures(F step)
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace

TGGraphicControl::TGGraphicControl(TComponent* owner, QWidget* parent) : QWidget(parent), TComponent(owner)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

TGGraphicControl::~TGGraphicControl()
{
    // The selection must never hold a destroyed object.
    if (TGBasePanel* page = Container()) {
        if (TGHandle* frame = page->SelectionFrame())
            frame->Deselect(this);
    }
    if (popupMenu_)
        popupMenu_->deleteLater();
}

void TGGraphicControl::SetName(const QString& name)
{
    TComponent::SetName(name);
    setObjectName(name);
}

void TGGraphicControl::SetLeft(int left)
{
    setGeometry(left, y(), width(), height());
}

void TGGraphicControl::SetTop(int top)
{
    setGeometry(x(), top, width(), height());
}

void TGGraphicControl::SetWidth(int width)
{
    setGeometry(x(), y(), width, height());
}

void TGGraphicControl::SetHeight(int height)
{
    setGeometry(x(), y(), width(), height);
}

void TGGraphicControl::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
}

void TGGraphicControl::setGeometry(const QRect& rect)
{
    QWidget::setGeometry(rect);
    boundsNotice();
}

void TGGraphicControl::setGeometry(int left, int top, int width, int height)
{
    setGeometry(QRect(left, top, width, height));
}

void TGGraphicControl::move(int left, int top)
{
    setGeometry(QRect(left, top, width(), height()));
}

void TGGraphicControl::move(const QPoint& position)
{
    move(position.x(), position.y());
}

void TGGraphicControl::resize(int width, int height)
{
    setGeometry(QRect(x(), y(), width, height));
}

void TGGraphicControl::resize(const QSize& size)
{
    resize(size.width(), size.height());
}

void TGGraphicControl::SetCursor(int id)
{
    cursorId_ = id;
    if (id == crDefault)
        unsetCursor();
    else
        setCursor(CursorFor(id));
}

void TGGraphicControl::SetHint(const QString& hint)
{
    setToolTip(hint);
}

void TGGraphicControl::SetLocked(bool locked)
{
    if (locked == locked_)
        return;
    locked_ = locked;
    if (IsLoading())
        return;
    ignoringFailures([&] {
        if (lockedItem_)
            lockedItem_->setChecked(locked);
    });
    ignoringFailures([&] { NotifyChange(); });
}

void TGGraphicControl::SetUnselectable(bool unselectable)
{
    if (unselectable == unselectable_)
        return;
    unselectable_ = unselectable;
    if (IsLoading())
        return;
    ignoringFailures([&] { NotifyChange(); });
    if (unselectable) {
        if (TGBasePanel* page = Container())
            page->SelectionFrame()->Deselect(this);
    }
}

void TGGraphicControl::SetZoom(float factor)
{
    if (factor == zoomFactor_)
        return;
    // A factor of 0 would scale by infinity; treat it as 100 % as the page does.
    const float current = zoomFactor_ * 10 == 0 ? 1.0f : zoomFactor_;
    const float ratio = factor / current;
    setGeometry(roundHalfEven(double(x()) * ratio), roundHalfEven(double(y()) * ratio),
                roundHalfEven(double(width()) * ratio), roundHalfEven(double(height()) * ratio));
    zoomFactor_ = factor;
    BoundsChanged();
}

void TGGraphicControl::Loaded()
{
    TComponent::Loaded();
    // The menu is made when first asked for: a document of hundreds of
    // objects would otherwise spend most of its opening on menus never shown.
    // Running Loaded again gives a fresh menu rather than doubled entries.
    if (popupMenu_)
        popupMenu_->deleteLater();
    popupMenu_ = nullptr;
    menuWanted_ = !HasState(csDesigning);
}

QMenu* TGGraphicControl::PopupMenu()
{
    if (!popupMenu_ && menuWanted_)
        buildPopupMenu();
    return popupMenu_;
}

QAction* TGGraphicControl::LockedMenuItem()
{
    PopupMenu();
    return lockedItem_;
}

void TGGraphicControl::buildPopupMenu()
{
    popupMenu_ = new QMenu;
    popupMenu_->setObjectName(QStringLiteral("PopupMenu"));
    connect(popupMenu_, &QMenu::aboutToShow, this, [this] { PopupOpening(); });
    AddMenuCommand(QStringLiteral("Bring To Front"), TGObjectCommand::BringToFront);
    AddMenuCommand(QStringLiteral("Send To Back"), TGObjectCommand::SendToBack);
    AddMenuCommand(QStringLiteral("Cut"), TGObjectCommand::Cut);
    AddMenuCommand(QStringLiteral("Copy"), TGObjectCommand::Copy);
    AddMenuCommand(QStringLiteral("Delete"), TGObjectCommand::Delete);
    AddMenuCommand(QStringLiteral("Clone"), TGObjectCommand::Clone);
    popupMenu_->addSeparator();
    lockedItem_ = AddMenuCommand(QStringLiteral("Locked"), TGObjectCommand::Locked);
    lockedItem_->setCheckable(true);
    lockedItem_->setChecked(locked_);
    AddMenuCommand(QStringLiteral("Unselectable"), TGObjectCommand::Unselectable);
    popupMenu_->addSeparator();
    AddMenuCommand(QStringLiteral("Center Vertically"), TGObjectCommand::CenterVertically);
    AddMenuCommand(QStringLiteral("Center Horizontally"), TGObjectCommand::CenterHorizontally);
    AddPopupEntries(*popupMenu_);
    PopupOpening();
}

void TGGraphicControl::AddPopupEntries(QMenu&)
{
}

QAction* TGGraphicControl::AddMenuCommand(const QString& caption, TGObjectCommand command)
{
    if (!popupMenu_)
        return nullptr;
    QAction* action = popupMenu_->addAction(caption);
    action->setObjectName(QString(caption).remove(QLatin1Char(' ')));
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    return action;
}

void TGGraphicControl::RunCommand(TGObjectCommand command)
{
    if (TGBasePanel* page = Container()) {
        page->ObjectCommand(*this, command);
        return;
    }
    // Off the page only the object's own flags can change.
    switch (command) {
    case TGObjectCommand::Locked:
        SetLocked(!locked_);
        if (lockedItem_)
            lockedItem_->setChecked(locked_);
        break;
    case TGObjectCommand::Unselectable:
        SetUnselectable(true);
        break;
    default:
        break;
    }
}

void TGGraphicControl::NotifyChange()
{
    TGBasePanel* page = Container();
    if (page && !page->Printing())
        page->NotifyChange();
}

void TGGraphicControl::RequestRefit()
{
    if (TGBasePanel* page = Container())
        page->RequestRefit();
}

void TGGraphicControl::CenterVertically()
{
    TGBasePanel* page = Container();
    if (!page)
        return;
    SetTop(page->height() / 2 - height() / 2);
    NotifyChange();
    QPointer<TGBasePanel> guard(page);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (guard)
        guard->update();
}

void TGGraphicControl::CenterHorizontally()
{
    TGBasePanel* page = Container();
    if (!page)
        return;
    SetLeft(page->width() / 2 - width() / 2);
    NotifyChange();
    QPointer<TGBasePanel> guard(page);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (guard)
        guard->update();
}

TGBasePanel* TGGraphicControl::Container() const
{
    return qobject_cast<TGBasePanel*>(parentWidget());
}

bool TGGraphicControl::IsSelected() const
{
    TGBasePanel* page = Container();
    return page && page->SelectionFrame() && page->SelectionFrame()->IndexOfSelected(this) >= 0;
}

bool TGGraphicControl::ParentPaintingSuspended() const
{
    TGBasePanel* page = Container();
    return page && page->PaintingSuspended();
}

void TGGraphicControl::BoundsChanged()
{
    if (boundsBusy_)
        return;
    boundsBusy_ = true;
    struct Release {
        bool& flag;
        ~Release() { flag = false; }
    } release{boundsBusy_};

    const std::array<int, 4> current{x(), y(), x() + width(), y() + height()};
    // The first call after creation only records where the object is.
    if (lastBounds_ == std::array<int, 4>{})
        lastBounds_ = current;
    if (current != lastBounds_) {
        NotifyChange();
        lastBounds_ = current;
        RequestRefit();
    }
}

void TGGraphicControl::boundsNotice()
{
    if (IsLoading())
        return;
    BoundsChanged();
}

void TGGraphicControl::PopupOpening()
{
}

void TGGraphicControl::ApplyFont(const TFont&)
{
}

void TGGraphicControl::PrintTo(TReportPrinter&, double, double)
{
}

void TGGraphicControl::CreatedByTool(TGBasePanel& page, const QRect& rect, const std::function<void()>& endTool)
{
    page.Place(this, rect);
    if (endTool)
        endTool();
}

QList<QRect> TGGraphicControl::SelectionMarkRects(const QRect& bounds, bool single)
{
    // R: the bounds grown by 2 on every side, right and bottom excluded.
    const int left = bounds.x() - 2;
    const int top = bounds.y() - 2;
    const int right = bounds.x() + bounds.width() + 2;
    const int bottom = bounds.y() + bounds.height() + 2;
    QList<QRect> marks{
        QRect(left, top, 5, 5),
        QRect(right - 5, top, 5, 5),
        QRect(right - 5, bottom - 5, 5, 5),
        QRect(left, bottom - 5, 5, 5),
    };
    if (single) {
        const int hx = truncToInt((right - left) * 0.5);
        const int hy = truncToInt((bottom - top) * 0.5);
        marks.append(QRect(left + hx - 2, top, 5, 5));
        marks.append(QRect(left + hx - 2, bottom - 5, 5, 5));
        marks.append(QRect(left, top + hy - 2, 5, 5));
        marks.append(QRect(right - 5, top + hy - 2, 5, 5));
    }
    return marks;
}

void TGGraphicControl::paintEvent(QPaintEvent*)
{
    // The base draws nothing of its own; the selection frame draws the marks.
}

void TGGraphicControl::moveEvent(QMoveEvent*)
{
    boundsNotice();
}

void TGGraphicControl::resizeEvent(QResizeEvent*)
{
    boundsNotice();
}

void TGGraphicControl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (OnMouseDown)
        OnMouseDown(this, MouseFromEvent(event));
}

void TGGraphicControl::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (OnMouseMove)
        OnMouseMove(this, MouseFromEvent(event));
}

void TGGraphicControl::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (OnMouseUp)
        OnMouseUp(this, MouseFromEvent(event));
}

void TGGraphicControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    // The double click, then the press it also is.
    QPointer<TGGraphicControl> self(this);
    if (TGBasePanel* page = Container())
        page->NotePointer(mapToParent(event->position().toPoint()), event->globalPosition().toPoint());
    if (OnDblClick)
        OnDblClick(this);
    if (self && OnMouseDown)
        OnMouseDown(this, MouseFromEvent(event, true));
}

void TGGraphicControl::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (TGBasePanel* page = Container())
        SetPageCursor(page, page->Pointing() ? crDefault : crDrag);
}

void TGGraphicControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        NotifyChange();
}

const TClassInfo& TGGraphicControl::StaticClassInfo()
{
    // Bounds and the two flags have no default: they are always written.
    static const TClassInfo info =
        TClassInfoBuilder<TGGraphicControl>("TGGraphicControl", &TComponent::StaticClassInfo())
            .integer("Left", &TGGraphicControl::Left, &TGGraphicControl::SetLeft)
            .integer("Top", &TGGraphicControl::Top, &TGGraphicControl::SetTop)
            .integer("Width", &TGGraphicControl::Width, &TGGraphicControl::SetWidth)
            .integer("Height", &TGGraphicControl::Height, &TGGraphicControl::SetHeight)
            .integer("Cursor", &TGGraphicControl::Cursor, &TGGraphicControl::SetCursor).defaultValue(0)
            .string("Hint", &TGGraphicControl::Hint, &TGGraphicControl::SetHint)
            .boolean("Locked", &TGGraphicControl::Locked, &TGGraphicControl::SetLocked)
            .boolean("Unselectable", &TGGraphicControl::Unselectable, &TGGraphicControl::SetUnselectable)
            .build();
    return info;
}
