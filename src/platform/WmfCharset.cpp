#include "platform/WmfCharset.h"

#include <QStringDecoder>

#include "platform/AnsiCodePage.h"
#include "platform/SymbolFont.h"
#include "platform/WmfRecords.h"

namespace {

const char* codecName(int charset)
{
    switch (charset) {
    case wmf::SHIFTJIS_CHARSET: return "Shift_JIS";
    case wmf::HANGUL_CHARSET: return "EUC-KR";
    case wmf::GB2312_CHARSET: return "GBK";
    case wmf::CHINESEBIG5_CHARSET: return "Big5";
    case wmf::GREEK_CHARSET: return "windows-1253";
    case wmf::TURKISH_CHARSET: return "windows-1254";
    case wmf::VIETNAMESE_CHARSET: return "windows-1258";
    case wmf::HEBREW_CHARSET: return "windows-1255";
    case wmf::ARABIC_CHARSET: return "windows-1256";
    case wmf::BALTIC_CHARSET: return "windows-1257";
    case wmf::RUSSIAN_CHARSET: return "windows-1251";
    case wmf::THAI_CHARSET: return "windows-874";
    case wmf::EASTEUROPE_CHARSET: return "windows-1250";
    case wmf::OEM_CHARSET: return "IBM437";
    case wmf::MAC_CHARSET: return "macintosh";
    default: return nullptr;
    }
}

} // namespace

char16_t SymbolFontToUnicode(uchar code)
{
    if (code < 0x20)
        return char16_t(code);
    const char16_t c = SymbolFontCharacter(code);
    return c ? c : u' ';
}

QString DecodeWmfText(const QByteArray& bytes, int charset, const QString& faceName)
{
    if (charset == wmf::SYMBOL_CHARSET && faceName.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0) {
        QString text;
        text.reserve(bytes.size());
        for (char c : bytes)
            text.append(QChar(SymbolFontToUnicode(uchar(c))));
        return text;
    }
    if (const char* name = codecName(charset)) {
        QStringDecoder decoder(name);
        if (decoder.isValid()) {
            const QString text = decoder.decode(bytes);
            if (!decoder.hasError())
                return text;
        }
    }
    return FromAnsi(bytes);
}
