#include "objects/kinds/StoredBitmap.h"

#include <QtEndian>

#include "persist/ClassInfo.h"
#include "persist/FilerError.h"
#include "platform/DibImage.h"

namespace {

constexpr int FileHeaderSize = 14;

void appendLE32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

QByteArray TStoredBitmap::BmpFile(const QImage& image)
{
    const QByteArray dib = TDibImage::ToDib(image);
    QByteArray file("BM");
    appendLE32(file, quint32(FileHeaderSize + dib.size()));
    appendLE32(file, 0);  // reserved
    appendLE32(file, quint32(FileHeaderSize + 40));  // bits follow the 40-byte header (no colour table)
    file.append(dib);
    return file;
}

QByteArray TStoredBitmap::Encode(const QImage& image)
{
    const QByteArray file = BmpFile(image);
    QByteArray data;
    appendLE32(data, quint32(file.size()));
    data.append(file);
    return data;
}

QImage TStoredBitmap::Decode(const QByteArray& data)
{
    QByteArray file = data;
    if (!data.startsWith("BM")) {
        if (data.size() < 4)
            throw EFilerError(EFilerError::InvalidPropertyValue);
        const quint32 length = qFromLittleEndian<quint32>(data.constData());
        if (length > quint32(data.size() - 4))
            throw EFilerError(EFilerError::InvalidPropertyValue);
        file = data.mid(4, qsizetype(length));
    }
    if (file.isEmpty())
        return {};
    const TDibImage decoded = TDibImage::FromBmpFile(file);
    if (decoded.IsNull())
        throw EFilerError(EFilerError::InvalidPropertyValue);
    return decoded.image;
}

QList<TCustomData> TStoredBitmap::DefineProperties()
{
    TCustomData data;
    data.name = "Data";
    data.hasData = [this] { return !IsEmpty(); };
    data.write = [this] { return Encode(image); };
    data.read = [this](const QByteArray& bytes) { image = Decode(bytes); };
    return {data};
}

const TClassInfo& TStoredBitmap::StaticClassInfo()
{
    static const TClassInfo info = TClassInfoBuilder<TStoredBitmap>("TBitmap").build();
    return info;
}
