#include "objects/PanelPicture.h"

#include "persist/ClassInfo.h"

const TClassInfo& TGPanelPicture::StaticClassInfo()
{
    // The page's pictures are set at run time and never travel in documents.
    static const TClassInfo info = TClassInfoBuilder<TGPanelPicture>("TPicture").build();
    return info;
}
