#pragma once
// One image of an icon as resources and icon files store it: a PNG, or a
// bitmap (header, colour table, colour bits of the upper half of its doubled
// height, then the one-bit AND mask).
#include <QImage>

// ARGB32 with the AND mask (or the image's own alpha) as transparency; a null
// image when the bytes do not hold a picture.
QImage DecodeIconImage(const uchar* data, qsizetype size);

// Size and colour depth as the image's own header states them; false when
// the header cannot be read.
bool ProbeIconImage(const uchar* data, qsizetype size, int& width, int& height, int& bitCount);

// The largest side an icon image may have (icon directories end at 256).
constexpr int MaxIconSide = 1024;
