// Feeds arbitrary bytes to the picture entry point; the first byte picks the
// format, so the bitmap decoder and Qt's JPEG and GIF readers are driven
// through the same checks the image browser relies on.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "common/FuzzSupport.h"
#include "platform/LoadPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartGuiApplication();
    if (size < 1)
        return 0;
    static const TPictureFormat formats[] = {TPictureFormat::Bmp, TPictureFormat::Jpeg, TPictureFormat::Gif,
                                             TPictureFormat::Pcx, TPictureFormat::Tga, TPictureFormat::Ico};
    const TPictureFormat format = formats[data[0] % 6];
    const TDecodedImage decoded = DecodePicture(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)), format);
    if (!decoded.IsNull() && !IsDecodableSize(decoded.image.width(), decoded.image.height()))
        __builtin_trap();
    return 0;
}
