// Activities: sports, travel, music, meetings and pastimes.
#include "IconArt.h"

#include <QPainterPath>

using namespace art;

QList<IconDrawing> ActivityIcons()
{
    return {
        // Football.
        [](QPainter& p) {
            Ellipse(p, {3, 3, 26, 26}, Qt::white, 1.5);
            QPainterPath pent;
            pent.addPolygon(QPolygonF({{16, 10}, {21.5, 14}, {19.5, 20.5}, {12.5, 20.5}, {10.5, 14}}));
            Shape(p, pent, QColor(30, 30, 30), 0);
            for (QPointF e : {QPointF(16, 3.5), QPointF(28, 13), QPointF(23.5, 27), QPointF(8.5, 27), QPointF(4, 13)})
                Ellipse(p, {e.x() - 2.5, e.y() - 2.5, 5, 5}, QColor(30, 30, 30), 0);
        },
        // Basketball.
        [](QPainter& p) {
            Ellipse(p, {3, 3, 26, 26}, QColor(235, 120, 30), 1.5);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(60, 30, 10), 1.2));
            p.drawLine(QPointF(16, 3), QPointF(16, 29));
            p.drawLine(QPointF(3, 16), QPointF(29, 16));
            p.drawArc(QRectF(-6, 6, 18, 20), -60 * 16, 120 * 16);
            p.drawArc(QRectF(20, 6, 18, 20), 120 * 16, 120 * 16);
        },
        // Tennis racket and ball.
        [](QPainter& p) {
            Line(p, {17, 19}, {27, 29}, QColor(90, 60, 30), 3.5);
            Ellipse(p, {3, 3, 18, 18}, QColor(210, 210, 230), 2);
            p.setPen(QPen(QColor(120, 120, 140), 0.6));
            for (int i = 6; i <= 18; i += 3) {
                p.drawLine(QPointF(i, 4), QPointF(i, 20));
                p.drawLine(QPointF(4, i), QPointF(20, i));
            }
            Ellipse(p, {22, 4, 7, 7}, QColor(200, 230, 40), 0.8);
        },
        // Music notes.
        [](QPainter& p) { Glyph(p, QStringLiteral("\u266B"), QColor(40, 60, 160)); },
        // Aeroplane.
        [](QPainter& p) { Glyph(p, QStringLiteral("\u2708"), QColor(90, 140, 210)); },
        // Car.
        [](QPainter& p) {
            QPainterPath body;
            body.moveTo(2, 22);
            body.lineTo(2, 16);
            body.lineTo(8, 15);
            body.lineTo(12, 9);
            body.lineTo(22, 9);
            body.lineTo(26, 15);
            body.lineTo(30, 16);
            body.lineTo(30, 22);
            body.closeSubpath();
            Shape(p, body, QColor(200, 30, 40));
            Polygon(p, {{13, 11}, {16, 11}, {16, 15}, {10, 15}}, QColor(180, 220, 250), 0.6);
            Polygon(p, {{18, 11}, {21, 11}, {24, 15}, {18, 15}}, QColor(180, 220, 250), 0.6);
            Ellipse(p, {5, 18, 8, 8}, QColor(40, 40, 40));
            Ellipse(p, {19, 18, 8, 8}, QColor(40, 40, 40));
        },
        // Bicycle.
        [](QPainter& p) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(30, 30, 30), 2));
            p.drawEllipse(QRectF(2, 15, 12, 12));
            p.drawEllipse(QRectF(18, 15, 12, 12));
            p.setPen(QPen(QColor(0, 120, 60), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({{8, 21}, {13, 12}, {22, 12}, {24, 21}}));
            p.drawPolyline(QPolygonF({{8, 21}, {16, 21}, {13, 12}}));
            p.drawLine(QPointF(16, 21), QPointF(22, 12));
            p.drawLine(QPointF(11, 9), QPointF(15, 9));
            p.drawLine(QPointF(21, 8), QPointF(22, 12));
        },
        // Meeting: two people.
        [](QPainter& p) {
            Ellipse(p, {4, 5, 9, 9}, QColor(240, 200, 160));
            Rect(p, {2, 15, 13, 14}, QColor(60, 90, 170), 1.2, 4);
            Ellipse(p, {19, 5, 9, 9}, QColor(200, 150, 110));
            Rect(p, {17, 15, 13, 14}, QColor(150, 40, 60), 1.2, 4);
        },
        // Telephone.
        [](QPainter& p) { Glyph(p, QStringLiteral("\u260E"), QColor(30, 30, 30)); },
        // Book.
        [](QPainter& p) {
            Rect(p, {5, 4, 22, 25}, QColor(40, 110, 60), 1.2, 2);
            Rect(p, {8, 6, 17, 21}, QColor(250, 245, 225), 0.8);
            for (int y = 10; y <= 22; y += 4)
                Line(p, {11, qreal(y)}, {22, qreal(y)}, QColor(140, 140, 140), 1);
        },
        // Painting: palette and brush.
        [](QPainter& p) {
            QPainterPath palette;
            palette.addEllipse(QRectF(2, 6, 26, 20));
            QPainterPath hole;
            hole.addEllipse(QRectF(18, 17, 5, 5));
            Shape(p, palette.subtracted(hole), QColor(220, 180, 120));
            const QColor colours[] = {Qt::red, Qt::blue, Qt::yellow, QColor(0, 160, 0), Qt::white};
            const QPointF spots[] = {{8, 12}, {14, 10}, {20, 11}, {8, 19}, {13, 21}};
            for (int i = 0; i < 5; ++i)
                Ellipse(p, {spots[i].x() - 2.5, spots[i].y() - 2.5, 5, 5}, colours[i], 0.6);
            Line(p, {31, 2}, {21, 14}, QColor(120, 70, 30), 2);
        },
        // Swimming: waves and a head.
        [](QPainter& p) {
            Ellipse(p, {11, 5, 10, 10}, QColor(240, 200, 160));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(30, 100, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
            for (int row = 0; row < 3; ++row) {
                QPainterPath wave;
                const qreal y = 18 + row * 4.5;
                wave.moveTo(2, y);
                for (int x = 2; x < 30; x += 7)
                    wave.quadTo(x + 1.75, y - 3, x + 3.5, y), wave.quadTo(x + 5.25, y + 3, x + 7, y);
                p.drawPath(wave);
            }
        },
        // Golf: flag on the green.
        [](QPainter& p) {
            Ellipse(p, {2, 22, 28, 8}, QColor(80, 170, 60));
            Line(p, {16, 26}, {16, 3}, QColor(60, 60, 60), 1.5);
            Polygon(p, {{16, 3}, {28, 7}, {16, 11}}, QColor(230, 30, 30));
            Ellipse(p, {7, 22, 4, 4}, Qt::white, 0.6);
        },
        // Sailing.
        [](QPainter& p) {
            Polygon(p, {{15, 3}, {15, 22}, {4, 22}}, Qt::white);
            Polygon(p, {{17, 6}, {27, 22}, {17, 22}}, QColor(240, 90, 60));
            Polygon(p, {{3, 24}, {29, 24}, {25, 29}, {7, 29}}, QColor(120, 70, 40));
        },
        // Chess.
        [](QPainter& p) { Glyph(p, QStringLiteral("\u265E"), QColor(60, 40, 30)); },
        // Camera.
        [](QPainter& p) {
            Rect(p, {2, 10, 28, 18}, QColor(60, 60, 70), 1.2, 3);
            Rect(p, {10, 6, 10, 5}, QColor(60, 60, 70), 1, 1);
            Ellipse(p, {10, 12, 13, 13}, QColor(180, 190, 210));
            Ellipse(p, {13, 15, 7, 7}, QColor(30, 40, 80), 0.6);
            Rect(p, {24, 12, 4, 3}, QColor(250, 240, 150), 0.5);
        },
        // Coffee break.
        [](QPainter& p) { Glyph(p, QStringLiteral("\u2615"), QColor(120, 70, 40)); },
        // Dumbbell: the gym.
        [](QPainter& p) {
            Line(p, {6, 16}, {26, 16}, QColor(120, 120, 120), 3);
            Rect(p, {3, 8, 5, 16}, QColor(40, 40, 40), 1, 1);
            Rect(p, {24, 8, 5, 16}, QColor(40, 40, 40), 1, 1);
            Rect(p, {0.5, 11, 3, 10}, QColor(70, 70, 70), 0.8, 1);
            Rect(p, {28.5, 11, 3, 10}, QColor(70, 70, 70), 0.8, 1);
        },
        // Hiking: mountains.
        [](QPainter& p) {
            Polygon(p, {{1, 28}, {12, 8}, {22, 28}}, QColor(110, 100, 90));
            Polygon(p, {{12, 28}, {22, 13}, {31, 28}}, QColor(90, 120, 90));
            Polygon(p, {{9.5, 12.5}, {12, 8}, {14.5, 12.5}}, Qt::white, 0.6);
            Ellipse(p, {22, 2, 7, 7}, QColor(255, 210, 40), 0.8);
        },
        // Guitar.
        [](QPainter& p) {
            p.save();
            p.translate(16, 16);
            p.rotate(45);
            Rect(p, {-2, -16, 4, 16}, QColor(90, 50, 20), 1, 1);
            QPainterPath body;
            body.addEllipse(QRectF(-7, -2, 14, 10));
            body.addEllipse(QRectF(-8.5, 5, 17, 12));
            Shape(p, body.simplified(), QColor(210, 140, 60));
            Ellipse(p, {-2.5, 3.5, 5, 5}, QColor(50, 30, 10), 0.5);
            p.restore();
        },
        // Bowling.
        [](QPainter& p) {
            QPainterPath pin;
            pin.moveTo(22, 3);
            pin.cubicTo(26, 3, 26, 9, 24, 12);
            pin.cubicTo(29, 17, 28, 26, 25, 29);
            pin.lineTo(19, 29);
            pin.cubicTo(16, 26, 15, 17, 20, 12);
            pin.cubicTo(18, 9, 18, 3, 22, 3);
            Shape(p, pin, Qt::white);
            Line(p, {19.5, 11}, {24.5, 11}, QColor(210, 20, 20), 1.5);
            Ellipse(p, {2, 14, 15, 15}, QColor(30, 50, 140));
            for (QPointF h : {QPointF(7, 18), QPointF(11, 18), QPointF(9, 22)})
                Ellipse(p, {h.x() - 1.2, h.y() - 1.2, 2.4, 2.4}, QColor(10, 10, 10), 0);
        },
    };
}
