#include "objects/kinds/PageObjectKinds.h"

#include "objects/GLabelObjectFiler.h"
#include "objects/kinds/GImage.h"
#include "objects/kinds/GPLabel.h"
#include "page/PageObjectClasses.h"

// Each kind adds its class here, by its own header.
void InstallPageObjectKinds()
{
    AnnouncePageObjectClass(TGPLabel::StaticClassInfo());
    AnnouncePageObjectClass(TGImage::StaticClassInfo());
    SetObjectFiler(&ProgramObjectFiler());
}
