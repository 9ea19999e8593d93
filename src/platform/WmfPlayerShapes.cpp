// Shapes of the metafile player: pens, brushes and raster operations, and
// the line, polygon, rectangle, ellipse and arc records.
#include "platform/WmfPlayer.h"

#include <QPaintEngine>
#include <cmath>

using namespace wmf;

double TWmfPlayer::penDeviceWidth() const
{
    // GDI widens geometric pens by the mapping; with unequal scales we take
    // their geometric mean so a stretched picture keeps balanced lines.
    return dc_.pen.width * std::sqrt(scaleX() * scaleY());
}

QPen TWmfPlayer::devicePen() const
{
    const int style = dc_.pen.lineStyle();
    if (style == PS_NULL)
        return Qt::NoPen;
    QPen pen(dc_.pen.color);
    const double width = penDeviceWidth();
    pen.setWidthF(width);
    pen.setCosmetic(dc_.pen.width == 0);
    switch (dc_.pen.style & PS_ENDCAP_MASK) {
    case PS_ENDCAP_SQUARE: pen.setCapStyle(Qt::SquareCap); break;
    case PS_ENDCAP_FLAT: pen.setCapStyle(Qt::FlatCap); break;
    default: pen.setCapStyle(Qt::RoundCap); break;
    }
    switch (dc_.pen.style & PS_JOIN_MASK) {
    case PS_JOIN_BEVEL: pen.setJoinStyle(Qt::BevelJoin); break;
    case PS_JOIN_MITER: pen.setJoinStyle(Qt::MiterJoin); pen.setMiterLimit(5); break;
    default: pen.setJoinStyle(Qt::RoundJoin); break;
    }
    // Styled lines exist for thin pens only; wider ones draw solid, as in GDI.
    if (dc_.pen.width <= 1) {
        switch (style) {
        case PS_DASH: pen.setDashPattern({18, 6}); break;
        case PS_DOT: pen.setDashPattern({3, 3}); break;
        case PS_DASHDOT: pen.setDashPattern({9, 6, 3, 6}); break;
        case PS_DASHDOTDOT: pen.setDashPattern({9, 3, 3, 3, 3, 3}); break;
        default: break;
        }
        if (style >= PS_DASH && style <= PS_DASHDOTDOT)
            pen.setCapStyle(Qt::FlatCap);
    }
    return pen;
}

QBrush TWmfPlayer::deviceBrush(const TWmfBrush& brush) const
{
    switch (brush.style) {
    case BS_SOLID:
    case BS_INDEXED:
        return QBrush(brush.color);
    case BS_HATCHED: {
        Qt::BrushStyle pattern = Qt::HorPattern;
        switch (brush.hatch) {
        case HS_HORIZONTAL: pattern = Qt::HorPattern; break;
        case HS_VERTICAL: pattern = Qt::VerPattern; break;
        case HS_FDIAGONAL: pattern = Qt::FDiagPattern; break; // top-left to bottom-right
        case HS_BDIAGONAL: pattern = Qt::BDiagPattern; break; // bottom-left to top-right
        case HS_CROSS: pattern = Qt::CrossPattern; break;
        case HS_DIAGCROSS: pattern = Qt::DiagCrossPattern; break;
        default: return QBrush(brush.color);
        }
        return QBrush(brush.color, pattern);
    }
    case BS_PATTERN:
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT: {
        if (brush.pattern.isNull())
            return Qt::NoBrush;
        if (!brush.monochrome)
            return QBrush(brush.pattern);
        // Monochrome patterns paint 0 bits in the text colour, 1 bits in the
        // background colour.
        QImage coloured = brush.pattern.convertToFormat(QImage::Format_RGB32);
        const QRgb fore = dc_.textColor.rgb();
        const QRgb back = dc_.bkColor.rgb();
        for (int y = 0; y < coloured.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(coloured.scanLine(y));
            for (int x = 0; x < coloured.width(); ++x)
                line[x] = qGray(line[x]) < 128 ? fore : back;
        }
        return QBrush(coloured);
    }
    default:
        return Qt::NoBrush;
    }
}

// Sets the composition for the current ROP2; false when nothing is to be drawn.
// Operations the device cannot combine with its pixels are drawn as copies;
// those that need no destination (black, white, inverted pen) come out exact.
bool TWmfPlayer::prepareRop(RopColour& colour)
{
    colour = RopColour::AsIs;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (dc_.rop2) {
    case R2_NOP: return false;
    case R2_BLACK: colour = RopColour::Black; break;
    case R2_WHITE: colour = RopColour::White; break;
    case R2_NOTCOPYPEN: colour = RopColour::Inverted; break;
    case R2_NOTMERGEPEN: mode = QPainter::RasterOp_NotSourceAndNotDestination; break;
    case R2_MASKNOTPEN: mode = QPainter::RasterOp_NotSourceAndDestination; break;
    case R2_MASKPENNOT: mode = QPainter::RasterOp_SourceAndNotDestination; break;
    case R2_NOT: mode = QPainter::RasterOp_NotDestination; break;
    case R2_XORPEN: mode = QPainter::RasterOp_SourceXorDestination; break;
    case R2_NOTMASKPEN: mode = QPainter::RasterOp_NotSourceOrNotDestination; break;
    case R2_MASKPEN: mode = QPainter::RasterOp_SourceAndDestination; break;
    case R2_NOTXORPEN: mode = QPainter::RasterOp_NotSourceXorDestination; break;
    case R2_MERGENOTPEN: mode = QPainter::RasterOp_NotSourceOrDestination; break;
    case R2_MERGEPENNOT: mode = QPainter::RasterOp_SourceOrNotDestination; break;
    case R2_MERGEPEN: mode = QPainter::RasterOp_SourceOrDestination; break;
    default: break;
    }
    if (painter_) {
        const bool rasterOp = mode != QPainter::CompositionMode_SourceOver && raster();
        painter_->setCompositionMode(rasterOp ? mode : QPainter::CompositionMode_SourceOver);
        // Partly covered edge pixels would combine twice with the destination.
        painter_->setRenderHint(QPainter::Antialiasing, !rasterOp);
    }
    return true;
}

QRectF TWmfPlayer::insideFrame(QRectF rect) const
{
    if (dc_.pen.lineStyle() != PS_INSIDEFRAME || dc_.pen.width <= 1)
        return rect;
    const double half = penDeviceWidth() / 2;
    return rect.adjusted(half, half, -half, -half);
}

void TWmfPlayer::drawShape(QPainterPath path, bool fill, bool stroke)
{
    path.setFillRule(dc_.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    QPen pen = stroke ? devicePen() : QPen(Qt::NoPen);
    QBrush brush = fill ? deviceBrush(dc_.brush) : QBrush(Qt::NoBrush);
    if (pen.style() == Qt::NoPen && brush.style() == Qt::NoBrush)
        return;
    if (!painter_) {
        const double grow = pen.style() == Qt::NoPen ? 0 : std::max(penDeviceWidth(), 1.0) / 2;
        addBounds(path.boundingRect().adjusted(-grow, -grow, grow, grow));
        return;
    }
    RopColour colour = RopColour::AsIs;
    if (!prepareRop(colour))
        return;
    if (colour != RopColour::AsIs) {
        auto recolour = [colour](QColor c) {
            if (colour == RopColour::Black)
                return QColor(Qt::black);
            if (colour == RopColour::White)
                return QColor(Qt::white);
            return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
        };
        if (pen.style() != Qt::NoPen)
            pen.setColor(recolour(pen.color()));
        if (brush.style() != Qt::NoBrush)
            brush = QBrush(recolour(brush.color())); // patterns come out solid
    }
    // The background colour shows only between hatch lines and dashes; Qt
    // would also lay it under pattern brushes, so fill and outline are drawn
    // apart, each with its own background mode.
    const bool opaque = dc_.bkMode == OPAQUE;
    painter_->setBackground(dc_.bkColor);
    if (brush.style() != Qt::NoBrush) {
        const bool hatched = brush.style() != Qt::SolidPattern && brush.style() != Qt::TexturePattern;
        painter_->setBackgroundMode(opaque && hatched ? Qt::OpaqueMode : Qt::TransparentMode);
        painter_->setPen(Qt::NoPen);
        painter_->setBrush(brush);
        painter_->drawPath(path);
    }
    if (pen.style() != Qt::NoPen) {
        painter_->setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
        painter_->setPen(pen);
        painter_->setBrush(Qt::NoBrush);
        painter_->drawPath(path);
    }
}

void TWmfPlayer::fillWithBrush(const QPainterPath& path, const TWmfBrush& brush)
{
    const TWmfBrush saved = dc_.brush;
    dc_.brush = brush;
    drawShape(path, true, false);
    dc_.brush = saved;
}

void TWmfPlayer::playPolyline(const TWmfRecord& r, bool polygon)
{
    const int count = r.s(0);
    if (count < 1 || !r.has(1 + 2 * qsizetype(count)))
        return;
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points.append(map(r.s(1 + 2 * i), r.s(2 + 2 * i)));
    QPainterPath path;
    path.addPolygon(points);
    if (polygon)
        path.closeSubpath();
    drawShape(path, polygon);
}

void TWmfPlayer::playPolyPolygon(const TWmfRecord& r)
{
    const int polygons = r.s(0);
    if (polygons < 1 || !r.has(1 + qsizetype(polygons)))
        return;
    qsizetype total = 0;
    for (int i = 0; i < polygons; ++i)
        total += r.u(1 + i);
    qsizetype pos = 1 + polygons;
    if (!r.has(pos + 2 * total))
        return;
    QPainterPath path;
    for (int i = 0; i < polygons; ++i) {
        const int count = r.u(1 + i);
        QPolygonF points;
        points.reserve(count);
        for (int k = 0; k < count; ++k, pos += 2)
            points.append(map(r.s(pos), r.s(pos + 1)));
        if (points.isEmpty())
            continue;
        path.addPolygon(points);
        path.closeSubpath();
    }
    drawShape(path, true);
}

void TWmfPlayer::playArc(const TWmfRecord& r)
{
    // yEnd, xEnd, yStart, xStart, bottom, right, top, left
    if (!r.has(8))
        return;
    const QRectF rect = insideFrame(mapRect(r.s(7), r.s(6), r.s(5), r.s(4)));
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const QPointF centre = rect.center();
    const double rx = rect.width() / 2;
    const double ry = rect.height() / 2;
    // The arc runs counter-clockwise (as seen on the device) from where the
    // line from the centre to the start point meets the ellipse to where the
    // line to the end point does.
    auto angleOf = [&](QPointF p) {
        const double dx = (p.x() - centre.x()) / rx;
        const double dy = (p.y() - centre.y()) / ry;
        if (dx == 0 && dy == 0)
            return 0.0;
        return std::atan2(-dy, dx) * 180.0 / M_PI;
    };
    const double start = angleOf(map(r.s(3), r.s(2)));
    const double end = angleOf(map(r.s(1), r.s(0)));
    double sweep = std::fmod(end - start + 720.0, 360.0);
    if (sweep <= 1e-9)
        sweep = 360.0; // radials that coincide make the whole ellipse

    QPainterPath path;
    switch (r.function()) {
    case META_ARC:
        path.arcMoveTo(rect, start);
        path.arcTo(rect, start, sweep);
        drawShape(path, false);
        break;
    case META_PIE:
        path.moveTo(centre);
        path.arcTo(rect, start, sweep);
        path.closeSubpath();
        drawShape(path, true);
        break;
    default: // chord
        path.arcMoveTo(rect, start);
        path.arcTo(rect, start, sweep);
        path.closeSubpath();
        drawShape(path, true);
        break;
    }
}

void TWmfPlayer::playSetPixel(const TWmfRecord& r)
{
    // colour (two words), y, x
    if (!r.has(4))
        return;
    const QPointF p = map(r.s(3), r.s(2));
    const QRectF pixel(p, QSizeF(std::max(1.0, scaleX()), std::max(1.0, scaleY())));
    if (!painter_) {
        addBounds(pixel);
        return;
    }
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_->fillRect(pixel, WmfColor(r.u32(0)));
}
