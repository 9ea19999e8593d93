#include "objects/ObjectFiler.h"

namespace {
TGObjectFiler* programFiler = nullptr;
}

void SetObjectFiler(TGObjectFiler* filer)
{
    programFiler = filer;
}

TGObjectFiler* ObjectFiler()
{
    return programFiler;
}
