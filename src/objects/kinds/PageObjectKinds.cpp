#include "objects/kinds/PageObjectKinds.h"

#include "objects/kinds/GFlatCalendar.h"
#include "objects/kinds/GPRichBaseLabel.h"
#include "page/PageObjectClasses.h"

// Each kind adds its class here, by its own header.
void InstallPageObjectKinds()
{
    AnnouncePageObjectClass(TGPRichBaseLabel::StaticClassInfo());
    AnnouncePageObjectClass(TGFlatCalendar::StaticClassInfo());
}
