#pragma once
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringDecoder>
#include <memory>

// Turns bytes of a Windows code page into text. RTF carries non-ASCII text as
// \'hh bytes in the code page of the document (\ansicpg) or of the current
// font (\fcharset, \cpg); Windows-1252 is decoded from a built-in table, the
// others through ICU. Code pages ICU does not know fall back to Windows-1252.
class TCodePageDecoder {
public:
    // Code page 2 (CP_SYMBOL): bytes of a symbol font, mapped to Unicode.
    static constexpr int SymbolCodePage = 2;

    QString Decode(QByteArrayView bytes, int codePage);

    // The code page of an RTF \fcharset value; 0 when the charset names none
    // (the document's code page applies).
    static int CodePageOfCharset(int charset);

    // Windows-1252 byte of a character; false when the code page lacks it.
    static bool ToCp1252(char16_t c, unsigned char& byte);
    static char16_t FromCp1252(unsigned char byte);

private:
    QStringDecoder* decoderFor(int codePage);

    QHash<int, std::shared_ptr<QStringDecoder>> decoders_;
};
