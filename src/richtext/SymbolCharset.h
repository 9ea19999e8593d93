#pragma once

// Symbol fonts address their glyphs by byte (0x20..0xFF) or by the private
// code points U+F020..U+F0FF; the fonts installed here carry Unicode glyphs
// only, so the text is mapped to the Unicode characters of the standard
// Symbol encoding before it is shown. Bytes without a Unicode counterpart
// map to themselves.
char16_t SymbolToUnicode(unsigned char byte);

// A character of a symbol font as RTF stores it (\uN or \'hh), mapped likewise;
// characters outside the private range are returned unchanged.
char16_t SymbolCharToUnicode(char16_t c);
