#pragma once
// Motif outlines for the border designs, in inches around the origin with
// "up" pointing to negative y, and a repeatable source of small jitter.
#include <QColor>
#include <QPolygonF>

QPolygonF CirclePolygon(double radius, int points = 24);
QPolygonF StarPolygon(double outerRadius, double innerRadius, int spikes, double turnDegrees = 0);
// A pointed leaf from the origin up to (0, -length).
QPolygonF LeafPolygon(double length, double width);
// A holly leaf from the origin up to (0, -length) with spiky edges.
QPolygonF HollyLeafPolygon(double length, double width, int spikesPerSide);
// An ellipse turned by the angle (metafile ellipses cannot turn).
QPolygonF TurnedEllipse(double rx, double ry, double turnDegrees, int points = 28);

QColor Mix(QColor a, QColor b, double t);

// Deterministic pseudo-random numbers, so every build draws the same border.
class TJitter {
public:
    explicit TJitter(quint32 seed) : state_(seed) {}
    double next(double low, double high);

private:
    quint32 state_;
};
