#include "objects/kinds/PageObjectKinds.h"

#include "page/PageObjectClasses.h"

// Each kind adds its class here, by its own header.
void InstallPageObjectKinds()
{
}
