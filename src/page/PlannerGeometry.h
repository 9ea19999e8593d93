#pragma once
// Geometry of the week and day planners: a title line, then N day or hour
// rows and a Notes row, each with a two-line label at the left and a writing
// area (the day cell) at the right. Pure, like the month grid.
#include <QList>

#include "page/CalDrawParams.h"

struct PlannerInput {
    PixelRect Rect;          // P: the zoomed MainCalRect
    int RowCount = 7;        // N, without the Notes row
    // Line height of "Weekly Planner" in the title font.
    int TitleTextHeight = 0;
};

struct PlannerRowGeometry {
    PixelRect UpperLabel;
    PixelRect LowerLabel;
    PixelRect Cell;          // cell rectangle and text rectangle alike
};

struct PlannerGeometry {
    PixelRect Q;
    PixelRect TitleRect;
    PixelRect Body;
    int RowHeight = 0;
    int LabelRight = 0;      // lr: right edge of the label column
    PixelRect LabelArea;     // the filled label column
    QList<PlannerRowGeometry> Rows;  // N + 1, the Notes row last
};

PlannerGeometry ComputePlannerGeometry(const PlannerInput& input);
