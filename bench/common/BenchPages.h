#pragma once
// Calendar pages the paint and print benchmarks measure. The pages are never
// destroyed: a page's destructor empties the program folder's object clipboard.
#include "page/CalendarTypes.h"

class TCalendarPanel32;

// A new calendar for March 1997 in a layout, as the properties dialog sets it.
TCalendarPanel32* NewBenchPage(TCalendarLayout layout);

// A month grid whose 42 cells hold a few lines of mixed-font rich text.
TCalendarPanel32* MonthWithCellTexts();
