// Picture objects: decoding a 4000 x 3000 JPEG into a picture object and
// showing it, and repainting a page that holds ten such photos (whose scaled
// pictures are kept, not made again on every paint). Also the decoders on
// their own.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>

#include "common/BenchPages.h"
#include "objects/kinds/GImage.h"
#include "page/CalendarPanel32.h"
#include "platform/LoadPicture.h"

namespace {

// A photo-like 4000 x 3000 JPEG: gradients with noise, so it compresses as
// a photo does. Made once per run.
const QString& photoPath()
{
    static const QString path = [] {
        const QString file = QDir::temp().filePath(QStringLiteral("vellumy-bench-photo.jpg"));
        QImage image(4000, 3000, QImage::Format_RGB32);
        QRandomGenerator noise(7);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int n = int(noise.bounded(24));
                line[x] = qRgb((x / 16 + n) & 255, (y / 12 + n) & 255, ((x + y) / 28 + n) & 255);
            }
        }
        image.save(file, "JPEG", 90);
        return file;
    }();
    return path;
}

void BM_DecodeJpegPhoto(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadPicture(photoPath()));
}
BENCHMARK(BM_DecodeJpegPhoto)->Unit(benchmark::kMillisecond);

// From the file to the object shown on the page at 400 x 300.
void BM_DecodeAndShowPhotoAsPictureObject(benchmark::State& state)
{
    TCalendarPanel32* page = NewBenchPage(loFullCalendar);
    QPixmap target(400, 300);
    for (auto _ : state) {
        TGImage image(nullptr, page);
        image.setGeometry(50, 50, 400, 300);
        if (!image.LoadPictureFile(photoPath(), true, false)) {
            state.SkipWithError("the photo does not decode");
            return;
        }
        image.render(&target);
    }
}
BENCHMARK(BM_DecodeAndShowPhotoAsPictureObject)->Unit(benchmark::kMillisecond);

// The whole page at 100 % with ten photos on it, after the first paint.
void BM_RepaintPageWithTenPhotos(benchmark::State& state)
{
    TCalendarPanel32* page = NewBenchPage(loFullCalendar);
    static TComponent owner;
    TPicture photo;
    photo.SetBitmap(LoadPicture(photoPath()).image);
    for (int i = 0; i < 10; ++i) {
        auto* image = new TGImage(&owner, page);
        image->Loaded();
        image->SetPicture(photo);
        page->Place(image, QRect(20 + 70 * i, 100 + 60 * i, 240, 180));
    }
    QPixmap target(page->size());
    page->render(&target);
    for (auto _ : state)
        page->render(&target);
    state.SetLabel(QStringLiteral("%1 x %2").arg(page->width()).arg(page->height()).toStdString());
}
BENCHMARK(BM_RepaintPageWithTenPhotos)->Unit(benchmark::kMillisecond);

// Our TGA and bitmap decoders on a 1600 x 1200 picture.
void BM_DecodeTgaAndBmp(benchmark::State& state)
{
    static const char* const formats[] = {"tga", "bmp"};
    const char* format = formats[state.range(0)];
    QImage image(1600, 1200, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    {
        QPainter painter(&image);
        painter.setBrush(Qt::yellow);
        for (int i = 0; i < 40; ++i)
            painter.drawEllipse(i * 37, i * 25, 300, 200);
    }
    const QString path = QDir::temp().filePath(QStringLiteral("vellumy-bench.%1").arg(QLatin1String(format)));
    if (state.range(0) == 1) {
        image.save(path, format);
    } else {
        // Qt writes no TGA: a plain 24-bit one, bottom row first.
        QByteArray tga(18, '\0');
        tga[2] = 2;
        qToLittleEndian<quint16>(quint16(image.width()), tga.data() + 12);
        qToLittleEndian<quint16>(quint16(image.height()), tga.data() + 14);
        tga[16] = 24;
        for (int y = image.height() - 1; y >= 0; --y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                tga.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
            }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(tga) != tga.size()) {
            state.SkipWithError("cannot write the TGA file");
            return;
        }
    }
    state.SetLabel(format);
    for (auto _ : state)
        if (LoadPicture(path).IsNull())
            state.SkipWithError("the picture does not decode");
}
BENCHMARK(BM_DecodeTgaAndBmp)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

} // namespace
