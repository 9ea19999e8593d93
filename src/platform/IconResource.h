#pragma once
// What the icon-library readers hand to the entry point: for each icon (a
// group of images of one picture at several sizes and colour depths), where
// each image's bytes lie in the file. Every position given here lies inside
// the file; the readers check that before they record it.
#include <QByteArray>
#include <QList>
#include <QtEndian>

struct IconImageEntry {
    int width = 0;     // as the directory states it (0 there means 256)
    int height = 0;
    int bitCount = 0;  // 0 when the directory does not say
    qsizetype offset = 0;
    qsizetype size = 0;
};

using IconGroup = QList<IconImageEntry>;

// Libraries are refused beyond these: no real file comes near them, and they
// keep a damaged count from turning into a long loop.
constexpr int MaxIconGroups = 65536;
constexpr int MaxImagesPerGroup = 256;

// Little-endian reads of a file held in memory, each one checked by the
// caller with Has() first.
class IconFileBytes {
public:
    explicit IconFileBytes(const QByteArray& bytes)
        : data_(reinterpret_cast<const uchar*>(bytes.constData())), size_(bytes.size()) {}

    qsizetype Size() const { return size_; }
    bool Has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= size_ && length <= size_ - offset;
    }
    quint8 U8(qint64 offset) const { return data_[offset]; }
    quint16 U16(qint64 offset) const { return qFromLittleEndian<quint16>(data_ + offset); }
    quint32 U32(qint64 offset) const { return qFromLittleEndian<quint32>(data_ + offset); }
    const uchar* At(qint64 offset) const { return data_ + offset; }

private:
    const uchar* data_;
    qsizetype size_;
};

// A group directory (GRPICONDIR) as icon resources carry it: each entry names
// its image by resource id. Entries whose image `lookup` cannot find are left
// out; a directory that does not fit gives no group.
template <class Lookup>
IconGroup ReadGroupDirectory(const IconFileBytes& file, qint64 offset, qint64 size, Lookup lookup)
{
    IconGroup group;
    if (size < 6 || !file.Has(offset, size) || file.U16(offset + 2) != 1)
        return group;
    const int count = std::min<int>(file.U16(offset + 4), MaxImagesPerGroup);
    for (int i = 0; i < count; ++i) {
        const qint64 entry = offset + 6 + 14 * qint64(i);
        if (entry + 14 > offset + size)
            break;
        IconImageEntry image;
        image.width = file.U8(entry) ? file.U8(entry) : 256;
        image.height = file.U8(entry + 1) ? file.U8(entry + 1) : 256;
        image.bitCount = file.U16(entry + 6);
        if (lookup(file.U16(entry + 12), image))
            group.append(image);
    }
    return group;
}
