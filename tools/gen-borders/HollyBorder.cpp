// Holly: sprigs of spiky leaves with red berries along a red ribbon.
#include "BorderCanvas.h"
#include "BorderDesigns.h"
#include "BorderShapes.h"

namespace {

const QColor LeafDark(22, 98, 46);
const QColor LeafLight(66, 150, 72);
const QColor Berry(196, 24, 32);
const QColor Ribbon(178, 30, 40);

void leaf(TBorderCanvas& c, QPointF base, double angle, double length)
{
    c.Outline(TBorderCanvas::Placed(HollyLeafPolygon(length, length * 0.42, 3), base, angle), LeafLight, LeafDark, 0.012);
    c.Line(TBorderCanvas::Placed(QPolygonF({{0, -0.01}, {0, -length * 0.9}}), base, angle), LeafDark, 0.01);
}

void berries(TBorderCanvas& c, QPointF centre, double angle, int count)
{
    const double r = 0.038;
    for (int i = 0; i < count; ++i) {
        const QPointF offset = TBorderCanvas::Placed(QPolygonF({{(i - (count - 1) / 2.0) * 0.055, (i % 2) * -0.03}}),
                                                     QPointF(), angle).first();
        const QPointF p = centre + offset;
        c.Ellipse(QRectF(p - QPointF(r, r), QSizeF(2 * r, 2 * r)), Berry, QColor(120, 10, 16), 0.008);
        c.Ellipse(QRectF(p - QPointF(r * 0.55, r * 0.6), QSizeF(r * 0.45, r * 0.45)), QColor(255, 220, 220));
    }
}

} // namespace

void DrawHollyBorder(TBorderCanvas& c)
{
    // A ribbon at the inner edge and a thin one at the outer.
    c.Ring(0.405, 0.43, Ribbon);
    c.Ring(0.03, 0.045, Ribbon);
    c.AlongEdges(0.66, [&](QPointF at, double angle) {
        // Two leaves leaning along the edge, berries where they meet.
        const QPointF stem = at + TBorderCanvas::Placed(QPolygonF({{0, 0.07}}), QPointF(), angle).first();
        leaf(c, stem, angle - 74, 0.34);
        leaf(c, stem, angle + 74, 0.34);
        berries(c, at + TBorderCanvas::Placed(QPolygonF({{0, 0.04}}), QPointF(), angle).first(), angle, 3);
    });
    const double m = 0.225;
    const QPointF corners[] = {{m, m}, {c.Width() - m, m}, {c.Width() - m, c.Height() - m}, {m, c.Height() - m}};
    for (int k = 0; k < 4; ++k) {
        // Leaves along both edges away from the corner, one into it.
        const double towardsCorner = -45 + 90 * k;
        leaf(c, corners[k], 90 + 90 * k, 0.3);
        leaf(c, corners[k], 180 + 90 * k, 0.3);
        leaf(c, corners[k], towardsCorner, 0.2);
        berries(c, corners[k], towardsCorner + 90, 3);
    }
}
