// Full-page paints of the calendar page: what every repaint of the window
// costs. The page draws into its off-screen image; the window only shows it.
#include <QPixmap>
#include <benchmark/benchmark.h>

#include "common/BenchPages.h"
#include "page/CalendarPanel32.h"
#include "print/FakePrintDevice.h"
#include "print/ReportPrinter.h"

namespace {

void paintLoop(benchmark::State& state, TCalendarPanel32& page, qreal devicePixelRatio = 1.0)
{
    page.DrawPage(devicePixelRatio);   // first paint: parsing and font caches
    for (auto _ : state)
        benchmark::DoNotOptimize(page.DrawPage(devicePixelRatio).constBits());
}

void BM_PaintSixtyMonths(benchmark::State& state)
{
    paintLoop(state, *NewBenchPage(loMC60Month));
}
BENCHMARK(BM_PaintSixtyMonths)->Unit(benchmark::kMillisecond);

void BM_PaintMonthWith42CellTexts(benchmark::State& state)
{
    paintLoop(state, *MonthWithCellTexts());
}
BENCHMARK(BM_PaintMonthWith42CellTexts)->Unit(benchmark::kMillisecond);

// A high-density screen: the same page at 1.5 and 2 device pixels per pixel.
void BM_PaintMonthWith42CellTextsHighDensity(benchmark::State& state)
{
    paintLoop(state, *MonthWithCellTexts(), state.range(0) / 10.0);
}
BENCHMARK(BM_PaintMonthWith42CellTextsHighDensity)->Arg(15)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_PaintMonthWithMinisInTitle(benchmark::State& state)
{
    paintLoop(state, *NewBenchPage(loFCMinisInTitleLS));
}
BENCHMARK(BM_PaintMonthWithMinisInTitle)->Unit(benchmark::kMillisecond);

// The window's paint: the page image shown through the widget.
void BM_WindowPaintSixtyMonths(benchmark::State& state)
{
    TCalendarPanel32* page = NewBenchPage(loMC60Month);
    QPixmap target(page->size());
    page->render(&target);
    for (auto _ : state)
        page->render(&target);
}
BENCHMARK(BM_WindowPaintSixtyMonths)->Unit(benchmark::kMillisecond);

void BM_PrintMonthWith42CellTexts(benchmark::State& state)
{
    TCalendarPanel32* page = MonthWithCellTexts();
    page->DrawPage();
    TReportPrinter report(std::make_unique<TFakePrintDevice>(300));
    report.SetShowStatus(false);
    report.OnPrint = [&](TReportPrinter& r) { page->PrintPage(r, 0, 0); };
    for (auto _ : state)
        report.Execute();
}
BENCHMARK(BM_PrintMonthWith42CellTexts)->Unit(benchmark::kMillisecond);

} // namespace
