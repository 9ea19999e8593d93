#pragma once
// A background picture of the page's own painting: a bitmap, or a recorded
// drawing that is replayed stretched.
#include <QImage>
#include <QPicture>

#include "persist/Persistent.h"

class TGPanelPicture : public TPersistent {
public:
    QImage bitmap;
    QPicture drawing;

    bool IsEmpty() const { return bitmap.isNull() && drawing.isNull(); }
    bool IsBitmap() const { return !bitmap.isNull(); }

    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
