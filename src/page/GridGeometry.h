#pragma once
// Geometry inside one month grid (the main calendar or a mini calendar):
// title band, weekday header row and the 6 x 7 day cells, in the zoomed
// pixels the grid is drawn in. Pure: the font heights it needs come in as
// numbers (GridFontMetrics measures them).
#include <array>

#include "page/CalDrawParams.h"

struct MonthGridInput {
    PixelRect Rect;              // P: where the grid is drawn
    int MinTitleHeight = 0;      // the main grid's 1.5 inch at the zoom; 0 for minis
    int Month = 1;
    int Year = 1997;
    int StartOfWeek = 1;         // 1: Sunday first; anything else: Monday first
    TCalendarNumberPosition NumberPosition = cnpUpperRight;
    // Character height of the headers font in pixels (its size at the
    // drawing resolution); the header row is 1.5 times this.
    int HeadersFontPixelHeight = 0;
    // When not negative, the header row's height as it is (printing measures
    // the row from the font's line height instead).
    int HeaderRowHeight = -1;
    // Line height of "9" in the cell font: how far cell text starts below an
    // upper-right day number.
    int CellDigitTextHeight = 0;
};

struct MonthGridGeometry {
    PixelRect Q;                 // P less one pixel at the right and bottom
    PixelRect TitleRect;         // the 17 % band (hit tests use it)
    PixelRect TitleBand;         // the band filled and titled, at least the minimum high
    int ColumnWidth = 0;
    PixelRect HeadersRect;
    std::array<PixelRect, 7> HeaderCells{};
    std::array<int, 7> HeaderDays{};   // day name index (1 = Sunday) of each column
    int DayAreaTop = 0;
    int RowHeight = 0;
    int FirstColumn = 0;         // 1-based column of the 1st of the month
    int DaysInMonth = 0;
    std::array<DayCellInfo, DayCellCount> Cells{};  // [0] = cell 1

    const DayCellInfo& Cell(int index) const { return Cells[index - 1]; }
};

MonthGridGeometry ComputeMonthGrid(const MonthGridInput& input);

// 1-based column of the first of the month for a week start (1: Sunday).
int FirstDayColumn(int month, int year, int startOfWeek);
// Day name index (1 = Sunday) shown in header column c (0..6).
int HeaderDayOfColumn(int column, int startOfWeek);
