// A year in one job: the month page with minis in its title band printed for
// twelve months into one PDF, as `vellumy-tool print --months 1-12` runs it;
// and the same with the document's own month carrying 42 cell texts.
#include <QPageSize>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/PrintCommands.h"
#include "common/BenchPages.h"
#include "page/CalendarPanel32.h"
#include "print/PdfDevice.h"

namespace {

void printYear(benchmark::State& state, TCalendarPanel32& page)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("year.pdf"));
    page.DrawPage();
    for (auto _ : state) {
        TPrintCommands commands(page, std::make_unique<TPdfDevice>(file, QPageSize(QPageSize::Letter),
                                                                   TPrintCommands::PdfDotsPerInch));
        commands.ReportPrinter1().SetShowStatus(false);
        commands.SetMonthRange({0, 12});
        if (!commands.PrintJob(1))
            state.SkipWithError("the PDF job failed");
    }
}

void BM_PrintYearOfMonthsWithMinisToPdf(benchmark::State& state)
{
    printYear(state, *NewBenchPage(loFCMinisInTitleLS));
}
BENCHMARK(BM_PrintYearOfMonthsWithMinisToPdf)->Unit(benchmark::kMillisecond);

void BM_PrintYearFromMonthWithCellTextsToPdf(benchmark::State& state)
{
    printYear(state, *MonthWithCellTexts());
}
BENCHMARK(BM_PrintYearFromMonthWithCellTextsToPdf)->Unit(benchmark::kMillisecond);

} // namespace
