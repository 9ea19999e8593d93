// Layout pass and grid geometry: what every page paint and every setting
// change costs before anything is drawn.
#include <benchmark/benchmark.h>

#include "page/GridLayout.h"
#include "page/PageLayout.h"

namespace {

CalDrawParams defaultParams(const PixelRect& rect, int minTitle, TCalendarNumberPosition position)
{
    CalDrawParams p;
    p.Rect = rect;
    p.MinTitleHeight = minTitle;
    p.Month = 3;
    p.Year = 1997;
    p.NumberPosition = position;
    const QString times = QStringLiteral("Times New Roman");
    p.TitleFont = {times, 26, TFont::fsBold, TColors::clBlack};
    p.HeadersFont = {times, 16, TFont::fsBold, TColors::clBlack};
    p.CellFont = {times, 16, TFont::fsBold, TColors::clBlack};
    for (int m = 0; m < 12; ++m)
        p.MonthNames[m] = QStringLiteral("Month");
    for (int d = 0; d < 7; ++d)
        p.DayNames[d] = QStringLiteral("Weekday");
    return p;
}

void BM_SixtyMonthPage(benchmark::State& state)
{
    PageLayoutInput in;
    in.CalendarLayout = loMC60Month;
    in.MainCalMonth = 3;
    in.MainCalYear = 1997;
    PageLayoutResults results;
    for (auto _ : state) {
        results = UpdatePageLayout(in, results);
        for (int j = 1; j <= results.MiniCalCount; ++j) {
            MonthGridInput grid;
            grid.Rect = results.MiniCalRect(j);
            grid.Month = results.MiniCalMonth(j).month;
            grid.Year = results.MiniCalMonth(j).year;
            grid.NumberPosition = cnpCenter;
            grid.HeadersFontPixelHeight = 8;
            benchmark::DoNotOptimize(ComputeMonthGrid(grid));
        }
    }
}
BENCHMARK(BM_SixtyMonthPage)->Unit(benchmark::kMicrosecond);

void BM_SixtyMonthPageWithTexts(benchmark::State& state)
{
    PageLayoutInput in;
    in.CalendarLayout = loMC60Month;
    PageLayoutResults results = UpdatePageLayout(in, {});
    CalDrawParams mini = defaultParams({}, 0, cnpCenter);
    mini.TitleFont.Size = 8;
    mini.HeadersFont.Size = 6;
    mini.CellFont.Size = 6;
    for (auto _ : state) {
        results = UpdatePageLayout(in, results);
        for (int j = 1; j <= results.MiniCalCount; ++j) {
            mini.Rect = results.MiniCalRect(j);
            mini.Month = results.MiniCalMonth(j).month;
            mini.Year = results.MiniCalMonth(j).year;
            benchmark::DoNotOptimize(LayOutMonthGrid(mini, QString()));
        }
    }
}
BENCHMARK(BM_SixtyMonthPageWithTexts)->Unit(benchmark::kMicrosecond);

void BM_MonthGridPage(benchmark::State& state)
{
    PageLayoutInput in;
    in.CalendarLayout = loFullCalendar;
    PageLayoutResults results;
    for (auto _ : state) {
        results = UpdatePageLayout(in, results);
        MonthGridInput grid;
        grid.Rect = *results.MainCalRect;
        grid.MinTitleHeight = 144;
        grid.Month = 3;
        grid.Year = 1997;
        grid.HeadersFontPixelHeight = 21;
        grid.CellDigitTextHeight = 24;
        benchmark::DoNotOptimize(ComputeMonthGrid(grid));
    }
}
BENCHMARK(BM_MonthGridPage)->Unit(benchmark::kMicrosecond);

void BM_MonthGridPageWithTexts(benchmark::State& state)
{
    PageLayoutInput in;
    in.CalendarLayout = loFullCalendar;
    PageLayoutResults results = UpdatePageLayout(in, {});
    CalDrawParams main = defaultParams(*results.MainCalRect, 144, cnpUpperRight);
    for (auto _ : state) {
        results = UpdatePageLayout(in, results);
        benchmark::DoNotOptimize(LayOutMonthGrid(main, QString()));
    }
}
BENCHMARK(BM_MonthGridPageWithTexts)->Unit(benchmark::kMicrosecond);

} // namespace
