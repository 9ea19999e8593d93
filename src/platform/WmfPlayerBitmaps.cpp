// Bitmap and region records of the metafile player: the blits with their
// raster operations, pattern fills and region painting.
#include "platform/WmfPlayer.h"

#include <QPaintEngine>
#include <algorithm>

#include "platform/DibImage.h"

using namespace wmf;

namespace {

// A ternary raster operation's index (the truth table over pattern, source,
// destination); it reads the source when some row differs in S alone.
int ropIndex(quint32 rop) { return int((rop >> 16) & 0xFF); }
bool usesSource(int index) { return ((index >> 2) & 0x33) != (index & 0x33); }

// Pixels of this colour become transparent: on devices without raster
// operations this is how AND and OR/XOR masks come out right on white paper.
QImage withTransparent(const QImage& image, QRgb colour)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == (colour & 0x00FFFFFF))
                line[x] = 0;
        }
    }
    return result;
}

QImage inverted(QImage image)
{
    image.invertPixels();
    return image;
}

} // namespace

void TWmfPlayer::playBlit(const TWmfRecord& r)
{
    const quint16 fn = r.function();
    if (fn == META_PATBLT) {
        // rop, height, width, y, x
        if (r.has(6))
            patternBlit(r.s(5), r.s(4), r.s(3), r.s(2), r.u32(0));
        return;
    }
    // The short form of a blit carries no bitmap: it paints with the brush.
    const bool noBitmap = r.words() == (fn >> 8) && fn != META_STRETCHDIB && fn != META_SETDIBTODEV;
    auto dib = [&](qsizetype word, bool paletteIndices = false) {
        return TDibImage::FromDib(reinterpret_cast<const char*>(r.data(word)), r.bytesFrom(word), paletteIndices);
    };

    switch (fn) {
    case META_BITBLT:
    case META_DIBBITBLT:
        if (noBitmap) { // rop, ySrc, xSrc, reserved, height, width, yDest, xDest
            patternBlit(r.s(8), r.s(7), r.s(6), r.s(5), r.u32(0));
        } else if (r.has(8)) { // rop, ySrc, xSrc, height, width, yDest, xDest, bitmap
            const QImage image = fn == META_DIBBITBLT ? dib(8).image : WmfBitmap16(r.data(8), r.bytesFrom(8), 10);
            blitImage(image, QRectF(r.s(3), r.s(2), r.s(5), r.s(4)), r.s(7), r.s(6), r.s(5), r.s(4), r.u32(0),
                      false);
        }
        break;
    case META_STRETCHBLT:
    case META_DIBSTRETCHBLT:
        if (noBitmap) { // rop, srcH, srcW, ySrc, xSrc, reserved, destH, destW, yDest, xDest
            patternBlit(r.s(10), r.s(9), r.s(8), r.s(7), r.u32(0));
        } else if (r.has(10)) { // rop, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest, bitmap
            const QImage image = fn == META_DIBSTRETCHBLT ? dib(10).image : WmfBitmap16(r.data(10), r.bytesFrom(10), 10);
            blitImage(image, QRectF(r.s(5), r.s(4), r.s(3), r.s(2)), r.s(9), r.s(8), r.s(7), r.s(6), r.u32(0),
                      false);
        }
        break;
    case META_STRETCHDIB:
        // rop, colour use, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest, DIB
        if (r.has(11)) {
            const TDibImage image = dib(11, r.u(2) == DIB_PAL_COLORS);
            blitImage(image.image, QRectF(r.s(6), r.s(5), r.s(4), r.s(3)), r.s(10), r.s(9), r.s(8), r.s(7),
                      r.u32(0), image.bottomUp);
        }
        break;
    case META_SETDIBTODEV:
        // colour use, scan count, start scan, yDib, xDib, height, width, yDest, xDest, DIB
        if (r.has(9)) {
            const TDibImage image = dib(9, r.u(0) == DIB_PAL_COLORS);
            blitImage(image.image, QRectF(r.s(4), r.s(3), r.s(6), r.s(5)), r.s(8), r.s(7), r.s(6), r.s(5), SRCCOPY,
                      image.bottomUp);
        }
        break;
    default:
        break;
    }
}

void TWmfPlayer::blitImage(const QImage& source, QRectF sourceRect, double x, double y, double w, double h,
                           quint32 rop, bool bottomUpSource)
{
    const int op = ropIndex(rop);
    if (!usesSource(op)) {
        patternBlit(x, y, w, h, rop);
        return;
    }
    if (source.isNull() || sourceRect.width() == 0 || sourceRect.height() == 0 || w == 0 || h == 0)
        return;

    // Negative extents mirror; so does a mapping that flips the destination.
    bool flipX = sourceRect.width() < 0;
    bool flipY = sourceRect.height() < 0;
    QRect wanted = sourceRect.normalized().toRect();
    // DIB functions count source rows from the bottom of a bottom-up bitmap.
    if (bottomUpSource)
        wanted.moveTop(source.height() - wanted.top() - wanted.height());
    const QRect src = wanted.intersected(source.rect());
    if (src.isEmpty())
        return;
    const QPointF p1 = map(x, y);
    const QPointF p2 = map(x + w, y + h);
    QRectF dest = QRectF(p1, p2).normalized();
    flipX = flipX != (p2.x() < p1.x());
    flipY = flipY != (p2.y() < p1.y());
    // Only the part of the source inside the bitmap is drawn, onto the part
    // of the destination it corresponds to.
    if (src != wanted) {
        const double x0 = double(src.left() - wanted.left()) / wanted.width();
        const double x1 = double(src.left() + src.width() - wanted.left()) / wanted.width();
        const double y0 = double(src.top() - wanted.top()) / wanted.height();
        const double y1 = double(src.top() + src.height() - wanted.top()) / wanted.height();
        const double left = flipX ? dest.right() - x1 * dest.width() : dest.left() + x0 * dest.width();
        const double top = flipY ? dest.bottom() - y1 * dest.height() : dest.top() + y0 * dest.height();
        dest = QRectF(left, top, (x1 - x0) * dest.width(), (y1 - y0) * dest.height());
    }
    if (!painter_) {
        addBounds(dest);
        return;
    }
    if (dest.isEmpty())
        return;

    QImage image = src == source.rect() ? source : source.copy(src);
    if (flipX || flipY)
        image = image.mirrored(flipX, flipY);

    const bool rasterOps = raster();
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (op) {
    case 0xCC: break; // SRCCOPY
    case 0x33: image = inverted(image); break; // NOTSRCCOPY
    case 0x88: // SRCAND
        if (rasterOps) mode = QPainter::RasterOp_SourceAndDestination;
        else image = withTransparent(image, qRgb(255, 255, 255));
        break;
    case 0xEE: // SRCPAINT
        if (rasterOps) mode = QPainter::RasterOp_SourceOrDestination;
        else image = withTransparent(image, qRgb(0, 0, 0));
        break;
    case 0x66: // SRCINVERT
        if (rasterOps) mode = QPainter::RasterOp_SourceXorDestination;
        else image = withTransparent(image, qRgb(0, 0, 0));
        break;
    case 0x44: // SRCERASE
        if (rasterOps) mode = QPainter::RasterOp_SourceAndNotDestination;
        break;
    case 0x11: // NOTSRCERASE
        if (rasterOps) mode = QPainter::RasterOp_NotSourceAndNotDestination;
        else image = inverted(image);
        break;
    case 0xBB: // MERGEPAINT
        if (rasterOps) mode = QPainter::RasterOp_NotSourceOrDestination;
        else image = withTransparent(inverted(image), qRgb(255, 255, 255));
        break;
    default: break; // the rest draw the source as it is
    }
    painter_->save();
    painter_->setCompositionMode(mode);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, dc_.stretchMode == HALFTONE);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->drawImage(dest, image);
    painter_->restore();
}

void TWmfPlayer::patternBlit(double x, double y, double w, double h, quint32 rop)
{
    const QRectF dest = QRectF(map(x, y), map(x + w, y + h)).normalized();
    const int op = ropIndex(rop);
    if (op == 0xAA) // the destination unchanged
        return;
    if (!painter_) {
        addBounds(dest);
        return;
    }
    if (dest.isEmpty())
        return;
    const bool rasterOps = raster();
    QBrush brush = deviceBrush(dc_.brush);
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (op) {
    case 0x00: brush = QBrush(Qt::black); break; // BLACKNESS
    case 0xFF: brush = QBrush(Qt::white); break; // WHITENESS
    case 0x55: // DSTINVERT
        if (!rasterOps)
            return;
        mode = QPainter::RasterOp_NotDestination;
        brush = QBrush(Qt::black);
        break;
    case 0x5A: // PATINVERT
        if (rasterOps)
            mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case 0x0F: // PATNOT: the inverted brush colour
        if (brush.style() == Qt::SolidPattern) {
            const QRgb c = brush.color().rgb();
            brush = QBrush(QColor(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)));
        }
        break;
    default: break; // PATCOPY and the rest paint the brush
    }
    if (brush.style() == Qt::NoBrush)
        return;
    painter_->save();
    painter_->setCompositionMode(mode);
    painter_->setBackground(dc_.bkColor);
    const bool hatched = brush.style() != Qt::SolidPattern && brush.style() != Qt::TexturePattern;
    painter_->setBackgroundMode(dc_.bkMode == OPAQUE && hatched ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_->fillRect(dest, brush);
    painter_->restore();
}

void TWmfPlayer::playRegionRecord(const TWmfRecord& r)
{
    auto object = [&](qsizetype word) -> const TWmfObject* {
        const int index = r.u(word);
        return r.has(word + 1) && index < int(objects_.size()) ? &objects_[size_t(index)] : nullptr;
    };
    const TWmfObject* regionObject = object(0);
    const auto* region = regionObject ? std::get_if<TWmfRegion>(regionObject) : nullptr;
    if (!region)
        return;
    const QPainterPath area = toDevice_.map(region->area);
    switch (r.function()) {
    case META_PAINTREGION:
        fillWithBrush(area, dc_.brush);
        break;
    case META_FILLREGION:
        if (const TWmfObject* b = object(1); b && std::holds_alternative<TWmfBrush>(*b))
            fillWithBrush(area, std::get<TWmfBrush>(*b));
        break;
    case META_FRAMEREGION: // region, brush, height, width of the frame
        if (const TWmfObject* b = object(1); b && std::holds_alternative<TWmfBrush>(*b) && r.has(4)) {
            if (!painter_) {
                addBounds(area.boundingRect());
                break;
            }
            const double width = std::max(1.0, (std::abs(r.s(3)) * scaleX() + std::abs(r.s(2)) * scaleY()) / 2);
            painter_->save();
            painter_->setClipPath(area, Qt::IntersectClip); // the frame lies inside the region
            painter_->strokePath(area, QPen(deviceBrush(std::get<TWmfBrush>(*b)), 2 * width));
            painter_->restore();
        }
        break;
    case META_INVERTREGION:
        if (painter_ && raster()) {
            painter_->save();
            painter_->setCompositionMode(QPainter::RasterOp_NotDestination);
            painter_->fillPath(area, Qt::black);
            painter_->restore();
        } else {
            addBounds(area.boundingRect());
        }
        break;
    default:
        break;
    }
}
