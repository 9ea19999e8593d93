// Feeds arbitrary bytes to the PCX decoder: it must decode them whole or
// refuse them, within the pixel budget, never reading past the input.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "common/FuzzSupport.h"
#include "platform/PcxImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartGuiApplication();
    const TDecodedImage decoded = DecodePcx(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!decoded.IsNull() && !IsDecodableSize(decoded.image.width(), decoded.image.height()))
        __builtin_trap();
    return 0;
}
