#include "platform/LoadPicture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "platform/DibImage.h"
#include "platform/IcoImage.h"
#include "platform/PcxImage.h"
#include "platform/TgaImage.h"

namespace {

// Qt's readers, with the size read from the header and checked before the
// pixels are allocated.
TDecodedImage decodeWithQt(const QByteArray& bytes, const char* format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || !IsDecodableSize(size.width(), size.height()))
        return TDecodedImage::Failure(QStringLiteral("%1 picture has no valid size").arg(QString::fromLatin1(format).toUpper()));
    // libjpeg fills a cut-off picture with grey and calls it a warning; a
    // file without its end marker after the scan data is refused instead.
    if (qstrcmp(format, "jpeg") == 0 && bytes.lastIndexOf("\xFF\xD9") < bytes.indexOf("\xFF\xDA"))
        return TDecodedImage::Failure(QStringLiteral("JPEG picture is truncated"));
    reader.setAllocationLimit(int(MaxDecodedPixels * 4 / (1024 * 1024)) + 1);
    QImage image = reader.read();
    if (image.isNull())
        return TDecodedImage::Failure(reader.errorString());
    TDecodedImage result;
    result.image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return result;
}

} // namespace

TPictureFormat PictureFormatOf(const QString& fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toUpper();
    if (ext == u"BMP" || ext == u"DIB" || ext == u"RLE")
        return TPictureFormat::Bmp;
    if (ext == u"PCX")
        return TPictureFormat::Pcx;
    if (ext == u"TGA")
        return TPictureFormat::Tga;
    if (ext == u"JPG" || ext == u"JPEG" || ext == u"JIF")
        return TPictureFormat::Jpeg;
    if (ext == u"GIF")
        return TPictureFormat::Gif;
    if (ext == u"ICO")
        return TPictureFormat::Ico;
    return TPictureFormat::Unknown;
}

TDecodedImage DecodePicture(const QByteArray& bytes, TPictureFormat format)
{
    switch (format) {
    case TPictureFormat::Bmp: {
        TDibImage dib = TDibImage::FromBmpFile(bytes);
        TDecodedImage result;
        result.image = std::move(dib.image);
        result.error = dib.error;
        return result;
    }
    case TPictureFormat::Pcx: return DecodePcx(bytes);
    case TPictureFormat::Tga: return DecodeTga(bytes);
    case TPictureFormat::Jpeg: return decodeWithQt(bytes, "jpeg");
    case TPictureFormat::Gif: return decodeWithQt(bytes, "gif");
    case TPictureFormat::Ico: return DecodeIco(bytes);
    case TPictureFormat::Unknown: break;
    }
    return TDecodedImage::Failure(QStringLiteral("not a picture format that can be read"));
}

TDecodedImage LoadPicture(const QString& path)
{
    const TPictureFormat format = PictureFormatOf(path);
    if (format == TPictureFormat::Unknown)
        return TDecodedImage::Failure(QStringLiteral("%1 is not a picture format that can be read").arg(QFileInfo(path).fileName()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TDecodedImage::Failure(QStringLiteral("cannot open %1").arg(path));
    if (file.size() > MaxPictureFileSize)
        return TDecodedImage::Failure(QStringLiteral("%1 is too large").arg(path));
    return DecodePicture(file.readAll(), format);
}
