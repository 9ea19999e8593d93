#include "richtext/RtfPicture.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cmath>

#include "platform/DibImage.h"

namespace {
int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool sizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= TRichPicture::MaxPixelSide
        && height <= TRichPicture::MaxPixelSide && width * height <= TRichPicture::MaxPixels;
}

} // namespace

void TRtfPicture::AppendHex(const char* text, qsizetype length)
{
    for (qsizetype i = 0; i < length; ++i) {
        const int value = hexValue(text[i]);
        if (value < 0)
            continue;
        if (pendingNibble_ < 0) {
            pendingNibble_ = value;
        } else {
            data.append(char((pendingNibble_ << 4) | value));
            pendingNibble_ = -1;
        }
    }
}

QImage TRtfPicture::decodeCompressed(const QByteArray& bytes, const char* format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!sizeAllowed(size.width(), size.height()))
        return QImage();
    return reader.read();
}

QImage TRtfPicture::decodeDib(const QByteArray& dib)
{
    // A packed DIB: BITMAPINFOHEADER (or a later one), colour table, bits.
    const TDibImage decoded = TDibImage::FromDib(dib);
    if (decoded.IsNull() || !sizeAllowed(decoded.image.width(), decoded.image.height()))
        return QImage();
    return decoded.image;
}

QImage TRtfPicture::decodeDeviceBitmap() const
{
    // A device-dependent bitmap: rows top down, each widthBytes long.
    const int bits = bitsPerPixel * std::max(planes, 1);
    if (!sizeAllowed(picw, pich) || !(bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32))
        return QImage();
    const qint64 minimumRow = (qint64(picw) * bits + 7) / 8;
    qint64 rowBytes = widthBytes > 0 ? widthBytes : ((qint64(picw) * bits + 15) / 16) * 2;
    if (rowBytes < minimumRow || rowBytes * pich > data.size())
        return QImage();

    QImage image(picw, pich, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    const auto* source = reinterpret_cast<const uchar*>(data.constData());
    for (int y = 0; y < pich; ++y) {
        const uchar* row = source + rowBytes * y;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picw; ++x) {
            switch (bits) {
            case 1:
                out[x] = (row[x / 8] >> (7 - x % 8)) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
                break;
            case 4: {
                // The 16 colours of the standard VGA palette.
                static constexpr QRgb vga[16] = {
                    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
                const int index = x % 2 ? row[x / 2] & 0x0F : row[x / 2] >> 4;
                out[x] = 0xFF000000u | vga[index];
                break;
            }
            case 8:
                out[x] = qRgb(row[x], row[x], row[x]);
                break;
            case 16: {
                const quint16 v = qFromLittleEndian<quint16>(row + 2 * x);
                out[x] = qRgb(((v >> 10) & 31) * 255 / 31, ((v >> 5) & 31) * 255 / 31, (v & 31) * 255 / 31);
                break;
            }
            case 24:
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            default:
                out[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
                break;
            }
        }
    }
    return image;
}

TRichPicture TRtfPicture::Decode(int dpi) const
{
    TRichPicture picture;
    if (data.isEmpty())
        return picture;
    switch (format) {
    case Png:
        picture.kind = TRichPicture::Png;
        picture.data = data;
        picture.image = decodeCompressed(data, "PNG");
        break;
    case Jpeg:
        picture.kind = TRichPicture::Jpeg;
        picture.data = data;
        picture.image = decodeCompressed(data, "JPEG");
        break;
    case Dib:
        picture.image = decodeDib(data);
        break;
    case DeviceBitmap:
        picture.image = decodeDeviceBitmap();
        break;
    case Wmf:
    case Emf:
        picture.kind = format == Wmf ? TRichPicture::Wmf : TRichPicture::Emf;
        picture.data = data;
        picture.extentX = picw;
        picture.extentY = pich;
        picture.mapMode = mapMode;
        break;
    case Unknown:
        return picture;
    }
    if (!picture.IsMetafile() && picture.image.isNull())
        return TRichPicture();

    // Shown size in twips: the goal size, else the natural size (bitmaps:
    // pixels at 96 per inch; metafiles: hundredths of a millimetre), scaled.
    double width = goalWidth, height = goalHeight;
    if (picture.IsMetafile()) {
        const bool metric = mapMode == 7 || mapMode == 8 || format == Emf;
        const double perUnit = metric ? 1440.0 / 2540.0 : 15.0;
        if (width <= 0)
            width = std::abs(picw) * perUnit;
        if (height <= 0)
            height = std::abs(pich) * perUnit;
    } else {
        if (width <= 0)
            width = picture.image.width() * 15.0;
        if (height <= 0)
            height = picture.image.height() * 15.0;
    }
    width *= (scaleX > 0 ? scaleX : 100) / 100.0;
    height *= (scaleY > 0 ? scaleY : 100) / 100.0;
    const double limit = TRichPicture::MaxDisplayInches * 1440.0;
    width = std::clamp(width, 0.0, limit);
    height = std::clamp(height, 0.0, limit);
    if (width < 1 || height < 1)
        return TRichPicture();
    picture.displaySize = QSizeF(width * dpi / 1440.0, height * dpi / 1440.0);
    return picture;
}
