// Art Deco: black and gold rules, sunburst fans in the corners, stepped
// ziggurats in the middle of each edge and rows of bars between.
#include "BorderCanvas.h"
#include "BorderDesigns.h"
#include "BorderShapes.h"

#include <QLineF>

namespace {

const QColor Ink(24, 24, 28);
const QColor Gold(212, 170, 70);
const QColor Ivory(250, 246, 232);

QPolygonF ziggurat()
{
    // Three steps up to a flat top, in local units (up is negative y).
    return QPolygonF({{-0.36, 0.1}, {-0.36, 0.04}, {-0.24, 0.04}, {-0.24, -0.03}, {-0.12, -0.03}, {-0.12, -0.1},
                      {0.12, -0.1}, {0.12, -0.03}, {0.24, -0.03}, {0.24, 0.04}, {0.36, 0.04}, {0.36, 0.1}});
}

void fan(TBorderCanvas& c, QPointF apex, double facing)
{
    // A quarter disc from the apex, in slices of gold and black.
    const double r = 0.38;
    const QRectF disc(apex - QPointF(r, r), QSizeF(2 * r, 2 * r));
    for (int i = 0; i < 9; ++i)
        c.Pie(disc, facing + i * 10, 10, i % 2 ? Ink : Gold);
    const QRectF inner(apex - QPointF(0.13, 0.13), QSizeF(0.26, 0.26));
    c.Pie(inner, facing, 90, Ivory);
    c.Arc(inner, facing, 90, Ink, 0.015);
    c.Arc(disc, facing, 90, Ink, 0.02);
}

} // namespace

void DrawArtDecoBorder(TBorderCanvas& c)
{
    const double w = c.Width();
    const double h = c.Height();
    c.Ring(0.02, 0.43, Ivory);
    c.Ring(0.02, 0.07, Ink);
    c.Ring(0.09, 0.105, Gold);
    c.Ring(0.41, 0.43, Ink);
    // Bars between the rules, skipping the middle of each edge.
    c.AlongEdges(0.09, [&](QPointF at, double angle) {
        const QPointF centreOfEdge =
            (angle == 0) ? QPointF(w / 2, at.y()) : (angle == 180) ? QPointF(w / 2, at.y())
                                                                   : QPointF(at.x(), h / 2);
        if (QLineF(at, centreOfEdge).length() < 0.55)
            return;
        c.Fill(TBorderCanvas::Placed(QPolygonF({{-0.018, -0.09}, {0.018, -0.09}, {0.018, 0.17}, {-0.018, 0.17}}), at,
                                     angle),
               Gold);
    });
    for (const auto& [centre, angle] : {std::pair{QPointF(w / 2, 0.28), 0.0}, std::pair{QPointF(w - 0.28, h / 2), 90.0},
                                        std::pair{QPointF(w / 2, h - 0.28), 180.0}, std::pair{QPointF(0.28, h / 2), 270.0}}) {
        c.Outline(TBorderCanvas::Placed(ziggurat(), centre, angle), Gold, Ink, 0.014);
        c.Fill(TBorderCanvas::Placed(QPolygonF({{0, -0.085}, {0.06, 0.02}, {-0.06, 0.02}}), centre, angle), Ink);
    }
    // Fans open from each page corner towards the page.
    const double a = 0.04;
    fan(c, {a, a}, 270);
    fan(c, {w - a, a}, 180);
    fan(c, {w - a, h - a}, 90);
    fan(c, {a, h - a}, 0);
}
