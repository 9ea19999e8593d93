#include "page/GridLayout.h"

#include "page/GridFontMetrics.h"

namespace {
PlannerGeometry plannerGeometry(CalDrawParams& params, int rowCount, int dpi)
{
    PlannerInput input;
    input.Rect = params.Rect;
    input.RowCount = rowCount;
    input.TitleTextHeight = MeasureGridFonts(params, dpi).PlannerTitleTextHeight;
    return ComputePlannerGeometry(input);
}
} // namespace

void StorePlannerCells(CalDrawParams& params, const PlannerLayout& layout)
{
    params.ClearCells();
    params.TitleRect = layout.Geometry.TitleRect;
    params.HeadersRect = PixelRect{};
    const int rows = qMin(int(layout.Geometry.Rows.size()), DayCellCount);
    for (int r = 0; r < rows; ++r) {
        DayCellInfo& cell = params.Cells[r];
        cell.CellRect = layout.Geometry.Rows[r].Cell;
        cell.TextRect = cell.CellRect;
        cell.DayNumber = layout.Labels.DayNumbers.value(r);
    }
}

MonthGridLayout LayOutMonthGrid(CalDrawParams& params, const QString& userTitle, int dpi)
{
    const GridFontHeights heights = MeasureGridFonts(params, dpi);
    MonthGridInput input;
    input.Rect = params.Rect;
    input.MinTitleHeight = params.MinTitleHeight;
    input.Month = params.Month;
    input.Year = params.Year;
    input.StartOfWeek = params.StartOfWeek;
    input.NumberPosition = params.NumberPosition;
    input.HeadersFontPixelHeight = heights.HeadersPixelHeight;
    input.CellDigitTextHeight = heights.CellDigitTextHeight;

    MonthGridLayout layout;
    layout.Geometry = ComputeMonthGrid(input);
    layout.Title = userTitle.isEmpty()
        ? GeneratedMonthTitle(params.MonthNames, params.Month, params.Year, params.ShowYear)
        : userTitle;
    for (int day : layout.Geometry.HeaderDays)
        layout.HeaderTexts.append(ShortenDayName(params.DayName(day), params.HeadersStyle));

    params.Cells = layout.Geometry.Cells;
    params.TitleRect = layout.Geometry.TitleRect;
    params.HeadersRect = layout.Geometry.HeadersRect;
    return layout;
}

PlannerLayout LayOutWeekPlanner(CalDrawParams& params, const QString& userTitle, int dpi)
{
    const int rows = qBound(1, params.PlannerDayCount, DayCellCount - 1);
    const QDate start = PlannerStartDate(params.Year, params.Month, params.Day);
    PlannerLayout layout;
    layout.Geometry = plannerGeometry(params, rows, dpi);
    layout.Labels = WeekPlannerLabels(start, rows, params.MonthNames, params.DayNames, params.HeadersStyle);
    layout.Title = userTitle.isEmpty() ? WeekPlannerTitle(start, rows, params.MonthNames) : userTitle;
    StorePlannerCells(params, layout);
    return layout;
}

PlannerLayout LayOutDayPlanner(CalDrawParams& params, const QString& userTitle, int dpi)
{
    const int rows = qBound(1, params.PlannerHourCount, DayCellCount - 1);
    const QDate date = PlannerStartDate(params.Year, params.Month, params.Day);
    PlannerLayout layout;
    layout.Geometry = plannerGeometry(params, rows, dpi);
    layout.Labels = DayPlannerLabels(params.PlannerStartTime, rows);
    layout.Title = userTitle.isEmpty() ? DayPlannerTitle(date, params.MonthNames, params.DayNames) : userTitle;
    StorePlannerCells(params, layout);
    return layout;
}
