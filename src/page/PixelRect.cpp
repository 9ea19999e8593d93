#include "page/PixelRect.h"

#include "platform/Rounding.h"

PixelRect ZoomedRect(const PixelRect& rect, float zoom)
{
    const double z = zoom;
    return {roundHalfEven(rect.left * z), roundHalfEven(rect.top * z),
            roundHalfEven(rect.right * z), roundHalfEven(rect.bottom * z)};
}
