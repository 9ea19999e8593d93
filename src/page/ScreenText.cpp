#include "page/ScreenText.h"

#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QtMath>
#include <cmath>

#include "persist/Font.h"

// A line under, through or over a run of glyphs, relative to the text's origin.
struct TTextDecoration {
    QLineF line;
    qreal thickness = 1;
};

// A text shaped in one font: its glyphs with positions relative to the line's
// top-left corner, the line's ascent in those units and the advance width.
// Qt places the underline and strike-out of a glyph run at the run's
// positions already mapped to the device, so a scaling painter (a
// high-density screen's page image) would draw them far from the glyphs:
// there the runs go without them (`bareRuns`) and the decorations are drawn
// as lines of their own, where Qt puts them when it does not scale.
struct TShapedText {
    QList<QGlyphRun> runs;
    QList<QGlyphRun> bareRuns;
    QList<TTextDecoration> decorations;
    qreal lineAscent = 0;
    int width = 0;
};

namespace {

// The decorations of one run, placed as QPainter places those of a glyph run:
// from the leftmost glyph to the furthest advance, on the lowest baseline,
// the underline at its rounded-up offset within the descent, the strike-out a
// third of the ascent up, the overline at the ascent.
void addDecorations(const QGlyphRun& run, QList<TTextDecoration>& out)
{
    if (!run.underline() && !run.strikeOut() && !run.overline())
        return;
    const QList<QPointF> positions = run.positions();
    const QRawFont font = run.rawFont();
    const QList<QPointF> advances = font.advancesForGlyphIndexes(run.glyphIndexes());
    if (positions.isEmpty() || advances.size() != positions.size())
        return;
    qreal left = positions[0].x(), right = positions[0].x() + advances[0].x(), baseline = positions[0].y();
    for (qsizetype i = 1; i < positions.size(); ++i) {
        left = qMin(left, positions[i].x());
        right = qMax(right, positions[i].x() + advances[i].x());
        baseline = qMax(baseline, positions[i].y());
    }
    const qreal x1 = qFloor(left);
    const qreal x2 = qFloor(right);
    const qreal thickness = font.lineThickness();
    auto add = [&](qreal y) { out.append({QLineF(x1, y, x2, y), thickness}); };
    if (run.underline()) {
        const qreal offset = font.underlinePosition();
        qreal adjusted = std::ceil(offset) + 0.5;
        if (offset <= font.descent())
            adjusted = qMin(adjusted, font.descent() - 0.5);
        add(baseline + adjusted);
    }
    if (run.strikeOut())
        add(baseline - font.ascent() / 3.0);
    if (run.overline())
        add(baseline - font.ascent());
}

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
    for (const QGlyphRun& run : std::as_const(shape.runs))
        addDecorations(run, shape.decorations);
    if (!shape.decorations.isEmpty()) {
        shape.bareRuns = shape.runs;
        for (QGlyphRun& run : shape.bareRuns) {
            run.setUnderline(false);
            run.setStrikeOut(false);
            run.setOverline(false);
        }
    }
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
    const bool ownDecorations =
        !shape.decorations.isEmpty() && painter.deviceTransform().type() > QTransform::TxTranslate;
    for (const QGlyphRun& run : ownDecorations ? shape.bareRuns : shape.runs)
        painter.drawGlyphRun(origin, run);
    if (ownDecorations) {
        const QPen textPen = painter.pen();
        QPen pen(textPen.color());
        pen.setCapStyle(Qt::FlatCap);
        for (const TTextDecoration& decoration : shape.decorations) {
            pen.setWidthF(decoration.thickness);
            painter.setPen(pen);
            painter.drawLine(decoration.line.translated(origin));
        }
        painter.setPen(textPen);
    }
    if (!fits)
        painter.restore();
}
