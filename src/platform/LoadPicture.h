#pragma once
// The one entry point for raster picture files: the file name's extension
// (without regard to case) picks the decoder, as the image browser offers
// them. BMP, DIB and RLE go to the device-independent bitmap decoder, PCX,
// TGA and ICO to ours, JPG/JPEG/JIF and GIF to Qt's readers. Metafiles are
// not raster pictures and are not read here.
#include <QByteArray>
#include <QString>

#include "platform/DecodedImage.h"

enum class TPictureFormat { Unknown, Bmp, Pcx, Tga, Jpeg, Gif, Ico };

// The decoder a file name's extension selects.
TPictureFormat PictureFormatOf(const QString& fileName);

TDecodedImage LoadPicture(const QString& path);
TDecodedImage DecodePicture(const QByteArray& bytes, TPictureFormat format);

// Files larger than this are refused unread: no picture within the pixel
// budget needs more.
constexpr qint64 MaxPictureFileSize = MaxDecodedPixels * 4 + (1 << 20);
