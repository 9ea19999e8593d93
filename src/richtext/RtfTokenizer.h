#pragma once
#include <QByteArray>
#include <QByteArrayView>

// Splits RTF bytes into tokens. Never reads past the end: a truncated control
// word or \'h ends where the input ends.
class TRtfTokenizer {
public:
    enum Kind {
        End,
        GroupOpen,
        GroupClose,
        ControlWord,    // word (letters), optional numeric parameter
        ControlSymbol,  // \ and one non-letter character (\~, \*, \\ ...)
        HexByte,        // \'hh
        Text,           // a run of plain bytes (no line breaks)
    };

    struct Token {
        Kind kind = End;
        QByteArrayView word;    // ControlWord: the letters; ControlSymbol: the character
        bool hasParameter = false;
        int parameter = 0;      // saturated to +-(2^31 - 1)
        unsigned char byte = 0; // HexByte
        QByteArrayView text;    // Text
    };

    explicit TRtfTokenizer(QByteArrayView input) : input_(input) {}

    Token Next();

    // The next `count` bytes taken as they are (\bin data); fewer when the
    // input ends first.
    QByteArrayView ReadBinary(qint64 count);

    qsizetype Position() const { return pos_; }

private:
    QByteArrayView input_;
    qsizetype pos_ = 0;
};
