// Feeds arbitrary bytes to the icon-library reader (NE, PE and .ico files are
// told apart by their content) and decodes every icon it finds, at the
// system icon size and at the other sizes a library may hold.
#include <QByteArray>
#include <QImage>
#include <cstddef>
#include <cstdint>

#include "common/FuzzSupport.h"
#include "platform/IconLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TIconLibrary library = TIconLibrary::FromData(bytes);
    for (int i = 0; i < library.Count() && i < 64; ++i) {
        const QImage icon = library.Icon(i);
        if (!icon.isNull())
            (void)icon.pixel(0, 0);
        (void)library.Image(i, 16);
    }
    (void)library.Icon(-1);
    (void)library.Icon(library.Count());
    return 0;
}
