#include "objects/XorOverlay.h"

#include <QPaintEvent>
#include <QPainter>

TGXorOverlay::TGXorOverlay(QWidget* page) : QWidget(page)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    if (page)
        setGeometry(page->rect());
    hide();
}

QList<QPoint> TGXorOverlay::OutlinePixels(const QRect& rect)
{
    // rect: x()/y() = left/top, width()/height() = right - left, bottom - top.
    QList<QPoint> pixels;
    const int left = rect.x();
    const int top = rect.y();
    const int right = rect.x() + rect.width() - 1;    // last column drawn
    const int bottom = rect.y() + rect.height() - 1;  // last row drawn
    if (rect.width() <= 0 || rect.height() <= 0)
        return pixels;
    QList<QPoint> path;
    for (int x = left; x <= right; ++x)
        path.append(QPoint(x, top));
    for (int y = top + 1; y <= bottom; ++y)
        path.append(QPoint(right, y));
    if (bottom > top)
        for (int x = right - 1; x >= left; --x)
            path.append(QPoint(x, bottom));
    if (right > left)
        for (int y = bottom - 1; y > top; --y)
            path.append(QPoint(left, y));
    for (int i = 0; i < path.size(); i += 2)
        pixels.append(path[i]);
    return pixels;
}

void TGXorOverlay::DrawRect(const QRect& rect)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    // A second drawing of the same rectangle erases it.
    if (!rects_.removeOne(rect))
        rects_.append(rect);
    refresh(rect);
}

void TGXorOverlay::Clear()
{
    if (rects_.isEmpty())
        return;
    QRect all;
    for (const QRect& r : std::as_const(rects_))
        all |= r;
    rects_.clear();
    refresh(all);
}

void TGXorOverlay::refresh(const QRect& rect)
{
    if (QWidget* page = parentWidget(); page && geometry() != page->rect())
        setGeometry(page->rect());
    if (rects_.isEmpty()) {
        hide();
        if (QWidget* page = parentWidget())
            page->update(rect.adjusted(-1, -1, 1, 1));
        return;
    }
    if (isHidden()) {
        show();
        raise();
        update();
    } else {
        update(rect.adjusted(-1, -1, 1, 1));
    }
}

void TGXorOverlay::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const QRect& r : std::as_const(rects_)) {
        if (!event->region().intersects(r.adjusted(0, 0, 1, 1)))
            continue;
        for (const QPoint& p : OutlinePixels(r))
            painter.fillRect(QRect(p, QSize(1, 1)), Qt::white);
    }
}
