#include "page/ScreenText.h"

#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QTextLayout>

#include "persist/Font.h"

// A text shaped in one font: its glyphs with positions relative to the line's
// top-left corner, the line's ascent in those units and the advance width.
struct TShapedText {
    QList<QGlyphRun> runs;
    qreal lineAscent = 0;
    int width = 0;
};

namespace {

// Texts by font and content. A page shows a few hundred different ones; the
// cache starts again when a long session has filled it with more.
using ShapeCache = QHash<QString, TShapedText>;
constexpr qsizetype MaxCachedTexts = 4000;

ShapeCache& shapeCache()
{
    static ShapeCache cache;
    return cache;
}

struct FontInfo {
    int ascent;
    int lineHeight;
};

FontInfo fontInfo(const QString& key, const QFont& font)
{
    static QHash<QString, FontInfo> infos;
    auto it = infos.constFind(key);
    if (it != infos.constEnd())
        return *it;
    const QFontMetrics metrics(font);
    const FontInfo info{metrics.ascent(), metrics.ascent() + metrics.descent()};
    infos.insert(key, info);
    return info;
}

} // namespace

TScreenText::TScreenText(const CalFontParams& font)
    : font_(font.ToQFont(TFont::PixelsPerInch)), color_(ToQColor(font.Color))
{
    fontKey_ = font_.key();
    const FontInfo info = fontInfo(fontKey_, font_);
    ascent_ = info.ascent;
    lineHeight_ = info.lineHeight;
}

const TShapedText& TScreenText::shaped(const QString& text) const
{
    ShapeCache& cache = shapeCache();
    const QString key = fontKey_ + QChar(0) + text;
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    if (cache.size() >= MaxCachedTexts)
        cache.clear();

    TShapedText shape;
    QTextLayout layout(text, font_);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(1e7);
        line.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
    shape.runs = layout.glyphRuns();
    shape.lineAscent = line.isValid() ? line.ascent() : 0;
    shape.width = QFontMetrics(font_).horizontalAdvance(text);
    return *cache.insert(key, shape);
}

int TScreenText::Width(const QString& text) const
{
    return shaped(text).width;
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
    const TShapedText& shape = shaped(text);
    const int width = shape.width;
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
    // The glyphs sit on the baseline the font's whole-pixel ascent gives.
    const QPointF origin(x, y + ascent_ - shape.lineAscent);
    for (const QGlyphRun& run : shape.runs)
        painter.drawGlyphRun(origin, run);
    if (!fits)
        painter.restore();
}
