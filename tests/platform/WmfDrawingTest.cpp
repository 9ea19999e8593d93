// Playback state and shapes: the object table, saved states, arcs, raster
// operations, brushes, pens and clipping, all at one logical unit per pixel.
#include <gtest/gtest.h>

#include <QPaintEngine>
#include <QPicture>

#include "TestSupport.h"
#include "WmfTestSupport.h"
#include "platform/WmfPlayer.h"
#include "platform/WmfRecords.h"

using namespace wmftest;
using namespace wmf;
using vellumy::test::CountPixels;

namespace {

QImage render200(const TWmfWriter& w) { return Render(Placeable(w, 200, 200), QSize(200, 200)); }

void noPen(TWmfWriter& w) { w.SelectObject(w.CreatePen(PS_NULL, 0, Qt::black)); }

} // namespace

TEST(WmfDrawing, ObjectTableReusesTheLowestFreeSlot)
{
    TWmfWriter w;
    noPen(w);                                          // slot 0
    const int red = w.CreateBrush(BS_SOLID, Qt::red);   // slot 1
    const int blue = w.CreateBrush(BS_SOLID, Qt::blue); // slot 2
    w.CreateBrush(BS_SOLID, Qt::yellow);                // slot 3
    ASSERT_EQ(red, 1);
    ASSERT_EQ(blue, 2);
    w.DeleteObject(red);
    w.DeleteObject(blue);
    // Slots 1 and 2 are free; green must go to 1, the font to 2.
    w.Record(META_CREATEBRUSHINDIRECT, {BS_SOLID, 0xFF00, 0x0000, 0}); // green
    w.Record(META_CREATEFONTINDIRECT, {quint16(-20)});
    w.SelectObject(1);
    w.Rectangle(0, 0, 100, 100);
    // Selecting a font slot leaves the brush alone; selecting an empty slot
    // changes nothing.
    w.SelectObject(2);
    w.SelectObject(7);
    w.Rectangle(100, 100, 200, 200);

    TWmfPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(Placeable(w, 200, 200)));
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TWmfPlayer player(picture, picture.Frame(), &painter, QRectF(0, 0, 200, 200));
    player.Play();
    painter.end();
    EXPECT_TRUE(Near(image.pixel(50, 50), Qt::green));
    EXPECT_TRUE(Near(image.pixel(150, 150), Qt::green));
    ASSERT_EQ(player.Objects().size(), 4u);
    EXPECT_TRUE(std::holds_alternative<TWmfBrush>(player.Objects()[1]));
    EXPECT_TRUE(std::holds_alternative<TWmfFont>(player.Objects()[2]));
    EXPECT_TRUE(std::holds_alternative<TWmfBrush>(player.Objects()[3]));
}

TEST(WmfDrawing, DeletingTheSelectedBrushKeepsItInUse)
{
    TWmfWriter w;
    noPen(w);
    const int blue = w.CreateBrush(BS_SOLID, Qt::blue);
    w.SelectObject(blue);
    w.DeleteObject(blue);
    w.Rectangle(0, 0, 100, 100);
    EXPECT_TRUE(Near(render200(w).pixel(50, 50), Qt::blue));
}

TEST(WmfDrawing, SaveAndRestoreRelativeAndAbsolute)
{
    TWmfWriter w;
    noPen(w);
    const int red = w.CreateBrush(BS_SOLID, Qt::red);
    const int blue = w.CreateBrush(BS_SOLID, Qt::blue);
    const int green = w.CreateBrush(BS_SOLID, Qt::green);
    w.SelectObject(red);
    w.SaveDC(); // level 1: red
    w.SelectObject(blue);
    w.OffsetWindowOrg(-100, 0); // drawing moves right by 100
    w.SaveDC(); // level 2: blue, moved
    w.SelectObject(green);
    w.SetWindowOrg(0, 0);
    w.RestoreDC(-1); // back to level 2's state: blue, moved
    w.Rectangle(0, 0, 50, 50);   // blue at (100, 0)
    w.SaveDC();                  // level 2 again
    w.SelectObject(green);
    w.RestoreDC(1);              // absolute: red, not moved, nothing left saved
    w.Rectangle(0, 100, 50, 150); // red at (0, 100)
    w.SelectObject(green);
    w.RestoreDC(-1);             // nothing saved: fails, green stays
    w.RestoreDC(3);              // out of range: fails too
    w.Rectangle(100, 100, 150, 150); // green
    const QImage image = render200(w);
    EXPECT_TRUE(Near(image.pixel(125, 25), Qt::blue));
    EXPECT_TRUE(Near(image.pixel(25, 25), Qt::white));
    EXPECT_TRUE(Near(image.pixel(25, 125), Qt::red));
    EXPECT_TRUE(Near(image.pixel(125, 125), Qt::green));
}

TEST(WmfDrawing, SavedStatesIncludeTheClip)
{
    TWmfWriter w;
    noPen(w);
    w.SelectObject(w.CreateBrush(BS_SOLID, Qt::black));
    w.SaveDC();
    w.IntersectClipRect(0, 0, 100, 100);
    w.Rectangle(0, 0, 200, 50); // only the left half shows
    w.RestoreDC(-1);
    w.ExcludeClipRect(50, 100, 150, 200);
    w.Rectangle(0, 150, 200, 200); // a hole in the middle
    const QImage image = render200(w);
    EXPECT_TRUE(Near(image.pixel(50, 25), Qt::black));
    EXPECT_TRUE(Near(image.pixel(150, 25), Qt::white));
    EXPECT_TRUE(Near(image.pixel(25, 175), Qt::black));
    EXPECT_TRUE(Near(image.pixel(100, 175), Qt::white));
    EXPECT_TRUE(Near(image.pixel(175, 175), Qt::black));
}

TEST(WmfDrawing, PieChordAndArcRunCounterClockwiseFromTheRadials)
{
    auto pie = [](quint16 function, QPoint start, QPoint end) {
        TWmfWriter w;
        w.SelectObject(w.CreatePen(PS_SOLID, 3, Qt::black));
        w.SelectObject(w.CreateBrush(BS_SOLID, Qt::red));
        w.Record(function, {quint16(end.y()), quint16(end.x()), quint16(start.y()), quint16(start.x()), 200, 200, 0, 0});
        return render200(w);
    };
    // From 3 o'clock to 12 o'clock: the top-right quarter.
    QImage image = pie(META_PIE, {200, 100}, {100, 0});
    EXPECT_TRUE(Near(image.pixel(150, 50), Qt::red));
    EXPECT_TRUE(Near(image.pixel(50, 50), Qt::white));
    EXPECT_TRUE(Near(image.pixel(150, 150), Qt::white));
    // From 12 to 3: the other three quarters.
    image = pie(META_PIE, {100, 0}, {200, 100});
    EXPECT_TRUE(Near(image.pixel(150, 50), Qt::white));
    EXPECT_TRUE(Near(image.pixel(50, 50), Qt::red));
    EXPECT_TRUE(Near(image.pixel(150, 150), Qt::red));
    // The radials need not lie on the ellipse; coinciding ones make all of it.
    image = pie(META_PIE, {400, 100}, {400, 100});
    EXPECT_TRUE(Near(image.pixel(50, 150), Qt::red));
    // Chord: the segment cut off by the line between the two ends.
    image = pie(META_CHORD, {200, 100}, {100, 0});
    EXPECT_TRUE(Near(image.pixel(160, 40), Qt::red));
    EXPECT_TRUE(Near(image.pixel(125, 75), Qt::white));
    // Arc: only the outline, only in the top-right quarter.
    image = pie(META_ARC, {200, 100}, {100, 0});
    EXPECT_TRUE(Near(image.pixel(170, 29), Qt::black, 90));
    EXPECT_TRUE(Near(image.pixel(150, 50), Qt::white));
    EXPECT_TRUE(Near(image.pixel(29, 29), Qt::white));
}

TEST(WmfDrawing, PieOnAnEllipseCutsWhereTheRadialMeetsIt)
{
    // Ellipse 400 x 200 around (200, 100). The start radial towards (400, 0)
    // leaves the centre at 26.6 degrees; the arc must begin there, not at the
    // ellipse point whose parameter is 26.6 degrees (14 degrees geometric).
    TWmfWriter w;
    noPen(w);
    w.SelectObject(w.CreateBrush(BS_SOLID, Qt::red));
    w.Pie(0, 0, 400, 200, 400, 0, 0, 100);
    const QImage image = Render(Placeable(w, 400, 200), QSize(400, 200));
    EXPECT_TRUE(Near(image.pixel(300, 40), Qt::red));   // 31 degrees
    EXPECT_TRUE(Near(image.pixel(340, 60), Qt::white)); // 16 degrees
    EXPECT_TRUE(Near(image.pixel(100, 60), Qt::red));   // upper left
    EXPECT_TRUE(Near(image.pixel(200, 150), Qt::white));
}

TEST(WmfDrawing, BinaryRasterOperations)
{
    // A blue square under the left half; each ROP2 fills the whole width with
    // a red pen and brush: over white (right) and over blue (left).
    auto paint = [](int rop) {
        TWmfWriter w;
        noPen(w);
        w.SelectObject(w.CreateBrush(BS_SOLID, Qt::blue));
        w.Rectangle(0, 0, 100, 200);
        w.SetROP2(rop);
        w.SelectObject(w.CreateBrush(BS_SOLID, Qt::red));
        w.Rectangle(0, 50, 200, 150);
        const QImage image = render200(w);
        return std::make_pair(QColor(image.pixel(50, 100)), QColor(image.pixel(150, 100)));
    };
    struct Case {
        int rop;
        QColor overBlue, overWhite;
    };
    const Case cases[] = {
        {R2_COPYPEN, Qt::red, Qt::red},
        {R2_XORPEN, Qt::magenta, Qt::cyan},
        {R2_NOT, Qt::yellow, Qt::black},
        {R2_MASKPEN, Qt::black, Qt::red},
        {R2_MERGEPEN, Qt::magenta, Qt::white},
        {R2_NOP, Qt::blue, Qt::white},
        {R2_BLACK, Qt::black, Qt::black},
        {R2_WHITE, Qt::white, Qt::white},
        {R2_NOTCOPYPEN, Qt::cyan, Qt::cyan},
        {R2_NOTXORPEN, Qt::green, Qt::red},
    };
    for (const Case& c : cases) {
        const auto [overBlue, overWhite] = paint(c.rop);
        EXPECT_EQ(overBlue, c.overBlue) << "ROP2 " << c.rop;
        EXPECT_EQ(overWhite, c.overWhite) << "ROP2 " << c.rop;
    }
    // XOR twice restores what was there.
    TWmfWriter w;
    w.SetROP2(R2_XORPEN);
    w.SelectObject(w.CreatePen(PS_SOLID, 5, Qt::red));
    w.SelectObject(w.CreateBrush(BS_SOLID, Qt::green));
    w.Ellipse(20, 20, 180, 180);
    w.Ellipse(20, 20, 180, 180);
    const QImage twice = render200(w);
    EXPECT_EQ(CountPixelsNotWhite(twice), 0);
}

TEST(WmfDrawing, HatchedAndPatternBrushes)
{
    auto fill = [](auto makeBrush, int bkMode) {
        TWmfWriter w;
        noPen(w);
        w.SetBkMode(bkMode);
        w.SetBkColor(Qt::yellow);
        w.SelectObject(makeBrush(w));
        w.Rectangle(0, 0, 200, 200);
        return render200(w);
    };
    // Horizontal hatch: rows of ink, rows of background.
    QImage image = fill([](TWmfWriter& w) { return w.CreateBrush(BS_HATCHED, Qt::blue, HS_HORIZONTAL); }, OPAQUE);
    int blueRows = 0, yellowRows = 0;
    for (int y = 0; y < 16; ++y) {
        blueRows += Near(image.pixel(100, y), Qt::blue, 60) && Near(image.pixel(37, y), Qt::blue, 60);
        yellowRows += Near(image.pixel(100, y), Qt::yellow, 60) && Near(image.pixel(37, y), Qt::yellow, 60);
    }
    EXPECT_GE(blueRows, 2);
    EXPECT_GE(yellowRows, 8);
    // Transparent background: the gaps stay white.
    image = fill([](TWmfWriter& w) { return w.CreateBrush(BS_HATCHED, Qt::blue, HS_VERTICAL); }, TRANSPARENT);
    EXPECT_EQ(CountPixels(image, QRect(0, 0, 200, 200), Qt::yellow), 0);
    EXPECT_GT(CountPixels(image, QRect(0, 0, 200, 200), Qt::white), 20000);
    // Diagonal hatches lean the GDI way: HS_FDIAGONAL runs top-left to
    // bottom-right, so ink at (x, y) continues at (x + 1, y + 1).
    for (int hatch : {HS_FDIAGONAL, HS_BDIAGONAL}) {
        image = fill([hatch](TWmfWriter& w) { return w.CreateBrush(BS_HATCHED, Qt::black, hatch); }, TRANSPARENT);
        int down = 0, up = 0;
        for (int y = 50; y < 60; ++y) {
            for (int x = 50; x < 60; ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    down += qGray(image.pixel(x + 1, y + 1)) < 128;
                    up += qGray(image.pixel(x + 1, y - 1)) < 128;
                }
            }
        }
        if (hatch == HS_FDIAGONAL)
            EXPECT_GT(down, up * 3 + 1);
        else
            EXPECT_GT(up, down * 3 + 1);
    }
    // A DIB pattern repeats its pixels.
    QImage pattern(8, 8, QImage::Format_RGB32);
    pattern.fill(Qt::green);
    for (int i = 0; i < 8; ++i)
        pattern.setPixel(i, 0, qRgb(255, 0, 0));
    image = fill([&](TWmfWriter& w) { return w.CreatePatternBrush(pattern); }, OPAQUE);
    const int redPixels = CountPixels(image, QRect(0, 0, 200, 200), Qt::red);
    const int greenPixels = CountPixels(image, QRect(0, 0, 200, 200), Qt::green);
    EXPECT_NEAR(double(greenPixels) / (redPixels + 1), 7.0, 1.0);
}

TEST(WmfDrawing, PensWidthsStylesAndPolyFill)
{
    // Width 0 is one device pixel at any scale; width 10 scales.
    {
        TWmfWriter w;
        w.SelectObject(w.CreatePen(PS_SOLID, 0, Qt::black));
        w.MoveTo(0, 25);
        w.LineTo(100, 25);
        w.SelectObject(w.CreatePen(PS_SOLID, 10, Qt::black));
        w.MoveTo(0, 75);
        w.LineTo(100, 75);
        const QImage image = Render(Placeable(w, 100, 100), QSize(400, 400));
        int thin = 0, thick = 0;
        for (int y = 80; y < 120; ++y)
            thin += qGray(image.pixel(200, y)) < 128;
        for (int y = 260; y < 340; ++y)
            thick += qGray(image.pixel(200, y)) < 128;
        EXPECT_LE(thin, 2);
        EXPECT_GE(thick, 38);
        EXPECT_LE(thick, 42);
    }
    // Dashed pen: gaps along the line; null pen: nothing.
    {
        TWmfWriter w;
        w.SelectObject(w.CreatePen(PS_DASH, 1, Qt::black));
        w.MoveTo(0, 50);
        w.LineTo(200, 50);
        w.SelectObject(w.CreatePen(PS_NULL, 1, Qt::black));
        w.MoveTo(0, 150);
        w.LineTo(200, 150);
        const QImage image = render200(w);
        int ink = 0;
        for (int x = 0; x < 200; ++x)
            ink += qGray(image.pixel(x, 50)) < 128;
        EXPECT_GT(ink, 100);
        EXPECT_LT(ink, 190);
        EXPECT_EQ(CountPixelsNotWhite(image.copy(0, 100, 200, 100)), 0);
    }
    // A five-pointed star: its centre is empty with ALTERNATE, filled with WINDING.
    for (int mode : {ALTERNATE, WINDING}) {
        TWmfWriter w;
        noPen(w);
        w.SelectObject(w.CreateBrush(BS_SOLID, Qt::black));
        w.SetPolyFillMode(mode);
        w.Polygon(QPolygon({QPoint(100, 10), QPoint(153, 172), QPoint(15, 72), QPoint(185, 72), QPoint(47, 172)}));
        const QImage image = render200(w);
        EXPECT_EQ(qGray(image.pixel(100, 100)) < 128, mode == WINDING) << mode;
        EXPECT_TRUE(qGray(image.pixel(100, 40)) < 128);
    }
    // PolyPolygon: a square with a square hole.
    {
        TWmfWriter w;
        noPen(w);
        w.SelectObject(w.CreateBrush(BS_SOLID, Qt::black));
        w.PolyPolygon({QPolygon(QRect(20, 20, 160, 160)), QPolygon(QRect(70, 70, 60, 60))});
        const QImage image = render200(w);
        EXPECT_TRUE(qGray(image.pixel(40, 40)) < 128);
        EXPECT_TRUE(qGray(image.pixel(100, 100)) > 128);
    }
}

TEST(WmfDrawing, OutputStaysVectorOnRecordingDevices)
{
    // Played into a QPicture and replayed 4x larger, edges stay sharp: the
    // shapes went in as geometry, not as a bitmap.
    TWmfWriter w;
    noPen(w);
    w.SelectObject(w.CreateBrush(BS_SOLID, Qt::black));
    w.Ellipse(0, 0, 100, 100);
    TWmfPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(Placeable(w, 100, 100)));
    QPicture recording;
    {
        QPainter painter(&recording);
        picture.Draw(painter, QRectF(0, 0, 100, 100));
    }
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(4, 4);
        painter.drawPicture(0, 0, recording);
    }
    int grey = 0;
    for (int x = 0; x < 400; ++x) {
        const int g = qGray(image.pixel(x, 200));
        grey += g > 40 && g < 215;
    }
    EXPECT_LE(grey, 4); // antialiased edge pixels only
    EXPECT_TRUE(qGray(image.pixel(200, 200)) < 40);
}
