#include "persist/ClassInfo.h"

#include <QHash>

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

const TPropertyInfo* TClassInfo::FindProperty(QByteArrayView name) const
{
    const QList<const TPropertyInfo*>& all = AllProperties();
    for (const TPropertyInfo* property : all)
        if (property->name == name)
            return property;
    for (const TPropertyInfo* property : all)
        if (name.compare(property->name, Qt::CaseInsensitive) == 0)
            return property;
    return nullptr;
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
