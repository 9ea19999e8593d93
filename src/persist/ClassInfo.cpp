#include "persist/ClassInfo.h"

#include <QHash>
#include <unordered_map>

const QList<const TPropertyInfo*>& TClassInfo::AllProperties() const
{
    if (!cache_.built) {
        QList<const TPropertyInfo*> all;
        if (parent)
            all = parent->AllProperties();
        for (const TPropertyInfo& property : ownProperties)
            all.append(&property);
        cache_.all = all;
        cache_.built = true;
    }
    return cache_.all;
}

namespace {
// Each class's properties by name, built on first use: a record names a
// property per entry, so the look-up must not walk the table every time.
// Exact names first; the case-folded index serves names spelt otherwise.
struct PropertyIndex {
    QHash<QByteArray, const TPropertyInfo*> exact;
    QHash<QByteArray, const TPropertyInfo*> folded;
    // The table the index was made from: a class description made later at
    // the same address (none is, today: all are static) is indexed afresh.
    const TPropertyInfo* const* table = nullptr;
    qsizetype size = 0;
    bool matches(const QList<const TPropertyInfo*>& all) const
    {
        return table == all.constData() && size == all.size();
    }
};

const PropertyIndex& propertyIndex(const TClassInfo& info)
{
    // Node-based: an entry stays where it is while others are added.
    static std::unordered_map<const TClassInfo*, PropertyIndex> indexes;
    // Records of one class come in runs: the last class is checked first.
    static const TClassInfo* lastClass = nullptr;
    static const PropertyIndex* lastIndex = nullptr;
    const QList<const TPropertyInfo*>& all = info.AllProperties();
    if (lastClass == &info && lastIndex->matches(all))
        return *lastIndex;
    PropertyIndex& entry = indexes[&info];
    if (!entry.matches(all)) {
        PropertyIndex index;
        index.table = all.constData();
        index.size = all.size();
        for (const TPropertyInfo* property : all) {
            // The first of two equal names wins, as a walk through the table would find it.
            if (!index.exact.contains(property->name))
                index.exact.insert(property->name, property);
            const QByteArray folded = property->name.toLower();
            if (!index.folded.contains(folded))
                index.folded.insert(folded, property);
        }
        entry = std::move(index);
    }
    lastClass = &info;
    lastIndex = &entry;
    return entry;
}
} // namespace

const TPropertyInfo* TClassInfo::FindProperty(QByteArrayView name) const
{
    const PropertyIndex& index = propertyIndex(*this);
    if (const TPropertyInfo* property = index.exact.value(QByteArray::fromRawData(name.data(), name.size())))
        return property;
    return index.folded.value(name.toByteArray().toLower());
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const
{
    for (const TClassInfo* info = this; info; info = info->parent)
        if (info == &other)
            return true;
    return false;
}

namespace {
QList<const TClassInfo*>& registry()
{
    static QList<const TClassInfo*> classes;
    return classes;
}
} // namespace

void RegisterClass(const TClassInfo& info)
{
    for (const TClassInfo* known : registry())
        if (known->className == info.className)
            return;
    registry().append(&info);
}

const TClassInfo* FindClass(const QByteArray& className)
{
    for (const TClassInfo* info : registry())
        if (info->className == className)
            return info;
    for (const TClassInfo* info : registry())
        if (qstricmp(info->className.constData(), className.constData()) == 0)
            return info;
    return nullptr;
}
