#include "persist/ClassInfo.h"

#include <QHash>

QList<const TPropertyInfo*> TClassInfo::AllProperties() const
{
    QList<const TPropertyInfo*> result;
    if (parent)
        result = parent->AllProperties();
    for (const TPropertyInfo& property : ownProperties)
        result.append(&property);
    return result;
}

const TPropertyInfo* TClassInfo::FindProperty(const QByteArray& name) const
{
    const QList<const TPropertyInfo*> all = AllProperties();
    for (const TPropertyInfo* property : all)
        if (property->name == name)
            return property;
    for (const TPropertyInfo* property : all)
        if (qstricmp(property->name.constData(), name.constData()) == 0)
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
