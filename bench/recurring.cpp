// Recurring dates: evaluating a store for the page's month, and filling a
// month's day cells with the chosen entries.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/CalendarMain.h"
#include "common/BenchPages.h"
#include "page/CellDates.h"
#include "platform/ProgramFolder.h"
#include "page/CalendarPanel32.h"
#include "recurring/RecurringEvaluation.h"
#include "recurring/RecurringFill.h"
#include "recurring/RecurringFormula.h"
#include "recurring/RecurringStore.h"
#include "richtext/WPRichText.h"

namespace {

// `count` entries of every kind: the holidays, days of the month, special
// days and weekday lists, repeated with their own texts.
QStringList storeOf(int count)
{
    QStringList lines;
    const QStringList holidays = BuiltInHolidays();
    for (int i = 0; lines.size() < count; ++i) {
        const QString text = QStringLiteral("Entry %1").arg(i);
        switch (i % 4) {
        case 0: lines.append(holidays[i / 4 % holidays.size()]); break;
        case 1: lines.append(MakeEntryLine(text, FormatDayOfMonthFormula(1 + i % 31, i % 13))); break;
        case 2: lines.append(MakeEntryLine(text, FormatSpecialFormula(i % 6, i % 8, i % 13))); break;
        default: lines.append(MakeEntryLine(text, QStringLiteral("%") + QString::number(1 + i % 7))); break;
        }
    }
    return lines;
}

void BM_EvaluateStoreForAMonth(benchmark::State& state)
{
    const QStringList lines = storeOf(int(state.range(0)));
    for (auto _ : state) {
        int days = 0;
        for (const QString& line : lines)
            if (EntryApplies(line, 2027, 3))
                days += int(EntryDays(line, 2027, 3).size());
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(BM_EvaluateStoreForAMonth)->Arg(1000)->Unit(benchmark::kMillisecond);

// Filling March 1997 with entries that each fall on one day.
void BM_FillAMonth(benchmark::State& state)
{
    TCalendarPanel32* page = NewBenchPage(loFullCalendar);
    QStringList chosen;
    for (int i = 0; i < state.range(0); ++i)
        chosen.append(MakeEntryLine(QStringLiteral("Entry %1").arg(i), FormatDayOfMonthFormula(1 + i % 31, 3)));
    TWPRichText editor;
    for (auto _ : state) {
        state.PauseTiming();
        page->ClearAllCells();
        state.ResumeTiming();
        benchmark::DoNotOptimize(FillPageWith(*page, editor, chosen));
    }
}
BENCHMARK(BM_FillAMonth)->Arg(100)->Unit(benchmark::kMillisecond);

// The same through the main window, as the fill command puts each text: with
// a cell open in the editor, which is saved and opened again around each put.
void BM_FillThroughTheWindow(benchmark::State& state)
{
    QTemporaryDir folder;
    SetProgramFolderForTesting(folder.path());
    TCalendarMain window;
    TCalendarPanel32& page = *window.CalendarPanel();
    page.SetMainCalYear(1997);
    page.SetMainCalMonth(3);
    page.DrawPage();
    for (auto _ : state) {
        state.PauseTiming();
        window.DoSaveRichtext();
        page.ClearAllCells();
        page.DrawPage();
        page.ActivateCell(FindCellByDate(page, QDate(1997, 3, 5)));
        state.ResumeTiming();
        for (int i = 0; i < state.range(0); ++i)
            window.PuttextOnDate(QDate(1997, 3, 1 + i % 31), QStringLiteral("Entry %1").arg(i));
    }
    SetProgramFolderForTesting(QString());
}
BENCHMARK(BM_FillThroughTheWindow)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
