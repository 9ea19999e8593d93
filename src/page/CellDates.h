#pragma once
// The dates the page's day cells show, worked out from the page's settings
// (layout, date, week start) rather than from a drawing: a month grid shows
// the days of its month, a week planner the days from its start date, which
// may run into the next month (or year).
#include <QDate>
#include <QList>

#include "page/CalendarDates.h"

class TCalendarPanel32;

// The date cell `index` (1..42) shows; invalid for a blank cell, the Notes
// row, day-planner rows, mini-only layouts and indices out of range.
QDate CellDate(const TCalendarPanel32& page, int index);
// The cell showing `date`; -1 when none does.
int FindCellByDate(const TCalendarPanel32& page, const QDate& date);
// The months of the dates the cells show, in calendar order, each once.
QList<MonthYear> MonthsShownByCells(const TCalendarPanel32& page);
