#include "page/CalDrawParams.h"

#include "persist/Font.h"
#include "platform/Rounding.h"

CalFontParams CalFontParams::FromFont(const TFont& font, float zoom)
{
    return {font.Name(), roundHalfEven(double(font.Size()) * double(zoom)), font.StyleBits(),
            font.Color()};
}

QFont CalFontParams::ToQFont(int dpi) const
{
    return TFont(Name, Size, Style, Color).ToQFont(Size, dpi);
}
