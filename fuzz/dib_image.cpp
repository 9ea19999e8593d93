// Feeds arbitrary bytes to the bitmap decoder: as a .bmp/.dib/.rle file when
// the first byte is odd, else as the packed bitmap that metafile records and
// RTF pictures embed. Refusals carry a reason; any decoded picture has a size
// within the pixel budget. A crash, an overflow or a hang is a finding.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/FuzzSupport.h"
#include "platform/DibImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartGuiApplication();
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const bool paletteIndices = data[0] & 2;
    const TDibImage decoded = data[0] & 1 ? TDibImage::FromBmpFile(bytes)
                                          : TDibImage::FromDib(bytes.constData(), bytes.size(), paletteIndices);
    if (decoded.IsNull() == decoded.error.isEmpty())
        std::abort();
    if (!decoded.IsNull() && qint64(decoded.image.width()) * decoded.image.height() > TDibImage::MaxPixels)
        std::abort();
    return 0;
}
