#include "richtext/SymbolCharset.h"

#include "platform/SymbolFont.h"

char16_t SymbolToUnicode(unsigned char byte)
{
    const char16_t c = SymbolFontCharacter(byte);
    return c ? c : char16_t(byte);
}

char16_t SymbolCharToUnicode(char16_t c)
{
    if (c >= 0xF020 && c <= 0xF0FF)
        return SymbolToUnicode(static_cast<unsigned char>(c - 0xF000));
    return c;
}
