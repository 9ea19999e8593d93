#include "IconArt.h"

#include <QFont>
#include <QPainterPath>
#include <cmath>

namespace art {

void Shape(QPainter& p, const QPainterPath& path, QColor fill, qreal outline)
{
    p.setBrush(fill);
    if (outline > 0)
        p.setPen(QPen(fill.darker(220), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(path);
}

void Ellipse(QPainter& p, const QRectF& box, QColor fill, qreal outline)
{
    QPainterPath path;
    path.addEllipse(box);
    Shape(p, path, fill, outline);
}

void Rect(QPainter& p, const QRectF& box, QColor fill, qreal outline, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    Shape(p, path, fill, outline);
}

void Polygon(QPainter& p, const QList<QPointF>& points, QColor fill, qreal outline)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    Shape(p, path, fill, outline);
}

void Line(QPainter& p, QPointF from, QPointF to, QColor colour, qreal width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

void Glyph(QPainter& p, const QString& text, QColor fill, qreal size, QPointF offset)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(size));
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    const qreal scale = std::min(28.0 / box.width(), 28.0 / box.height());
    QTransform t;
    t.translate(16 + offset.x(), 16 + offset.y());
    const qreal s = scale * size / 28.0;
    t.scale(s, s);
    t.translate(-box.center().x(), -box.center().y());
    Shape(p, t.map(path), fill, 1.0);
}

QPainterPath Star(QPointF c, qreal outer, qreal inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal r = i % 2 ? inner : outer;
        const qreal a = -M_PI / 2 + i * M_PI / points;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Heart(const QRectF& b)
{
    QPainterPath path;
    const qreal w = b.width();
    const qreal h = b.height();
    path.moveTo(b.left() + w / 2, b.top() + h);
    path.cubicTo(b.left() - w * 0.1, b.top() + h * 0.55, b.left() + w * 0.05, b.top() - h * 0.1,
                 b.left() + w / 2, b.top() + h * 0.25);
    path.cubicTo(b.left() + w * 0.95, b.top() - h * 0.1, b.left() + w * 1.1, b.top() + h * 0.55,
                 b.left() + w / 2, b.top() + h);
    return path;
}

} // namespace art

const QList<IconSet>& IconSets()
{
    static const QList<IconSet> sets = {
        {QStringLiteral("activity.icl"), ActivityIcons()},
        {QStringLiteral("events.icl"), EventIcons()},
        {QStringLiteral("holiday.icl"), HolidayIcons()},
        {QStringLiteral("misc1.icl"), MiscIcons1()},
        {QStringLiteral("misc2.icl"), MiscIcons2()},
    };
    return sets;
}
