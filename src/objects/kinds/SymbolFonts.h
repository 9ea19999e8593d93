#pragma once
// Symbol fonts on this desktop: fonts that fontconfig reports with the symbol
// writing system. Their character codes 32..255 may sit at the codes
// themselves, at U+F020..U+F0FF, or (fonts with Unicode glyphs only) at the
// Unicode characters of the standard Symbol encoding.
#include <QFont>
#include <QString>
#include <QStringList>

// The installed scalable symbol fonts, sorted, each family once.
QStringList InstalledSymbolFonts();
bool IsSymbolFont(const QString& family);

// The characters the font draws for a text of byte codes: each code the font
// holds itself stays; otherwise the private-use or Symbol-encoding character
// the font holds replaces it. Texts in other fonts are returned unchanged.
QString SymbolFontText(const QFont& font, const QString& text);
