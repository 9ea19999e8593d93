#pragma once
// Targa pictures: true colour of 15, 16, 24 and 32 bits, colour-mapped and
// greyscale, plain or run-length coded, stored from the bottom or the top
// (and from either side), with or without the trailing footer.
#include <QByteArray>

#include "platform/DecodedImage.h"

TDecodedImage DecodeTga(const QByteArray& file);
