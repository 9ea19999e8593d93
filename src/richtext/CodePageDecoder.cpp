#include "richtext/CodePageDecoder.h"

#include "platform/AnsiCodePage.h"
#include "richtext/SymbolCharset.h"

namespace {
const char* icuName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "ibm-850";
    case 874: return "windows-874";
    case 932: return "windows-932";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 10000: return "macintosh";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}
} // namespace

char16_t TCodePageDecoder::FromCp1252(unsigned char byte)
{
    const char b = char(byte);
    return FromAnsi(QByteArrayView(&b, 1)).at(0).unicode();
}

bool TCodePageDecoder::ToCp1252(char16_t c, unsigned char& byte)
{
    const char b = ToAnsiChar(c);
    if (b == '?' && c != u'?')
        return false;
    byte = static_cast<unsigned char>(b);
    return true;
}

int TCodePageDecoder::CodePageOfCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;     // ANSI
    case 2: return SymbolCodePage;
    case 77: return 10000;   // Mac Roman
    case 128: return 932;    // Shift JIS
    case 129: return 949;    // Hangul
    case 134: return 936;    // GB2312
    case 136: return 950;    // Big5
    case 161: return 1253;   // Greek
    case 162: return 1254;   // Turkish
    case 163: return 1258;   // Vietnamese
    case 177: return 1255;   // Hebrew
    case 178: return 1256;   // Arabic
    case 186: return 1257;   // Baltic
    case 204: return 1251;   // Cyrillic
    case 222: return 874;    // Thai
    case 238: return 1250;   // Central European
    case 254: return 437;    // PC 437
    case 255: return 850;    // OEM
    default: return 0;       // DEFAULT_CHARSET and unknown ones
    }
}

QStringDecoder* TCodePageDecoder::decoderFor(int codePage)
{
    auto it = decoders_.find(codePage);
    if (it != decoders_.end())
        return it.value().get();
    std::shared_ptr<QStringDecoder> decoder;
    if (const char* name = icuName(codePage)) {
        decoder = std::make_shared<QStringDecoder>(name, QStringConverter::Flag::Stateless);
        if (!decoder->isValid())
            decoder.reset();
    }
    decoders_.insert(codePage, decoder);
    return decoder.get();
}

QString TCodePageDecoder::Decode(QByteArrayView bytes, int codePage)
{
    QString text;
    if (codePage == SymbolCodePage) {
        text.reserve(bytes.size());
        for (char b : bytes)
            text.append(QChar(SymbolToUnicode(static_cast<unsigned char>(b))));
        return text;
    }
    if (codePage != 1252 && codePage != 0) {
        if (QStringDecoder* decoder = decoderFor(codePage))
            return decoder->decode(bytes);
    }
    return FromAnsi(bytes);
}
