// A printed page's cost: a month grid's worth of frames, lines and fitted,
// aligned texts (about 400 of each) sent to a PDF file, and the same page on
// the recording device to separate the surface's own work from the PDF's.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "print/FakePrintDevice.h"
#include "print/PdfDevice.h"
#include "print/ReportPrinter.h"

namespace {

// A 6 x 7 grid of day cells, each framed, ruled and carrying ten short texts.
void DrawBusyPage(TReportPrinter& r)
{
    r.SetPen(TColors::clBlack);
    r.SetBrush(TColors::clWhite);
    r.Rectangle(0.5, 0.5, 8.0, 10.5);
    r.SetFont(QStringLiteral("Times New Roman"), 26, 1);
    r.TextCentered(r.InchRect(0.5, 0.5, 8.0, 1.5), QStringLiteral("September 2026"));
    const double cellW = 7.5 / 7;
    const double cellH = 9.0 / 6;
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 7; ++col) {
            const double l = 0.5 + col * cellW;
            const double t = 1.5 + row * cellH;
            r.Rectangle(l, t, l + cellW, t + cellH);
            r.Line(l, t + 0.25, l + cellW, t + 0.25);
            r.SetFont(QStringLiteral("Arial"), 12, 1);
            r.TextRightAtTop(r.InchRect(l, t, l + cellW, t + 0.25), QString::number(row * 7 + col + 1), 0.05);
            r.SetFont(QStringLiteral("Arial"), 7);
            for (int line = 0; line < 9; ++line) {
                const QRect text = r.InchRect(l + 0.03, t + 0.28 + line * 0.13, l + cellW - 0.03, t + 0.41 + line * 0.13);
                r.Line(l, t + 0.41 + line * 0.13, l + cellW, t + 0.41 + line * 0.13);
                r.TextLeftAtTop(text, QStringLiteral("Appointment with a rather long description %1").arg(line));
            }
        }
    }
}

void BM_PdfPage(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.pdf"));
    for (auto _ : state) {
        TReportPrinter report(std::make_unique<TPdfDevice>(file, QPageSize(QPageSize::Letter), 600));
        report.SetShowStatus(false);
        report.OnPrint = DrawBusyPage;
        if (!report.Execute())
            state.SkipWithError("the PDF job failed");
    }
}
BENCHMARK(BM_PdfPage)->Unit(benchmark::kMillisecond);

void BM_RecordedPage(benchmark::State& state)
{
    for (auto _ : state) {
        TReportPrinter report(std::make_unique<TFakePrintDevice>(600));
        report.SetShowStatus(false);
        report.OnPrint = DrawBusyPage;
        report.Execute();
    }
}
BENCHMARK(BM_RecordedPage)->Unit(benchmark::kMillisecond);

} // namespace
