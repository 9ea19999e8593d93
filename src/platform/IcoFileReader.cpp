#include "platform/IcoFileReader.h"

bool LooksLikeIcoFile(const QByteArray& bytes)
{
    const IconFileBytes file(bytes);
    return file.Has(0, 6) && file.U16(0) == 0 && file.U16(2) == 1 && file.U16(4) > 0;
}

QList<IconGroup> ReadIcoFileGroups(const QByteArray& bytes)
{
    const IconFileBytes file(bytes);
    if (!LooksLikeIcoFile(bytes))
        return {};
    IconGroup group;
    const int count = std::min<int>(file.U16(4), MaxImagesPerGroup);
    for (int i = 0; i < count; ++i) {
        const qint64 entry = 6 + 16 * qint64(i);
        if (!file.Has(entry, 16))
            break;
        IconImageEntry image;
        image.width = file.U8(entry) ? file.U8(entry) : 256;
        image.height = file.U8(entry + 1) ? file.U8(entry + 1) : 256;
        image.bitCount = file.U16(entry + 6);
        image.size = file.U32(entry + 8);
        image.offset = file.U32(entry + 12);
        if (image.size > 0 && file.Has(image.offset, image.size))
            group.append(image);
    }
    if (group.isEmpty())
        return {};
    return {group};
}
