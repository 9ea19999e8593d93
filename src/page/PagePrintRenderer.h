#pragma once
// The print variants of the page's drawing routines, on the print engine's
// surface in printer dots. They differ from the screen routines where the
// printed page needs it: a white title band is not filled, header and title
// heights come from the fonts' printed line heights, every day cell gets its
// own border, texts are shortened until they fit, and the upper-right day
// numbers sit 0.05 inch inside the cell.
#include <QString>

#include "page/CalDrawParams.h"

class TReportPrinter;
struct PlannerLayout;

class TPagePrintRenderer {
public:
    static void DrawMonthGrid(TReportPrinter& report, CalDrawParams& params, const QString& userTitle);
    static void DrawWeekPlanner(TReportPrinter& report, CalDrawParams& params, const QString& userTitle);
    static void DrawDayPlanner(TReportPrinter& report, CalDrawParams& params, const QString& userTitle);
    static void DrawPlannerRows(TReportPrinter& report, const CalDrawParams& params, const PlannerLayout& layout);
    static void DrawBorder(TReportPrinter& report, const PixelRect& dots, TCalBorderStyle style);

    // The printed line of a font: its line height and line spacing in dots.
    static int PrintedLineDots(TReportPrinter& report, const CalFontParams& font);
};
