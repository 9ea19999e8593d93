#include "platform/WmfPlayer.h"

#include <QPaintEngine>
#include <algorithm>
#include <cmath>

using namespace wmf;

namespace {

// Inches per logical unit of the fixed mapping modes.
double fixedModeInches(int mode)
{
    switch (mode) {
    case MM_LOMETRIC: return 1.0 / 254.0;
    case MM_HIMETRIC: return 1.0 / 2540.0;
    case MM_LOENGLISH: return 1.0 / 100.0;
    case MM_HIENGLISH: return 1.0 / 1000.0;
    case MM_TWIPS: return 1.0 / 1440.0;
    default: return 0;
    }
}

} // namespace

TWmfPlayer::TWmfPlayer(const TWmfPicture& picture, const TWmfFrame& frame, QPainter* painter,
                       const QRectF& target)
    : picture_(picture), frame_(frame), painter_(painter), target_(target)
{
    if (frame_.deviceRect.width() > 0 && frame_.deviceRect.height() > 0) {
        stretchX_ = target_.width() / frame_.deviceRect.width();
        stretchY_ = target_.height() / frame_.deviceRect.height();
    }
    if (frame_.windowExt.x() == 0 || frame_.windowExt.y() == 0)
        frame_.windowExt = QPointF(1, 1);
    if (!(frame_.unitsPerInch > 0))
        frame_.unitsPerInch = 96;
    // Playing stretched: the window starts as the frame's and the viewport
    // covers the frame's device rectangle, as an application sets them up
    // before it plays a metafile into a rectangle.
    dc_.windowOrg = frame_.windowOrg;
    dc_.windowExt = frame_.windowExt;
    dc_.viewportOrg = QPointF(0, 0);
    dc_.viewportExt = QPointF(std::abs(frame_.windowExt.x()), std::abs(frame_.windowExt.y()));
    dc_.brush.style = BS_SOLID;
    dc_.brush.color = Qt::white;
    updateMapping();
}

QRectF TWmfPlayer::Measure(const TWmfPicture& picture, const TWmfFrame& frame)
{
    TWmfPlayer player(picture, frame, nullptr, frame.deviceRect);
    player.Play();
    return player.bounds_;
}

void TWmfPlayer::Play()
{
    if (painter_) {
        painter_->save();
        if (painter_->hasClipping())
            baseClip_ = painter_->clipPath();
        painter_->setRenderHint(QPainter::Antialiasing, true);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    for (int i = 0; i < picture_.RecordCount(); ++i)
        playRecord(picture_.Record(i));
    if (painter_)
        painter_->restore();
}

bool TWmfPlayer::raster() const
{
    return painter_ && painter_->paintEngine() && painter_->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
}

void TWmfPlayer::addBounds(const QRectF& deviceRect)
{
    if (!painter_)
        bounds_ = bounds_.isNull() ? deviceRect : bounds_.united(deviceRect);
}

// ---- mapping ---------------------------------------------------------------

void TWmfPlayer::updateMapping()
{
    double sx = 1;
    double sy = 1;
    if (dc_.mapMode == MM_ISOTROPIC || dc_.mapMode == MM_ANISOTROPIC) {
        sx = dc_.viewportExt.x() / dc_.windowExt.x();
        sy = dc_.viewportExt.y() / dc_.windowExt.y();
        if (dc_.mapMode == MM_ISOTROPIC) {
            // Equal units both ways; the smaller scale wins.
            const double m = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
    } else if (const double inches = fixedModeInches(dc_.mapMode)) {
        sx = inches * frame_.unitsPerInch;
        sy = -sx; // y grows upwards
    }
    // device = (logical - windowOrg) * s + viewportOrg; then the frame's
    // device rectangle is stretched onto the target.
    const double ax = sx * stretchX_;
    const double ay = sy * stretchY_;
    const double bx = target_.left() + (dc_.viewportOrg.x() - sx * dc_.windowOrg.x() - frame_.deviceRect.left()) * stretchX_;
    const double by = target_.top() + (dc_.viewportOrg.y() - sy * dc_.windowOrg.y() - frame_.deviceRect.top()) * stretchY_;
    toDevice_ = QTransform(ax, 0, 0, ay, bx, by);
    // Extents scaled past what a double holds leave nothing sensible to draw.
    mappingUsable_ = std::isfinite(ax) && std::isfinite(ay) && std::isfinite(bx) && std::isfinite(by) && ax != 0 &&
                     ay != 0;
}

QRectF TWmfPlayer::mapRect(double left, double top, double right, double bottom) const
{
    return QRectF(map(left, top), map(right, bottom)).normalized();
}

void TWmfPlayer::setMapMode(int mode)
{
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return;
    dc_.mapMode = mode;
    updateMapping();
}

void TWmfPlayer::setExtent(QPointF& extent, double x, double y)
{
    // Extents only count in the scalable modes; zero is refused as GDI does.
    if ((dc_.mapMode != MM_ISOTROPIC && dc_.mapMode != MM_ANISOTROPIC) || x == 0 || y == 0 || !std::isfinite(x) ||
        !std::isfinite(y))
        return;
    extent = QPointF(x, y);
    updateMapping();
}

// ---- objects and saved states ----------------------------------------------

void TWmfPlayer::addObject(TWmfObject object)
{
    // GDI puts a new object into the lowest free slot of the table.
    if (!freeSlots_.empty()) {
        const int slot = *freeSlots_.begin();
        freeSlots_.erase(freeSlots_.begin());
        objects_[size_t(slot)] = std::move(object);
        return;
    }
    if (int(objects_.size()) < MaxObjects)
        objects_.push_back(std::move(object));
}

void TWmfPlayer::selectObject(int index)
{
    if (index < 0 || index >= int(objects_.size()))
        return;
    const TWmfObject& object = objects_[size_t(index)];
    if (const auto* pen = std::get_if<TWmfPen>(&object)) {
        dc_.pen = *pen;
    } else if (const auto* brush = std::get_if<TWmfBrush>(&object)) {
        dc_.brush = *brush;
    } else if (const auto* font = std::get_if<TWmfFont>(&object)) {
        dc_.font = *font;
    } else if (const auto* region = std::get_if<TWmfRegion>(&object)) {
        setClip(toDevice_.map(region->area));
    }
}

void TWmfPlayer::deleteObject(int index)
{
    if (index < 0 || index >= int(objects_.size()) || std::holds_alternative<std::monostate>(objects_[size_t(index)]))
        return;
    // What is selected stays in use: the state holds its own copy.
    objects_[size_t(index)] = std::monostate();
    freeSlots_.insert(index);
}

void TWmfPlayer::saveDC()
{
    if (int(saved_.size()) >= MaxSavedStates) {
        ++unsavedDepth_;
        return;
    }
    saved_.push_back(dc_);
}

void TWmfPlayer::restoreDC(int which)
{
    // Negative: that many levels back; positive: the state the which-th
    // SaveDC saved. Anything else fails and changes nothing.
    const int depth = int(saved_.size()) + unsavedDepth_;
    int keep = 0; // levels that remain saved
    if (which < 0 && -which <= depth)
        keep = depth + which;
    else if (which > 0 && which <= depth)
        keep = which - 1;
    else
        return;
    if (keep >= int(saved_.size())) { // only refused levels are dropped
        unsavedDepth_ = keep - int(saved_.size());
        return;
    }
    unsavedDepth_ = 0;
    dc_ = saved_[size_t(keep)];
    saved_.resize(size_t(keep));
    updateMapping();
    applyClip();
}

// ---- clipping --------------------------------------------------------------

QPainterPath TWmfPlayer::wholeArea() const
{
    QPainterPath all;
    const double w = std::max(target_.width(), 1.0);
    const double h = std::max(target_.height(), 1.0);
    all.addRect(target_.adjusted(-8 * w, -8 * h, 8 * w, 8 * h));
    return all;
}

void TWmfPlayer::setClip(const QPainterPath& clip)
{
    dc_.clipped = true;
    dc_.clip = clip;
    applyClip();
}

void TWmfPlayer::clearClip()
{
    dc_.clipped = false;
    dc_.clip = QPainterPath();
    applyClip();
}

void TWmfPlayer::applyClip()
{
    if (!painter_)
        return;
    if (!dc_.clipped) {
        if (baseClip_)
            painter_->setClipPath(*baseClip_);
        else
            painter_->setClipping(false);
        return;
    }
    painter_->setClipPath(baseClip_ ? baseClip_->intersected(dc_.clip) : dc_.clip);
}

// ---- pens, brushes, raster operations --------------------------------------

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

// ---- record dispatch ---------------------------------------------------------

bool TWmfPlayer::draws(quint16 function)
{
    switch (function) {
    case META_LINETO: case META_POLYLINE: case META_POLYGON: case META_POLYPOLYGON: case META_RECTANGLE:
    case META_ELLIPSE: case META_ROUNDRECT: case META_ARC: case META_PIE: case META_CHORD: case META_SETPIXEL:
    case META_TEXTOUT: case META_EXTTEXTOUT: case META_BITBLT: case META_STRETCHBLT: case META_DIBBITBLT:
    case META_DIBSTRETCHBLT: case META_STRETCHDIB: case META_SETDIBTODEV: case META_PATBLT: case META_FILLREGION:
    case META_FRAMEREGION: case META_INVERTREGION: case META_PAINTREGION:
        return true;
    default:
        return false;
    }
}

void TWmfPlayer::playRecord(const TWmfRecord& r)
{
    if (!mappingUsable_ && draws(r.function()))
        return;
    switch (r.function()) {
    // Mapping.
    case META_SETMAPMODE:
        if (r.has(1))
            setMapMode(r.u(0));
        break;
    case META_SETWINDOWORG:
        if (r.has(2)) {
            dc_.windowOrg = QPointF(r.s(1), r.s(0));
            updateMapping();
        }
        break;
    case META_SETWINDOWEXT:
        if (r.has(2))
            setExtent(dc_.windowExt, r.s(1), r.s(0));
        break;
    case META_SETVIEWPORTORG:
        if (r.has(2)) {
            dc_.viewportOrg = QPointF(r.s(1), r.s(0));
            updateMapping();
        }
        break;
    case META_SETVIEWPORTEXT:
        if (r.has(2))
            setExtent(dc_.viewportExt, r.s(1), r.s(0));
        break;
    case META_OFFSETWINDOWORG:
        if (r.has(2)) {
            dc_.windowOrg += QPointF(r.s(1), r.s(0));
            updateMapping();
        }
        break;
    case META_OFFSETVIEWPORTORG:
        if (r.has(2)) {
            dc_.viewportOrg += QPointF(r.s(1), r.s(0));
            updateMapping();
        }
        break;
    case META_SCALEWINDOWEXT:
    case META_SCALEVIEWPORTEXT:
        // yDenom, yNum, xDenom, xNum
        if (r.has(4) && r.s(0) != 0 && r.s(2) != 0) {
            QPointF& extent = r.function() == META_SCALEWINDOWEXT ? dc_.windowExt : dc_.viewportExt;
            setExtent(extent, extent.x() * r.s(3) / r.s(2), extent.y() * r.s(1) / r.s(0));
        }
        break;

    // Simple state.
    case META_SETBKCOLOR:
        if (r.has(2))
            dc_.bkColor = WmfColor(r.u32(0));
        break;
    case META_SETTEXTCOLOR:
        if (r.has(2))
            dc_.textColor = WmfColor(r.u32(0));
        break;
    case META_SETBKMODE:
        if (r.has(1) && (r.u(0) == TRANSPARENT || r.u(0) == OPAQUE))
            dc_.bkMode = r.u(0);
        break;
    case META_SETPOLYFILLMODE:
        if (r.has(1) && (r.u(0) == ALTERNATE || r.u(0) == WINDING))
            dc_.polyFillMode = r.u(0);
        break;
    case META_SETROP2:
        if (r.has(1) && r.u(0) >= R2_BLACK && r.u(0) <= R2_WHITE)
            dc_.rop2 = r.u(0);
        break;
    case META_SETSTRETCHBLTMODE:
        if (r.has(1))
            dc_.stretchMode = r.u(0);
        break;
    case META_SETTEXTALIGN:
        if (r.has(1))
            dc_.textAlign = r.u(0);
        break;
    case META_SETTEXTCHAREXTRA:
        if (r.has(1))
            dc_.charExtra = r.s(0);
        break;
    case META_MOVETO:
        if (r.has(2))
            dc_.position = QPointF(r.s(1), r.s(0));
        break;
    case META_SAVEDC:
        saveDC();
        break;
    case META_RESTOREDC:
        if (r.has(1))
            restoreDC(r.s(0));
        break;

    // Object table.
    case META_CREATEPENINDIRECT:
        addObject(TWmfPen::FromRecord(r));
        break;
    case META_CREATEBRUSHINDIRECT:
    case META_DIBCREATEPATTERNBRUSH:
    case META_CREATEPATTERNBRUSH:
        addObject(TWmfBrush::FromRecord(r));
        break;
    case META_CREATEFONTINDIRECT:
        addObject(TWmfFont::FromRecord(r));
        break;
    case META_CREATEREGION:
        addObject(TWmfRegion::FromRecord(r));
        break;
    case META_CREATEPALETTE:
    case META_CREATEBITMAP:
    case META_CREATEBITMAPINDIRECT:
        addObject(TWmfPlaceholder());
        break;
    case META_SELECTOBJECT:
        if (r.has(1))
            selectObject(r.u(0));
        break;
    case META_DELETEOBJECT:
        if (r.has(1))
            deleteObject(r.u(0));
        break;

    // Clipping.
    case META_INTERSECTCLIPRECT:
    case META_EXCLUDECLIPRECT:
        if (r.has(4)) {
            QPainterPath rect;
            rect.addRect(mapRect(r.s(3), r.s(2), r.s(1), r.s(0)));
            const QPainterPath current = dc_.clipped ? dc_.clip : wholeArea();
            setClip(r.function() == META_INTERSECTCLIPRECT ? current.intersected(rect) : current.subtracted(rect));
        }
        break;
    case META_SELECTCLIPREGION:
        if (r.has(1)) {
            const int index = r.u(0);
            const TWmfRegion* region =
                index < int(objects_.size()) ? std::get_if<TWmfRegion>(&objects_[size_t(index)]) : nullptr;
            if (region)
                setClip(toDevice_.map(region->area));
            else
                clearClip();
        }
        break;
    case META_OFFSETCLIPRGN:
        if (r.has(2) && dc_.clipped)
            setClip(dc_.clip.translated(r.s(1) * toDevice_.m11(), r.s(0) * toDevice_.m22()));
        break;

    // Lines and shapes.
    case META_LINETO:
        if (r.has(2)) {
            const QPointF to(r.s(1), r.s(0));
            QPainterPath path(map(dc_.position.x(), dc_.position.y()));
            path.lineTo(map(to.x(), to.y()));
            drawShape(path, false);
            dc_.position = to;
        }
        break;
    case META_POLYLINE:
        playPolyline(r, false);
        break;
    case META_POLYGON:
        playPolyline(r, true);
        break;
    case META_POLYPOLYGON:
        playPolyPolygon(r);
        break;
    case META_RECTANGLE:
    case META_ELLIPSE:
        if (r.has(4)) {
            const QRectF rect = insideFrame(mapRect(r.s(3), r.s(2), r.s(1), r.s(0)));
            QPainterPath path;
            if (r.function() == META_RECTANGLE)
                path.addRect(rect);
            else
                path.addEllipse(rect);
            drawShape(path, true);
        }
        break;
    case META_ROUNDRECT:
        // height, width of the corner ellipse, then bottom, right, top, left
        if (r.has(6)) {
            const QRectF rect = insideFrame(mapRect(r.s(5), r.s(4), r.s(3), r.s(2)));
            const double rx = std::min(std::abs(r.s(1) * scaleX()) / 2, rect.width() / 2);
            const double ry = std::min(std::abs(r.s(0) * scaleY()) / 2, rect.height() / 2);
            QPainterPath path;
            path.addRoundedRect(rect, rx, ry);
            drawShape(path, true);
        }
        break;
    case META_ARC:
    case META_PIE:
    case META_CHORD:
        playArc(r);
        break;
    case META_SETPIXEL:
        playSetPixel(r);
        break;

    // Text.
    case META_TEXTOUT:
        playText(r);
        break;
    case META_EXTTEXTOUT:
        playExtText(r);
        break;

    // Bitmaps and regions.
    case META_BITBLT:
    case META_STRETCHBLT:
    case META_DIBBITBLT:
    case META_DIBSTRETCHBLT:
    case META_STRETCHDIB:
    case META_SETDIBTODEV:
    case META_PATBLT:
        playBlit(r);
        break;
    case META_FILLREGION:
    case META_FRAMEREGION:
    case META_INVERTREGION:
    case META_PAINTREGION:
        playRegionRecord(r);
        break;

    // Palettes, escapes (comments, printer controls), flood fills (they need
    // the device's pixels) and anything unknown are skipped.
    default:
        break;
    }
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
