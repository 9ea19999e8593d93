#pragma once
// A bitmap property of a page object. In a record it is the custom data entry
// "<Property>.Data": the bitmap's .bmp file image after its 4-byte length.
#include <QByteArray>
#include <QImage>

#include "persist/Persistent.h"

class TStoredBitmap : public TPersistent {
public:
    QImage image;  // null = empty (0 x 0)

    bool IsEmpty() const { return image.isNull() || image.width() < 1 || image.height() < 1; }

    // The .bmp file image (24 bits per pixel) of a bitmap.
    static QByteArray BmpFile(const QImage& image);
    // The data entry's payload, and back. Reading accepts the file image with
    // or without its length; anything else throws EFilerError.
    static QByteArray Encode(const QImage& image);
    static QImage Decode(const QByteArray& data);

    QList<TCustomData> DefineProperties() override;
    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
