#include "richtext/RtfTokenizer.h"

#include <algorithm>

namespace {
bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

TRtfTokenizer::Token TRtfTokenizer::Next()
{
    Token token;
    const qsizetype size = input_.size();
    const char* data = input_.data();
    // Line breaks between tokens carry no meaning.
    while (pos_ < size && (data[pos_] == '\r' || data[pos_] == '\n'))
        ++pos_;
    if (pos_ >= size)
        return token;

    const char c = data[pos_];
    if (c == '{') {
        ++pos_;
        token.kind = GroupOpen;
        return token;
    }
    if (c == '}') {
        ++pos_;
        token.kind = GroupClose;
        return token;
    }
    if (c != '\\') {
        const qsizetype start = pos_;
        while (pos_ < size && data[pos_] != '\\' && data[pos_] != '{' && data[pos_] != '}'
               && data[pos_] != '\r' && data[pos_] != '\n')
            ++pos_;
        token.kind = Text;
        token.text = input_.sliced(start, pos_ - start);
        return token;
    }

    ++pos_;   // the backslash
    if (pos_ >= size)
        return token;   // a lone backslash at the very end
    const char next = data[pos_];
    if (!isLetter(next)) {
        ++pos_;
        if (next == '\'') {
            const int high = pos_ < size ? hexDigit(data[pos_]) : -1;
            const int low = pos_ + 1 < size ? hexDigit(data[pos_ + 1]) : -1;
            if (high >= 0 && low >= 0) {
                pos_ += 2;
                token.kind = HexByte;
                token.byte = static_cast<unsigned char>(high * 16 + low);
                return token;
            }
            // A broken \' escape is dropped with the one digit that is there;
            // the reader ignores the symbol.
            if (high >= 0)
                ++pos_;
        }
        token.kind = ControlSymbol;
        // \<CR> and \<LF> mean \par; report them as a line feed symbol.
        token.word = input_.sliced(pos_ - 1, 1);
        return token;
    }

    const qsizetype start = pos_;
    while (pos_ < size && isLetter(data[pos_]))
        ++pos_;
    token.kind = ControlWord;
    token.word = input_.sliced(start, std::min<qsizetype>(pos_ - start, 32));

    bool negative = false;
    if (pos_ < size && data[pos_] == '-' && pos_ + 1 < size && isDigit(data[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < size && isDigit(data[pos_])) {
        long long value = 0;
        while (pos_ < size && isDigit(data[pos_])) {
            if (value < 0x7FFFFFFF)
                value = value * 10 + (data[pos_] - '0');
            ++pos_;
        }
        value = std::min<long long>(value, 0x7FFFFFFF);
        token.hasParameter = true;
        token.parameter = int(negative ? -value : value);
    }
    if (pos_ < size && data[pos_] == ' ')
        ++pos_;   // the delimiting space belongs to the control word
    return token;
}

QByteArrayView TRtfTokenizer::ReadBinary(qint64 count)
{
    const qint64 available = input_.size() - pos_;
    const qsizetype taken = qsizetype(std::clamp<qint64>(count, 0, available));
    const QByteArrayView bytes = input_.sliced(pos_, taken);
    pos_ += taken;
    return bytes;
}
