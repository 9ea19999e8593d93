// Metafile costs on the page's paths: loading a border picture, playing it
// over a Letter page on screen (96 ppi) and into a recording for the printer,
// and decoding a bitmap.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPicture>

#include "platform/DibImage.h"
#include "platform/WmfPicture.h"

namespace {

QByteArray borderBytes(const char* name)
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/Borders/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void BM_LoadBorder(benchmark::State& state)
{
    const QByteArray bytes = borderBytes("Celtic.wpo");
    if (bytes.isEmpty()) {
        state.SkipWithError("Borders/Celtic.wpo is missing");
        return;
    }
    for (auto _ : state) {
        TWmfPicture picture;
        benchmark::DoNotOptimize(picture.LoadFromBytes(bytes));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_LoadBorder);

void BM_DrawBorderOnScreenPage(benchmark::State& state)
{
    static const char* const names[] = {"Classic.wpo", "Celtic.wpo", "Floral.wpo", "Stars.wpo"};
    TWmfPicture picture;
    if (!picture.LoadFromBytes(borderBytes(names[state.range(0)]))) {
        state.SkipWithError("border picture is missing");
        return;
    }
    state.SetLabel(names[state.range(0)]);
    QImage page(816, 1056, QImage::Format_RGB32);
    for (auto _ : state) {
        page.fill(Qt::white);
        QPainter painter(&page);
        picture.Draw(painter, QRectF(24, 24, 768, 1008));
    }
}
BENCHMARK(BM_DrawBorderOnScreenPage)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_RecordBorderForPrinting(benchmark::State& state)
{
    TWmfPicture picture;
    if (!picture.LoadFromBytes(borderBytes("Celtic.wpo"))) {
        state.SkipWithError("border picture is missing");
        return;
    }
    for (auto _ : state) {
        QPicture recording;
        QPainter painter(&recording);
        picture.Draw(painter, QRectF(0.25, 0.25, 8.0, 10.5));
    }
}
BENCHMARK(BM_RecordBorderForPrinting)->Unit(benchmark::kMillisecond);

void BM_DecodeDib(benchmark::State& state)
{
    QImage image(512, 512, QImage::Format_RGB32);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x)
            image.setPixel(x, y, qRgb(x / 2, y / 2, (x + y) / 4));
    const QByteArray dib = TDibImage::ToDib(image);
    for (auto _ : state)
        benchmark::DoNotOptimize(TDibImage::FromDib(dib));
    state.SetBytesProcessed(state.iterations() * dib.size());
}
BENCHMARK(BM_DecodeDib)->Unit(benchmark::kMillisecond);

} // namespace
