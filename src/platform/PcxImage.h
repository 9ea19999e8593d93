#pragma once
// PCX pictures: 1 bit (one plane, or four planes of 16 colours), 4 bits, 8
// bits with the 256-colour palette at the end of the file, and 24 or 32 bits
// as three or four planes per line; run-length coded or plain.
#include <QByteArray>

#include "platform/DecodedImage.h"

TDecodedImage DecodePcx(const QByteArray& file);
