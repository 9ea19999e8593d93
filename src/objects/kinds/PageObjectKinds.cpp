#include "objects/kinds/PageObjectKinds.h"

#include "objects/GLabelObjectFiler.h"
#include "objects/kinds/GFlatCalendar.h"
#include "objects/kinds/GImage.h"
#include "objects/kinds/GPLabel.h"
#include "objects/kinds/GPRichBaseLabel.h"
#include "objects/kinds/GSuperText.h"
#include "page/PageObjectClasses.h"

// Each kind adds its class here, by its own header.
void InstallPageObjectKinds()
{
    AnnouncePageObjectClass(TGFlatCalendar::StaticClassInfo());
    AnnouncePageObjectClass(TGImage::StaticClassInfo());
    AnnouncePageObjectClass(TGPLabel::StaticClassInfo());
    AnnouncePageObjectClass(TGPRichBaseLabel::StaticClassInfo());
    AnnouncePageObjectClass(TGSuperText::StaticClassInfo());
    SetObjectFiler(&ProgramObjectFiler());
}
