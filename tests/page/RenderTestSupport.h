#pragma once
// Helpers of the page rendering tests: ink measurement on drawn pages.
#include <QColor>
#include <QImage>
#include <QRect>
#include <memory>

#include "page/CalendarPanel32.h"

namespace vellumy::test {

// The bounding box of the pixels inside `area` that differ from `background`;
// empty when there are none.
inline QRect InkBox(const QImage& image, const QRect& area, QColor background = Qt::white)
{
    const QRect clipped = area.intersected(image.rect());
    const QRgb bg = background.rgb();
    QRect box;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (bg & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

inline bool IsBlack(const QImage& image, int x, int y)
{
    return (image.pixel(x, y) & 0xFFFFFF) == 0;
}

// A new page in January 1997 (the 1st is a Wednesday), weeks from Sunday.
inline std::unique_ptr<TCalendarPanel32> JanuaryPage()
{
    return std::make_unique<TCalendarPanel32>(nullptr);
}

} // namespace vellumy::test
