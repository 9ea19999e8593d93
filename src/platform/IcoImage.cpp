#include "platform/IcoImage.h"

#include <QtEndian>
#include <cstring>

#include "platform/DibImage.h"

namespace {

quint16 u16(const uchar* p) { return qFromLittleEndian<quint16>(p); }
quint32 u32(const uchar* p) { return qFromLittleEndian<quint32>(p); }

struct Entry {
    qint64 area = 0;
    int bitCount = 0;
    qint64 offset = 0;
    qint64 size = 0;
};

// The bit count an entry really has: its DIB header's, where the directory
// leaves it 0 as many writers do.
int entryBits(const uchar* data, const Entry& e)
{
    if (e.size >= 16 && u32(data + e.offset) >= 16 && u32(data + e.offset) <= e.size)
        return u16(data + e.offset + 14);
    return 32; // PNG-compressed images are full colour
}

// An icon's DIB: the colour bitmap with the AND mask below it, the header
// giving the height of both together.
TDecodedImage decodeIconDib(const uchar* dib, qint64 size)
{
    if (size < 40 || u32(dib) < 40 || u32(dib) > size)
        return TDecodedImage::Failure(QStringLiteral("icon image header is truncated"));
    const quint32 headerSize = u32(dib);
    const qint32 width = qFromLittleEndian<qint32>(dib + 4);
    const qint32 doubled = qFromLittleEndian<qint32>(dib + 8);
    const int bits = u16(dib + 14);
    const qint32 height = doubled / 2;
    if (!IsDecodableSize(width, height))
        return TDecodedImage::Failure(QStringLiteral("icon size %1 x %2 is not valid").arg(width).arg(height));

    QByteArray colour(reinterpret_cast<const char*>(dib), qsizetype(size));
    qToLittleEndian<qint32>(height, colour.data() + 8);
    const TDibImage decoded = TDibImage::FromDib(colour);
    if (decoded.IsNull())
        return TDecodedImage::Failure(QStringLiteral("icon image: %1").arg(decoded.error));

    QImage image = decoded.image.convertToFormat(QImage::Format_ARGB32);
    const bool ownAlpha = decoded.image.hasAlphaChannel();
    if (bits == 32 && !ownAlpha) {
        // A 32-bit icon whose fourth byte is its alpha: the decoder saw no
        // masks naming it, so read it here.
        const qint64 stride = qint64(width) * 4;
        const qint64 start = headerSize;
        if (start + stride * height <= size) {
            bool any = false;
            for (int y = 0; y < height && !any; ++y)
                for (int x = 0; x < width && !any; ++x)
                    any = dib[start + stride * y + 4 * x + 3] != 0;
            if (any)
                for (int y = 0; y < height; ++y) {
                    auto* line = reinterpret_cast<QRgb*>(image.scanLine(height - 1 - y));
                    for (int x = 0; x < width; ++x) {
                        const QRgb c = line[x];
                        line[x] = qRgba(qRed(c), qGreen(c), qBlue(c), dib[start + stride * y + 4 * x + 3]);
                    }
                }
            if (any)
                return TDecodedImage{image, {}};
        }
    }
    if (!ownAlpha) {
        // The AND mask follows the colour bits; a set bit is transparent.
        const qint64 paletteCount = bits <= 8 ? (u32(dib + 32) ? u32(dib + 32) : (1u << bits)) : 0;
        const qint64 colourStride = ((qint64(width) * bits + 31) / 32) * 4;
        const qint64 maskStride = ((qint64(width) + 31) / 32) * 4;
        const qint64 maskStart = headerSize + paletteCount * 4 + colourStride * height;
        if (paletteCount <= 256 && maskStart + maskStride * height <= size) {
            for (int y = 0; y < height; ++y) {
                const uchar* mask = dib + maskStart + maskStride * y;
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(height - 1 - y));
                for (int x = 0; x < width; ++x)
                    if ((mask[x >> 3] >> (7 - (x & 7))) & 1)
                        line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), 0);
            }
        }
    }
    return TDecodedImage{image, {}};
}

} // namespace

TDecodedImage DecodeIco(const QByteArray& file)
{
    const auto* data = reinterpret_cast<const uchar*>(file.constData());
    const qint64 size = file.size();
    if (size < 6 || u16(data) != 0 || (u16(data + 2) != 1 && u16(data + 2) != 2))
        return TDecodedImage::Failure(QStringLiteral("not an icon file"));
    const int count = u16(data + 4);
    if (count == 0 || 6 + qint64(count) * 16 > size)
        return TDecodedImage::Failure(QStringLiteral("icon directory is truncated"));

    Entry best;
    bool found = false;
    for (int i = 0; i < count; ++i) {
        const uchar* d = data + 6 + 16 * i;
        Entry e;
        e.area = qint64(d[0] ? d[0] : 256) * (d[1] ? d[1] : 256);
        e.size = u32(d + 8);
        e.offset = u32(d + 12);
        // An image outside the file means the file was damaged or cut short.
        if (e.offset < 6 || e.offset > size || e.size > size - e.offset || e.size == 0)
            return TDecodedImage::Failure(QStringLiteral("icon image %1 lies outside the file").arg(i + 1));
        e.bitCount = entryBits(data, e);
        if (!found || e.area > best.area || (e.area == best.area && e.bitCount > best.bitCount)) {
            best = e;
            found = true;
        }
    }
    if (!found)
        return TDecodedImage::Failure(QStringLiteral("icon file holds no readable image"));

    const uchar* image = data + best.offset;
    if (best.size >= 8 && memcmp(image, "\x89PNG\r\n\x1A\n", 8) == 0) {
        // The size sits in the IHDR chunk; check it before Qt allocates.
        if (best.size < 24 || !IsDecodableSize(qFromBigEndian<quint32>(image + 16), qFromBigEndian<quint32>(image + 20)))
            return TDecodedImage::Failure(QStringLiteral("icon's PNG image has no valid size"));
        QImage png = QImage::fromData(image, int(best.size), "png");
        if (png.isNull() || !IsDecodableSize(png.width(), png.height()))
            return TDecodedImage::Failure(QStringLiteral("icon's PNG image does not decode"));
        return TDecodedImage{png.convertToFormat(QImage::Format_ARGB32), {}};
    }
    return decodeIconDib(image, best.size);
}
