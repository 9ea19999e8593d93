#pragma once
// The pictures of the shipped icon libraries, drawn in code on a 32 x 32
// canvas (scaled down for the 16 x 16 images).
#include <QColor>
#include <QPainterPath>
#include <cmath>
#include <QList>
#include <QPainter>
#include <QString>
#include <functional>

using IconDrawing = std::function<void(QPainter&)>;

struct IconSet {
    QString fileName;  // e.g. "holiday.icl"
    QList<IconDrawing> icons;
};

const QList<IconSet>& IconSets();

// Shared strokes of the drawings.
namespace art {
// Fills a shape with `fill` and outlines it in a darker shade of it.
void Shape(QPainter& p, const QPainterPath& path, QColor fill, qreal outline = 1.2);
void Ellipse(QPainter& p, const QRectF& box, QColor fill, qreal outline = 1.2);
void Rect(QPainter& p, const QRectF& box, QColor fill, qreal outline = 1.2, qreal radius = 0);
void Polygon(QPainter& p, const QList<QPointF>& points, QColor fill, qreal outline = 1.2);
void Line(QPainter& p, QPointF from, QPointF to, QColor colour, qreal width);
// A symbol of the DejaVu Sans font, filling the canvas, outlined.
void Glyph(QPainter& p, const QString& text, QColor fill, qreal size = 28, QPointF offset = {});
// A five-pointed star centred at `c`.
QPainterPath Star(QPointF c, qreal outer, qreal inner, int points = 5);
QPainterPath Heart(const QRectF& box);
} // namespace art

QList<IconDrawing> ActivityIcons();
QList<IconDrawing> EventIcons();
QList<IconDrawing> HolidayIcons();
QList<IconDrawing> MiscIcons1();
QList<IconDrawing> MiscIcons2();
