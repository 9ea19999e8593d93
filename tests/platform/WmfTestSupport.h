#pragma once
// Helpers for the metafile tests: play bytes onto a white image and look at
// where the ink went.
#include <QImage>
#include <QPainter>

#include "platform/WmfPicture.h"
#include "platform/WmfWriter.h"

namespace wmftest {

inline QImage Render(const TWmfPicture& picture, QSize size, QRectF target = QRectF(),
                     QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.Draw(painter, target.isNull() ? QRectF(QPointF(0, 0), QSizeF(size)) : target);
    painter.end();
    return image;
}

inline QImage Render(const QByteArray& bytes, QSize size, QRectF target = QRectF())
{
    TWmfPicture picture;
    picture.LoadFromBytes(bytes);
    return Render(picture, size, target);
}

// A writer whose frame is the rectangle (0, 0, w, h): a placeable picture of
// w x h units at 96 units per inch, so a 1:1 render puts unit (x, y) at pixel (x, y).
inline QByteArray Placeable(const TWmfWriter& writer, int w, int h, int inch = 96)
{
    return writer.PlaceableBytes(QRect(0, 0, w, h), inch);
}

// The bounding box of pixels that are not white (null when all are white).
inline QRect InkBounds(const QImage& image, int threshold = 128)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(line[x]) < 255 - threshold / 2 || qRed(line[x]) < threshold || qGreen(line[x]) < threshold ||
                qBlue(line[x]) < threshold)
                box = box.united(QRect(x, y, 1, 1));
        }
    }
    return box;
}

inline bool Near(QRgb a, QColor b, int tolerance = 40)
{
    return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

} // namespace wmftest
