#include "page/PlannerGeometry.h"

#include "platform/Rounding.h"

PlannerGeometry ComputePlannerGeometry(const PlannerInput& in)
{
    PlannerGeometry g;
    const PixelRect& P = in.Rect;
    const PixelRect Q{P.left, P.top, P.right - 1, P.bottom - 1};
    g.Q = Q;
    g.TitleRect = {Q.left + 5, Q.top + 1, Q.right - 5, Q.top + 1 + in.TitleTextHeight};

    const PixelRect body{Q.left, g.TitleRect.bottom + 1, Q.right, Q.bottom};
    g.Body = body;
    const int rows = qMax(1, in.RowCount + 1);
    const int rh = (body.bottom - body.top) / rows;
    g.RowHeight = rh;
    const int lr = body.left + roundHalfEven((body.right - body.left) * 0.15);
    g.LabelRight = lr;
    g.LabelArea = {body.left + 1, body.top + 1, lr, body.bottom - 1};

    const int half = rh / 2;
    for (int r = 0; r < rows; ++r) {
        PlannerRowGeometry row;
        const int rowTop = body.top + r * rh;
        row.UpperLabel = {body.left + 1, rowTop + 1, lr, rowTop + 1 + half};
        row.LowerLabel = {body.left + 1, row.UpperLabel.bottom, lr, row.UpperLabel.bottom + half};
        const int bottom = r == rows - 1 ? body.bottom - 4 : body.top + (r + 1) * rh - 4;
        row.Cell = {lr + 4, rowTop + 4, body.right - 4, bottom};
        g.Rows.append(row);
    }
    return g;
}
