#include "objects/kinds/BorderStyle.h"

const TEnumNames& BorderStyleNames()
{
    static const TEnumNames names = {"bsNone", "bsSingle"};
    return names;
}
