// Holidays: Christmas, Halloween, Easter, Valentine's Day, St Patrick's Day,
// Independence Day, New Year and the feasts of other faiths and seasons.
#include "IconArt.h"

using namespace art;

QList<IconDrawing> HolidayIcons()
{
    return {
        // Christmas tree.
        [](QPainter& p) {
            Rect(p, {13.5, 24, 5, 6}, QColor(110, 60, 20), 0.8);
            Polygon(p, {{16, 3}, {25, 14}, {20, 14}, {28, 25}, {4, 25}, {12, 14}, {7, 14}}, QColor(20, 130, 50));
            for (QPointF b : {QPointF(12, 19), QPointF(20, 21), QPointF(17, 12), QPointF(9, 23)})
                Ellipse(p, {b.x() - 1.5, b.y() - 1.5, 3, 3}, QColor(230, 30, 30), 0);
            Shape(p, Star({16, 4}, 4, 1.8), QColor(255, 210, 0), 0.5);
        },
        // Pumpkin.
        [](QPainter& p) {
            Rect(p, {14.5, 3, 3, 6}, QColor(60, 110, 30), 0.6);
            Ellipse(p, {2, 8, 16, 20}, QColor(240, 130, 20));
            Ellipse(p, {14, 8, 16, 20}, QColor(240, 130, 20));
            Ellipse(p, {9, 7, 14, 22}, QColor(250, 150, 30));
            Polygon(p, {{10, 15}, {13, 15}, {11.5, 12}}, QColor(60, 30, 0), 0);
            Polygon(p, {{19, 15}, {22, 15}, {20.5, 12}}, QColor(60, 30, 0), 0);
            Polygon(p, {{9, 20}, {23, 20}, {20, 24}, {18, 22}, {16, 24}, {14, 22}, {12, 24}}, QColor(60, 30, 0), 0);
        },
        // Easter egg.
        [](QPainter& p) {
            QPainterPath egg;
            egg.moveTo(16, 2);
            egg.cubicTo(25, 2, 28, 18, 27, 22);
            egg.cubicTo(26, 28, 21, 30, 16, 30);
            egg.cubicTo(11, 30, 6, 28, 5, 22);
            egg.cubicTo(4, 18, 7, 2, 16, 2);
            Shape(p, egg, QColor(170, 120, 230), 1.2);
            p.save();
            p.setClipPath(egg);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 230, 60));
            p.drawRect(QRectF(0, 12, 32, 4));
            p.setBrush(QColor(90, 200, 130));
            p.drawRect(QRectF(0, 20, 32, 3));
            p.restore();
        },
        // Valentine's heart.
        [](QPainter& p) {
            Shape(p, Heart({2, 4, 28, 26}), QColor(230, 30, 80), 1.5);
            Shape(p, Heart({8, 9, 10, 9}), QColor(255, 150, 180), 0);
        },
        // Shamrock.
        [](QPainter& p) {
            Line(p, {16, 18}, {20, 30}, QColor(30, 120, 40), 2.2);
            for (int i = 0; i < 3; ++i) {
                p.save();
                p.translate(16, 16);
                p.rotate(-90 + i * 120);
                p.translate(7, 0);
                p.rotate(90);
                Shape(p, Heart({-7, -6, 14, 13}), QColor(40, 170, 60), 1.2);
                p.restore();
            }
        },
        // Fireworks.
        [](QPainter& p) {
            const QColor colours[] = {QColor(250, 60, 60), QColor(250, 210, 40), QColor(60, 160, 250)};
            const QPointF centres[] = {{11, 11}, {23, 12}, {16, 23}};
            for (int c = 0; c < 3; ++c) {
                for (int i = 0; i < 10; ++i) {
                    const double a = i * M_PI / 5 + c;
                    const QPointF from(centres[c].x() + 2 * std::cos(a), centres[c].y() + 2 * std::sin(a));
                    const QPointF to(centres[c].x() + 8 * std::cos(a), centres[c].y() + 8 * std::sin(a));
                    Line(p, from, to, colours[c], 1.5);
                }
            }
        },
        // Flag: Independence Day.
        [](QPainter& p) {
            Line(p, {3, 2}, {3, 30}, QColor(90, 90, 90), 2);
            for (int i = 0; i < 7; ++i)
                Rect(p, {4, 4 + i * 2.5, 26, 2.5}, i % 2 ? Qt::white : QColor(200, 30, 40), 0);
            Rect(p, {4, 4, 12, 10}, QColor(30, 50, 130), 0);
            p.setPen(QPen(QColor(60, 60, 60), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(4, 4, 26, 17.5));
        },
        // Candy cane.
        [](QPainter& p) {
            QPainterPath cane;
            cane.moveTo(20, 30);
            cane.lineTo(20, 11);
            cane.arcTo(QRectF(8, 3, 12, 12), 0, 180);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(230, 30, 40), 5, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(cane);
            p.setPen(QPen(Qt::white, 5, Qt::DashLine, Qt::FlatCap));
            p.drawPath(cane);
        },
        // Snowman.
        [](QPainter& p) {
            Ellipse(p, {5, 15, 22, 15}, Qt::white, 1.2);
            Ellipse(p, {9, 5, 14, 13}, Qt::white, 1.2);
            Rect(p, {10, 1, 12, 3}, QColor(30, 30, 30), 0);
            Rect(p, {12.5, -3, 7, 5}, QColor(30, 30, 30), 0);
            Ellipse(p, {12, 9, 2, 2}, QColor(20, 20, 20), 0);
            Ellipse(p, {18, 9, 2, 2}, QColor(20, 20, 20), 0);
            Polygon(p, {{15.5, 12}, {16.5, 12}, {21, 13.5}}, QColor(240, 120, 20), 0.5);
            Rect(p, {8, 16, 16, 3}, QColor(220, 30, 40), 0.6, 1);
        },
        // Star of David.
        [](QPainter& p) {
            Polygon(p, {{16, 2}, {28.5, 23}, {3.5, 23}}, QColor(40, 90, 200), 1.2);
            Polygon(p, {{16, 30}, {3.5, 9}, {28.5, 9}}, QColor(40, 90, 200), 1.2);
        },
        // Menorah.
        [](QPainter& p) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(200, 150, 30), 1.6));
            for (int i = 1; i <= 4; ++i)
                p.drawArc(QRectF(16 - 3.2 * i, 10 - 3.2 * i + 3.2 * i, 6.4 * i, 6.4 * i), 180 * 16, 180 * 16);
            Line(p, {16, 7}, {16, 27}, QColor(200, 150, 30), 2);
            Rect(p, {10, 26, 12, 3}, QColor(200, 150, 30), 0.8);
            for (int i = -4; i <= 4; ++i)
                Ellipse(p, {16 + 3.2 * i - 1, i == 0 ? 2.0 : 5.0, 2, 3.5}, QColor(255, 160, 0), 0);
        },
        // Christmas bauble.
        [](QPainter& p) {
            Rect(p, {13, 3, 6, 4}, QColor(200, 170, 40), 0.8);
            Ellipse(p, {4, 6, 24, 24}, QColor(30, 110, 200), 1.2);
            Line(p, {5, 18}, {27, 18}, QColor(250, 220, 80), 2);
            Ellipse(p, {9, 10, 5, 4}, QColor(200, 230, 255), 0);
        },
        // Cross: Easter and Christmas.
        [](QPainter& p) {
            Rect(p, {13.5, 2, 5, 28}, QColor(150, 100, 50), 1);
            Rect(p, {6, 8, 20, 5}, QColor(150, 100, 50), 1);
        },
        // Crescent and star.
        [](QPainter& p) {
            QPainterPath moon;
            moon.addEllipse(QRectF(2, 3, 26, 26));
            QPainterPath bite;
            bite.addEllipse(QRectF(9, 3, 22, 22));
            Shape(p, moon.subtracted(bite), QColor(30, 150, 90), 1);
            Shape(p, Star({24, 16}, 5, 2.2), QColor(250, 210, 40), 0.6);
        },
        // Halloween ghost.
        [](QPainter& p) {
            QPainterPath ghost;
            ghost.moveTo(5, 29);
            ghost.lineTo(5, 14);
            ghost.cubicTo(5, 0, 27, 0, 27, 14);
            ghost.lineTo(27, 29);
            ghost.lineTo(23, 25);
            ghost.lineTo(20, 29);
            ghost.lineTo(16, 25);
            ghost.lineTo(12, 29);
            ghost.lineTo(9, 25);
            ghost.closeSubpath();
            Shape(p, ghost, QColor(245, 245, 250), 1.2);
            Ellipse(p, {10, 10, 4, 6}, QColor(20, 20, 20), 0);
            Ellipse(p, {18, 10, 4, 6}, QColor(20, 20, 20), 0);
        },
        // Snowflake: winter.
        [](QPainter& p) {
            for (int i = 0; i < 6; ++i) {
                p.save();
                p.translate(16, 16);
                p.rotate(i * 60);
                Line(p, {0, 0}, {0, -14}, QColor(60, 140, 220), 2);
                Line(p, {0, -9}, {-4, -12}, QColor(60, 140, 220), 1.5);
                Line(p, {0, -9}, {4, -12}, QColor(60, 140, 220), 1.5);
                p.restore();
            }
        },
        // Summer sun.
        [](QPainter& p) {
            for (int i = 0; i < 12; ++i) {
                const double a = i * M_PI / 6;
                Line(p, {16 + 10 * std::cos(a), 16 + 10 * std::sin(a)}, {16 + 15 * std::cos(a), 16 + 15 * std::sin(a)},
                     QColor(250, 170, 0), 2);
            }
            Ellipse(p, {8, 8, 16, 16}, QColor(255, 210, 30), 1.2);
        },
        // Autumn leaf: Thanksgiving.
        [](QPainter& p) {
            QPainterPath leaf;
            leaf.moveTo(16, 27);
            leaf.lineTo(10, 24);
            leaf.lineTo(3, 25);
            leaf.lineTo(6, 18);
            leaf.lineTo(2, 12);
            leaf.lineTo(9, 12);
            leaf.lineTo(10, 5);
            leaf.lineTo(14, 9);
            leaf.lineTo(16, 2);
            leaf.lineTo(18, 9);
            leaf.lineTo(22, 5);
            leaf.lineTo(23, 12);
            leaf.lineTo(30, 12);
            leaf.lineTo(26, 18);
            leaf.lineTo(29, 25);
            leaf.lineTo(22, 24);
            leaf.closeSubpath();
            Shape(p, leaf, QColor(220, 90, 20), 1.2);
            Line(p, {16, 22}, {16, 31}, QColor(120, 50, 10), 1.5);
        },
        // Wreath.
        [](QPainter& p) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(30, 120, 50), 6));
            p.drawEllipse(QRectF(5, 5, 22, 22));
            for (int i = 0; i < 8; ++i) {
                const double a = i * M_PI / 4;
                Ellipse(p, {16 + 11 * std::cos(a) - 1.5, 16 + 11 * std::sin(a) - 1.5, 3, 3}, QColor(220, 20, 30), 0);
            }
            Polygon(p, {{16, 26}, {10, 22}, {10, 30}}, QColor(220, 20, 30), 0.6);
            Polygon(p, {{16, 26}, {22, 22}, {22, 30}}, QColor(220, 20, 30), 0.6);
        },
        // New Year: party horn and confetti.
        [](QPainter& p) {
            Polygon(p, {{3, 29}, {7, 25}, {26, 6}, {29, 10}, {11, 29}}, QColor(250, 190, 30));
            Ellipse(p, {24, 3, 8, 8}, QColor(230, 50, 120));
            const QColor colours[] = {Qt::red, QColor(40, 160, 250), QColor(60, 200, 80), QColor(200, 80, 220)};
            const QPointF spots[] = {{6, 6}, {14, 4}, {5, 15}, {20, 20}};
            for (int i = 0; i < 4; ++i)
                Rect(p, {spots[i].x(), spots[i].y(), 3, 3}, colours[i], 0);
        },
    };
}
