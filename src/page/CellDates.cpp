#include "page/CellDates.h"

#include "page/CalDrawParams.h"
#include "page/CalendarPanel32.h"
#include "page/CalendarTitles.h"
#include "page/GridGeometry.h"

namespace {
constexpr int MonthGridKind = 0;
constexpr int WeekPlannerKind = 2;
constexpr int TwoWeekPlannerKind = 3;
} // namespace

QDate CellDate(const TCalendarPanel32& page, int index)
{
    if (index < 1 || index > DayCellCount)
        return QDate();
    const int kind = page.LayoutKind();
    const int month = page.MainCalMonth();
    const int year = page.MainCalYear();
    if (kind == MonthGridKind) {
        const int day = index - FirstDayColumn(month, year, page.StartOfWeek()) + 1;
        return day >= 1 && day <= DaysInMonth(month, year) ? QDate(year, month, day) : QDate();
    }
    if (kind == WeekPlannerKind || kind == TwoWeekPlannerKind) {
        const int rows = qBound(1, PlannerRowCount(page.CalendarLayout()), DayCellCount - 1);
        // The start day is taken within its month, as the planner draws it:
        // a date set field by field may pass through 31 February.
        return index <= rows ? PlannerStartDate(year, month, page.MainCalDay()).addDays(index - 1) : QDate();
    }
    return QDate();
}

int FindCellByDate(const TCalendarPanel32& page, const QDate& date)
{
    if (!date.isValid())
        return -1;
    for (int i = 1; i <= DayCellCount; ++i)
        if (CellDate(page, i) == date)
            return i;
    return -1;
}

QList<MonthYear> MonthsShownByCells(const TCalendarPanel32& page)
{
    QList<MonthYear> months;
    for (int i = 1; i <= DayCellCount; ++i) {
        const QDate date = CellDate(page, i);
        if (!date.isValid())
            continue;
        const MonthYear month{date.month(), date.year()};
        if (!months.contains(month))
            months.append(month);
    }
    return months;
}
