// Crayon: three hand-drawn wavy strokes in school colours, letter blocks in
// the middle of each edge and a crayon in every corner.
#include "BorderCanvas.h"
#include "BorderDesigns.h"
#include "BorderShapes.h"

#include <QLineF>
#include <cmath>

namespace {

const QColor Red(226, 58, 52);
const QColor Blue(40, 110, 210);
const QColor Green(60, 168, 74);
const QColor Yellow(250, 196, 40);
const QColor Orange(244, 132, 36);
const QColor Purple(140, 80, 180);

// A stroke that wobbles like a child's crayon line around a rectangle inset
// from the edges.
void scribble(TBorderCanvas& c, double inset, QColor colour, double wave, quint32 seed)
{
    TJitter jitter(seed);
    const double w = c.Width() - 2 * inset;
    const double h = c.Height() - 2 * inset;
    const double perimeter = 2 * (w + h);
    QPolygonF line;
    const int steps = int(perimeter / 0.05);
    for (int i = 0; i <= steps; ++i) {
        double d = perimeter * i / steps;
        QPointF p;
        QPointF outward;
        if (d < w) { p = {inset + d, inset}; outward = {0, -1}; }
        else if ((d -= w) < h) { p = {inset + w, inset + d}; outward = {1, 0}; }
        else if ((d -= h) < w) { p = {inset + w - d, inset + h}; outward = {0, 1}; }
        else { d -= w; p = {inset, inset + h - d}; outward = {-1, 0}; }
        const double offset = wave * std::sin(perimeter * i / steps * 2 * M_PI / 0.7) + jitter.next(-0.008, 0.008);
        line << p + outward * offset;
    }
    c.Line(line, colour, 0.045);
}

void crayon(TBorderCanvas& c, QPointF centre, double angle, QColor colour)
{
    const QPolygonF body({{-0.045, 0.2}, {0.045, 0.2}, {0.045, -0.09}, {-0.045, -0.09}});
    const QPolygonF tip({{-0.045, -0.09}, {0.045, -0.09}, {0.012, -0.19}, {-0.012, -0.19}});
    const QPolygonF band({{-0.046, 0.12}, {0.046, 0.12}, {0.046, 0.15}, {-0.046, 0.15}});
    c.Outline(TBorderCanvas::Placed(body, centre, angle), colour, QColor(60, 60, 60), 0.008);
    c.Outline(TBorderCanvas::Placed(tip, centre, angle), Mix(colour, Qt::white, 0.25), QColor(60, 60, 60), 0.008);
    c.Fill(TBorderCanvas::Placed(band, centre, angle), Mix(colour, Qt::black, 0.35));
}

void block(TBorderCanvas& c, QPointF centre, const QString& letter, QColor colour)
{
    const double s = 0.15;
    c.Rect(QRectF(centre - QPointF(s, s), QSizeF(2 * s, 2 * s)), colour, Mix(colour, Qt::black, 0.4), 0.015);
    c.Text(centre + QPointF(0, 0.075), letter, 0.21, Qt::white, true);
}

} // namespace

void DrawCrayonBorder(TBorderCanvas& c)
{
    scribble(c, 0.09, Red, 0.035, 1);
    scribble(c, 0.22, Blue, 0.03, 2);
    scribble(c, 0.35, Green, 0.035, 3);
    const double w = c.Width();
    const double h = c.Height();
    const double m = 0.225;
    const QString letters[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("1"),
                               QStringLiteral("2"), QStringLiteral("3")};
    const QColor colours[] = {Yellow, Orange, Purple, Red, Blue, Green};
    // Three blocks in the middle of the top and bottom edges, and one in the
    // middle of each side.
    for (int i = 0; i < 3; ++i) {
        block(c, {w / 2 + (i - 1) * 0.4, m}, letters[i], colours[i]);
        block(c, {w / 2 + (i - 1) * 0.4, h - m}, letters[i + 3], colours[i + 3]);
    }
    block(c, {m, h / 2}, QStringLiteral("*"), Orange);
    block(c, {w - m, h / 2}, QStringLiteral("*"), Purple);
    crayon(c, {m, m}, -45, Purple);
    crayon(c, {w - m, m}, 45, Orange);
    crayon(c, {w - m, h - m}, 135, Yellow);
    crayon(c, {m, h - m}, 225, Blue);
}
