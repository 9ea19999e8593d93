// Full-page paints of the calendar page: what every repaint of the window
// costs. The page draws into its off-screen image; the window only shows it.
#include <QPixmap>
#include <benchmark/benchmark.h>

#include "page/CalendarPanel32.h"
#include "print/FakePrintDevice.h"
#include "print/ReportPrinter.h"
#include "richtext/WPRtfText.h"

namespace {

// A new calendar in a layout, chosen as the properties dialog chooses it.
TCalendarPanel32* newPage(TCalendarLayout layout)
{
    // Never destroyed: a page's destructor empties the program folder's
    // object clipboard.
    auto* page = new TCalendarPanel32(nullptr);
    page->ResetToDefaults();
    page->SetMainCalMonth(3);
    page->SetMainCalYear(1997);
    page->SetCalendarLayout(layout);
    page->UpdatePageLayout(true);
    return page;
}

TCalendarPanel32* monthWithCellTexts()
{
    TCalendarPanel32* page = newPage(loFullCalendar);
    for (int i = 1; i <= DayCellCount; ++i) {
        const QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
                               "\\f0\\fs20 Dentist \\b at " + QByteArray::number(i) + "\\b0 , then "
                               "\\f1\\i the long weekly meeting\\i0\\par Call home\\par}";
        page->SetCellText(i, TWPRtfText(rtf));
    }
    return page;
}

void paintLoop(benchmark::State& state, TCalendarPanel32& page)
{
    page.DrawPage();   // first paint: parsing and font caches
    for (auto _ : state)
        benchmark::DoNotOptimize(page.DrawPage().constBits());
}

void BM_PaintSixtyMonths(benchmark::State& state)
{
    paintLoop(state, *newPage(loMC60Month));
}
BENCHMARK(BM_PaintSixtyMonths)->Unit(benchmark::kMillisecond);

void BM_PaintMonthWith42CellTexts(benchmark::State& state)
{
    paintLoop(state, *monthWithCellTexts());
}
BENCHMARK(BM_PaintMonthWith42CellTexts)->Unit(benchmark::kMillisecond);

void BM_PaintMonthWithMinisInTitle(benchmark::State& state)
{
    paintLoop(state, *newPage(loFCMinisInTitleLS));
}
BENCHMARK(BM_PaintMonthWithMinisInTitle)->Unit(benchmark::kMillisecond);

// The window's paint: the page image shown through the widget.
void BM_WindowPaintSixtyMonths(benchmark::State& state)
{
    TCalendarPanel32* page = newPage(loMC60Month);
    QPixmap target(page->size());
    page->render(&target);
    for (auto _ : state)
        page->render(&target);
}
BENCHMARK(BM_WindowPaintSixtyMonths)->Unit(benchmark::kMillisecond);

void BM_PrintMonthWith42CellTexts(benchmark::State& state)
{
    TCalendarPanel32* page = monthWithCellTexts();
    page->DrawPage();
    TReportPrinter report(std::make_unique<TFakePrintDevice>(300));
    report.SetShowStatus(false);
    report.OnPrint = [&](TReportPrinter& r) { page->PrintPage(r, 0, 0); };
    for (auto _ : state)
        report.Execute();
}
BENCHMARK(BM_PrintMonthWith42CellTexts)->Unit(benchmark::kMillisecond);

} // namespace
