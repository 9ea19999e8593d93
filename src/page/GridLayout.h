#pragma once
// Lays out what a drawing routine draws from a filled CalDrawParams: the
// geometry, the texts, and the cell records written back into the params.
// Every one of them resets all 42 cell records first, so that no cell keeps a
// click target from an earlier, different drawing.
#include <QStringList>

#include "page/GridGeometry.h"
#include "page/CalendarTitles.h"
#include "page/PlannerGeometry.h"
#include "persist/Font.h"

struct MonthGridLayout {
    MonthGridGeometry Geometry;
    QString Title;               // the user title, or the generated month title
    QStringList HeaderTexts;     // seven shortened day names, in column order
};

struct PlannerLayout {
    PlannerGeometry Geometry;
    PlannerLabels Labels;
    QString Title;
};

// dpi: the resolution the fonts are drawn at.
MonthGridLayout LayOutMonthGrid(CalDrawParams& params, const QString& userTitle,
                                int dpi = TFont::PixelsPerInch);
// Rows: params.PlannerDayCount; start date from the params' date.
PlannerLayout LayOutWeekPlanner(CalDrawParams& params, const QString& userTitle,
                                int dpi = TFont::PixelsPerInch);
// Rows: params.PlannerHourCount, from params.PlannerStartTime.
PlannerLayout LayOutDayPlanner(CalDrawParams& params, const QString& userTitle,
                               int dpi = TFont::PixelsPerInch);

// Writes a planner's rows back as the page's cell records (one per row, the
// writing area as both cell and text rectangle); no header row.
void StorePlannerCells(CalDrawParams& params, const PlannerLayout& layout);
