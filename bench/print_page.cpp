// The Print command's job into a PDF file: the 60-month page and a month page
// whose 42 cells carry rich text, drawn by the print event (zoom to 100 %,
// the page, its objects) on a PDF device as vellumy-tool print runs it. A page
// shown at 60 % adds the two rescales around the job.
#include <QPageSize>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/PrintCommands.h"
#include "page/CalendarPanel32.h"
#include "print/PdfDevice.h"
#include "richtext/WPRtfText.h"

namespace {

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
    page->DrawPage();
    return page;
}

void printLoop(benchmark::State& state, TCalendarPanel32& page, float zoom = 1.0f)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
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
    printLoop(state, *newPage(loMC60Month));
}
BENCHMARK(BM_PrintSixtyMonthsToPdf)->Unit(benchmark::kMillisecond);

void BM_PrintMonthWith42CellTextsToPdf(benchmark::State& state)
{
    printLoop(state, *monthWithCellTexts());
}
BENCHMARK(BM_PrintMonthWith42CellTextsToPdf)->Unit(benchmark::kMillisecond);

void BM_PrintMonthWith42CellTextsShownAt60(benchmark::State& state)
{
    printLoop(state, *monthWithCellTexts(), 0.6f);
}
BENCHMARK(BM_PrintMonthWith42CellTextsShownAt60)->Unit(benchmark::kMillisecond);

} // namespace
