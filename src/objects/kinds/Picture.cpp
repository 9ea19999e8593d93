#include "objects/kinds/Picture.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QtEndian>

#include "persist/ClassInfo.h"
#include "persist/FilerError.h"
#include "platform/DibImage.h"
#include "platform/IcoImage.h"
#include "platform/LoadPicture.h"
#include "platform/ScreenMetrics.h"
#include "platform/WmfPicture.h"

namespace {

const QByteArray BitmapClass = QByteArrayLiteral("TBitmap");
const QByteArray MetafileClass = QByteArrayLiteral("TMetafile");
const QByteArray IconClass = QByteArrayLiteral("TIcon");

// An enhanced metafile starts with its header record, " EMF" at offset 40.
bool isEnhancedMetafile(const QByteArray& bytes)
{
    return bytes.size() >= 88 && qFromLittleEndian<quint32>(bytes.constData()) == 1
        && qFromLittleEndian<quint32>(bytes.constData() + 40) == 0x464D4520;
}

// The header's frame (hundredths of a millimetre) in screen pixels.
QSize enhancedFrameSize(const QByteArray& bytes)
{
    const auto* d = bytes.constData();
    const qint64 w = qint64(qFromLittleEndian<qint32>(d + 32)) - qFromLittleEndian<qint32>(d + 24);
    const qint64 h = qint64(qFromLittleEndian<qint32>(d + 36)) - qFromLittleEndian<qint32>(d + 28);
    const auto px = [](qint64 hundredthsMm) {
        return int(std::clamp<qint64>(hundredthsMm * ScreenPPI() / 2540, 0, 1 << 20));
    };
    return QSize(px(w), px(h));
}

// A BMP file: the 14-byte file header, then a 24-bit DIB.
QByteArray bmpFileImage(const QImage& image)
{
    const QByteArray dib = TDibImage::ToDib(image);
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(14 + 40, file.data() + 10);
    return file + dib;
}

QImage onWhite(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

} // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

int TPicture::Width() const
{
    if (!image_.isNull())
        return image_.width();
    if (metafile_)
        return metafile_->Width();
    return enhancedSize_.width();
}

int TPicture::Height() const
{
    if (!image_.isNull())
        return image_.height();
    if (metafile_)
        return metafile_->Height();
    return enhancedSize_.height();
}

bool TPicture::CanDraw() const
{
    return !image_.isNull() || metafile_;
}

void TPicture::Clear()
{
    kind_ = TPictureKind::Empty;
    className_.clear();
    fileImage_.clear();
    image_ = QImage();
    metafile_.reset();
    enhancedSize_ = QSize();
    changed();
}

void TPicture::Assign(const TPicture& other)
{
    if (&other == this)
        return;
    kind_ = other.kind_;
    className_ = other.className_;
    fileImage_ = other.fileImage_;
    image_ = other.image_;
    metafile_ = other.metafile_ ? std::make_unique<TWmfPicture>(*other.metafile_) : nullptr;
    enhancedSize_ = other.enhancedSize_;
    changed();
}

void TPicture::SetBitmap(const QImage& image)
{
    if (image.isNull()) {
        Clear();
        return;
    }
    kind_ = TPictureKind::Bitmap;
    className_ = BitmapClass;
    fileImage_.clear();
    image_ = onWhite(image);
    metafile_.reset();
    enhancedSize_ = QSize();
    changed();
}

bool TPicture::LoadFromFile(const QString& path, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot open %1").arg(path));
    if (file.size() > MaxPictureFileSize)
        return fail(QStringLiteral("%1 is too large").arg(path));
    const QByteArray bytes = file.readAll();
    const QString ext = QFileInfo(path).suffix().toUpper();
    if (ext == u"WMF" || ext == u"EMF") {
        if (!isEnhancedMetafile(bytes)) {
            TWmfPicture probe;
            if (!probe.LoadFromBytes(bytes))
                return fail(probe.ErrorString());
        }
        setFileImage(MetafileClass, bytes);
        return true;
    }
    const TPictureFormat format = PictureFormatOf(path);
    if (format == TPictureFormat::Bmp || format == TPictureFormat::Ico) {
        const TDecodedImage decoded = DecodePicture(bytes, format);
        if (decoded.IsNull())
            return fail(decoded.error);
        setFileImage(format == TPictureFormat::Bmp ? BitmapClass : IconClass, bytes);
        return true;
    }
    return fail(QStringLiteral("%1 is not a bitmap, metafile or icon").arg(QFileInfo(path).fileName()));
}

void TPicture::setFileImage(const QByteArray& className, const QByteArray& fileImage)
{
    className_ = className;
    fileImage_ = fileImage;
    image_ = QImage();
    metafile_.reset();
    enhancedSize_ = QSize();
    if (className == BitmapClass) {
        kind_ = TPictureKind::Bitmap;
        image_ = DecodePicture(fileImage, TPictureFormat::Bmp).image;
    } else if (className == IconClass) {
        kind_ = TPictureKind::Icon;
        image_ = DecodePicture(fileImage, TPictureFormat::Ico).image;
    } else if (className == MetafileClass) {
        kind_ = TPictureKind::Metafile;
        if (isEnhancedMetafile(fileImage)) {
            enhancedSize_ = enhancedFrameSize(fileImage);
        } else {
            auto metafile = std::make_unique<TWmfPicture>();
            if (metafile->LoadFromBytes(fileImage))
                metafile_ = std::move(metafile);
        }
    } else {
        // A picture kind this program has no reader for: kept, not drawn.
        kind_ = TPictureKind::Bitmap;
    }
    changed();
}

void TPicture::Draw(QPainter& painter, const QRectF& target) const
{
    if (metafile_) {
        painter.save();
        metafile_->Draw(painter, target);
        painter.restore();
    } else if (!image_.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, target.size() != QSizeF(image_.size()));
        painter.drawImage(target, image_);
        painter.restore();
    }
}

QByteArray TPicture::StreamData() const
{
    if (IsEmpty())
        return {};
    if (fileImage_.isEmpty() && kind_ == TPictureKind::Bitmap && !image_.isNull())
        fileImage_ = bmpFileImage(image_);
    QByteArray data;
    data.append(char(std::min<qsizetype>(className_.size(), 255)));
    data.append(className_.left(255));
    return data + fileImage_;
}

void TPicture::ReadStreamData(const QByteArray& data)
{
    if (data.isEmpty()) {
        Clear();
        return;
    }
    const int nameLength = quint8(data[0]);
    if (nameLength == 0 || 1 + nameLength > data.size())
        throw EFilerError(EFilerError::InvalidPropertyValue);
    setFileImage(data.mid(1, nameLength), data.mid(1 + nameLength));
}

void TPicture::changed()
{
    ++generation_;
    if (OnChange)
        OnChange();
}

QList<TCustomData> TPicture::DefineProperties()
{
    TCustomData data;
    data.name = "Data";
    data.hasData = [this] { return !IsEmpty(); };
    data.write = [this] { return StreamData(); };
    data.read = [this](const QByteArray& bytes) { ReadStreamData(bytes); };
    return {data};
}

const TClassInfo& TPicture::StaticClassInfo()
{
    static const TClassInfo info = TClassInfoBuilder<TPicture>("TPicture").build();
    return info;
}
