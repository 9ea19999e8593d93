// The metafile player: set-up, mapping, the object table, saved states,
// clipping and the dispatch of records to their handlers.
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
