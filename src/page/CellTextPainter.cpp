#include "page/CellTextPainter.h"

#include <QImage>
#include <QPainter>

#include "richtext/RichTextPainter.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

void TCellTextPainter::PaintCell(QPainter& page, const TWPRtfStorage& text, const PixelRect& textRect, int zoomPercent)
{
    const int w = textRect.right - textRect.left + 1;
    const int h = textRect.bottom - textRect.top + 1;
    // The copy goes into the rectangle itself, one pixel less each way.
    if (w <= 1 || h <= 1)
        return;
    if (scratch_.width() < w || scratch_.height() < h)
        scratch_ = QImage(qMax(w, scratch_.width()), qMax(h, scratch_.height()), QImage::Format_RGB32);
    const QRect area(0, 0, w, h);
    {
        QPainter scratch(&scratch_);
        scratch.fillRect(area, Qt::white);
        painter_.LoadFromStorage(text);
        painter_.SetZoom(zoomPercent);
        painter_.SetPrintMode(false);
        // The width the cell editor wraps at over this cell.
        painter_.SetPageSize(CellPageWidthTwips(w, zoomPercent), 0);
        painter_.PaintTo(scratch, area);
        painter_.SetPageSize(0, 0);
    }
    // The bitmap's last column and row fall outside the rectangle: they are
    // cut off rather than squeezed in, which would drop a pixel column from
    // the middle of the glyphs.
    page.drawImage(QPoint(textRect.left, textRect.top), scratch_, QRect(0, 0, w - 1, h - 1));
}

int TCellTextPainter::CellPageWidthTwips(int widthPixels, int zoomPercent)
{
    return TRichTextPainter::PixelsToTwips(widthPixels * 100.0 / qMax(zoomPercent, 1));
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
    painter_.SetPageSize(wrapWidthPixels > 0 ? CellPageWidthTwips(wrapWidthPixels, 100) : 0, 0);
    {
        QPainter recorder(&picture);
        painter_.PaintTo(recorder, 0, 0, frame.width(), frame.height());
    }
    painter_.SetPageSize(0, 0);
    painter_.SetPrintMode(false);
    picture.setBoundingRect(QRect(QPoint(0, 0), frame));
    return picture;
}
