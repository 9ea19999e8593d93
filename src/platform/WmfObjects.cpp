#include "platform/WmfObjects.h"

#include "platform/DibImage.h"
#include "platform/WmfCharset.h"
#include "platform/WmfRecords.h"

#include <QtEndian>
#include <algorithm>

using namespace wmf;

QColor WmfColor(quint32 colorRef)
{
    return QColor(int(colorRef & 0xFF), int((colorRef >> 8) & 0xFF), int((colorRef >> 16) & 0xFF));
}

TWmfPen TWmfPen::FromRecord(const TWmfRecord& r)
{
    TWmfPen pen;
    pen.style = r.u(0);
    pen.width = std::max(0, int(r.s(1)));
    pen.color = WmfColor(r.u32(3));
    return pen;
}

namespace {

// Bits per pixel of a DIB header, 0 when unreadable.
int dibBitCount(const uchar* dib, qsizetype size)
{
    if (!dib || size < 12)
        return 0;
    const quint32 headerSize = qFromLittleEndian<quint32>(dib);
    if (headerSize == 12)
        return qFromLittleEndian<quint16>(dib + 10);
    if (headerSize >= 40 && size >= 16)
        return qFromLittleEndian<quint16>(dib + 14);
    return 0;
}

} // namespace

TWmfBrush TWmfBrush::FromRecord(const TWmfRecord& r)
{
    TWmfBrush brush;
    switch (r.function()) {
    case META_CREATEBRUSHINDIRECT:
        brush.style = r.u(0);
        brush.color = WmfColor(r.u32(1));
        brush.hatch = r.u(3);
        break;
    case META_DIBCREATEPATTERNBRUSH: {
        brush.style = r.u(0) == BS_PATTERN ? BS_PATTERN : BS_DIBPATTERN;
        const bool paletteIndices = r.u(1) == DIB_PAL_COLORS;
        const TDibImage dib = TDibImage::FromDib(reinterpret_cast<const char*>(r.data(2)), r.bytesFrom(2),
                                                 paletteIndices);
        brush.pattern = dib.image;
        brush.monochrome = brush.style == BS_PATTERN && dibBitCount(r.data(2), r.bytesFrom(2)) == 1;
        if (brush.monochrome)
            brush.pattern = brush.pattern.convertToFormat(QImage::Format_Mono).convertToFormat(QImage::Format_RGB32);
        break;
    }
    case META_CREATEPATTERNBRUSH:
        // A Bitmap16 header with an unused bits pointer, 18 reserved bytes,
        // then the pattern rows.
        brush.style = BS_PATTERN;
        brush.pattern = WmfBitmap16(r.data(0), r.bytesFrom(0), 14 + 18);
        brush.monochrome = r.byte(8) == 1 && r.byte(9) == 1;
        break;
    default:
        brush.style = BS_NULL;
        break;
    }
    if ((brush.style == BS_PATTERN || brush.style == BS_DIBPATTERN) && brush.pattern.isNull())
        brush.style = BS_NULL; // an unreadable pattern paints nothing rather than garbage
    return brush;
}

TWmfFont TWmfFont::FromRecord(const TWmfRecord& r)
{
    TWmfFont font;
    font.height = r.s(0);
    font.width = r.s(1);
    font.escapement = r.s(2);
    font.orientation = r.s(3);
    font.weight = r.s(4);
    font.italic = r.byte(10) != 0;
    font.underline = r.byte(11) != 0;
    font.strikeOut = r.byte(12) != 0;
    font.charset = r.byte(13);
    font.pitchAndFamily = r.byte(17);
    QByteArray face;
    for (qsizetype i = 18; i < std::min<qsizetype>(r.bytes(), 18 + 32) && r.byte(i); ++i)
        face.append(char(r.byte(i)));
    font.faceName = DecodeWmfText(face, font.charset == SYMBOL_CHARSET ? ANSI_CHARSET : font.charset).trimmed();
    return font;
}

TWmfRegion TWmfRegion::FromRecord(const TWmfRecord& r)
{
    // nextInChain, ObjectType, ObjectCount (2 words), RegionSize, ScanCount,
    // maxScan, bounding rectangle (left, top, right, bottom), then the scans:
    // Count, Top, Bottom, Count/2 pairs of left/right, Count again.
    TWmfRegion region;
    region.area.setFillRule(Qt::WindingFill);
    const int scanCount = r.u(5);
    const QRectF bounds(QPointF(r.s(7), r.s(8)), QPointF(r.s(9), r.s(10)));
    qsizetype pos = 11;
    int scansRead = 0;
    for (int scan = 0; scan < scanCount; ++scan) {
        const int count = r.u(pos);
        if (!r.has(pos + 3 + count + 1))
            break;
        const int top = r.s(pos + 1);
        const int bottom = r.s(pos + 2);
        for (int i = 0; i + 1 < count; i += 2) {
            const int left = r.s(pos + 3 + i);
            const int right = r.s(pos + 4 + i);
            if (right > left && bottom > top)
                region.area.addRect(QRectF(left, top, right - left, bottom - top));
        }
        pos += 3 + count + 1;
        ++scansRead;
    }
    if (scansRead == 0 && r.has(11))
        region.area.addRect(bounds.normalized());
    return region;
}

QImage WmfBitmap16(const uchar* data, qsizetype size, qsizetype bitsOffset)
{
    if (!data || size < 10 || bitsOffset < 10 || bitsOffset > size)
        return {};
    const int width = qFromLittleEndian<qint16>(data + 2);
    const int height = qFromLittleEndian<qint16>(data + 4);
    const int widthBytes = qFromLittleEndian<qint16>(data + 6);
    const int planes = data[8];
    const int bitsPixel = data[9];
    if (width <= 0 || height <= 0 || planes != 1)
        return {};
    if (qint64(width) * height > TDibImage::MaxPixels)
        return {};
    if (bitsPixel != 1 && bitsPixel != 4 && bitsPixel != 8 && bitsPixel != 24 && bitsPixel != 32)
        return {};
    if (qint64(widthBytes) * 8 < qint64(width) * bitsPixel)
        return {};
    if (qint64(widthBytes) * height > size - bitsOffset)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const uchar* row = data + bitsOffset + qint64(widthBytes) * y;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int grey = 0;
            switch (bitsPixel) {
            case 1: grey = ((row[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0; break;
            case 4: grey = ((x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4)) * 17; break;
            case 8: grey = row[x]; break;
            case 24: line[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]); continue;
            case 32: line[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]); continue;
            }
            line[x] = qRgb(grey, grey, grey);
        }
    }
    return image;
}
