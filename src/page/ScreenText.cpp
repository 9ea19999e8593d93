#include "page/ScreenText.h"

#include <QPainter>

#include "persist/Font.h"

TScreenText::TScreenText(const CalFontParams& font)
    : font_(font.ToQFont(TFont::PixelsPerInch)), metrics_(font_), color_(ToQColor(font.Color))
{
    ascent_ = metrics_.ascent();
    lineHeight_ = metrics_.ascent() + metrics_.descent();
}

void TScreenText::Select(QPainter& painter) const
{
    painter.setFont(font_);
    painter.setPen(color_);
}

void TScreenText::Draw(QPainter& painter, const PixelRect& rect, const QString& text, HAlign h, VAlign v) const
{
    if (text.isEmpty() || rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    const int width = Width(text);
    int x = rect.left;
    if (h == Center)
        x = (rect.left + rect.right - width) / 2;
    else if (h == Right)
        x = rect.right - width;
    int y = rect.top;
    if (v == VCenter)
        y = rect.top + (rect.Height() - lineHeight_) / 2;
    else if (v == Bottom)
        y = rect.bottom - lineHeight_;

    // Clipping costs a painter state change: only text that overflows its
    // rectangle pays for it.
    const bool fits = x >= rect.left && x + width <= rect.right && y >= rect.top && y + lineHeight_ <= rect.bottom;
    if (!fits) {
        painter.save();
        painter.setClipRect(rect.ToQRect(), Qt::IntersectClip);
    }
    painter.drawText(QPoint(x, y + ascent_), text);
    if (!fits)
        painter.restore();
}
