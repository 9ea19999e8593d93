#pragma once
// The rows of the properties dialog's layout list and the page layouts they
// stand for: rows 0..8 are designs with a portrait and a landscape page, rows
// 9..12 the planners, which exist in portrait only.
#include <QString>

#include "page/CalendarTypes.h"

constexpr int LayoutRowCount = 13;

// The list text of a row (some end in a blank, as the list has always shown
// them); empty outside 0..12.
QString LayoutRowText(int row);

// Row and orientation to layout: rows 0..8 give row * 2, plus 1 for
// landscape; rows 9..12 give loWeek..loDay15 whatever the orientation. Rows
// outside the list are clamped into it.
TCalendarLayout LayoutForRow(int row, TCalendarOrientation orientation);

// The reverse, used to show a page's layout in the list: layouts below 18
// give row layout / 2 and orientation layout mod 2; planners give layout - 9
// and portrait.
struct LayoutRow {
    int row = 0;
    TCalendarOrientation orientation = coPortrait;
};
LayoutRow LayoutRowOf(TCalendarLayout layout);
