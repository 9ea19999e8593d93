#include "objects/kinds/PageObjectKinds.h"

#include "objects/GLabelObjectFiler.h"
#include "objects/kinds/GImage.h"
#include "objects/kinds/GPLabel.h"
#include "objects/kinds/GSuperText.h"
#include "page/PageObjectClasses.h"

// Each kind adds its class here, by its own header.
void InstallPageObjectKinds()
{
    AnnouncePageObjectClass(TGImage::StaticClassInfo());
    AnnouncePageObjectClass(TGPLabel::StaticClassInfo());
    AnnouncePageObjectClass(TGSuperText::StaticClassInfo());
    SetObjectFiler(&ProgramObjectFiler());
}
