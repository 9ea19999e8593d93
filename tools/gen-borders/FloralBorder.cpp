// Floral: a climbing vine along every edge with leaves on its bends and
// five-petalled flowers, and a larger flower in each corner.
#include "BorderCanvas.h"
#include "BorderDesigns.h"
#include "BorderShapes.h"

#include <QLineF>
#include <cmath>

namespace {

const QColor Stem(70, 120, 50);
const QColor Leaf(112, 170, 78);
const QColor LeafEdge(58, 110, 40);
const QColor Petal(236, 128, 164);
const QColor PetalEdge(186, 70, 112);
const QColor Heart(250, 206, 60);
const QColor CornerPetal(150, 104, 196);

void flower(TBorderCanvas& c, QPointF at, double radius, int petals, QColor colour, QColor edge, double turn)
{
    for (int i = 0; i < petals; ++i) {
        const double a = turn + 360.0 * i / petals;
        const QPointF centre = at + TBorderCanvas::Placed(QPolygonF({{0, -radius * 0.55}}), QPointF(), a).first();
        c.Outline(TBorderCanvas::Placed(TurnedEllipse(radius * 0.32, radius * 0.52, 0), centre, a), colour, edge,
                  0.008);
    }
    c.Ellipse(QRectF(at - QPointF(radius * 0.28, radius * 0.28), QSizeF(radius * 0.56, radius * 0.56)), Heart,
              QColor(200, 140, 30), 0.008);
}

void vine(TBorderCanvas& c, QPointF from, QPointF to, double angle)
{
    const double length = QLineF(from, to).length();
    const int waves = std::max(1, int(std::round(length / 0.9)));
    const double wavelength = length / waves;
    const double amplitude = 0.075;
    QTransform frame;
    frame.translate(from.x(), from.y());
    frame.rotate(angle);
    auto point = [&](double t) { return frame.map(QPointF(t, -amplitude * std::sin(2 * M_PI * t / wavelength))); };
    QPolygonF stem;
    for (int i = 0; i <= waves * 40; ++i)
        stem << point(length * i / (waves * 40));
    c.Line(stem, Stem, 0.022);
    for (int k = 0; k < waves; ++k) {
        const double t0 = k * wavelength;
        // Leaves at the crests, leaning away from the stem.
        for (const double quarter : {0.25, 0.75}) {
            const double t = t0 + quarter * wavelength;
            const double side = quarter < 0.5 ? 1 : -1; // crest above or below the middle line
            const QPointF base = point(t);
            const double lean = angle + (side > 0 ? 0 : 180) + (quarter < 0.5 ? 30 : -30);
            c.Outline(TBorderCanvas::Placed(LeafPolygon(0.15, 0.08), base, lean), Leaf, LeafEdge, 0.008);
        }
        if (k > 0)
            flower(c, point(t0), 0.12, 5, Petal, PetalEdge, angle + 18 * k);
    }
}

} // namespace

void DrawFloralBorder(TBorderCanvas& c)
{
    c.Ring(0.425, 0.437, Leaf);
    const double m = 0.225;
    const double w = c.Width();
    const double h = c.Height();
    vine(c, {m, m}, {w - m, m}, 0);
    vine(c, {w - m, m}, {w - m, h - m}, 90);
    vine(c, {w - m, h - m}, {m, h - m}, 180);
    vine(c, {m, h - m}, {m, m}, 270);
    for (const QPointF corner : {QPointF(m, m), QPointF(w - m, m), QPointF(w - m, h - m), QPointF(m, h - m)}) {
        for (int k = 0; k < 4; ++k)
            c.Outline(TBorderCanvas::Placed(LeafPolygon(0.2, 0.09), corner, 45 + 90 * k), Leaf, LeafEdge, 0.008);
        flower(c, corner, 0.2, 6, CornerPetal, QColor(98, 60, 140), 0);
    }
}
