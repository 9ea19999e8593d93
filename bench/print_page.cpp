// The Print command's job into a PDF file: the 60-month page and a month page
// whose 42 cells carry rich text, drawn by the print event (zoom to 100 %,
// the page, its objects) on a PDF device as vellumy-tool print runs it. A page
// shown at 60 % adds the two rescales around the job.
#include <QPageSize>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/PrintCommands.h"
#include "common/BenchPages.h"
#include "page/CalendarPanel32.h"
#include "print/PdfDevice.h"

namespace {

void printLoop(benchmark::State& state, TCalendarPanel32& page, float zoom = 1.0f)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    page.DrawPage();
    page.SetZoom(zoom);
    for (auto _ : state) {
        TPrintCommands commands(page, std::make_unique<TPdfDevice>(file, QPageSize(QPageSize::Letter), 600));
        commands.ReportPrinter1().SetShowStatus(false);
        if (!commands.PrintJob(1))
            state.SkipWithError("the PDF job failed");
    }
    page.SetZoom(1.0f);
}

void BM_PrintSixtyMonthsToPdf(benchmark::State& state)
{
    printLoop(state, *NewBenchPage(loMC60Month));
}
BENCHMARK(BM_PrintSixtyMonthsToPdf)->Unit(benchmark::kMillisecond);

void BM_PrintMonthWith42CellTextsToPdf(benchmark::State& state)
{
    printLoop(state, *MonthWithCellTexts());
}
BENCHMARK(BM_PrintMonthWith42CellTextsToPdf)->Unit(benchmark::kMillisecond);

void BM_PrintMonthWith42CellTextsShownAt60(benchmark::State& state)
{
    printLoop(state, *MonthWithCellTexts(), 0.6f);
}
BENCHMARK(BM_PrintMonthWith42CellTextsShownAt60)->Unit(benchmark::kMillisecond);

} // namespace
