#include "platform/PcxImage.h"

#include <QtEndian>
#include <vector>

namespace {

constexpr qsizetype HeaderSize = 128;
constexpr qsizetype VgaPaletteSize = 769; // marker byte 12, then 256 RGB triples

quint16 u16(const uchar* p) { return qFromLittleEndian<quint16>(p); }

QRgb headerColor(const uchar* header, int index)
{
    const uchar* e = header + 16 + 3 * index;
    return qRgb(e[0], e[1], e[2]);
}

// Unpacks the run-length stream (or copies plain bytes) into `out`; false
// when the data ends before every line is complete.
bool unpack(const uchar* data, qsizetype size, bool compressed, std::vector<uchar>& out)
{
    const size_t want = out.size();
    if (!compressed) {
        if (qsizetype(want) > size)
            return false;
        std::copy(data, data + want, out.begin());
        return true;
    }
    size_t n = 0;
    qsizetype pos = 0;
    while (n < want) {
        if (pos >= size)
            return false;
        const uchar b = data[pos++];
        if ((b & 0xC0) == 0xC0) {
            if (pos >= size)
                return false;
            const uchar value = data[pos++];
            const size_t count = std::min<size_t>(b & 0x3F, want - n);
            std::fill_n(out.begin() + qsizetype(n), count, value);
            n += count;
        } else {
            out[n++] = b;
        }
    }
    return true;
}

} // namespace

TDecodedImage DecodePcx(const QByteArray& file)
{
    if (file.size() < HeaderSize)
        return TDecodedImage::Failure(QStringLiteral("PCX header is truncated"));
    const auto* h = reinterpret_cast<const uchar*>(file.constData());
    if (h[0] != 0x0A || h[2] > 1)
        return TDecodedImage::Failure(QStringLiteral("not a PCX picture"));
    const bool compressed = h[2] == 1;
    const int bits = h[3];
    const qint64 width = qint64(u16(h + 8)) - u16(h + 4) + 1;
    const qint64 height = qint64(u16(h + 10)) - u16(h + 6) + 1;
    const int planes = h[65];
    const qint64 bytesPerLine = u16(h + 66);

    enum class Kind { Mono, Planar16, Packed4, Indexed8, Rgb, Rgba } kind;
    if (bits == 1 && planes == 1)
        kind = Kind::Mono;
    else if (bits == 1 && planes == 4)
        kind = Kind::Planar16;
    else if (bits == 4 && planes == 1)
        kind = Kind::Packed4;
    else if (bits == 8 && planes == 1)
        kind = Kind::Indexed8;
    else if (bits == 8 && planes == 3)
        kind = Kind::Rgb;
    else if (bits == 8 && planes == 4)
        kind = Kind::Rgba;
    else
        return TDecodedImage::Failure(QStringLiteral("PCX with %1 bits in %2 planes is not supported").arg(bits).arg(planes));

    if (!IsDecodableSize(width, height))
        return TDecodedImage::Failure(QStringLiteral("PCX size %1 x %2 is not valid").arg(width).arg(height));
    if (bytesPerLine * 8 < width * bits)
        return TDecodedImage::Failure(QStringLiteral("PCX lines are shorter than the picture"));

    const auto* data = h + HeaderSize;
    qsizetype dataSize = file.size() - HeaderSize;
    QList<QRgb> palette;
    if (kind == Kind::Indexed8) {
        // The palette trails the pixels; without it the indices are grey levels.
        const auto* tail = h + file.size() - VgaPaletteSize;
        const bool hasPalette = file.size() >= HeaderSize + VgaPaletteSize && tail[0] == 12;
        // Files of version 5 always end with it: without it the file was cut short.
        if (!hasPalette && h[1] >= 5)
            return TDecodedImage::Failure(QStringLiteral("PCX palette is missing"));
        palette.resize(256);
        for (int i = 0; i < 256; ++i)
            palette[i] = hasPalette ? qRgb(tail[1 + 3 * i], tail[2 + 3 * i], tail[3 + 3 * i]) : qRgb(i, i, i);
        if (hasPalette)
            dataSize -= VgaPaletteSize;
    } else if (kind == Kind::Mono || kind == Kind::Packed4 || kind == Kind::Planar16) {
        for (int i = 0; i < 16; ++i)
            palette.append(headerColor(h, i));
        // A two-colour picture whose header leaves both entries alike is black on white.
        if (kind == Kind::Mono && palette[0] == palette[1]) {
            palette[0] = qRgb(0, 0, 0);
            palette[1] = qRgb(255, 255, 255);
        }
    }

    const qint64 lineBytes = bytesPerLine * planes;
    const qint64 total = lineBytes * height;
    // A run of two bytes yields at most 63: more than that cannot be in the file.
    if (total > (compressed ? qint64(dataSize) * 32 : qint64(dataSize)))
        return TDecodedImage::Failure(QStringLiteral("PCX pixel data is truncated"));
    std::vector<uchar> raw(size_t(total), 0);
    if (!unpack(data, dataSize, compressed, raw))
        return TDecodedImage::Failure(QStringLiteral("PCX pixel data is truncated"));

    const int w = int(width);
    const int hgt = int(height);
    QImage image(w, hgt, kind == Kind::Rgba ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return TDecodedImage::Failure(QStringLiteral("out of memory for the PCX picture"));
    for (int y = 0; y < hgt; ++y) {
        const uchar* line = raw.data() + lineBytes * y;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            switch (kind) {
            case Kind::Mono:
                out[x] = palette[(line[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case Kind::Planar16: {
                int index = 0;
                for (int p = 0; p < 4; ++p)
                    index |= ((line[bytesPerLine * p + (x >> 3)] >> (7 - (x & 7))) & 1) << p;
                out[x] = palette[index];
                break;
            }
            case Kind::Packed4:
                out[x] = palette[(x & 1) ? (line[x >> 1] & 0x0F) : (line[x >> 1] >> 4)];
                break;
            case Kind::Indexed8:
                out[x] = palette[line[x]];
                break;
            case Kind::Rgb:
                out[x] = qRgb(line[x], line[bytesPerLine + x], line[2 * bytesPerLine + x]);
                break;
            case Kind::Rgba:
                out[x] = qRgba(line[x], line[bytesPerLine + x], line[2 * bytesPerLine + x], line[3 * bytesPerLine + x]);
                break;
            }
        }
    }
    TDecodedImage result;
    result.image = std::move(image);
    return result;
}
