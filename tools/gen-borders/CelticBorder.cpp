// Celtic: a chain of interlaced rings on parchment, each ring passing over
// its neighbour at one crossing and under it at the other, with knots in the
// corners.
#include "BorderCanvas.h"
#include "BorderDesigns.h"
#include "BorderShapes.h"

#include <QLineF>
#include <cmath>

namespace {

const QColor Parchment(243, 234, 208);
const QColor Edge(30, 72, 44);
const QColor Ribbon(62, 140, 84);
const QColor Light(150, 206, 160);
const double RingRadius = 0.15;

QRectF box(QPointF centre, double r) { return QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)); }

// One stretch of ribbon: dark edges, green body, a light thread in the middle.
void ribbonArc(TBorderCanvas& c, QPointF centre, double start, double sweep)
{
    c.Arc(box(centre, RingRadius), start, sweep, Edge, 0.06);
    c.Arc(box(centre, RingRadius), start, sweep, Ribbon, 0.038);
    c.Arc(box(centre, RingRadius), start, sweep, Light, 0.008);
}

void chain(TBorderCanvas& c, QPointF from, QPointF to, double angle)
{
    const double length = QLineF(from, to).length();
    const int count = std::max(2, int(std::floor(length / 0.21)));
    const double step = length / count;
    QList<QPointF> centres;
    for (int i = 0; i < count; ++i)
        centres << from + (to - from) * ((i + 0.5) / count);
    for (const QPointF& p : centres)
        ribbonArc(c, p, 0, 360);
    // Where ring i meets ring i + 1 on the outer side, ring i goes over.
    const double h = std::sqrt(std::max(0.0, RingRadius * RingRadius - step * step / 4));
    const double crossing = std::atan2(h, step / 2) * 180 / M_PI;
    for (int i = 0; i + 1 < centres.size(); ++i)
        ribbonArc(c, centres[i], crossing - 28 - angle, 56);
}

void knot(TBorderCanvas& c, QPointF centre)
{
    c.Ellipse(box(centre, 0.19), Parchment);
    for (int k = 0; k < 4; ++k) {
        const QPointF lobe = centre + TBorderCanvas::Placed(QPolygonF({{0, -0.07}}), QPointF(), 45 + 90 * k).first();
        c.Arc(box(lobe, 0.075), 0, 360, Edge, 0.045);
        c.Arc(box(lobe, 0.075), 0, 360, Ribbon, 0.026);
    }
    // Re-draw each lobe's start over its neighbour so the four interlace.
    for (int k = 0; k < 4; ++k) {
        const QPointF lobe = centre + TBorderCanvas::Placed(QPolygonF({{0, -0.07}}), QPointF(), 45 + 90 * k).first();
        const double start = -(45 + 90 * k) + 90 + 20;
        c.Arc(box(lobe, 0.075), start, 50, Edge, 0.045);
        c.Arc(box(lobe, 0.075), start, 50, Ribbon, 0.026);
    }
    c.Ellipse(box(centre, 0.03), Edge);
}

} // namespace

void DrawCelticBorder(TBorderCanvas& c)
{
    c.Ring(0.02, 0.43, Parchment);
    c.Ring(0.02, 0.035, Edge);
    c.Ring(0.415, 0.43, Edge);
    const double m = 0.225;
    const double w = c.Width();
    const double h = c.Height();
    chain(c, {m, m}, {w - m, m}, 0);
    chain(c, {w - m, m}, {w - m, h - m}, 90);
    chain(c, {w - m, h - m}, {m, h - m}, 180);
    chain(c, {m, h - m}, {m, m}, 270);
    for (const QPointF corner : {QPointF(m, m), QPointF(w - m, m), QPointF(w - m, h - m), QPointF(m, h - m)})
        knot(c, corner);
}
