#include "platform/IconLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/IcoFileReader.h"
#include "platform/IconImage.h"
#include "platform/NeIconReader.h"
#include "platform/PeIconReader.h"
#include "platform/ScreenMetrics.h"

namespace {

// The image of a group that comes closest to `side`, the deepest colour
// among equally close ones. The images' own headers are trusted over the
// directory where they can be read.
const IconImageEntry* bestImage(const QByteArray& bytes, const IconGroup& group, int side)
{
    const IconImageEntry* best = nullptr;
    int bestDistance = 0;
    int bestBits = 0;
    for (const IconImageEntry& entry : group) {
        int width = entry.width;
        int height = entry.height;
        int bits = entry.bitCount;
        const auto* data = reinterpret_cast<const uchar*>(bytes.constData()) + entry.offset;
        if (!ProbeIconImage(data, entry.size, width, height, bits))
            continue;
        const int distance = std::abs(width - side) + std::abs(height - side);
        if (!best || distance < bestDistance || (distance == bestDistance && bits > bestBits)) {
            best = &entry;
            bestDistance = distance;
            bestBits = bits;
        }
    }
    return best;
}

} // namespace

TIconLibrary TIconLibrary::FromData(const QByteArray& bytes)
{
    TIconLibrary library;
    library.bytes_ = bytes;
    const IconFileBytes file(bytes);
    if (LooksLikeIcoFile(bytes)) {
        library.groups_ = ReadIcoFileGroups(bytes);
    } else if (file.Has(0, 0x40) && file.U16(0) == 0x5a4d) {  // "MZ"
        const qint64 header = file.U32(0x3c);
        if (file.Has(header, 4) && file.U16(header) == 0x454e)  // "NE"
            library.groups_ = ReadNeIconGroups(bytes, header);
        else if (file.Has(header, 4) && file.U32(header) == 0x4550)  // "PE\0\0"
            library.groups_ = ReadPeIconGroups(bytes, header);
    }
    return library;
}

TIconLibrary TIconLibrary::FromFile(const QString& path)
{
    QFile file(FileNameIgnoringCase(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return TIconLibrary();
    return FromData(file.readAll());
}

QImage TIconLibrary::Image(int index, int side) const
{
    if (index < 0 || index >= groups_.size())
        return QImage();
    const IconImageEntry* entry = bestImage(bytes_, groups_[index], side);
    if (!entry)
        return QImage();
    return DecodeIconImage(reinterpret_cast<const uchar*>(bytes_.constData()) + entry->offset, entry->size);
}

QImage TIconLibrary::Icon(int index) const
{
    const int side = SystemIconSize();
    const QImage image = Image(index, side);
    if (image.isNull() || (image.width() == side && image.height() == side))
        return image;
    return image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

int SystemIconSize()
{
    return (32 * ScreenPPI() + 48) / 96;
}

int ExtractIconCount(const QString& path)
{
    return TIconLibrary::FromFile(path).Count();
}

QImage ExtractIcon(const QString& path, int index)
{
    return TIconLibrary::FromFile(path).Icon(index);
}

QString FileNameIgnoringCase(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || info.exists())
        return path;
    const QDir folder = info.dir();
    const QStringList names = folder.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : names) {
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    }
    return path;
}
