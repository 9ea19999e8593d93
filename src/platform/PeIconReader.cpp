#include "platform/PeIconReader.h"

#include <QHash>

namespace {

constexpr quint32 RtIcon = 3;
constexpr quint32 RtGroupIcon = 14;
constexpr quint32 SubdirectoryFlag = 0x80000000u;
constexpr quint32 NameFlag = 0x80000000u;
constexpr int ResourceDataDirectory = 2;

struct Section {
    quint32 virtualAddress;
    quint32 extent;  // the larger of the virtual and the raw size
    quint32 rawOffset;
    quint32 rawSize;
};

struct Resource {
    qint64 offset;
    qint64 size;
};

class PeImage {
public:
    PeImage(const QByteArray& bytes, qint64 peOffset) : file_(bytes) { ok_ = readHeaders(peOffset); }

    bool Ok() const { return ok_; }
    const IconFileBytes& File() const { return file_; }

    // The file offset of a relative virtual address, or -1 when no section holds it.
    qint64 FileOffset(quint32 rva, quint32 length) const
    {
        for (const Section& s : sections_) {
            if (rva < s.virtualAddress || rva - s.virtualAddress >= s.extent)
                continue;
            const qint64 inSection = rva - s.virtualAddress;
            if (qint64(length) > qint64(s.rawSize) - inSection)
                return -1;
            const qint64 offset = s.rawOffset + inSection;
            return file_.Has(offset, length) ? offset : -1;
        }
        return -1;
    }

    // The entries of one resource directory: (id, target) with the
    // subdirectory flag kept in the target. Named entries come first, as stored.
    QList<std::pair<quint32, quint32>> Entries(quint32 directory) const
    {
        QList<std::pair<quint32, quint32>> entries;
        const qint64 at = root_ + directory;
        if (directory >= rootSize_ || !file_.Has(at, 16))
            return entries;
        const int count = file_.U16(at + 12) + file_.U16(at + 14);
        for (int i = 0; i < count; ++i) {
            const qint64 entry = at + 16 + 8 * qint64(i);
            if (!file_.Has(entry, 8) || entry + 8 > root_ + rootSize_)
                break;
            entries.append({file_.U32(entry), file_.U32(entry + 4)});
        }
        return entries;
    }

    // Follows subdirectories down (first entry each time) to a data entry.
    bool Data(quint32 target, Resource& out) const
    {
        for (int depth = 0; depth < 4 && (target & SubdirectoryFlag); ++depth) {
            const auto entries = Entries(target & ~SubdirectoryFlag);
            if (entries.isEmpty())
                return false;
            target = entries.first().second;
        }
        if (target & SubdirectoryFlag)
            return false;
        const qint64 at = root_ + target;
        if (target >= rootSize_ || !file_.Has(at, 16))
            return false;
        const quint32 size = file_.U32(at + 4);
        const qint64 offset = FileOffset(file_.U32(at), size);
        if (offset < 0 || size == 0)
            return false;
        out = {offset, size};
        return true;
    }

private:
    bool readHeaders(qint64 pe)
    {
        if (!file_.Has(pe, 24))
            return false;
        const int sectionCount = file_.U16(pe + 6);
        const int optionalSize = file_.U16(pe + 20);
        const qint64 optional = pe + 24;
        if (!file_.Has(optional, optionalSize) || optionalSize < 2)
            return false;
        const quint16 magic = file_.U16(optional);
        qint64 directories = 0;
        qint64 directoryCountAt = 0;
        if (magic == 0x10b) {
            directoryCountAt = 92;
            directories = 96;
        } else if (magic == 0x20b) {
            directoryCountAt = 108;
            directories = 112;
        } else {
            return false;
        }
        if (directories + 8 * (ResourceDataDirectory + 1) > optionalSize
            || file_.U32(optional + directoryCountAt) <= quint32(ResourceDataDirectory))
            return false;
        const quint32 resourceRva = file_.U32(optional + directories + 8 * ResourceDataDirectory);

        const qint64 table = optional + optionalSize;
        if (!file_.Has(table, 40 * qint64(sectionCount)))
            return false;
        for (int i = 0; i < sectionCount; ++i) {
            const qint64 s = table + 40 * qint64(i);
            const quint32 virtualSize = file_.U32(s + 8);
            const quint32 rawSize = file_.U32(s + 16);
            sections_.append({file_.U32(s + 12), std::max(virtualSize, rawSize), file_.U32(s + 20), rawSize});
        }
        if (resourceRva == 0)
            return false;
        // The directory tree's own size is often understated: take what its
        // section holds from the start on.
        root_ = FileOffset(resourceRva, 16);
        if (root_ < 0)
            return false;
        rootSize_ = quint32(std::min<qint64>(file_.Size() - root_, 0x7fffffff));
        for (const Section& s : sections_) {
            if (resourceRva >= s.virtualAddress && resourceRva - s.virtualAddress < s.extent)
                rootSize_ = quint32(std::min<qint64>(rootSize_, qint64(s.rawSize) - (resourceRva - s.virtualAddress)));
        }
        return true;
    }

    IconFileBytes file_;
    bool ok_ = false;
    QList<Section> sections_;
    qint64 root_ = 0;
    quint32 rootSize_ = 0;
};

} // namespace

QList<IconGroup> ReadPeIconGroups(const QByteArray& bytes, qint64 peOffset)
{
    QList<IconGroup> groups;
    const PeImage image(bytes, peOffset);
    if (!image.Ok())
        return groups;

    quint32 iconDirectory = 0;
    quint32 groupDirectory = 0;
    for (const auto& [id, target] : image.Entries(0)) {
        if (!(target & SubdirectoryFlag) || (id & NameFlag))
            continue;
        if (id == RtIcon)
            iconDirectory = target & ~SubdirectoryFlag;
        else if (id == RtGroupIcon)
            groupDirectory = target & ~SubdirectoryFlag;
    }
    if (!groupDirectory || !iconDirectory)
        return groups;

    QHash<quint32, Resource> icons;
    for (const auto& [id, target] : image.Entries(iconDirectory)) {
        Resource resource;
        if (!(id & NameFlag) && !icons.contains(id) && image.Data(target, resource))
            icons.insert(id, resource);
    }
    for (const auto& [id, target] : image.Entries(groupDirectory)) {
        Resource resource;
        if (groups.size() >= MaxIconGroups || !image.Data(target, resource))
            continue;
        IconGroup group = ReadGroupDirectory(image.File(), resource.offset, resource.size,
            [&](quint16 iconId, IconImageEntry& entry) {
                const auto found = icons.constFind(iconId);
                if (found == icons.cend())
                    return false;
                entry.offset = found->offset;
                entry.size = found->size;
                return true;
            });
        if (!group.isEmpty())
            groups.append(group);
    }
    return groups;
}
