#pragma once
// Device-independent bitmaps: the BITMAPINFO + pixel layout that metafile
// records embed and that .bmp/.dib/.rle files carry after a 14-byte file
// header. Decoding checks every size against the bytes at hand first.
#include <QByteArray>
#include <QImage>
#include <QString>

class TDibImage {
public:
    // A bitmap decoded from a BITMAPINFO block (header, colour table, bits).
    // With palette indices (DIB_PAL_COLORS) there is no logical palette to
    // look them up in; the indices are shown as grey levels.
    static TDibImage FromDib(const char* data, qsizetype size, bool paletteIndices = false);
    static TDibImage FromDib(const QByteArray& dib) { return FromDib(dib.constData(), dib.size()); }
    // A whole .bmp/.dib/.rle file ("BM" file header followed by a DIB).
    static TDibImage FromBmpFile(const QByteArray& file);
    static TDibImage FromFile(const QString& path);

    // A 24-bit bottom-up BI_RGB DIB (BITMAPINFOHEADER + bits) of the image;
    // what metafile writers embed.
    static QByteArray ToDib(const QImage& image);

    bool IsNull() const { return image.isNull(); }

    QImage image;          // Format_RGB32, or ARGB32 when the bits carry alpha
    bool bottomUp = true;  // rows were stored bottom row first
    QString error;         // why decoding failed; empty on success

    // Pixel budget: larger bitmaps are refused rather than allocated.
    static constexpr qint64 MaxPixels = 40'000'000;
};
