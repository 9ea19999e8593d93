// Events: birthdays, gifts, weddings, graduations and other days to remember.
#include "IconArt.h"

#include <QPainterPath>

using namespace art;

namespace {
void candle(QPainter& p, qreal x, qreal top, qreal bottom, QColor colour)
{
    Rect(p, {x - 1.5, top, 3, bottom - top}, colour, 0.6);
    QPainterPath flame;
    flame.moveTo(x, top - 6);
    flame.quadTo(x + 3, top - 2, x, top - 0.5);
    flame.quadTo(x - 3, top - 2, x, top - 6);
    Shape(p, flame, QColor(255, 170, 0), 0.5);
}
} // namespace

QList<IconDrawing> EventIcons()
{
    return {
        // Birthday cake.
        [](QPainter& p) {
            candle(p, 10, 8, 15, QColor(80, 140, 240));
            candle(p, 16, 7, 15, QColor(240, 80, 140));
            candle(p, 22, 8, 15, QColor(80, 200, 120));
            Rect(p, {3, 15, 26, 13}, QColor(250, 220, 230), 1.2, 2);
            Rect(p, {3, 19, 26, 3}, QColor(200, 60, 110), 0);
            Line(p, {2, 29}, {30, 29}, QColor(150, 150, 150), 1.5);
        },
        // Gift.
        [](QPainter& p) {
            Rect(p, {4, 13, 24, 16}, QColor(40, 120, 220));
            Rect(p, {2, 9, 28, 6}, QColor(60, 140, 240));
            Rect(p, {14, 9, 4, 20}, QColor(230, 30, 60), 0.6);
            Ellipse(p, {7, 3, 9, 7}, QColor(230, 30, 60));
            Ellipse(p, {16, 3, 9, 7}, QColor(230, 30, 60));
        },
        // Wedding rings.
        [](QPainter& p) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(200, 160, 30), 3));
            p.drawEllipse(QRectF(3, 10, 15, 15));
            p.setPen(QPen(QColor(230, 200, 80), 3));
            p.drawEllipse(QRectF(13, 10, 15, 15));
            Polygon(p, {{18, 3}, {23, 3}, {25, 6}, {20.5, 10}, {16, 6}}, QColor(200, 240, 255), 0.8);
        },
        // Graduation cap.
        [](QPainter& p) {
            Polygon(p, {{9, 15}, {23, 15}, {23, 23}, {16, 25}, {9, 23}}, QColor(40, 40, 50));
            Polygon(p, {{1, 12}, {16, 5}, {31, 12}, {16, 19}}, QColor(30, 30, 40));
            Line(p, {16, 12}, {27, 15}, QColor(230, 190, 30), 1.2);
            Line(p, {27, 15}, {27, 24}, QColor(230, 190, 30), 1.5);
            Ellipse(p, {25.5, 23, 3, 4}, QColor(230, 190, 30), 0.5);
        },
        // Balloons.
        [](QPainter& p) {
            p.setPen(QPen(QColor(90, 90, 90), 0.8));
            p.drawLine(QPointF(10, 17), QPointF(16, 30));
            p.drawLine(QPointF(22, 17), QPointF(16, 30));
            p.drawLine(QPointF(16, 12), QPointF(16, 30));
            Ellipse(p, {3, 4, 12, 14}, QColor(230, 40, 40));
            Ellipse(p, {17, 4, 12, 14}, QColor(40, 170, 230));
            Ellipse(p, {10, 1, 12, 13}, QColor(250, 200, 30));
        },
        // Party hat.
        [](QPainter& p) {
            Polygon(p, {{16, 3}, {26, 28}, {6, 28}}, QColor(150, 60, 200));
            Line(p, {11, 16}, {21, 16}, QColor(250, 220, 40), 2);
            Line(p, {8.5, 22}, {23.5, 22}, QColor(250, 220, 40), 2);
            Ellipse(p, {13, 0.5, 6, 6}, QColor(250, 90, 60), 0.6);
        },
        // Champagne.
        [](QPainter& p) {
            for (int side : {-1, 1}) {
                p.save();
                p.translate(16, 30);
                p.rotate(side * 14);
                Polygon(p, {{-6, -28}, {6, -28}, {1, -14}, {-1, -14}}, QColor(250, 230, 140), 1);
                Line(p, {0, -14}, {0, -2}, QColor(170, 170, 170), 1.2);
                Line(p, {-4, -1}, {4, -1}, QColor(170, 170, 170), 1.5);
                p.restore();
            }
            for (QPointF b : {QPointF(15, 4), QPointF(18, 2), QPointF(16.5, 7)})
                Ellipse(p, {b.x() - 1, b.y() - 1, 2, 2}, QColor(250, 220, 100), 0);
        },
        // Baby: rattle.
        [](QPainter& p) {
            Line(p, {14, 16}, {26, 28}, QColor(250, 170, 190), 3);
            Ellipse(p, {3, 3, 15, 15}, QColor(140, 200, 250));
            Ellipse(p, {6, 6, 5, 5}, Qt::white, 0);
            Ellipse(p, {23, 25, 6, 6}, QColor(250, 170, 190));
        },
        // Love: heart.
        [](QPainter& p) { Shape(p, Heart({3, 5, 26, 24}), QColor(220, 20, 60), 1.5); },
        // Letter.
        [](QPainter& p) {
            Rect(p, {2, 7, 28, 19}, QColor(250, 250, 240));
            p.setPen(QPen(QColor(120, 110, 90), 1.2));
            p.drawPolyline(QPolygonF({{2, 7}, {16, 18}, {30, 7}}));
            Ellipse(p, {13.5, 15, 5, 5}, QColor(200, 30, 30), 0.5);
        },
        // Bell: a reminder.
        [](QPainter& p) {
            QPainterPath bell;
            bell.moveTo(16, 4);
            bell.cubicTo(24, 4, 24, 12, 25, 20);
            bell.lineTo(28, 25);
            bell.lineTo(4, 25);
            bell.lineTo(7, 20);
            bell.cubicTo(8, 12, 8, 4, 16, 4);
            Shape(p, bell, QColor(250, 200, 40));
            Ellipse(p, {13, 24, 6, 6}, QColor(200, 140, 20));
            Ellipse(p, {14.5, 1, 3, 3}, QColor(200, 140, 20), 0.6);
        },
        // Award: star.
        [](QPainter& p) { Shape(p, Star({16, 17}, 15, 6.5), QColor(255, 200, 20), 1.2); },
        // Trophy.
        [](QPainter& p) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(200, 150, 20), 2));
            p.drawEllipse(QRectF(3, 7, 8, 9));
            p.drawEllipse(QRectF(21, 7, 8, 9));
            QPainterPath cup;
            cup.moveTo(7, 4);
            cup.lineTo(25, 4);
            cup.cubicTo(25, 16, 20, 19, 16, 19);
            cup.cubicTo(12, 19, 7, 16, 7, 4);
            Shape(p, cup, QColor(250, 200, 40));
            Rect(p, {14, 18, 4, 6}, QColor(230, 180, 30), 0.8);
            Rect(p, {9, 24, 14, 5}, QColor(120, 70, 30), 1, 1);
        },
        // Diploma.
        [](QPainter& p) {
            p.save();
            p.translate(16, 16);
            p.rotate(-30);
            Rect(p, {-14, -5, 28, 10}, QColor(250, 245, 220), 1.2, 5);
            Ellipse(p, {-15, -5, 5, 10}, QColor(235, 225, 190), 0.8);
            Rect(p, {-1.5, -5.5, 3, 11}, QColor(200, 30, 40), 0);
            p.restore();
            Polygon(p, {{15, 19}, {13, 27}, {16, 25}, {19, 27}, {17, 19}}, QColor(200, 30, 40), 0.6);
        },
        // Flowers.
        [](QPainter& p) {
            Line(p, {16, 30}, {16, 14}, QColor(40, 130, 40), 2);
            Line(p, {16, 30}, {8, 18}, QColor(40, 130, 40), 1.5);
            Line(p, {16, 30}, {24, 18}, QColor(40, 130, 40), 1.5);
            for (QPointF c : {QPointF(8, 13), QPointF(24, 13), QPointF(16, 9)}) {
                for (int i = 0; i < 5; ++i) {
                    const double a = i * 2 * M_PI / 5;
                    Ellipse(p, {c.x() + 3.5 * std::cos(a) - 3, c.y() + 3.5 * std::sin(a) - 3, 6, 6}, QColor(240, 110, 170), 0.5);
                }
                Ellipse(p, {c.x() - 2, c.y() - 2, 4, 4}, QColor(250, 220, 40), 0.4);
            }
        },
        // New home.
        [](QPainter& p) {
            Rect(p, {6, 14, 20, 15}, QColor(240, 220, 180));
            Polygon(p, {{2, 15}, {16, 3}, {30, 15}}, QColor(190, 50, 40));
            Rect(p, {13.5, 20, 5, 9}, QColor(120, 70, 30), 0.6);
            Rect(p, {8, 17, 4, 4}, QColor(150, 210, 250), 0.6);
            Rect(p, {20, 17, 4, 4}, QColor(150, 210, 250), 0.6);
        },
        // Doctor.
        [](QPainter& p) {
            Ellipse(p, {2, 2, 28, 28}, Qt::white, 1.2);
            Rect(p, {12.5, 6, 7, 20}, QColor(220, 30, 30), 0);
            Rect(p, {6, 12.5, 20, 7}, QColor(220, 30, 30), 0);
        },
        // Payday.
        [](QPainter& p) {
            Ellipse(p, {2, 2, 28, 28}, QColor(60, 160, 70), 1.2);
            Glyph(p, QStringLiteral("$"), QColor(240, 255, 240), 20);
        },
        // Appointment: clock.
        [](QPainter& p) {
            Ellipse(p, {2, 2, 28, 28}, QColor(250, 250, 250), 2);
            for (int i = 0; i < 12; ++i) {
                const double a = i * M_PI / 6;
                Line(p, {16 + 11 * std::cos(a), 16 + 11 * std::sin(a)}, {16 + 12.5 * std::cos(a), 16 + 12.5 * std::sin(a)},
                     QColor(60, 60, 60), 1);
            }
            Line(p, {16, 16}, {16, 7}, QColor(30, 30, 30), 2);
            Line(p, {16, 16}, {22, 19}, QColor(30, 30, 30), 2);
        },
        // Candle light.
        [](QPainter& p) {
            Ellipse(p, {6, 1, 20, 20}, QColor(255, 240, 170, 140), 0);
            candle(p, 16, 12, 28, QColor(240, 240, 235));
            Rect(p, {8, 27, 16, 3}, QColor(200, 160, 40), 0.8, 1);
        },
    };
}
