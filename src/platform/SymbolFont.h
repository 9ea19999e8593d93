#pragma once
#include <QtGlobal>

// The standard Symbol font encoding: Greek letters and mathematical signs on
// the byte codes 0x20..0xFF. Returns the Unicode character a code stands for,
// or 0 where the encoding has none (controls, 0x7F..0x9F, 0xF0, 0xFF); each
// reader decides what such a code shows.
char16_t SymbolFontCharacter(uchar code);
