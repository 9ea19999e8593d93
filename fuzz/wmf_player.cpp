// Feeds arbitrary bytes to the metafile reader and, when they load, plays
// them onto a small image, both stretched into a rectangle and measured the
// way plain metafiles without a window are. The same bytes also go to the
// bitmap decoder as a DIB and as a .bmp file.
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/DibImage.h"
#include "platform/WmfPicture.h"
#include "platform/WmfPlayer.h"

namespace {

void startGui()
{
    static QGuiApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "fuzz_wmf_player";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

} // namespace

// Fontconfig keeps what it learns about every face name it is asked for (and
// the metafiles name any face they like); that cache is not a leak of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    startGui();
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
