// Stars: a night-blue band shading towards the page, gold stars of two
// sizes, twinkling dots and a crescent moon in the top-left corner.
#include "BorderCanvas.h"
#include "BorderDesigns.h"
#include "BorderShapes.h"

#include <QLineF>
#include <cmath>
#include <vector>

namespace {

const QColor Night(10, 18, 62);
const QColor Dusk(52, 86, 168);
const QColor Gold(246, 200, 64);
const QColor Pale(255, 244, 200);

void star(TBorderCanvas& c, QPointF at, double radius, double turn)
{
    c.Outline(TBorderCanvas::Placed(StarPolygon(radius, radius * 0.42, 5, turn), at, 0), Gold, QColor(190, 130, 20),
              0.008);
}

// The part of a disc of radius r that a disc of radius r moved by `bite`
// does not cover: the outer arc, then the inner arc back.
QPolygonF crescent(double r, QPointF bite)
{
    const int steps = 90;
    auto arc = [&](QPointF centre, QPointF other, bool outside) {
        QPolygonF points;
        int first = 0;
        std::vector<bool> keep(steps);
        for (int i = 0; i < steps; ++i) {
            const double a = 2 * M_PI * i / steps;
            const QPointF p = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
            keep[size_t(i)] = (QLineF(p, other).length() > r) == outside;
        }
        for (int i = 0; i < steps; ++i)
            if (keep[size_t(i)] && !keep[size_t((i + steps - 1) % steps)])
                first = i;
        for (int k = 0; k < steps; ++k) {
            const int i = (first + k) % steps;
            if (!keep[size_t(i)])
                break;
            const double a = 2 * M_PI * i / steps;
            points << centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        }
        return points;
    };
    QPolygonF shape = arc(QPointF(), bite, true);
    QPolygonF inner = arc(bite, QPointF(), false);
    std::reverse(inner.begin(), inner.end());
    return shape << inner;
}

} // namespace

void DrawStarsBorder(TBorderCanvas& c)
{
    // Shading in bands: each ring starts further in and is lighter.
    const int bands = 14;
    for (int i = 0; i < bands; ++i)
        c.Ring(0.43 * i / bands, 0.43, Mix(Night, Dusk, double(i) / (bands - 1)));
    c.Ring(0.43, 0.445, Gold);

    TJitter jitter(7);
    bool big = true;
    c.AlongEdges(0.36, [&](QPointF at, double angle) {
        const QPointF shift = TBorderCanvas::Placed(QPolygonF({{0, jitter.next(-0.04, 0.04)}}), QPointF(), angle).first();
        star(c, at + shift, big ? 0.13 : 0.075, jitter.next(-15, 15));
        big = !big;
    });
    // Small dots between the stars.
    c.AlongEdges(0.18, [&](QPointF at, double angle) {
        const QPointF offset =
            TBorderCanvas::Placed(QPolygonF({{0.09, jitter.next(-0.13, 0.13)}}), QPointF(), angle).first();
        const double r = jitter.next(0.008, 0.018);
        c.Ellipse(QRectF(at + offset - QPointF(r, r), QSizeF(2 * r, 2 * r)), Pale);
    });
    // Corners: a crescent moon top left, big stars elsewhere.
    const double m = 0.215;
    c.Outline(TBorderCanvas::Placed(crescent(0.16, QPointF(0.09, -0.07)), {m, m}, 0), Pale, Gold, 0.008);
    star(c, {c.Width() - m, m}, 0.17, 0);
    star(c, {c.Width() - m, c.Height() - m}, 0.17, 10);
    star(c, {m, c.Height() - m}, 0.17, -10);
}
