#include "platform/IconImage.h"

#include <QtEndian>
#include <algorithm>

namespace {

constexpr uchar PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

bool isPng(const uchar* data, qsizetype size)
{
    return size >= 33 && std::equal(PngSignature, PngSignature + 8, data);
}

bool probePng(const uchar* data, int& width, int& height, int& bitCount)
{
    const qint64 w = qFromBigEndian<quint32>(data + 16);
    const qint64 h = qFromBigEndian<quint32>(data + 20);
    const int depth = data[24];
    int channels = 1;
    switch (data[25]) {
    case 2: channels = 3; break;
    case 4: channels = 2; break;
    case 6: channels = 4; break;
    default: break;
    }
    if (w < 1 || h < 1 || w > MaxIconSide || h > MaxIconSide)
        return false;
    width = int(w);
    height = int(h);
    bitCount = depth * channels;
    return true;
}

// The parts of a bitmap header an icon needs.
struct IconBitmap {
    int width = 0;
    int height = 0;  // of the picture: half the stored height
    int bitCount = 0;
    qint64 bits = 0;  // where the colour bits start
    int paletteEntry = 4;
    qint64 palette = 0;
    int paletteCount = 0;
};

bool readBitmapHeader(const uchar* data, qsizetype size, IconBitmap& bitmap)
{
    if (size < 12)
        return false;
    const quint32 headerSize = qFromLittleEndian<quint32>(data);
    qint64 storedHeight = 0;
    quint32 colorsUsed = 0;
    if (headerSize == 12) {
        bitmap.width = qFromLittleEndian<quint16>(data + 4);
        storedHeight = qFromLittleEndian<quint16>(data + 6);
        bitmap.bitCount = qFromLittleEndian<quint16>(data + 10);
        bitmap.paletteEntry = 3;
    } else {
        if (headerSize < 40 || headerSize > size)
            return false;
        const qint32 width = qFromLittleEndian<qint32>(data + 4);
        storedHeight = qFromLittleEndian<qint32>(data + 8);
        bitmap.bitCount = qFromLittleEndian<quint16>(data + 14);
        if (qFromLittleEndian<quint32>(data + 16) != 0)  // only uncompressed colour bits
            return false;
        colorsUsed = qFromLittleEndian<quint32>(data + 32);
        if (width < 1 || width > MaxIconSide)
            return false;
        bitmap.width = width;
    }
    if (bitmap.width < 1 || storedHeight < 2 || storedHeight > 2 * MaxIconSide)
        return false;
    bitmap.height = int(storedHeight / 2);
    switch (bitmap.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
    }
    if (colorsUsed > 65536)
        return false;
    bitmap.paletteCount = bitmap.bitCount <= 8 ? (colorsUsed ? int(colorsUsed) : 1 << bitmap.bitCount) : int(colorsUsed);
    bitmap.palette = headerSize;
    bitmap.bits = headerSize + qint64(bitmap.paletteCount) * bitmap.paletteEntry;
    return bitmap.bits <= size;
}

qint64 stride(int width, int bitCount)
{
    return (qint64(width) * bitCount + 31) / 32 * 4;
}

QImage decodeBitmap(const uchar* data, qsizetype size)
{
    IconBitmap b;
    if (!readBitmapHeader(data, size, b))
        return QImage();
    const qint64 colourStride = stride(b.width, b.bitCount);
    const qint64 maskStride = stride(b.width, 1);
    if (colourStride * b.height > size - b.bits)
        return QImage();
    const qint64 mask = b.bits + colourStride * b.height;
    // Some writers leave the mask out: the picture is then opaque.
    const bool hasMask = maskStride * b.height <= size - mask;

    QList<QRgb> palette(b.bitCount <= 8 ? 1 << b.bitCount : 0, qRgb(0, 0, 0));
    for (int i = 0; i < std::min<int>(b.paletteCount, palette.size()); ++i) {
        const uchar* e = data + b.palette + qint64(i) * b.paletteEntry;
        palette[i] = qRgb(e[2], e[1], e[0]);
    }

    QImage image(b.width, b.height, QImage::Format_ARGB32);
    if (image.isNull())
        return QImage();
    bool anyAlpha = false;
    for (int y = 0; y < b.height; ++y) {
        const uchar* row = data + b.bits + colourStride * (b.height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < b.width; ++x) {
            switch (b.bitCount) {
            case 1: out[x] = palette[(row[x / 8] >> (7 - x % 8)) & 1]; break;
            case 4: out[x] = palette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0f]; break;
            case 8: out[x] = palette[row[x]]; break;
            case 16: {
                const quint16 v = qFromLittleEndian<quint16>(row + 2 * x);
                out[x] = qRgb(((v >> 10) & 31) * 255 / 31, ((v >> 5) & 31) * 255 / 31, (v & 31) * 255 / 31);
                break;
            }
            case 24: out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
            case 32:
                out[x] = qRgba(row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]);
                anyAlpha = anyAlpha || row[4 * x + 3] != 0;
                break;
            }
        }
    }
    // A 32-bit image with an alpha channel carries its own transparency;
    // every other one takes it from the mask (a set bit is transparent).
    const bool useAlpha = b.bitCount == 32 && anyAlpha;
    for (int y = 0; y < b.height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* row = hasMask ? data + mask + maskStride * (b.height - 1 - y) : nullptr;
        for (int x = 0; x < b.width; ++x) {
            if (useAlpha)
                continue;
            const bool transparent = row && ((row[x / 8] >> (7 - x % 8)) & 1);
            out[x] = transparent ? qRgba(0, 0, 0, 0) : (out[x] | 0xff000000u);
        }
    }
    return image;
}

} // namespace

bool ProbeIconImage(const uchar* data, qsizetype size, int& width, int& height, int& bitCount)
{
    if (isPng(data, size))
        return probePng(data, width, height, bitCount);
    IconBitmap b;
    if (!readBitmapHeader(data, size, b))
        return false;
    width = b.width;
    height = b.height;
    bitCount = b.bitCount;
    return true;
}

QImage DecodeIconImage(const uchar* data, qsizetype size)
{
    if (isPng(data, size)) {
        int width = 0, height = 0, bitCount = 0;
        if (!probePng(data, width, height, bitCount))
            return QImage();
        const QImage png = QImage::fromData(data, int(std::min<qsizetype>(size, INT_MAX)), "PNG");
        if (png.isNull() || png.width() > MaxIconSide || png.height() > MaxIconSide)
            return QImage();
        return png.convertToFormat(QImage::Format_ARGB32);
    }
    return decodeBitmap(data, size);
}
