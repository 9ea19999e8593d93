#include "BorderCanvas.h"

#include <QLineF>
#include <cmath>

#include "platform/WmfRecords.h"

using namespace wmf;

TBorderCanvas::TBorderCanvas(double widthInches, double heightInches) : width_(widthInches), height_(heightInches)
{
    writer_.SetMapMode(MM_ANISOTROPIC);
    writer_.SetWindowOrg(0, 0);
    writer_.SetWindowExt(u(width_), u(height_));
    writer_.SetBkMode(TRANSPARENT);
    writer_.SetPolyFillMode(WINDING);
}

QPolygon TBorderCanvas::units(const QPolygonF& polygon) const
{
    QPolygon result;
    result.reserve(polygon.size());
    for (const QPointF& p : polygon) {
        const QPoint q(u(p.x()), u(p.y()));
        if (result.isEmpty() || result.last() != q)
            result.append(q);
    }
    return result;
}

void TBorderCanvas::usePen(QColor colour, double width, bool roundEnds)
{
    const int style = !colour.isValid() ? PS_NULL
                      : roundEnds      ? (PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND)
                                       : (PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER);
    const int w = colour.isValid() ? std::max(1, u(width)) : 0;
    if (pen_ >= 0 && style == penStyle_ && w == penWidth_ && (style == PS_NULL || colour == penColour_))
        return;
    const int old = pen_;
    pen_ = writer_.CreatePen(style, w, colour.isValid() ? colour : QColor(Qt::black));
    writer_.SelectObject(pen_);
    if (old >= 0)
        writer_.DeleteObject(old);
    penStyle_ = style;
    penWidth_ = w;
    penColour_ = colour;
}

void TBorderCanvas::useBrush(QColor fill)
{
    if (brush_ >= 0 && fill == brushColour_)
        return;
    const int old = brush_;
    brush_ = fill.isValid() ? writer_.CreateBrush(BS_SOLID, fill) : writer_.CreateBrush(BS_NULL, Qt::black);
    writer_.SelectObject(brush_);
    if (old >= 0)
        writer_.DeleteObject(old);
    brushColour_ = fill;
}

void TBorderCanvas::Fill(const QPolygonF& polygon, QColor fill)
{
    Outline(polygon, fill, QColor(), 0);
}

void TBorderCanvas::Outline(const QPolygonF& polygon, QColor fill, QColor line, double lineWidth)
{
    const QPolygon points = units(polygon);
    if (points.size() < 3)
        return;
    usePen(line, lineWidth, true);
    useBrush(fill);
    writer_.Polygon(points);
}

void TBorderCanvas::Line(const QPolygonF& points, QColor colour, double width, bool roundEnds)
{
    const QPolygon line = units(points);
    if (line.size() < 2)
        return;
    usePen(colour, width, roundEnds);
    writer_.Polyline(line);
}

void TBorderCanvas::Ellipse(const QRectF& box, QColor fill, QColor line, double lineWidth)
{
    usePen(line, lineWidth, true);
    useBrush(fill);
    writer_.Ellipse(u(box.left()), u(box.top()), u(box.right()), u(box.bottom()));
}

void TBorderCanvas::Rect(const QRectF& box, QColor fill, QColor line, double lineWidth)
{
    usePen(line, lineWidth, false);
    useBrush(fill);
    writer_.Rectangle(u(box.left()), u(box.top()), u(box.right()), u(box.bottom()));
}

namespace {

// A point on the line from the box's centre at the given angle, well outside
// the box: GDI arcs take their ends from such radial points.
QPointF radial(const QRectF& box, double degrees)
{
    const double a = degrees * M_PI / 180.0;
    const double reach = box.width() + box.height();
    return box.center() + QPointF(std::cos(a) * reach, -std::sin(a) * reach);
}

} // namespace

void TBorderCanvas::Arc(const QRectF& box, double startDegrees, double sweepDegrees, QColor colour, double width)
{
    usePen(colour, width, false);
    const QPointF s = radial(box, startDegrees);
    const QPointF e = radial(box, startDegrees + sweepDegrees);
    writer_.Arc(u(box.left()), u(box.top()), u(box.right()), u(box.bottom()), u(s.x()), u(s.y()), u(e.x()), u(e.y()));
}

void TBorderCanvas::Pie(const QRectF& box, double startDegrees, double sweepDegrees, QColor fill)
{
    usePen(QColor(), 0, true);
    useBrush(fill);
    const QPointF s = radial(box, startDegrees);
    const QPointF e = radial(box, startDegrees + sweepDegrees);
    writer_.Pie(u(box.left()), u(box.top()), u(box.right()), u(box.bottom()), u(s.x()), u(s.y()), u(e.x()), u(e.y()));
}

void TBorderCanvas::Ring(double outerInset, double innerInset, QColor fill)
{
    usePen(QColor(), 0, true);
    useBrush(fill);
    const QRectF outer(outerInset, outerInset, width_ - 2 * outerInset, height_ - 2 * outerInset);
    const QRectF inner(innerInset, innerInset, width_ - 2 * innerInset, height_ - 2 * innerInset);
    // The inner rectangle runs the other way round, so it is a hole under
    // either fill rule.
    const QPolygonF a({outer.topLeft(), outer.topRight(), outer.bottomRight(), outer.bottomLeft()});
    const QPolygonF b({inner.topLeft(), inner.bottomLeft(), inner.bottomRight(), inner.topRight()});
    writer_.PolyPolygon({units(a), units(b)});
}

void TBorderCanvas::Text(QPointF baseline, const QString& text, double heightInches, QColor colour, bool bold)
{
    TWmfWriter::FontSpec font;
    font.height = -u(heightInches);
    font.weight = bold ? 700 : 400;
    font.faceName = QStringLiteral("Arial");
    const int old = font_;
    font_ = writer_.CreateFont(font);
    writer_.SelectObject(font_);
    if (old >= 0)
        writer_.DeleteObject(old);
    writer_.SetTextAlign(TA_CENTER | TA_BASELINE);
    writer_.SetTextColor(colour);
    writer_.TextOut(u(baseline.x()), u(baseline.y()), text.toLatin1());
}

void TBorderCanvas::AlongEdges(double spacing, const std::function<void(QPointF, double)>& place) const
{
    const double mid = Band / 2;
    auto run = [&](QPointF from, QPointF to, double angle) {
        const double length = QLineF(from, to).length();
        const int count = std::max(1, int(std::floor(length / spacing)));
        for (int i = 0; i < count; ++i)
            place(from + (to - from) * ((i + 0.5) / count), angle);
    };
    run({Band, mid}, {width_ - Band, mid}, 0);
    run({width_ - mid, Band}, {width_ - mid, height_ - Band}, 90);
    run({width_ - Band, height_ - mid}, {Band, height_ - mid}, 180);
    run({mid, height_ - Band}, {mid, Band}, 270);
}

QPolygonF TBorderCanvas::Placed(const QPolygonF& local, QPointF centre, double angleDegrees)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(angleDegrees);
    return t.map(local);
}

bool TBorderCanvas::Save(const QString& path) const
{
    return writer_.Save(path, QRect(0, 0, u(width_), u(height_)), UnitsPerInch);
}
