#include "page/PageObjectClasses.h"

#include "persist/ClassInfo.h"

namespace {

QList<const TClassInfo*>& announced()
{
    static QList<const TClassInfo*> classes;
    return classes;
}

} // namespace

const QList<QByteArray>& PageObjectClassNames()
{
    static const QList<QByteArray> names = {"TGImage", "TGPRichBaseLabel", "TGSuperText", "TGPLabel",
                                            "TGFlatCalendar"};
    return names;
}

void AnnouncePageObjectClass(const TClassInfo& info)
{
    if (!PageObjectClassNames().contains(info.className) || announced().contains(&info))
        return;
    announced().append(&info);
}

void RegisterPageObjectClasses()
{
    for (const QByteArray& name : PageObjectClassNames()) {
        for (const TClassInfo* info : announced())
            if (info->className == name)
                RegisterClass(*info);
    }
}
