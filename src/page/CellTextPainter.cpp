#include "page/CellTextPainter.h"

#include <QImage>
#include <QPaintDevice>
#include <QtMath>
#include <cmath>
#include <QPainter>

#include "richtext/RichTextPainter.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

int TCellTextPainter::ZoomToFit(int widthPixels, int wrapWidthPixels)
{
    if (wrapWidthPixels <= 0)
        return 100;
    return qMax(1, int(std::nearbyint(100.0 * widthPixels / wrapWidthPixels)));
}

void TCellTextPainter::PaintCell(QPainter& page, const TWPRtfStorage& text, const PixelRect& textRect,
                                 int wrapWidthPixels)
{
    const int w = textRect.right - textRect.left + 1;
    const int h = textRect.bottom - textRect.top + 1;
    // The copy goes into the rectangle itself, one pixel less each way.
    if (w <= 1 || h <= 1)
        return;
    // At the page image's resolution (more than one pixel per pixel on
    // high-density screens).
    const qreal ratio = page.device() ? page.device()->devicePixelRatioF() : 1.0;
    const int pixelsWide = qCeil(w * ratio);
    const int pixelsHigh = qCeil(h * ratio);
    if (scratch_.width() < pixelsWide || scratch_.height() < pixelsHigh)
        scratch_ = QImage(qMax(pixelsWide, scratch_.width()), qMax(pixelsHigh, scratch_.height()),
                          QImage::Format_RGB32);
    scratch_.setDevicePixelRatio(ratio);
    const QRect area(0, 0, w, h);
    {
        QPainter scratch(&scratch_);
        scratch.fillRect(area, Qt::white);
        painter_.LoadFromStorage(text);
        // Laid out as on paper and in the cell editor, shown at the cell's size.
        painter_.SetZoom(ZoomToFit(w, wrapWidthPixels));
        painter_.SetPrintMode(false);
        painter_.SetPageSize(wrapWidthPixels > 0 ? TRichTextPainter::PixelsToTwips(wrapWidthPixels) : 0, 0);
        painter_.PaintTo(scratch, area);
        painter_.SetPageSize(0, 0);
    }
    // The bitmap's last column and row fall outside the rectangle: they are
    // cut off rather than squeezed in, which would drop a pixel column from
    // the middle of the glyphs.
    page.drawImage(QRectF(textRect.left, textRect.top, w - 1, h - 1), scratch_,
                   QRectF(0, 0, (w - 1) * ratio, (h - 1) * ratio));
}

QPicture TCellTextPainter::RecordCell(const TWPRtfStorage& text, const QSize& frame, int wrapWidthPixels)
{
    QPicture picture;
    if (frame.isEmpty())
        return picture;
    painter_.resize(frame);
    painter_.LoadFromStorage(text);
    painter_.SetZoom(100);
    painter_.SetPrintMode(true);
    painter_.SetPageSize(wrapWidthPixels > 0 ? TRichTextPainter::PixelsToTwips(wrapWidthPixels) : 0, 0);
    {
        QPainter recorder(&picture);
        painter_.PaintTo(recorder, 0, 0, frame.width(), frame.height());
    }
    painter_.SetPageSize(0, 0);
    painter_.SetPrintMode(false);
    picture.setBoundingRect(QRect(QPoint(0, 0), frame));
    return picture;
}
