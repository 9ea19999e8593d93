#include "objects/kinds/PageObjectKinds.h"

#include "objects/GLabelObjectFiler.h"
#include "objects/kinds/GFlatCalendar.h"
#include "objects/kinds/GPLabel.h"
#include "objects/kinds/GPRichBaseLabel.h"
#include "page/PageObjectClasses.h"

// Each kind adds its class here, by its own header.
void InstallPageObjectKinds()
{
    AnnouncePageObjectClass(TGPLabel::StaticClassInfo());
    AnnouncePageObjectClass(TGPRichBaseLabel::StaticClassInfo());
    AnnouncePageObjectClass(TGFlatCalendar::StaticClassInfo());
    SetObjectFiler(&ProgramObjectFiler());
}
