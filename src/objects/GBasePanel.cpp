#include "objects/GBasePanel.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "objects/Cursors.h"
#include "objects/GHandle.h"
#include "objects/Popups.h"
#include "objects/XorOverlay.h"
#include "persist/ClassInfo.h"
#include "platform/ProgramFolder.h"
#include "platform/Rounding.h"

namespace {

// Any overlap of two rectangles (right and bottom edges excluded).
bool overlaps(const QRect& a, const QRect& b)
{
    if (a.width() <= 0 || a.height() <= 0 || b.width() <= 0 || b.height() <= 0)
        return false;
    return a.x() < b.x() + b.width() && b.x() < a.x() + a.width() && a.y() < b.y() + b.height()
        && b.y() < a.y() + a.height();
}

} // namespace

TGBasePanel::TGBasePanel(TComponent* owner, QWidget* parent) : QWidget(parent), TComponent(owner)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_NoMousePropagation);

    frame_ = new TGHandle(this);
    frame_->setEnabled(true);
    frame_->OnMouseDown = [this](QObject* sender, const TGMouse& m) { frameMouseDown(sender, m); };
    frame_->OnMouseUp = [this](QObject* sender, const TGMouse& m) { frameMouseUp(sender, m); };
    frame_->OnMouseMove = [this](QObject* sender, const TGMouse& m) { frameMouseMove(sender, m); };
    frame_->OnDblClick = [this](QObject* sender) { objectDblClick(sender); };
    frame_->OnKeyDown = [this](QObject* sender, int& key, Qt::KeyboardModifiers modifiers) {
        frameKeyDown(sender, key, modifiers);
    };
    frame_->SetSnapToGrid(false);
    // It hides itself again while nothing is selected.
    frame_->ClearSelection();

    overlay_ = new TGXorOverlay(this);

    clipboardFile_ = UserDataFolder() + QStringLiteral("Clipbrd.tmp");
    scratchFile_ = UserDataFolder() + QStringLiteral("TempFile.tmp");

    if (!HasState(csDesigning)) {
        buildPageMenu();
        frame_->SetPageMenu(pageMenu_);
    }
}

TGBasePanel::~TGBasePanel()
{
    // The clipboard file is shared by every page: only its owner removes it.
    if (ownsClipboardFile_)
        QFile::remove(clipboardFile_);
    QFile::remove(scratchFile_);
    frame_->ClearSelection();
    const QList<TGGraphicControl*> objects = PageObjects();
    for (auto it = objects.crbegin(); it != objects.crend(); ++it)
        delete *it;
}

void TGBasePanel::SetName(const QString& name)
{
    TComponent::SetName(name);
    setObjectName(name);
}

void TGBasePanel::SetDrawOutline(bool draw)
{
    if (draw == drawOutline_)
        return;
    drawOutline_ = draw;
    update();
}

void TGBasePanel::SetPicture(const TGPanelPicture& picture)
{
    picture_.bitmap = picture.bitmap;
    picture_.drawing = picture.drawing;
    update();
}

void TGBasePanel::SetColorPicture(const TGPanelPicture& picture)
{
    colorPicture_.bitmap = picture.bitmap;
    colorPicture_.drawing = picture.drawing;
    update();
}

void TGBasePanel::SetShape(TLabelShapeType shape)
{
    if (shape == shape_)
        return;
    shape_ = shape;
    update();
}

void TGBasePanel::SetGridSize(TGridSize size)
{
    if (size == gridSize_)
        return;
    gridSize_ = size;
    const int step = size == gs8x8 ? 8 : 4;
    frame_->SetGridX(step);
    frame_->SetGridY(step);
    // Setting the frame's steps also makes them effective; without
    // SnapToGrid a new grid size must not start snapping.
    if (!snapToGrid_)
        frame_->SetSnapToGrid(false);
    update();
}

void TGBasePanel::SetShowGrid(bool show)
{
    if (show == showGrid_)
        return;
    showGrid_ = show;
    update();
}

void TGBasePanel::SetSnapToGrid(bool snap)
{
    if (snap == snapToGrid_)
        return;
    snapToGrid_ = snap;
    frame_->SetSnapToGrid(snap);
    if (snap) {
        const int step = gridSize_ == gs8x8 ? 8 : 4;
        frame_->SetGridX(step);
        frame_->SetGridY(step);
    }
}

void TGBasePanel::SetZoom(float factor)
{
    if (factor == zoomFactor_)
        return;
    rescaling_ = true;
    struct Release {
        bool& flag;
        ~Release() { flag = false; }
    } release{rescaling_};
    const float current = zoomFactor_ * 10 == 0 ? 1.0f : zoomFactor_;
    const float ratio = factor / current;
    resize(roundHalfEven(double(width()) * ratio), roundHalfEven(double(height()) * ratio));
    zoomFactor_ = factor;
    for (TGGraphicControl* object : PageObjects())
        object->SetZoom(factor);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TGBasePanel::SetPaintingSuspended(bool suspended)
{
    if (suspended == paintingSuspended_)
        return;
    paintingSuspended_ = suspended;
    if (!suspended)
        update();
}

QList<TGGraphicControl*> TGBasePanel::PageObjects() const
{
    QList<TGGraphicControl*> objects;
    for (QObject* child : children())
        if (auto* object = qobject_cast<TGGraphicControl*>(child))
            objects.append(object);
    return objects;
}

void TGBasePanel::NotifyChange()
{
    if (LabelChangedEvent && !rescaling_)
        LabelChangedEvent(this);
}

void TGBasePanel::RequestRefit()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (frame_)
                frame_->Refit();
        },
        Qt::QueuedConnection);
}

QString TGBasePanel::FirstFreeName(const QString& prefix, int first) const
{
    const TComponent* owner = Owner();
    for (int n = first; n <= 1000; ++n) {
        const QString name = prefix + QString::number(n);
        if (!owner || !owner->FindComponent(name))
            return name;
    }
    return QString();
}

void TGBasePanel::Place(TGGraphicControl* object, const QRect& rect)
{
    if (!object)
        return;
    object->hide();
    if (object->parentWidget() != this)
        object->setParent(this);
    object->SetName(FirstFreeName(QStringLiteral("Special"), 1));
    object->SetTop(rect.y());
    object->SetLeft(rect.x());
    object->SetWidth(rect.width());
    object->SetHeight(rect.height());
    if (object->Width() < 10)
        object->SetWidth(10);
    if (object->Height() < 15)
        object->SetHeight(15);
    AttachObject(object);
    object->SetZoomFactor(zoomFactor_);
    object->show();
    NotifyChange();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TGBasePanel::AttachObject(QWidget* control)
{
    auto* object = qobject_cast<TGGraphicControl*>(control);
    if (!object)
        return;
    QPointer<TGBasePanel> self(this);
    object->OnMouseDown = [self](QObject* sender, const TGMouse& m) {
        if (self)
            self->ObjectMouseDown(sender, m);
    };
    object->OnMouseMove = [self](QObject* sender, const TGMouse& m) {
        if (self)
            self->objectMouseMove(sender, m);
    };
    object->OnMouseUp = [self](QObject* sender, const TGMouse& m) {
        if (self)
            self->objectMouseUp(sender, m);
    };
    object->OnDblClick = [self](QObject* sender) {
        if (self)
            self->objectDblClick(sender);
    };
}

void TGBasePanel::AttachAll()
{
    const QObjectList all = children();
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        auto* widget = qobject_cast<QWidget*>(*it);
        if (!widget)
            continue;
        AttachObject(widget);
        if (auto* object = qobject_cast<TGGraphicControl*>(widget))
            object->SetZoomFactor(zoomFactor_);
    }
}

void TGBasePanel::DeleteAllObjects()
{
    frame_->ClearSelection();
    const QList<TGGraphicControl*> objects = PageObjects();
    for (auto it = objects.crbegin(); it != objects.crend(); ++it)
        delete *it;
}

bool TGBasePanel::ObjectAtPoint(int x, int y) const
{
    for (const TGGraphicControl* object : PageObjects())
        if (object->geometry().contains(x, y))
            return true;
    return false;
}

void TGBasePanel::ToolRectDone(const QRect&)
{
}

void TGBasePanel::CloneHook()
{
}

void TGBasePanel::PrintObjects(TReportPrinter& report, double xOffset, double yOffset)
{
    for (TGGraphicControl* object : PageObjects())
        object->PrintTo(report, xOffset, yOffset);
}

void TGBasePanel::KeepObjectsOnPage()
{
    frame_->ClearSelection();
    for (TGGraphicControl* object : PageObjects()) {
        if (object->Top() > height() - 10)
            object->SetTop(height() - 10);
        if (object->Left() > width() - 20)
            object->SetLeft(width() - 20);
    }
}

void TGBasePanel::RemoveObjectsOffPage()
{
    frame_->ClearSelection();
    const QList<TGGraphicControl*> objects = PageObjects();
    for (auto it = objects.crbegin(); it != objects.crend(); ++it) {
        TGGraphicControl* object = *it;
        if (object->Top() > height() - 10 || object->Left() > width() - 10 || object->Width() < 1
            || object->Height() < 1)
            delete object;
    }
}

// Mouse routing -------------------------------------------------------------

void TGBasePanel::NotePointer(const QPoint& pagePos, const QPoint& globalPos)
{
    lastMousePos_ = pagePos;
    lastGlobalPos_ = globalPos;
}

void TGBasePanel::ObjectMouseDown(QObject* sender, const TGMouse& mouse)
{
    auto* object = qobject_cast<TGGraphicControl*>(sender);
    if (!object)
        return;
    NotePointer(mouse.pos + object->pos(), mouse.globalPos);
    // A drawing tool's rectangle and the rubber band start on top of objects
    // too; unselectable objects let the press through to the page.
    if (!pointing_ || object->Unselectable()) {
        MouseDown(mouse.translated(object->pos()));
        return;
    }
    if (!mouse.shift())
        frame_->ClearSelection();
    frame_->Select(object);
    frame_->update();
    if (frame_->SelectionCount() == 1 && mouse.button == Qt::RightButton)
        OpenPopupMenu(object->PopupMenu(), mouse.globalPos);
}

void TGBasePanel::objectMouseMove(QObject* sender, const TGMouse& mouse)
{
    auto* object = qobject_cast<TGGraphicControl*>(sender);
    if (!object)
        return;
    if (pointing_)
        SetPageCursor(this, crHandPoint);
    MouseMove(mouse.translated(object->pos()));
}

void TGBasePanel::objectMouseUp(QObject* sender, const TGMouse& mouse)
{
    if (auto* widget = qobject_cast<QWidget*>(sender))
        MouseUp(mouse.translated(widget->pos()));
}

void TGBasePanel::objectDblClick(QObject* sender)
{
    if (sender == frame_) {
        if (frame_->SelectionCount() <= 1) {
            TGGraphicControl* hit = nullptr;
            for (TGGraphicControl* object : frame_->Selection())
                if (object->geometry().adjusted(-2, -2, 2, 2).contains(lastMousePos_)) {
                    hit = object;
                    break;
                }
            if (hit) {
                if (hit->DoubleClickAction)
                    hit->DoubleClickAction(*this);
                else
                    OpenPopupMenu(hit->PopupMenu(), lastGlobalPos_);
            }
        }
    } else if (auto* object = qobject_cast<TGGraphicControl*>(sender)) {
        OpenPopupMenu(object->PopupMenu(), lastGlobalPos_);
    }
    // Ends a drag begun by the first click.
    frame_->SetDoubleClickFlag(true);
}

void TGBasePanel::frameMouseDown(QObject*, const TGMouse& mouse)
{
    const TGMouse page = mouse.translated(frame_->pos());
    if (!pointing_) {
        MouseDown(page);
        return;
    }
    if (!mouse.shift())
        return;
    // Shift-clicking a selected object takes it out of the selection.
    QList<TGGraphicControl*> work = frame_->Selection();
    frame_->ClearSelection();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    for (int i = int(work.size()) - 1; i >= 0; --i)
        if (work[i]->geometry().contains(page.pos))
            work.removeAt(i);
    for (TGGraphicControl* object : work)
        frame_->Select(object);
}

void TGBasePanel::frameMouseMove(QObject*, const TGMouse& mouse)
{
    MouseMove(mouse.translated(frame_->pos()));
}

void TGBasePanel::frameMouseUp(QObject*, const TGMouse& mouse)
{
    MouseUp(mouse.translated(frame_->pos()));
}

void TGBasePanel::frameKeyDown(QObject*, int& key, Qt::KeyboardModifiers modifiers)
{
    KeyDown(key, modifiers);
}

QRect TGBasePanel::normalizedBand() const
{
    const int left = std::min(bandRect_.left(), bandRect_.right());
    const int right = std::max(bandRect_.left(), bandRect_.right());
    const int top = std::min(bandRect_.top(), bandRect_.bottom());
    const int bottom = std::max(bandRect_.top(), bandRect_.bottom());
    return QRect(left, top, right - left, bottom - top);
}

void TGBasePanel::drawBand(const QRect& rect)
{
    DrawXorRect(rect);
}

void TGBasePanel::DrawXorRect(const QRect& rect)
{
    overlay_->DrawRect(rect);
}

void TGBasePanel::MouseDown(const TGMouse& mouse)
{
    NotePointer(mouse.pos, mouse.globalPos);
    bandRect_ = QRect(mouse.pos, mouse.pos);
    if (mouse.button != Qt::LeftButton) {
        OpenPopupMenu(pageMenu_, mouse.globalPos);
    } else {
        rubberBand_ = true;
        SetPageCursor(this, crHandPoint);
        // Escape reaches the page wherever the keyboard focus is.
        if (!pointing_)
            watchEscape(true);
    }
    if (OnMouseDown)
        OnMouseDown(this, mouse);
}

void TGBasePanel::MouseMove(const TGMouse& mouse)
{
    NotePointer(mouse.pos, mouse.globalPos);
    if (rubberBand_) {
        SetPageCursor(this, crHandPoint);
        drawBand(normalizedBand());
        bandRect_.setRight(mouse.pos.x());
        bandRect_.setBottom(mouse.pos.y());
        drawBand(normalizedBand());
    }
    if (OnMouseMove)
        OnMouseMove(this, mouse);
}

void TGBasePanel::MouseUp(const TGMouse& mouse)
{
    NotePointer(mouse.pos, mouse.globalPos);
    if (rubberBand_) {
        // Takes the band off the page.
        drawBand(normalizedBand());
        if (bandRect_.right() < bandRect_.left()) {
            const int oldLeft = bandRect_.left();
            bandRect_.setLeft(mouse.pos.x());
            bandRect_.setRight(oldLeft);
        }
        if (bandRect_.bottom() < bandRect_.top()) {
            const int oldTop = bandRect_.top();
            bandRect_.setTop(mouse.pos.y());
            bandRect_.setBottom(oldTop);
        }
        rubberBand_ = false;
        watchEscape(false);
        const QRect rect(bandRect_.left(), bandRect_.top(), bandRect_.right() - bandRect_.left(),
                         bandRect_.bottom() - bandRect_.top());
        QPointer<TGBasePanel> self(this);
        if (pointing_) {
            SelectInRect(rect, mouse.shift());
            frame_->update();
            SetPageCursor(this, crDefault);
        } else {
            // Only a rectangle that made an object has changed the page.
            const qsizetype objectsBefore = PageObjects().size();
            ToolRectDone(rect);
            if (self && DroppedObjectEvent && PageObjects().size() > objectsBefore)
                DroppedObjectEvent(this, rect);
        }
        if (!self)
            return;
    }
    if (OnMouseUp)
        OnMouseUp(this, mouse);
}

void TGBasePanel::CancelToolRect()
{
    if (!rubberBand_ || pointing_)
        return;
    drawBand(normalizedBand());
    rubberBand_ = false;
    watchEscape(false);
    update(normalizedBand().adjusted(-1, -1, 1, 1));
    SetPageCursor(this, crDrag);
}

void TGBasePanel::watchEscape(bool on)
{
    if (on == watchingEscape_)
        return;
    watchingEscape_ = on;
    if (on)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

bool TGBasePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        rubberBand_ && !pointing_) {
        CancelToolRect();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TGBasePanel::SelectInRect(const QRect& rect, bool shift)
{
    QList<TGGraphicControl*> work;
    if (shift)
        work = frame_->Selection();
    frame_->ClearSelection();
    const QList<TGGraphicControl*> objects = PageObjects();
    for (auto it = objects.crbegin(); it != objects.crend(); ++it) {
        TGGraphicControl* object = *it;
        if (!overlaps(object->geometry(), rect))
            continue;
        if (shift && work.contains(object))
            work.removeOne(object);
        else
            work.append(object);
    }
    for (TGGraphicControl* object : work)
        frame_->Select(object);
}

void TGBasePanel::Click()
{
    if (OnClick)
        OnClick(this);
}

void TGBasePanel::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TGBasePanel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const TGMouse mouse = MouseFromEvent(event);
    clickArmed_ = mouse.button == Qt::LeftButton;
    MouseDown(mouse);
}

void TGBasePanel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    MouseMove(MouseFromEvent(event));
}

void TGBasePanel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const TGMouse mouse = MouseFromEvent(event);
    QPointer<TGBasePanel> self(this);
    // A click comes before the release's own handling.
    if (mouse.button == Qt::LeftButton && clickArmed_) {
        clickArmed_ = false;
        if (rect().contains(mouse.pos)) {
            clickPos_ = mouse.pos;
            NotePointer(mouse.pos, mouse.globalPos);
            Click();
        }
    }
    if (self)
        MouseUp(mouse);
}

void TGBasePanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    clickArmed_ = false;
    QPointer<TGBasePanel> self(this);
    DblClick();
    if (self)
        MouseDown(MouseFromEvent(event, true));
}

// Keys ------------------------------------------------------------------------

void TGBasePanel::KeyDown(int& key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    if (ctrl && key == Qt::Key_C)
        CopySelection();
    else if (ctrl && key == Qt::Key_V)
        PasteObjects();
    else if (ctrl && key == Qt::Key_X)
        CutSelection();
    else if (!ctrl && key == Qt::Key_Delete)
        DeleteSelection();
    if (OnKeyDown)
        OnKeyDown(this, key, modifiers);
}

void TGBasePanel::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    int key = event->key();
    QPointer<TGBasePanel> self(this);
    KeyDown(key, event->modifiers());
    if (self && key != 0 && OnKeyPress && !event->text().isEmpty()) {
        QChar character = event->text().front();
        OnKeyPress(this, character);
    }
}

void TGBasePanel::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    int key = event->key();
    if (OnKeyUp)
        OnKeyUp(this, key, event->modifiers());
}

bool TGBasePanel::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // The page wants every key, Tab included.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
        break;
    }
    case QEvent::ChildAdded:
        // New children stack on top; the selection frame (and the XOR layer
        // while it shows) stay above every object.
        if (frame_ && static_cast<QChildEvent*>(event)->child() != frame_) {
            frame_->raise();
            if (overlay_ && overlay_->isVisible())
                overlay_->raise();
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// Painting --------------------------------------------------------------------

void TGBasePanel::paintEvent(QPaintEvent* event)
{
    if (paintingSuspended_)
        return;
    QPainter painter(this);
    Paint(painter, event->rect());
}

void TGBasePanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (overlay_)
        overlay_->setGeometry(rect());
}

namespace {

QPainterPath shapePath(TLabelShapeType shape, const QRectF& rect)
{
    QPainterPath path;
    switch (shape) {
    case lsRectangle:
        path.addRect(rect);
        break;
    case lsRoundRect:
        path.addRoundedRect(rect, 12, 12);
        break;
    case lsEllipse:
        path.addEllipse(rect);
        break;
    }
    return path;
}

void drawStretched(QPainter& painter, const TGPanelPicture& picture, const QRect& target)
{
    if (picture.IsBitmap()) {
        painter.drawImage(target, picture.bitmap);
        return;
    }
    const QRect frame = picture.drawing.boundingRect();
    if (frame.isEmpty())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(double(target.width()) / frame.width(), double(target.height()) / frame.height());
    painter.translate(-frame.topLeft());
    painter.drawPicture(0, 0, picture.drawing);
    painter.restore();
}

} // namespace

void TGBasePanel::Paint(QPainter& painter, const QRect& dirty)
{
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0)
        return;
    QImage work(w, h, QImage::Format_RGB32);
    work.fill(Qt::white);
    // The shape region covers (0, 0, Width + 1, Height + 1).
    const QPainterPath region = shapePath(shape_, QRectF(0, 0, w + 1, h + 1));
    {
        QPainter canvas(&work);
        if (!picture_.IsEmpty()) {
            canvas.save();
            canvas.setClipPath(region);
            drawStretched(canvas, picture_, QRect(0, 0, w, h));
            canvas.restore();
        }
        if (!colorPicture_.IsEmpty()) {
            canvas.save();
            canvas.setClipPath(region);
            drawStretched(canvas, colorPicture_, QRect(0, 0, w, h));
            canvas.restore();
        }
        if (drawOutline_) {
            canvas.setPen(QPen(Qt::black, 0));
            canvas.setBrush(Qt::NoBrush);
            canvas.drawPath(shapePath(shape_, QRectF(0.5, 0.5, w - 1, h - 1)));
        }
    }
    if (showGrid_) {
        // Green dots ANDed onto the picture, inside the shape only.
        QImage mask(w, h, QImage::Format_Grayscale8);
        mask.fill(0);
        {
            QPainter maskPainter(&mask);
            maskPainter.fillPath(region, Qt::white);
        }
        const QRgb dot = ToQColor(0x008000).rgb();
        const bool fine = gridSize_ == gs4x4;
        for (int y = 2; y < h; y += fine ? 4 : 8) {
            auto* line = reinterpret_cast<QRgb*>(work.scanLine(y));
            const uchar* inside = mask.constScanLine(y);
            for (int x = 2; x < w; x += fine ? 4 : 8)
                if (inside[x])
                    line[x] &= dot;
        }
    }
    painter.drawImage(dirty, work, dirty);
}

const TEnumNames& TGBasePanel::ShapeNames()
{
    static const TEnumNames names{"lsRectangle", "lsRoundRect", "lsEllipse"};
    return names;
}

const TEnumNames& TGBasePanel::GridSizeNames()
{
    static const TEnumNames names{"gs4x4", "gs8x8"};
    return names;
}

const TClassInfo& TGBasePanel::StaticClassInfo()
{
    // Only Shape has a default; everything else is always written. The two
    // events keep the name of the handler they were given.
    static const TClassInfo info =
        TClassInfoBuilder<TGBasePanel>("TGBasePanel", &TComponent::StaticClassInfo())
            .boolean("Pointing", &TGBasePanel::Pointing, &TGBasePanel::SetPointing)
            .boolean("DrawOutline", &TGBasePanel::DrawOutline, &TGBasePanel::SetDrawOutline)
            .object("Picture", &TGBasePanel::pictureObject)
            .object("ColorPicture", &TGBasePanel::colorPictureObject)
            .boolean("Printing", &TGBasePanel::Printing, &TGBasePanel::SetPrinting)
            .enumeration("Shape", &TGBasePanel::Shape, &TGBasePanel::SetShape, ShapeNames())
            .defaultValue(lsRoundRect)
            .enumeration("GridSize", &TGBasePanel::GridSize, &TGBasePanel::SetGridSize, GridSizeNames())
            .boolean("ShowGrid", &TGBasePanel::ShowGrid, &TGBasePanel::SetShowGrid)
            .boolean("SnapToGrid", &TGBasePanel::SnapToGrid, &TGBasePanel::SetSnapToGrid)
            .event("DroppedObjectEvent", &TGBasePanel::droppedObjectEventName, &TGBasePanel::setDroppedObjectEventName)
            .event("LabelChangedEvent", &TGBasePanel::labelChangedEventName, &TGBasePanel::setLabelChangedEventName)
            .build();
    return info;
}
