#include "richtext/WPRtfStorage.h"

#include "persist/ClassInfo.h"

TWPRtfStorage::TWPRtfStorage(TComponent* owner) : TComponent(owner) {}

const TClassInfo& TWPRtfStorage::StaticClassInfo()
{
    static const TClassInfo info =
        TClassInfoBuilder<TWPRtfStorage>("TWPRtfStorage", &TComponent::StaticClassInfo())
            .object("RtfText", &TWPRtfStorage::RtfTextObject)
            .factory([](TComponent* owner, QWidget*) -> TComponent* { return new TWPRtfStorage(owner); })
            .build();
    return info;
}

namespace {
// Documents name the class of each cell storage; reading creates it by name.
[[maybe_unused]] const bool registered = [] {
    RegisterClass(TWPRtfStorage::StaticClassInfo());
    return true;
}();
} // namespace
