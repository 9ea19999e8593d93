#pragma once
// One metafile record as the player sees it: the function number and its
// parameter words. Every accessor is bounds-checked; a read past the record
// yields 0 and callers check has() before relying on a parameter.
#include <QtEndian>
#include <QtGlobal>

class TWmfRecord {
public:
    TWmfRecord(quint16 function, const uchar* params, qsizetype words)
        : function_(function), params_(params), words_(words < 0 ? 0 : words)
    {
    }

    quint16 function() const { return function_; }
    qsizetype words() const { return words_; }
    qsizetype bytes() const { return words_ * 2; }
    bool has(qsizetype count) const { return count >= 0 && count <= words_; }

    qint16 s(qsizetype i) const { return i >= 0 && i < words_ ? qFromLittleEndian<qint16>(params_ + 2 * i) : 0; }
    quint16 u(qsizetype i) const { return quint16(s(i)); }
    // Two words, the first one low (32-bit values and COLORREFs).
    quint32 u32(qsizetype i) const { return quint32(u(i)) | (quint32(u(i + 1)) << 16); }
    quint8 byte(qsizetype byteIndex) const
    {
        return byteIndex >= 0 && byteIndex < bytes() ? params_[byteIndex] : 0;
    }
    // The bytes from word i to the end of the record (null when i is past it).
    const uchar* data(qsizetype i) const { return i >= 0 && i <= words_ ? params_ + 2 * i : nullptr; }
    qsizetype bytesFrom(qsizetype i) const { return i >= 0 && i <= words_ ? (words_ - i) * 2 : 0; }

private:
    quint16 function_;
    const uchar* params_;
    qsizetype words_;
};
