#include "recurring/RecurringFill.h"

#include "page/CalendarPanel32.h"
#include "page/CellDates.h"
#include "recurring/RecurringEvaluation.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"
#include "richtext/WPRtfText.h"

QStringList FillCandidates(const QStringList& lines, const QList<MonthYear>& months)
{
    QStringList candidates;
    for (const QString& line : lines) {
        for (const MonthYear& month : months) {
            if (EntryApplies(line, month.year, month.month)) {
                candidates.append(line);
                break;
            }
        }
    }
    return candidates;
}

QList<DatedText> FillPlacements(const QStringList& chosen, const QList<MonthYear>& months)
{
    QList<DatedText> placements;
    for (const QString& line : chosen) {
        const QString text = EntryPutText(line);
        for (const MonthYear& month : months) {
            for (int day : EntryDays(line, month.year, month.month)) {
                const QDate date(month.year, month.month, day);
                if (date.isValid())
                    placements.append({date, text});
            }
        }
    }
    return placements;
}

void AppendParagraphToCell(TCalendarPanel32& page, int cell, TWPRichText& editor, const QString& text)
{
    TWPRtfStorage* storage = cell >= 1 && cell <= DayCellCount ? page.CellTexts(cell) : nullptr;
    if (!storage)
        return;
    editor.LoadFromStorage(*storage);
    editor.AppendParagraph(text);
    TWPRtfText result;
    editor.GetRtfText(result);
    page.SetCellText(cell, result);
}

int FillPageWith(TCalendarPanel32& page, TWPRichText& editor, const QStringList& chosen)
{
    int put = 0;
    for (const DatedText& placement : FillPlacements(chosen, MonthsShownByCells(page))) {
        const int cell = FindCellByDate(page, placement.date);
        if (cell < 1)
            continue;
        AppendParagraphToCell(page, cell, editor, placement.text);
        ++put;
    }
    return put;
}
