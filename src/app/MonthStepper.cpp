#include "app/MonthStepper.h"

#include <QDate>

#include "page/CalendarPanel32.h"

TMonthStepper::TMonthStepper(TCalendarPanel32& page)
    : page_(page), day_(page.MainCalDay()), month_(page.MainCalMonth()), year_(page.MainCalYear())
{
    for (int i = 1; i <= DayCellCount; ++i)
        cellTexts_[i - 1] = page_.CellTextSlot(i);
}

TMonthStepper::~TMonthStepper()
{
    Show(0);
}

void TMonthStepper::Advance(int& month, int& year, int offset)
{
    const int index = year * 12 + (month - 1) + offset;
    // Floor division: months before January of year 0 stay ordered.
    year = index >= 0 ? index / 12 : -((-index + 11) / 12);
    month = index - year * 12 + 1;
}

void TMonthStepper::Show(int offset)
{
    if (offset == shown_)
        return;
    int month = month_;
    int year = year_;
    Advance(month, year, offset);
    // A day the month does not have (the 31st in June) becomes its last day.
    const int days = QDate(year, month, 1).isValid() ? QDate(year, month, 1).daysInMonth() : 28;
    // Every step on the way is a real date: the day first goes where every
    // month has it.
    page_.SetMainCalDay(qMin(page_.MainCalDay(), 28));
    page_.SetMainCalYear(year);
    page_.SetMainCalMonth(month);
    page_.SetMainCalDay(offset == 0 ? day_ : qMin(day_, days));
    for (int i = 1; i <= DayCellCount; ++i)
        page_.CellTextSlot(i) = offset == 0 ? cellTexts_[i - 1] : page_.EmptyCellText();
    shown_ = offset;
}
