#include "platform/NeIconReader.h"

#include <QHash>

namespace {

constexpr quint16 IntegerId = 0x8000;
constexpr quint16 RtIcon = 3;
constexpr quint16 RtGroupIcon = 14;
// Resource positions are stored in units of 1 << shift bytes; beyond 30 the
// products overflow any real file.
constexpr int MaxAlignShift = 30;

struct NeResource {
    qint64 offset;
    qint64 size;
};

} // namespace

QList<IconGroup> ReadNeIconGroups(const QByteArray& bytes, qint64 neOffset)
{
    const IconFileBytes file(bytes);
    QList<IconGroup> groups;
    if (!file.Has(neOffset, 0x40))
        return groups;
    const qint64 table = neOffset + file.U16(neOffset + 0x24);
    // A resource table offset equal to the resident-name table's means none.
    if (file.U16(neOffset + 0x24) == file.U16(neOffset + 0x26) || !file.Has(table, 2))
        return groups;
    const int shift = file.U16(table);
    if (shift > MaxAlignShift)
        return groups;

    QHash<quint16, NeResource> icons;
    QList<NeResource> groupResources;
    qint64 pos = table + 2;
    for (int types = 0; types < MaxIconGroups; ++types) {
        if (!file.Has(pos, 2))
            return groups;
        const quint16 type = file.U16(pos);
        if (type == 0)
            break;
        if (!file.Has(pos, 8))
            return groups;
        const int count = file.U16(pos + 2);
        pos += 8;
        if (!file.Has(pos, qint64(count) * 12))
            return groups;
        for (int i = 0; i < count; ++i, pos += 12) {
            const NeResource resource{qint64(file.U16(pos)) << shift, qint64(file.U16(pos + 2)) << shift};
            const quint16 id = file.U16(pos + 6);
            if (type == (IntegerId | RtIcon) && (id & IntegerId))
                icons.insert(id & ~IntegerId, resource);
            else if (type == (IntegerId | RtGroupIcon))
                groupResources.append(resource);
        }
    }

    for (const NeResource& resource : groupResources) {
        IconGroup group = ReadGroupDirectory(file, resource.offset, resource.size,
            [&](quint16 id, IconImageEntry& image) {
                const auto found = icons.constFind(id);
                if (found == icons.cend())
                    return false;
                // The stored length is rounded up to the alignment: keep what the file holds.
                const qint64 length = std::min<qint64>(found->size, file.Size() - std::min(found->offset, file.Size()));
                if (!file.Has(found->offset, length) || length <= 0)
                    return false;
                image.offset = found->offset;
                image.size = length;
                return true;
            });
        if (!group.isEmpty())
            groups.append(group);
    }
    return groups;
}
