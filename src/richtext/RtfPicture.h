#pragma once
#include <QByteArray>

#include "richtext/RichPicture.h"

// The contents of one RTF \pict group as the reader collects them, and their
// decoding into a picture. Every size is checked against the data at hand and
// against the picture limits before anything is allocated.
class TRtfPicture {
public:
    enum Format { Unknown, Png, Jpeg, Dib, DeviceBitmap, Wmf, Emf };

    Format format = Unknown;
    int picw = 0, pich = 0;             // bitmaps: pixels; metafiles: extent
    int goalWidth = 0, goalHeight = 0;  // twips
    int scaleX = 100, scaleY = 100;     // percent
    int mapMode = 8;                    // \wmetafileN
    int bitsPerPixel = 1, planes = 1, widthBytes = 0;  // \wbitmap
    QByteArray data;                    // binary data (hex already decoded)

    // Appends hex digits; other characters (line breaks) are skipped. A
    // dangling half byte is kept until the next call or dropped at the end.
    void AppendHex(const char* text, qsizetype length);

    // The picture, sized for a document laid out at `dpi` pixels per inch;
    // a null picture when the data cannot be decoded.
    TRichPicture Decode(int dpi) const;

private:
    QImage decodeDeviceBitmap() const;
    static QImage decodeDib(const QByteArray& dib);
    static QImage decodeCompressed(const QByteArray& bytes, const char* format);

    int pendingNibble_ = -1;
};
