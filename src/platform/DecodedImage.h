#pragma once
// What a picture decoder hands back: the whole image, or no image and why.
// Decoders never return a partial picture.
#include <QImage>
#include <QString>

struct TDecodedImage {
    QImage image;   // Format_RGB32, or Format_ARGB32 when the file carries transparency
    QString error;  // why decoding failed; empty on success

    bool IsNull() const { return image.isNull(); }

    static TDecodedImage Failure(const QString& why)
    {
        TDecodedImage result;
        result.error = why;
        return result;
    }
};

// Every decoder refuses pictures beyond this budget before allocating them.
constexpr qint64 MaxDecodedPixels = 40'000'000;
constexpr qint64 MaxDecodedSide = 1 << 16;

// True when width × height is a picture a decoder may allocate.
inline bool IsDecodableSize(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxDecodedSide && height <= MaxDecodedSide
        && width * height <= MaxDecodedPixels;
}
