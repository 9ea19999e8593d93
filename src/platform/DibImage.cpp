#include "platform/DibImage.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <vector>

namespace {

enum Compression : quint32 {
    BI_RGB = 0,
    BI_RLE8 = 1,
    BI_RLE4 = 2,
    BI_BITFIELDS = 3,
    BI_JPEG = 4,
    BI_PNG = 5,
    BI_ALPHABITFIELDS = 6,
};

// Largest side we accept; keeps every row computation far from overflow.
constexpr qint64 MaxSide = 1 << 20;

quint16 u16(const uchar* p) { return qFromLittleEndian<quint16>(p); }
quint32 u32(const uchar* p) { return qFromLittleEndian<quint32>(p); }
qint32 s32(const uchar* p) { return qFromLittleEndian<qint32>(p); }

TDibImage failure(const QString& why)
{
    TDibImage result;
    result.error = why;
    return result;
}

// One colour channel described by a bit mask (BI_BITFIELDS, 16 and 32 bpp).
struct Channel {
    quint32 mask = 0;
    int shift = 0;
    quint32 max = 0;

    explicit Channel(quint32 m = 0) : mask(m)
    {
        if (!mask)
            return;
        while (!((mask >> shift) & 1u))
            ++shift;
        max = mask >> shift;
    }
    int value(quint32 pixel) const
    {
        if (!max)
            return 0;
        return int((quint64((pixel & mask) >> shift) * 255 + max / 2) / max);
    }
};

// Run-length decoding into palette indices, bottom row first as stored.
// Pixels the stream skips keep index 0. Column and row never leave the
// bitmap: a run or delta that would step past the row's end stops at it, so
// no number of records can push the position out of range.
void decodeRle(const uchar* bits, qint64 size, bool fourBit, int width, int height,
               std::vector<uchar>& indices)
{
    qint64 pos = 0;
    int x = 0;
    int y = 0;
    auto put = [&](int index) {
        if (x < width) {
            indices[size_t(y) * size_t(width) + size_t(x)] = uchar(index);
            ++x;
        }
    };
    while (pos + 2 <= size && y < height) {
        const int count = bits[pos];
        const int value = bits[pos + 1];
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < width; ++i)
                put(fourBit ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            break;
        } else if (value == 2) { // delta
            if (pos + 2 > size)
                break;
            x = std::min(x + int(bits[pos]), width);
            y = std::min(y + int(bits[pos + 1]), height);
            pos += 2;
        } else { // absolute run of `value` pixels, padded to a word
            const qint64 bytes = fourBit ? (value + 1) / 2 : value;
            if (pos + bytes > size)
                break;
            for (int i = 0; i < value && x < width; ++i) {
                const int b = bits[pos + (fourBit ? i / 2 : i)];
                put(fourBit ? ((i & 1) ? (b & 0x0F) : (b >> 4)) : b);
            }
            pos += (bytes + 1) & ~qint64(1);
        }
    }
}

// Whether a run-length stream is whole: it reaches its end-of-bitmap mark,
// or its line ends and deltas reach the last row, before the data runs out.
// A file cut short fails instead of showing what was left of it.
bool rleIsComplete(const uchar* bits, qint64 size, bool fourBit, int height)
{
    qint64 pos = 0;
    qint64 y = 0;
    while (pos + 2 <= size) {
        const int count = bits[pos];
        const int value = bits[pos + 1];
        pos += 2;
        if (count > 0)
            continue;
        if (value == 0) {
            if (++y >= height)
                return true;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (pos + 2 > size)
                return false;
            y += bits[pos + 1];
            pos += 2;
            if (y >= height)
                return true;
        } else {
            const qint64 bytes = fourBit ? (value + 1) / 2 : value;
            if (pos + bytes > size)
                return false;
            pos += (bytes + 1) & ~qint64(1);
        }
    }
    return false;
}

// The size an embedded PNG or JPEG declares in its header, read before
// anything is decoded so that a small file cannot claim a huge picture.
QImage decodeEmbedded(const uchar* data, qint64 size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     qsizetype(std::min<qint64>(size, INT_MAX)));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    const QSize declared = reader.size();
    if (declared.width() <= 0 || declared.height() <= 0 || declared.width() > MaxSide
        || declared.height() > MaxSide || qint64(declared.width()) * declared.height() > TDibImage::MaxPixels)
        return QImage();
    return reader.read();
}

TDibImage decode(const uchar* data, qint64 size, qint64 bitsOffset, bool paletteIndices, bool wholeFile = false)
{
    if (size < 12)
        return failure(QStringLiteral("bitmap header is truncated"));
    const quint32 headerSize = u32(data);
    if (headerSize < 12 || headerSize > size)
        return failure(QStringLiteral("bitmap header size %1 does not fit").arg(headerSize));

    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = BI_RGB;
    quint32 colorsUsed = 0;
    quint32 masks[4] = {0, 0, 0, 0};
    bool hasMasks = false;
    bool hasAlphaMask = false;
    int paletteEntrySize = 4;
    qint64 pos = headerSize;

    if (headerSize == 12) { // BITMAPCOREHEADER
        width = u16(data + 4);
        height = u16(data + 6);
        bitCount = u16(data + 10);
        paletteEntrySize = 3;
    } else {
        if (headerSize < 40)
            return failure(QStringLiteral("unknown bitmap header size %1").arg(headerSize));
        width = s32(data + 4);
        height = s32(data + 8);
        bitCount = u16(data + 14);
        compression = u32(data + 16);
        colorsUsed = u32(data + 32);
        if (compression == BI_BITFIELDS || compression == BI_ALPHABITFIELDS) {
            const int maskCount = compression == BI_ALPHABITFIELDS ? 4 : 3;
            if (headerSize >= 52) {
                for (int i = 0; i < maskCount && 40 + 4 * i + 4 <= qint64(headerSize); ++i)
                    masks[i] = u32(data + 40 + 4 * i);
                if (headerSize >= 56)
                    masks[3] = u32(data + 52);
            } else {
                if (pos + 4 * maskCount > size)
                    return failure(QStringLiteral("colour masks are truncated"));
                for (int i = 0; i < maskCount; ++i)
                    masks[i] = u32(data + pos + 4 * i);
                pos += 4 * maskCount;
            }
            hasMasks = true;
        } else if (headerSize >= 56 && (bitCount == 32 || bitCount == 16)) {
            // V4/V5 headers may name an alpha channel even for BI_RGB.
            masks[3] = u32(data + 52);
        }
        hasAlphaMask = masks[3] != 0;
    }
    if (paletteIndices)
        paletteEntrySize = 2;

    if (compression == BI_JPEG || compression == BI_PNG) {
        const qint64 start = bitsOffset >= 0 ? bitsOffset : pos;
        if (start > size)
            return failure(QStringLiteral("bitmap bits are missing"));
        TDibImage result;
        result.bottomUp = height > 0;
        result.image = decodeEmbedded(data + start, size - start);
        if (result.image.isNull())
            return failure(QStringLiteral("embedded compressed picture does not decode"));
        result.image = result.image.convertToFormat(result.image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                                   : QImage::Format_RGB32);
        return result;
    }

    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide)
        return failure(QStringLiteral("bitmap size %1 x %2 is not valid").arg(width).arg(height));
    if (width * height > TDibImage::MaxPixels)
        return failure(QStringLiteral("bitmap of %1 x %2 pixels is too large").arg(width).arg(height));
    switch (bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return failure(QStringLiteral("%1 bits per pixel are not supported").arg(bitCount));
    }
    const bool rle = compression == BI_RLE8 || compression == BI_RLE4;
    if (rle && ((compression == BI_RLE8) != (bitCount == 8) || (compression == BI_RLE4) != (bitCount == 4) || topDown))
        return failure(QStringLiteral("run-length compression does not match the bitmap"));
    if (compression != BI_RGB && !rle && !hasMasks)
        return failure(QStringLiteral("bitmap compression %1 is not supported").arg(compression));
    if (hasMasks && bitCount != 16 && bitCount != 32)
        return failure(QStringLiteral("colour masks need 16 or 32 bits per pixel"));

    // Colour table.
    qint64 paletteCount = 0;
    if (bitCount <= 8)
        paletteCount = colorsUsed ? colorsUsed : (1 << bitCount);
    else
        paletteCount = colorsUsed; // optional, not used for direct colours
    if (paletteCount > 65536 || pos + paletteCount * paletteEntrySize > size)
        return failure(QStringLiteral("colour table is truncated"));
    QList<QRgb> palette;
    if (bitCount <= 8) {
        palette.resize(1 << bitCount, qRgb(0, 0, 0));
        for (qint64 i = 0; i < std::min<qint64>(paletteCount, palette.size()); ++i) {
            const uchar* e = data + pos + i * paletteEntrySize;
            if (paletteIndices) {
                const int grey = std::min(255, int(u16(e)));
                palette[i] = qRgb(grey, grey, grey);
            } else {
                palette[i] = qRgb(e[2], e[1], e[0]);
            }
        }
    }
    pos += paletteCount * paletteEntrySize;
    if (bitsOffset >= 0 && bitsOffset >= headerSize && bitsOffset <= size)
        pos = bitsOffset;
    if (pos > size)
        return failure(QStringLiteral("bitmap bits are missing"));
    const uchar* bits = data + pos;
    const qint64 available = size - pos;

    TDibImage result;
    result.bottomUp = !topDown;
    const int w = int(width);
    const int h = int(height);

    if (rle) {
        // A run covers at most 255 pixels per two bytes, but line ends and
        // deltas skip freely; keep the allocation in proportion to the input.
        if (width * height > std::max<qint64>(1 << 20, available * 2048))
            return failure(QStringLiteral("compressed bitmap is too large for its data"));
        if (wholeFile && !rleIsComplete(bits, available, compression == BI_RLE4, h))
            return failure(QStringLiteral("compressed bitmap is truncated"));
        std::vector<uchar> indices(size_t(w) * size_t(h), 0);
        decodeRle(bits, available, compression == BI_RLE4, w, h, indices);
        result.image = QImage(w, h, QImage::Format_RGB32);
        if (result.image.isNull())
            return failure(QStringLiteral("out of memory for the bitmap"));
        for (int y = 0; y < h; ++y) {
            auto* line = reinterpret_cast<QRgb*>(result.image.scanLine(h - 1 - y));
            const uchar* src = indices.data() + size_t(y) * size_t(w);
            for (int x = 0; x < w; ++x)
                line[x] = palette[src[x] % palette.size()];
        }
        return result;
    }

    const qint64 stride = ((width * bitCount + 31) / 32) * 4;
    const qint64 lastRowBytes = (width * bitCount + 7) / 8;
    if (stride * (height - 1) + lastRowBytes > available)
        return failure(QStringLiteral("bitmap bits are truncated"));

    Channel red, green, blue, alpha;
    if (hasMasks) {
        red = Channel(masks[0]);
        green = Channel(masks[1]);
        blue = Channel(masks[2]);
    } else if (bitCount == 16) {
        red = Channel(0x7C00);
        green = Channel(0x03E0);
        blue = Channel(0x001F);
    } else if (bitCount == 32) {
        red = Channel(0x00FF0000);
        green = Channel(0x0000FF00);
        blue = Channel(0x000000FF);
    }
    alpha = Channel(hasAlphaMask ? masks[3] : 0);

    result.image = QImage(w, h, alpha.max ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (result.image.isNull())
        return failure(QStringLiteral("out of memory for the bitmap"));
    bool anyAlpha = false;
    for (int row = 0; row < h; ++row) {
        const uchar* src = bits + stride * row;
        auto* line = reinterpret_cast<QRgb*>(result.image.scanLine(topDown ? row : h - 1 - row));
        for (int x = 0; x < w; ++x) {
            switch (bitCount) {
            case 1: line[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
            case 4: line[x] = palette[(x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4)]; break;
            case 8: line[x] = palette[src[x]]; break;
            case 24: line[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            case 16:
            case 32: {
                const quint32 px = bitCount == 16 ? u16(src + 2 * x) : u32(src + 4 * x);
                const int a = alpha.max ? alpha.value(px) : 255;
                anyAlpha = anyAlpha || a != 0;
                line[x] = qRgba(red.value(px), green.value(px), blue.value(px), a);
                break;
            }
            }
        }
    }
    // A declared alpha channel that is zero everywhere means "not used".
    if (alpha.max && !anyAlpha)
        result.image = result.image.convertToFormat(QImage::Format_RGB32);
    return result;
}

} // namespace

TDibImage TDibImage::FromDib(const char* data, qsizetype size, bool paletteIndices)
{
    if (!data || size <= 0)
        return failure(QStringLiteral("no bitmap data"));
    return decode(reinterpret_cast<const uchar*>(data), size, -1, paletteIndices);
}

TDibImage TDibImage::FromBmpFile(const QByteArray& file)
{
    if (file.size() < 14 + 12 || file[0] != 'B' || file[1] != 'M')
        return failure(QStringLiteral("not a bitmap file"));
    const auto* data = reinterpret_cast<const uchar*>(file.constData());
    const qint64 offBits = qint64(u32(data + 10)) - 14;
    return decode(data + 14, file.size() - 14, offBits > 0 ? offBits : -1, false, true);
}

TDibImage TDibImage::FromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("cannot open %1").arg(path));
    // A bitmap over the pixel budget cannot decode; do not read a huge file for it.
    if (file.size() > MaxPixels * 4 + (1 << 20))
        return failure(QStringLiteral("%1 is too large").arg(path));
    return FromBmpFile(file.readAll());
}

QByteArray TDibImage::ToDib(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width();
    const int h = rgb.height();
    const qint64 stride = ((qint64(w) * 24 + 31) / 32) * 4;
    QByteArray dib(40 + stride * h, '\0');
    auto* d = reinterpret_cast<uchar*>(dib.data());
    qToLittleEndian<quint32>(40, d);
    qToLittleEndian<qint32>(w, d + 4);
    qToLittleEndian<qint32>(h, d + 8);
    qToLittleEndian<quint16>(1, d + 12);
    qToLittleEndian<quint16>(24, d + 14);
    qToLittleEndian<quint32>(BI_RGB, d + 16);
    qToLittleEndian<quint32>(quint32(stride * h), d + 20);
    qToLittleEndian<qint32>(3780, d + 24); // 96 dpi in pixels per metre
    qToLittleEndian<qint32>(3780, d + 28);
    for (int row = 0; row < h; ++row) {
        const auto* src = reinterpret_cast<const QRgb*>(rgb.scanLine(h - 1 - row));
        uchar* out = d + 40 + stride * row;
        for (int x = 0; x < w; ++x) {
            out[3 * x] = uchar(qBlue(src[x]));
            out[3 * x + 1] = uchar(qGreen(src[x]));
            out[3 * x + 2] = uchar(qRed(src[x]));
        }
    }
    return dib;
}
