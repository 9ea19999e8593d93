#pragma once
// Icon files (.ico): the directory's largest image, and among images of that
// size the one with the most colours (the first of equals). Its AND mask, or
// its own alpha channel, becomes the picture's transparency.
#include <QByteArray>

#include "platform/DecodedImage.h"

TDecodedImage DecodeIco(const QByteArray& file);
