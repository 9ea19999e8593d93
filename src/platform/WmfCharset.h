#pragma once
// Metafile strings are 8-bit text in the code page of the font's character
// set; the Symbol font uses its own encoding of Greek letters and signs.
#include <QByteArray>
#include <QString>

// The text of bytes written for a font of this character set and face.
QString DecodeWmfText(const QByteArray& bytes, int charset, const QString& faceName = QString());

// The Unicode character a Symbol-font code (0x20..0xFF) stands for.
char16_t SymbolFontToUnicode(uchar code);
