#include "page/GridGeometry.h"

#include "page/CalendarDates.h"
#include "platform/Rounding.h"

#include <cstdlib>

int FirstDayColumn(int month, int year, int startOfWeek)
{
    const int d = DayOfWeek(year, month, 1);
    if (startOfWeek == 1)
        return d;
    return d == 1 ? 7 : d - 1;
}

int HeaderDayOfColumn(int column, int startOfWeek)
{
    if (startOfWeek == 1)
        return column + 1;
    return (column + 1) % 7 + 1;
}

MonthGridGeometry ComputeMonthGrid(const MonthGridInput& in)
{
    MonthGridGeometry g;
    const PixelRect& P = in.Rect;
    const PixelRect Q{P.left, P.top, P.right - 1, P.bottom - 1};
    g.Q = Q;

    const int titleTop = Q.top + 1;
    const int titleBottom = titleTop + roundHalfEven((Q.bottom - Q.top) * 0.17);
    g.TitleRect = {Q.left, titleTop, Q.right, titleBottom};
    g.TitleBand = g.TitleRect;
    if (titleBottom - titleTop < in.MinTitleHeight)
        g.TitleBand.bottom = titleTop + in.MinTitleHeight;

    const int cw = (Q.right - Q.left) / 7;
    g.ColumnWidth = cw;

    const int headersTop = g.TitleBand.bottom + 1;
    const int headersBottom = headersTop
        + (in.HeaderRowHeight >= 0 ? in.HeaderRowHeight : roundHalfEven(std::abs(in.HeadersFontPixelHeight) * 1.5));
    g.HeadersRect = {Q.left, headersTop, Q.right, headersBottom};
    for (int c = 0; c < 7; ++c) {
        const int left = Q.left + c * cw + 1;
        g.HeaderCells[c] = {left, headersTop, left + cw - 2, headersBottom};
        g.HeaderDays[c] = HeaderDayOfColumn(c, in.StartOfWeek);
    }

    g.DayAreaTop = headersBottom;
    const int rh = (Q.bottom - headersBottom) / 6;
    g.RowHeight = rh;

    const int p = FirstDayColumn(in.Month, in.Year, in.StartOfWeek);
    g.FirstColumn = p;
    g.DaysInMonth = DaysInMonth(in.Month, in.Year);

    const bool upperRight = in.NumberPosition == cnpUpperRight;
    for (int w = 0; w < 6; ++w) {
        for (int c = 0; c < 7; ++c) {
            DayCellInfo& cell = g.Cells[7 * w + c];
            const int top = headersBottom + w * rh + 1;
            const int left = Q.left + c * cw + 1;
            cell.CellRect = {left, top, left + cw - 2, top + rh - 2};
            if (upperRight) {
                cell.CellRect.left += 4;
                cell.CellRect.right -= 5;
            }
            const int n = 7 * w + c - p + 2;
            cell.DayNumber = (n >= 1 && n <= g.DaysInMonth) ? n : 0;
            if (upperRight) {
                cell.TextRect = cell.CellRect;
                cell.TextRect.top += in.CellDigitTextHeight;
            }
        }
    }
    return g;
}
