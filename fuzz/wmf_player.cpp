// Feeds arbitrary bytes to the metafile reader and, when they load, plays
// them onto a small image, both stretched into a rectangle and measured the
// way plain metafiles without a window are. The same bytes also go to the
// bitmap decoder as a DIB and as a .bmp file.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

#include "common/FuzzSupport.h"
#include "platform/DibImage.h"
#include "platform/WmfPicture.h"
#include "platform/WmfPlayer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    TWmfPicture picture;
    if (picture.LoadFromBytes(bytes)) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        picture.Draw(painter, QRectF(2, 3, 60, 40));
        painter.end();
        // Width and Height measure the drawing of plain metafiles.
        (void)picture.Width();
        (void)picture.Height();
        TWmfFrame identity;
        identity.deviceRect = QRectF(0, 0, 1, 1);
        (void)TWmfPlayer::Measure(picture, identity);
    }

    (void)TDibImage::FromDib(bytes.constData(), bytes.size());
    (void)TDibImage::FromBmpFile(bytes);
    return 0;
}
