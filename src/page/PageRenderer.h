#pragma once
// The screen drawing routines of the calendar page: a month grid (the main
// calendar or a mini calendar), the week and day planners, and the border
// lines, drawn in zoomed pixels onto the page's off-screen bitmap. Each
// routine lays out from the filled parameter record and writes the day-cell
// records back into it.
//
// Lines follow the desktop canvas: black, one pixel, and a line stops one
// pixel before its end point.
#include <QString>

#include "page/CalDrawParams.h"
#include "page/GridLayout.h"

class QPainter;

class TPageRenderer {
public:
    // One month grid; the main calendar passes the user title, minis none.
    static void DrawMonthGrid(QPainter& canvas, CalDrawParams& params, const QString& userTitle);
    static void DrawWeekPlanner(QPainter& canvas, CalDrawParams& params, const QString& userTitle);
    static void DrawDayPlanner(QPainter& canvas, CalDrawParams& params, const QString& userTitle);
    // The planner frame, title, row labels and row lines of a laid-out planner.
    static void DrawPlannerRows(QPainter& canvas, const CalDrawParams& params, const PlannerLayout& layout);
    // cbAll: the closed outline through the four corners; cbTop, cbBottom:
    // the top or bottom edge; cbTopBottom both; cbNone nothing.
    static void DrawBorder(QPainter& canvas, const PixelRect& rect, TCalBorderStyle style);

    // A line from (x1, y1) towards (x2, y2) without the end point, in the
    // painter's current pen colour; horizontal and vertical lines only.
    static void LineTo(QPainter& canvas, int x1, int y1, int x2, int y2);
    // Fills left..right-1, top..bottom-1.
    static void FillRect(QPainter& canvas, const PixelRect& rect, TColor color);
};
