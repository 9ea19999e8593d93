#include "richtext/RichTextPainter.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextFrameFormat>
#include <algorithm>
#include <cmath>

#include "platform/ScreenMetrics.h"
#include "richtext/PictureHandler.h"

double TRichTextPainter::TwipsToPixels(int twips)
{
    return twips * ScreenPPI() / 1440.0;
}

int TRichTextPainter::PixelsToTwips(double pixels)
{
    return int(std::nearbyint(pixels / ScreenPPI() * 1440.0));
}

double TRichTextPainter::DeviceScale(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    if (!device)
        return 1.0;
    // Printers and PDF writers are the paged devices; they have their own
    // resolution. Images, pictures and widgets are in screen pixels.
    if (!dynamic_cast<const QPagedPaintDevice*>(device))
        return 1.0;
    return double(device->logicalDpiX()) / ScreenPPI();
}

void TRichTextPainter::PrepareDocument(QTextDocument& document, const TRichTextLayout& layout)
{
    TPictureHandler::Install(document);
    if (document.documentMargin() != 0)
        document.setDocumentMargin(0);
    // Design metrics on every device: a line breaks where it breaks on paper.
    if (!document.useDesignMetrics())
        document.setUseDesignMetrics(true);

    QTextFrame* root = document.rootFrame();
    QTextFrameFormat frame = root->frameFormat();
    const double left = TwipsToPixels(layout.marginsTwips.left());
    const double top = TwipsToPixels(layout.marginsTwips.top());
    const double right = TwipsToPixels(layout.marginsTwips.right());
    const double bottom = TwipsToPixels(layout.marginsTwips.bottom());
    if (frame.leftMargin() != left || frame.topMargin() != top || frame.rightMargin() != right
        || frame.bottomMargin() != bottom) {
        frame.setLeftMargin(left);
        frame.setTopMargin(top);
        frame.setRightMargin(right);
        frame.setBottomMargin(bottom);
        root->setFrameFormat(frame);
    }
}

double TRichTextPainter::TextWidth(const TRichTextLayout& layout, double targetWidth, double scale)
{
    if (!layout.wordWrap)
        return -1;
    const double width = layout.pageWidthTwips > 0 ? TwipsToPixels(layout.pageWidthTwips) : targetWidth / scale;
    // Whole pixels, as the editor wraps.
    return std::max(std::round(width), 1.0);
}

void TRichTextPainter::Paint(QTextDocument& document, QPainter& painter, const QRect& target, const TRichTextLayout& layout)
{
    if (target.width() <= 0 || target.height() <= 0)
        return;
    const double scale = std::max(layout.zoomPercent, 1) / 100.0 * DeviceScale(painter);
    PrepareDocument(document, layout);
    const double width = TextWidth(layout, target.width(), scale);
    if (document.textWidth() != width)
        document.setTextWidth(width);

    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = QRectF(0, 0, target.width() / scale, target.height() / scale);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}
