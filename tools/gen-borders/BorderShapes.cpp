#include "BorderShapes.h"

#include <QTransform>
#include <cmath>

QPolygonF CirclePolygon(double radius, int points)
{
    return TurnedEllipse(radius, radius, 0, points);
}

QPolygonF StarPolygon(double outerRadius, double innerRadius, int spikes, double turnDegrees)
{
    QPolygonF star;
    for (int i = 0; i < 2 * spikes; ++i) {
        const double a = (turnDegrees - 90 + i * 180.0 / spikes) * M_PI / 180.0;
        const double r = (i % 2) ? innerRadius : outerRadius;
        star << QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    return star;
}

QPolygonF LeafPolygon(double length, double width)
{
    // Two circular arcs meeting in points at both ends.
    QPolygonF leaf;
    const int steps = 12;
    for (int side : {1, -1}) {
        for (int i = 0; i <= steps; ++i) {
            const double t = side > 0 ? double(i) / steps : 1.0 - double(i) / steps;
            const double bulge = std::sin(t * M_PI) * width / 2;
            leaf << QPointF(side * bulge, -t * length);
        }
    }
    return leaf;
}

QPolygonF HollyLeafPolygon(double length, double width, int spikesPerSide)
{
    QPolygonF leaf;
    leaf << QPointF(0, 0);
    for (int side : {1, -1}) {
        QPolygonF edge;
        const int steps = spikesPerSide * 2;
        for (int i = 1; i < steps; ++i) {
            const double t = double(i) / steps;
            const double half = std::sin(t * M_PI) * width / 2;
            // Spikes stick out, the bays between them curve in.
            const double r = (i % 2) ? half * 1.25 : half * 0.62;
            edge << QPointF(side * r, -t * length);
        }
        if (side < 0)
            std::reverse(edge.begin(), edge.end());
        if (side > 0) {
            leaf << edge;
            leaf << QPointF(0, -length);
        } else {
            leaf << edge;
        }
    }
    return leaf;
}

QPolygonF TurnedEllipse(double rx, double ry, double turnDegrees, int points)
{
    QPolygonF ellipse;
    for (int i = 0; i < points; ++i) {
        const double a = 2 * M_PI * i / points;
        ellipse << QPointF(std::cos(a) * rx, std::sin(a) * ry);
    }
    return QTransform().rotate(turnDegrees).map(ellipse);
}

QColor Mix(QColor a, QColor b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

double TJitter::next(double low, double high)
{
    state_ = state_ * 1664525u + 1013904223u;
    return low + (high - low) * ((state_ >> 8) / double(1u << 24));
}
