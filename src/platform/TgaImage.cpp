#include "platform/TgaImage.h"

#include <QtEndian>
#include <vector>

namespace {

constexpr qsizetype HeaderSize = 18;

quint16 u16(const uchar* p) { return qFromLittleEndian<quint16>(p); }

int expand5(int v) { return (v << 3) | (v >> 2); }

// One stored pixel or colour-map entry of `bits` bits as a colour.
QRgb trueColor(const uchar* p, int bits, bool useAlpha)
{
    switch (bits) {
    case 15:
    case 16: {
        const int v = u16(p);
        const int a = (bits == 16 && useAlpha) ? ((v & 0x8000) ? 255 : 0) : 255;
        return qRgba(expand5((v >> 10) & 31), expand5((v >> 5) & 31), expand5(v & 31), a);
    }
    case 24:
        return qRgb(p[2], p[1], p[0]);
    default: // 32
        return qRgba(p[2], p[1], p[0], useAlpha ? p[3] : 255);
    }
}

} // namespace

TDecodedImage DecodeTga(const QByteArray& file)
{
    if (file.size() < HeaderSize)
        return TDecodedImage::Failure(QStringLiteral("TGA header is truncated"));
    const auto* h = reinterpret_cast<const uchar*>(file.constData());
    const int idLength = h[0];
    const int mapType = h[1];
    const int type = h[2];
    const int mapFirst = u16(h + 3);
    const int mapLength = u16(h + 5);
    const int mapBits = h[7];
    const int width = u16(h + 12);
    const int height = u16(h + 14);
    const int depth = h[16];
    const int descriptor = h[17];
    const int alphaBits = descriptor & 0x0F;
    const bool rightToLeft = descriptor & 0x10;
    const bool topDown = descriptor & 0x20;

    const bool compressed = type >= 9 && type <= 11;
    const int base = compressed ? type - 8 : type;
    if (base < 1 || base > 3 || mapType > 1)
        return TDecodedImage::Failure(QStringLiteral("not a TGA picture (type %1)").arg(type));
    const bool mapped = base == 1;
    const bool grey = base == 3;
    if (mapped && (mapType != 1 || (depth != 8 && depth != 16)))
        return TDecodedImage::Failure(QStringLiteral("colour-mapped TGA needs a colour map and 8 or 16 bit indices"));
    if (!mapped && !grey && depth != 15 && depth != 16 && depth != 24 && depth != 32)
        return TDecodedImage::Failure(QStringLiteral("TGA with %1 bits per pixel is not supported").arg(depth));
    if (grey && depth != 8 && depth != 16)
        return TDecodedImage::Failure(QStringLiteral("greyscale TGA needs 8 or 16 bits per pixel"));
    if (mapType == 1 && mapBits != 15 && mapBits != 16 && mapBits != 24 && mapBits != 32)
        return TDecodedImage::Failure(QStringLiteral("TGA colour map of %1 bits is not supported").arg(mapBits));
    if (!IsDecodableSize(width, height))
        return TDecodedImage::Failure(QStringLiteral("TGA size %1 x %2 is not valid").arg(width).arg(height));

    const auto* end = h + file.size();
    const uchar* pos = h + HeaderSize + idLength;
    QList<QRgb> palette;
    if (mapType == 1) {
        const int entryBytes = (mapBits + 7) / 8;
        if (qint64(mapLength) * entryBytes > end - pos)
            return TDecodedImage::Failure(QStringLiteral("TGA colour map is truncated"));
        // Indices below the map's first entry, or past its end, show black.
        palette.resize(mapFirst + mapLength, qRgb(0, 0, 0));
        for (int i = 0; i < mapLength; ++i)
            palette[mapFirst + i] = trueColor(pos + i * entryBytes, mapBits, mapBits == 32 || mapBits == 16);
        pos += qint64(mapLength) * entryBytes;
    }
    if (pos > end)
        return TDecodedImage::Failure(QStringLiteral("TGA pixel data is missing"));

    const int pixelBytes = (depth + 7) / 8;
    const qint64 count = qint64(width) * height;
    const qint64 available = end - pos;
    // A run packet of 1 + pixelBytes bytes yields at most 128 pixels.
    if (compressed ? count > available * 128 : count * pixelBytes > available)
        return TDecodedImage::Failure(QStringLiteral("TGA pixel data is truncated"));

    // Gather the stored pixels in file order, expanding run-length packets.
    std::vector<uchar> raw(size_t(count * pixelBytes));
    if (!compressed) {
        std::copy(pos, pos + count * pixelBytes, raw.begin());
    } else {
        qint64 n = 0;
        while (n < count) {
            if (pos >= end)
                return TDecodedImage::Failure(QStringLiteral("TGA pixel data is truncated"));
            const int packet = *pos++;
            const qint64 run = std::min<qint64>((packet & 0x7F) + 1, count - n);
            if (packet & 0x80) {
                if (end - pos < pixelBytes)
                    return TDecodedImage::Failure(QStringLiteral("TGA pixel data is truncated"));
                for (qint64 i = 0; i < run; ++i)
                    std::copy(pos, pos + pixelBytes, raw.begin() + (n + i) * pixelBytes);
                pos += pixelBytes;
            } else {
                if (end - pos < run * pixelBytes)
                    return TDecodedImage::Failure(QStringLiteral("TGA pixel data is truncated"));
                std::copy(pos, pos + run * pixelBytes, raw.begin() + n * pixelBytes);
                pos += run * pixelBytes;
            }
            n += run;
        }
    }

    // Alpha counts when the descriptor names alpha bits, or in a colour map
    // that carries it; an alpha channel that is zero everywhere is not used.
    const bool trueAlpha = !mapped && !grey && alphaBits > 0 && (depth == 32 || depth == 16);
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return TDecodedImage::Failure(QStringLiteral("out of memory for the TGA picture"));
    bool anyAlpha = false;
    bool anyTransparent = false;
    for (int row = 0; row < height; ++row) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(topDown ? row : height - 1 - row));
        const uchar* src = raw.data() + qint64(row) * width * pixelBytes;
        for (int i = 0; i < width; ++i) {
            const uchar* p = src + i * pixelBytes;
            QRgb c;
            if (mapped) {
                const int index = depth == 8 ? p[0] : u16(p);
                c = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
            } else if (grey) {
                c = depth == 16 && alphaBits ? qRgba(p[0], p[0], p[0], p[1]) : qRgb(p[0], p[0], p[0]);
            } else {
                c = trueColor(p, depth, trueAlpha);
            }
            anyAlpha = anyAlpha || qAlpha(c) != 0;
            anyTransparent = anyTransparent || qAlpha(c) != 255;
            out[rightToLeft ? width - 1 - i : i] = c;
        }
    }
    TDecodedImage result;
    if (!anyTransparent)
        result.image = image.convertToFormat(QImage::Format_RGB32);
    else if (!anyAlpha) // declared but unused: show the colours
        result.image = image.convertToFormat(QImage::Format_RGB32);
    else
        result.image = std::move(image);
    return result;
}
