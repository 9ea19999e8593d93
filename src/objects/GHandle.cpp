#include "objects/GHandle.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "objects/Cursors.h"
#include "objects/GBasePanel.h"
#include "objects/GGraphicControl.h"
#include "objects/Popups.h"
#include "objects/XorOverlay.h"
#include "platform/Clock.h"

TGHandle::TGHandle(TGBasePanel* container) : QWidget(container), container_(container)
{
    setObjectName(QStringLiteral("SelectionFrame"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_NoMousePropagation);
    // Transparent: the page and its objects show through; only the marks are drawn.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    QWidget::setGeometry(0, 0, 24, 24);
    setEnabled(false);
    hide();
}

TGHandle::~TGHandle()
{
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
}

TGGraphicControl* TGHandle::SelectedObject(int index) const
{
    if (index < 0 || index >= selection_.size())
        return nullptr;
    return selection_[index];
}

int TGHandle::IndexOfSelected(const TGGraphicControl* object) const
{
    for (int i = 0; i < selection_.size(); ++i)
        if (selection_[i] == object)
            return i;
    return -1;
}

void TGHandle::Select(TGGraphicControl* object)
{
    if (object && object->Unselectable())
        return;
    pressTime_ = MillisecondsSinceStart();
    if (!object || IndexOfSelected(object) >= 0)
        return;
    SetPageCursor(container_, crHandGrab);
    if (!selection_.isEmpty()) {
        const int left = std::min(x(), object->Left() - 2);
        const int top = std::min(y(), object->Top() - 2);
        const int right = std::max(x() + width() - 3, object->Left() + object->Width());
        const int bottom = std::max(y() + height() - 3, object->Top() + object->Height());
        QWidget::setGeometry(left, top, right - left + 3, bottom - top + 3);
    } else {
        feedbackRect_ = QRect();
        setEnabled(true);
        show();
        QWidget::setGeometry(object->Left() - 2, object->Top() - 2, object->Width() + 5, object->Height() + 5);
    }
    selection_.append(object);
    resizeMode_ = rmMove;
    bringToFront();
    // The press that selected an object goes on as a drag of the frame.
    if (isVisible())
        grabMouse();
    takeFocus();
    update();
}

void TGHandle::fitAround(const QRect& first, int from)
{
    QRect frame = first;
    for (int i = from; i < selection_.size(); ++i) {
        const TGGraphicControl* object = selection_[i];
        const int left = std::min(frame.x(), object->Left() - 2);
        const int top = std::min(frame.y(), object->Top() - 2);
        const int right = std::max(frame.x() + frame.width() - 3, object->Left() + object->Width());
        const int bottom = std::max(frame.y() + frame.height() - 3, object->Top() + object->Height());
        frame = QRect(left, top, right - left + 3, bottom - top + 3);
    }
    QWidget::setGeometry(frame);
}

void TGHandle::Deselect(TGGraphicControl* object)
{
    const int index = IndexOfSelected(object);
    if (index < 0)
        return;
    selection_.removeAt(index);
    if (!selection_.isEmpty()) {
        const TGGraphicControl* first = selection_.first();
        fitAround(QRect(first->Left() - 2, first->Top() - 2, first->Width() + 3, first->Height() + 3), 0);
    } else {
        becomeEmpty();
    }
    update();
}

void TGHandle::becomeEmpty()
{
    locked_ = false;
    // The page's keys (Ctrl+V) keep working after the selection is gone.
    const bool hadFocus = hasFocus();
    setEnabled(false);
    hide();
    if (hadFocus && container_)
        container_->setFocus(Qt::OtherFocusReason);
    feedbackRect_ = QRect();
    // A hidden frame must not keep the mouse.
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
}

void TGHandle::ClearSelection()
{
    selection_.clear();
    becomeEmpty();
    QWidget::setGeometry(x(), y(), 24, 24);
}

void TGHandle::BringSelectionToFront()
{
    if (selection_.isEmpty() || locked_)
        return;
    for (TGGraphicControl* object : std::as_const(selection_))
        object->raise();
    bringToFront();
    takeFocus();
}

void TGHandle::SendSelectionToBack()
{
    if (selection_.isEmpty() || locked_)
        return;
    for (TGGraphicControl* object : std::as_const(selection_))
        object->lower();
    bringToFront();
    takeFocus();
}

void TGHandle::Refit()
{
    if (selection_.isEmpty())
        return;
    bringToFront();
    int minLeft = selection_.first()->Left();
    int minTop = selection_.first()->Top();
    int maxRight = minLeft + selection_.first()->Width();
    int maxBottom = minTop + selection_.first()->Height();
    for (const TGGraphicControl* object : std::as_const(selection_)) {
        minLeft = std::min(minLeft, object->Left());
        minTop = std::min(minTop, object->Top());
        maxRight = std::max(maxRight, object->Left() + object->Width());
        maxBottom = std::max(maxBottom, object->Top() + object->Height());
    }
    QWidget::setGeometry(minLeft - 2, minTop - 2, maxRight - minLeft + 6, maxBottom - minTop + 6);
    update();
}

void TGHandle::MoveSelectionTo(int left, int top, int width, int height)
{
    const int oldLeft = x();
    const int oldTop = y();
    const int oldWidth = this->width();
    const int oldHeight = this->height();
    bool keptLocked = false;
    // A change notification may run outside code: work on a copy.
    const QList<TGGraphicControl*> members = selection_;
    for (TGGraphicControl* object : members) {
        if (IndexOfSelected(object) < 0)
            continue;
        if (object->Locked()) {
            keptLocked = true;
            continue;
        }
        object->SetBounds(object->Left() + left - oldLeft, object->Top() + top - oldTop,
                          object->Width() + width - oldWidth, object->Height() + height - oldHeight);
    }
    QWidget::setGeometry(left, top, width, height);
    // Locked members stayed behind: fit the frame round all members again
    // (moved members ask for this themselves).
    if (keptLocked && container_)
        container_->RequestRefit();
}

void TGHandle::SetColor(TColor color)
{
    color_ = color;
    update();
}

void TGHandle::SetSecondaryColor(TColor color)
{
    secondaryColor_ = color;
    update();
}

void TGHandle::SetGridX(int value)
{
    // Steps run from 1 to 32; 0 would divide by zero when snapping.
    value = std::clamp(value, 1, 32);
    if (value == storedGridX_)
        return;
    storedGridX_ = value;
    gridX_ = value;
    update();
}

void TGHandle::SetGridY(int value)
{
    value = std::clamp(value, 1, 32);
    if (value == storedGridY_)
        return;
    storedGridY_ = value;
    gridY_ = value;
    update();
}

void TGHandle::SetSnapToGrid(bool snap)
{
    if (snap) {
        gridX_ = storedGridX_;
        gridY_ = storedGridY_;
    } else {
        gridX_ = 1;
        gridY_ = 1;
    }
}

QRect TGHandle::NewFrameRect(int x, int y) const
{
    const int L = this->x();
    const int T = this->y();
    const int W = width();
    const int H = height();
    const int sx = dragStart_.x();
    const int sy = dragStart_.y();
    int left = L;
    int top = T;
    int w = W;
    int h = H;
    switch (resizeMode_) {
    case rmMove:
        left = SnapX(x + L - sx);
        top = SnapY(y + T - sy);
        break;
    case rmTopLeft:
        left = SnapX(x + L - sx);
        top = SnapY(y + T - sy);
        w = W + L - left;
        h = H + T - top;
        break;
    case rmTopRight:
        top = SnapY(y + T - sy);
        w = SnapX(x + W - sx) - 1;
        h = H + T - top;
        break;
    case rmBottomLeft:
        left = SnapX(x + L - sx);
        w = W + L - left;
        h = SnapY(y + H - sy) - 1;
        break;
    case rmBottomRight:
        w = SnapX(x + W - sx) - 1;
        h = SnapY(y + H - sy) - 1;
        break;
    case rmTop:
        top = SnapY(y + T - sy);
        h = H + T - top;
        break;
    case rmLeft:
        left = SnapX(x + L - sx);
        w = W + L - left;
        break;
    case rmBottom:
        h = SnapY(y + H - sy) - 1;
        break;
    case rmRight:
        w = SnapX(x + W - sx) - 1;
        break;
    default:
        break;
    }
    return QRect(left, top, std::max(w, 5), std::max(h, 5));
}

void TGHandle::paintEvent(QPaintEvent*)
{
    if (!container_ || container_->PaintingSuspended() || selection_.isEmpty())
        return;
    QPainter painter(this);
    const bool single = selection_.size() == 1;
    const QColor colour = ToQColor(single ? color_ : secondaryColor_);
    for (const TGGraphicControl* object : std::as_const(selection_)) {
        if (!object->ShowsSelectionMarks())
            continue;
        for (const QRect& mark : TGGraphicControl::SelectionMarkRects(object->geometry(), single))
            painter.fillRect(mark.translated(-pos()), colour);
    }
}

void TGHandle::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    buttonDown(MouseFromEvent(event));
}

void TGHandle::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    mouseMoved(MouseFromEvent(event));
}

void TGHandle::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    buttonUp(MouseFromEvent(event));
}

void TGHandle::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    const TGMouse mouse = MouseFromEvent(event, true);
    if (container_)
        container_->NotePointer(mouse.pos + pos(), mouse.globalPos);
    doubleClickFlag_ = true;
    QPointer<TGHandle> self(this);
    if (OnDblClick)
        OnDblClick(this);
    if (self)
        buttonDown(mouse);
}

void TGHandle::buttonDown(const TGMouse& mouse)
{
    if (!container_)
        return;
    container_->NotePointer(mouse.pos + pos(), mouse.globalPos);
    pressTime_ = MillisecondsSinceStart();
    if (container_->Pointing() && mouse.button == Qt::LeftButton) {
        if (!selection_.isEmpty() && !locked_) {
            dragStart_ = mouse.pos;
            dragging_ = true;
        }
        if (OnMouseDown)
            OnMouseDown(this, mouse);
    } else if (mouse.button == Qt::RightButton) {
        const QPoint pagePoint = mouse.pos + pos();
        TGGraphicControl* hit = nullptr;
        if (selection_.size() == 1 && selection_.first()->geometry().adjusted(-2, -2, 2, 2).contains(pagePoint))
            hit = selection_.first();
        OpenPopupMenu(hit ? hit->PopupMenu() : pageMenu_.data(), mouse.globalPos);
    } else {
        SetPageCursor(container_, crDefault);
        passOn(mouse, true);
    }
}

void TGHandle::passOn(const TGMouse& mouse, bool press)
{
    if (!container_)
        return;
    const QPoint pagePoint = mouse.pos + pos();
    // Other windowed children first, in child order.
    for (QObject* child : container_->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget == this || widget->isWindow() || widget == container_->XorOverlay()
            || qobject_cast<TGGraphicControl*>(widget))
            continue;
        if (!widget->geometry().contains(pagePoint))
            continue;
        const QPoint local = pagePoint - widget->pos();
        QMouseEvent message(press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, QPointF(local),
                            QPointF(mouse.globalPos), mouse.button,
                            press ? (mouse.buttons | mouse.button) : (mouse.buttons & ~mouse.button),
                            Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &message);
        return;
    }
    // Then the page, which hands it to the topmost page object under the point.
    const QList<TGGraphicControl*> objects = container_->PageObjects();
    for (auto it = objects.crbegin(); it != objects.crend(); ++it) {
        TGGraphicControl* object = *it;
        if (!object->isVisible() || !object->isEnabled() || !object->geometry().contains(pagePoint))
            continue;
        TGMouse local = mouse;
        local.pos = pagePoint - object->pos();
        local.modifiers = Qt::NoModifier;
        if (press && object->OnMouseDown)
            object->OnMouseDown(object, local);
        else if (!press && object->OnMouseUp)
            object->OnMouseUp(object, local);
        return;
    }
    TGMouse page = mouse;
    page.pos = pagePoint;
    page.modifiers = Qt::NoModifier;
    if (press)
        container_->MouseDown(page);
    else
        container_->MouseUp(page);
}

void TGHandle::clampToContainer(int& x, int& y) const
{
    if (!container_)
        return;
    x = std::clamp(x, -this->x(), container_->width() - this->x());
    y = std::clamp(y, -this->y(), container_->height() - this->y());
}

void TGHandle::mouseMoved(const TGMouse& mouse)
{
    if (!container_)
        return;
    container_->NotePointer(mouse.pos + pos(), mouse.globalPos);
    if (doubleClickFlag_) {
        dragging_ = false;
        doubleClickFlag_ = false;
    }
    if (!container_->Pointing()) {
        // Our grab would also take clicks meant for other windows; a capture
        // only lasts while a button is held.
        if (!mouse.buttons && QWidget::mouseGrabber() == this)
            releaseMouse();
        setCursor(CursorFor(crDrag));
        if (OnMouseMove)
            OnMouseMove(this, mouse);
        return;
    }
    const bool leftDown = mouse.buttons.testFlag(Qt::LeftButton);
    if (leftDown && !dragging_ && !locked_) {
        if (pressTime_ > 0 && MillisecondsSinceStart() - pressTime_ > 10) {
            dragStart_ = mouse.pos;
            dragging_ = true;
        }
        if (OnMouseMove)
            OnMouseMove(this, mouse);
        return;
    }
    if (!leftDown && QWidget::mouseGrabber() == this)
        releaseMouse();
    if (!dragging_)
        setCursor(CursorFor(crHandGrab));
    int mode = rmMove;
    if (selection_.size() == 1) {
        const int x = mouse.pos.x();
        const int y = mouse.pos.y();
        const int W = width();
        const int H = height();
        const auto near = [](double a, double b, double limit) { return std::abs(a - b) < limit; };
        if (near(x, 0, 8) && near(y, 0, 8)) {
            mode = rmTopLeft;
            setCursor(CursorFor(crSizeNWSE));
        }
        if (near(x, W, 8) && near(y, H, 8)) {
            mode = rmBottomRight;
            setCursor(CursorFor(crSizeNWSE));
        }
        if (near(x, W, 8) && near(y, 0, 8)) {
            mode = rmTopRight;
            setCursor(CursorFor(crSizeNESW));
        }
        if (near(x, 0, 8) && near(y, H, 8)) {
            mode = rmBottomLeft;
            setCursor(CursorFor(crSizeNESW));
        }
        if (near(x, W * 0.5, 6) && near(y, 0, 8)) {
            mode = rmTop;
            setCursor(CursorFor(crSizeNS));
        }
        if (near(x, W * 0.5, 6) && near(y, H, 8)) {
            mode = rmBottom;
            setCursor(CursorFor(crSizeNS));
        }
        if (near(y, H * 0.5, 6) && near(x, 0, 8)) {
            mode = rmLeft;
            setCursor(CursorFor(crSizeWE));
        }
        if (near(y, H * 0.5, 6) && near(x, W, 8)) {
            mode = rmRight;
            setCursor(CursorFor(crSizeWE));
        }
    }
    if (locked_)
        setCursor(CursorFor(crNoDrop));
    if (dragging_) {
        int x = mouse.pos.x();
        int y = mouse.pos.y();
        clampToContainer(x, y);
        redrawFeedback(x, y);
    } else {
        resizeMode_ = mode;
    }
    if (OnMouseMove)
        OnMouseMove(this, mouse);
}

void TGHandle::redrawFeedback(int x, int y)
{
    eraseFeedback();
    const QRect frame = NewFrameRect(x, y);
    if (container_)
        container_->DrawXorRect(QRect(frame.x() + 2, frame.y() + 2, frame.width() - 5, frame.height() - 5));
    feedbackRect_ = frame;
}

void TGHandle::eraseFeedback()
{
    if (feedbackRect_.isNull())
        return;
    if (container_)
        container_->DrawXorRect(QRect(feedbackRect_.x() + 2, feedbackRect_.y() + 2, feedbackRect_.width() - 5,
                                      feedbackRect_.height() - 5));
    feedbackRect_ = QRect();
}

void TGHandle::buttonUp(const TGMouse& mouse)
{
    if (!container_)
        return;
    container_->NotePointer(mouse.pos + pos(), mouse.globalPos);
    int x = mouse.pos.x();
    int y = mouse.pos.y();
    clampToContainer(x, y);
    // A quick click never moves anything (compared where the pointer is
    // clamped, so that also a click beyond the page's edge stays put).
    if (dragging_ && MillisecondsSinceStart() - pressTime_ < 150)
        dragStart_ = QPoint(x, y);
    pressTime_ = 0;
    QPointer<TGHandle> self(this);
    if (dragging_ && mouse.button == Qt::LeftButton) {
        if (QPoint(x, y) != dragStart_) {
            update();
            const QRect frame = NewFrameRect(x, y);
            MoveSelectionTo(frame.x(), frame.y(), frame.width(), frame.height());
        }
        eraseFeedback();
        takeFocus();
        dragging_ = false;
        SetPageCursor(container_, crDefault);
        if (QWidget::mouseGrabber() == this)
            releaseMouse();
        if (OnMouseUp)
            OnMouseUp(this, mouse);
    } else {
        passOn(mouse, false);
    }
    if (self)
        update();
}

void TGHandle::drawKeyboardRect()
{
    if (container_)
        container_->DrawXorRect(QRect(keyboardRect_.left(), keyboardRect_.top(),
                                      keyboardRect_.right() - keyboardRect_.left(),
                                      keyboardRect_.bottom() - keyboardRect_.top()));
}

void TGHandle::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
    if (keyboardMove_)
        drawKeyboardRect();
    if (arrow && !keyboardMove_) {
        keyboardMove_ = true;
        keyboardRect_ = QRect(QPoint(x() + 2, y() + 2), QPoint(x() + width() - 3, y() + height() - 3));
    }
    if (arrow) {
        int left = keyboardRect_.left();
        int top = keyboardRect_.top();
        int right = keyboardRect_.right();
        int bottom = keyboardRect_.bottom();
        const int w = right - left + 1;
        const int h = bottom - top + 1;
        const bool resize = modifiers.testFlag(Qt::ShiftModifier) && selection_.size() == 1;
        const int pageWidth = container_ ? container_->width() : 0;
        const int pageHeight = container_ ? container_->height() : 0;
        switch (key) {
        case Qt::Key_Left:
            if (resize) {
                if (w > 10)
                    --right;
            } else if (left > 0) {
                --left;
                --right;
            }
            break;
        case Qt::Key_Up:
            if (resize) {
                if (h > 10)
                    --bottom;
            } else if (top > 0) {
                --top;
                --bottom;
            }
            break;
        case Qt::Key_Right:
            if (pageWidth >= w + left) {
                if (!resize)
                    ++left;
                ++right;
            }
            break;
        case Qt::Key_Down:
            if (pageHeight >= h + top) {
                if (!resize)
                    ++top;
                ++bottom;
            }
            break;
        default:
            break;
        }
        keyboardRect_ = QRect(QPoint(left, top), QPoint(right, bottom));
    }
    QPointer<TGHandle> self(this);
    if (OnKeyDown)
        OnKeyDown(this, key, modifiers);
    if (self && keyboardMove_)
        drawKeyboardRect();
    event->accept();
}

void TGHandle::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    // Auto-repeat comes as release and press pairs here; the move applies at
    // the real release only.
    if (event->isAutoRepeat())
        return;
    int key = event->key();
    QPointer<TGHandle> self(this);
    if (OnKeyUp)
        OnKeyUp(this, key, event->modifiers());
    if (!self || !keyboardMove_)
        return;
    drawKeyboardRect();
    keyboardMove_ = false;
    MoveSelectionTo(keyboardRect_.left() - 2, keyboardRect_.top() - 2,
                    keyboardRect_.right() - keyboardRect_.left() + 5,
                    keyboardRect_.bottom() - keyboardRect_.top() + 5);
    update();
    if (container_)
        container_->update();
}

void TGHandle::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (!dragging_ && container_)
        SetPageCursor(container_, container_->Pointing() ? crDefault : crDrag);
}

void TGHandle::bringToFront()
{
    raise();
    if (container_ && container_->XorOverlay() && container_->XorOverlay()->isVisible())
        container_->XorOverlay()->raise();
}

void TGHandle::takeFocus()
{
    if (isVisible() && isEnabled())
        setFocus(Qt::OtherFocusReason);
}
