#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The single-byte code page that documents store text in (Windows-1252).
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the C1 control characters of the same value, so every byte sequence
// survives a round trip through QString.

// Bytes in the code page to text.
QString FromAnsi(QByteArrayView bytes);

// Text to bytes in the code page. Characters the code page cannot represent
// become '?' (a surrogate pair gives a single '?').
QByteArray ToAnsi(QStringView text);

// The byte for one character, or '?' when the code page has none.
char ToAnsiChar(char16_t c);
