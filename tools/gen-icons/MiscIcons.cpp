// Miscellaneous #1: weather, marks and office things. Miscellaneous #2:
// games, signs and symbols.
#include "IconArt.h"

using namespace art;

namespace {

IconDrawing glyph(const char16_t* text, QColor colour, qreal size = 28)
{
    const QString t = QString::fromUtf16(text);
    return [t, colour, size](QPainter& p) { Glyph(p, t, colour, size); };
}

// A symbol on a round badge.
IconDrawing badge(const char16_t* text, QColor symbol, QColor disc)
{
    const QString t = QString::fromUtf16(text);
    return [t, symbol, disc](QPainter& p) {
        Ellipse(p, {1.5, 1.5, 29, 29}, disc, 1.2);
        Glyph(p, t, symbol, 19);
    };
}

// A die showing `pips`.
IconDrawing die(int pips)
{
    return [pips](QPainter& p) {
        Rect(p, {3, 3, 26, 26}, Qt::white, 1.5, 5);
        static const QList<QList<QPointF>> layouts = {
            {{16, 16}},
            {{10, 10}, {22, 22}},
            {{9, 9}, {16, 16}, {23, 23}},
            {{10, 10}, {22, 10}, {10, 22}, {22, 22}},
            {{9, 9}, {23, 9}, {16, 16}, {9, 23}, {23, 23}},
            {{10, 9}, {22, 9}, {10, 16}, {22, 16}, {10, 23}, {22, 23}},
        };
        for (QPointF pip : layouts[pips - 1])
            Ellipse(p, {pip.x() - 2.5, pip.y() - 2.5, 5, 5}, pips == 1 ? QColor(210, 20, 30) : QColor(20, 20, 20), 0);
    };
}

} // namespace

QList<IconDrawing> MiscIcons1()
{
    return {
        glyph(u"\u2600", QColor(250, 190, 20)),               // sun
        glyph(u"\u2601", QColor(170, 190, 210)),              // cloud
        glyph(u"\u2602", QColor(60, 100, 200)),               // umbrella
        glyph(u"\u2744", QColor(80, 160, 230)),               // snowflake
        glyph(u"\u263E", QColor(240, 220, 90)),               // moon
        [](QPainter& p) { Shape(p, Star({16, 17}, 15, 6.5), QColor(250, 200, 30), 1.2); },
        glyph(u"\u263A", QColor(250, 200, 40)),               // smile
        glyph(u"\u273F", QColor(230, 90, 160)),               // flower
        badge(u"\u2714", Qt::white, QColor(40, 170, 60)),     // done
        badge(u"\u2718", Qt::white, QColor(210, 40, 40)),     // cancelled
        badge(u"!", Qt::white, QColor(240, 140, 20)),         // important
        badge(u"?", Qt::white, QColor(60, 120, 210)),         // to find out
        glyph(u"\u279C", QColor(40, 140, 70)),                // go
        glyph(u"\u2709", QColor(120, 100, 70)),               // mail
        glyph(u"\u260E", QColor(40, 40, 40)),                 // call
        glyph(u"\u2702", QColor(90, 90, 110)),                // cut
        glyph(u"\u270E", QColor(200, 140, 30)),               // write
        // Pin.
        [](QPainter& p) {
            Line(p, {16, 18}, {16, 30}, QColor(120, 120, 120), 1.6);
            Ellipse(p, {7, 2, 18, 18}, QColor(220, 30, 40), 1.2);
            Ellipse(p, {11, 6, 5, 5}, QColor(255, 150, 150), 0);
        },
        // Key.
        [](QPainter& p) {
            QPainterPath ring;
            ring.addEllipse(QRectF(2, 9, 14, 14));
            QPainterPath hole;
            hole.addEllipse(QRectF(6, 13, 6, 6));
            Shape(p, ring.subtracted(hole), QColor(230, 190, 50));
            Rect(p, {15, 14, 15, 4}, QColor(230, 190, 50), 1);
            Rect(p, {24, 18, 3, 5}, QColor(230, 190, 50), 1);
            Rect(p, {19, 18, 3, 4}, QColor(230, 190, 50), 1);
        },
        // Light bulb: an idea.
        [](QPainter& p) {
            Ellipse(p, {6, 2, 20, 20}, QColor(255, 240, 120), 1.2);
            Rect(p, {11, 19, 10, 5}, QColor(255, 240, 120), 0);
            Rect(p, {11, 22, 10, 7}, QColor(150, 150, 160), 1, 1);
            Line(p, {11, 25}, {21, 25}, QColor(90, 90, 100), 1);
        },
    };
}

QList<IconDrawing> MiscIcons2()
{
    return {
        glyph(u"\u2654", QColor(240, 210, 60)),   // king
        glyph(u"\u2655", QColor(240, 210, 60)),   // queen
        glyph(u"\u265C", QColor(60, 60, 60)),     // rook
        glyph(u"\u265D", QColor(60, 60, 60)),     // bishop
        glyph(u"\u2660", QColor(20, 20, 20)),     // spades
        glyph(u"\u2665", QColor(210, 20, 40)),    // hearts
        glyph(u"\u2666", QColor(210, 20, 40)),    // diamonds
        glyph(u"\u2663", QColor(20, 20, 20)),     // clubs
        die(1),
        die(3),
        die(5),
        die(6),
        glyph(u"\u262F", QColor(60, 60, 60)),     // yin and yang
        badge(u"\u262E", Qt::white, QColor(90, 60, 170)),  // peace
        glyph(u"\u267B", QColor(30, 150, 60)),    // recycling
        glyph(u"\u26A0", QColor(240, 190, 20)),   // caution
        glyph(u"\u2693", QColor(30, 60, 120)),    // anchor
        glyph(u"\u2699", QColor(120, 120, 130)),  // gear
        glyph(u"\u269B", QColor(40, 120, 200)),   // atom
        glyph(u"\u269C", QColor(200, 160, 30)),   // fleur-de-lis
    };
}
