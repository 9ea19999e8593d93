// Classic: navy double rule with a gold line between, rosettes in the
// corners and small gold diamonds along the edges.
#include "BorderCanvas.h"
#include "BorderDesigns.h"
#include "BorderShapes.h"

namespace {

const QColor Navy(24, 40, 92);
const QColor Gold(201, 160, 58);
const QColor Cream(250, 244, 226);

void frame(TBorderCanvas& c, double inset, QColor colour, double width)
{
    c.Line(QPolygonF({{inset, inset}, {c.Width() - inset, inset}, {c.Width() - inset, c.Height() - inset},
                      {inset, c.Height() - inset}, {inset, inset}}),
           colour, width, false);
}

void rosette(TBorderCanvas& c, QPointF centre)
{
    // On a navy-edged cream tile: eight petals, a disc and a navy diamond.
    c.Rect(QRectF(centre - QPointF(0.155, 0.155), QSizeF(0.31, 0.31)), Cream, Navy, 0.02);
    for (int i = 0; i < 4; ++i)
        c.Outline(TBorderCanvas::Placed(LeafPolygon(0.15, 0.09), centre, 90 * i), Navy, Navy, 0.01);
    for (int i = 0; i < 4; ++i)
        c.Outline(TBorderCanvas::Placed(LeafPolygon(0.19, 0.11), centre, 45 + 90 * i), Gold, Navy, 0.012);
    c.Ellipse(QRectF(centre - QPointF(0.085, 0.085), QSizeF(0.17, 0.17)), Cream, Navy, 0.018);
    c.Fill(TBorderCanvas::Placed(QPolygonF({{0, -0.06}, {0.06, 0}, {0, 0.06}, {-0.06, 0}}), centre, 0), Navy);
    c.Ellipse(QRectF(centre - QPointF(0.018, 0.018), QSizeF(0.036, 0.036)), Gold);
}

} // namespace

void DrawClassicBorder(TBorderCanvas& c)
{
    c.Ring(0.07, 0.40, Cream);
    frame(c, 0.07, Navy, 0.055);
    frame(c, 0.135, Gold, 0.02);
    frame(c, 0.40, Navy, 0.02);
    c.AlongEdges(0.42, [&](QPointF at, double angle) {
        c.Outline(TBorderCanvas::Placed(QPolygonF({{0, -0.085}, {0.05, 0}, {0, 0.085}, {-0.05, 0}}), at + QPointF(), angle),
                  Gold, Navy, 0.01);
    });
    c.AlongEdges(0.42, [&](QPointF at, double angle) {
        // Dots halfway between the diamonds.
        const QPointF along = TBorderCanvas::Placed(QPolygonF({{0.21, 0.045}}), QPointF(), angle).first();
        const QPointF dot = at + along;
        c.Ellipse(QRectF(dot - QPointF(0.02, 0.02), QSizeF(0.04, 0.04)), Navy);
    });
    for (const QPointF corner : {QPointF(0.225, 0.225), QPointF(c.Width() - 0.225, 0.225),
                                 QPointF(c.Width() - 0.225, c.Height() - 0.225), QPointF(0.225, c.Height() - 0.225)})
        rosette(c, corner);
}
