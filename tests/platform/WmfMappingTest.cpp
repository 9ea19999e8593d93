// Where logical units land: the placeable frame, window and viewport records,
// and the mapping modes, checked by where a filled rectangle shows up.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "WmfTestSupport.h"
#include "platform/WmfRecords.h"

using namespace wmftest;
using namespace wmf;

namespace {

// A solid red brush and no pen, so filled shapes have exact edges.
void redFill(TWmfWriter& w)
{
    w.SelectObject(w.CreatePen(PS_NULL, 0, Qt::black));
    w.SelectObject(w.CreateBrush(BS_SOLID, Qt::red));
}

bool red(const QImage& image, int x, int y) { return Near(image.pixel(x, y), Qt::red); }

} // namespace

TEST(WmfMapping, PlaceableFrameStretchesOntoTheTarget)
{
    // Frame 100 x 50 units with its origin at (300, 200); the top-left quarter
    // of it lands on the top-left quarter of any target.
    TWmfWriter w;
    redFill(w);
    w.Rectangle(300, 200, 350, 225);
    TWmfPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(w.PlaceableBytes(QRect(300, 200, 100, 50), 96)));
    const QImage image = Render(picture, QSize(240, 240), QRectF(20, 20, 200, 200));
    EXPECT_TRUE(red(image, 25, 25));
    EXPECT_TRUE(red(image, 115, 115));
    EXPECT_FALSE(red(image, 125, 60));
    EXPECT_FALSE(red(image, 60, 125));
    EXPECT_FALSE(red(image, 15, 15));
    EXPECT_EQ(InkBounds(image), QRect(20, 20, 100, 100));
}

TEST(WmfMapping, WindowAndViewportRecordsInAnisotropicMode)
{
    // The window extent rescales the drawing relative to the frame.
    {
        TWmfWriter w;
        w.SetMapMode(MM_ANISOTROPIC);
        w.SetWindowOrg(0, 0);
        w.SetWindowExt(1000, 1000);
        redFill(w);
        w.Rectangle(0, 0, 500, 500);
        EXPECT_EQ(InkBounds(Render(Placeable(w, 100, 100), QSize(100, 100))), QRect(0, 0, 50, 50));
    }
    // OffsetWindowOrg moves the window; the drawing shifts the other way.
    {
        TWmfWriter w;
        w.OffsetWindowOrg(10, 20);
        redFill(w);
        w.Rectangle(40, 40, 60, 60);
        EXPECT_EQ(InkBounds(Render(Placeable(w, 100, 100), QSize(100, 100))), QRect(30, 20, 20, 20));
    }
    // ScaleWindowExt doubles the window: everything comes out half as large.
    {
        TWmfWriter w;
        w.ScaleWindowExt(2, 1, 2, 1);
        redFill(w);
        w.Rectangle(0, 0, 100, 100);
        EXPECT_EQ(InkBounds(Render(Placeable(w, 100, 100), QSize(100, 100))), QRect(0, 0, 50, 50));
    }
    // Viewport origin and extent are frame units.
    {
        TWmfWriter w;
        w.SetViewportOrg(20, 10);
        w.SetViewportExt(50, 50);
        redFill(w);
        w.Rectangle(0, 0, 100, 100);
        EXPECT_EQ(InkBounds(Render(Placeable(w, 100, 100), QSize(200, 200))), QRect(40, 20, 100, 100));
    }
    // A negative window extent flips the picture.
    {
        TWmfWriter w;
        w.SetWindowOrg(0, 100);
        w.SetWindowExt(100, -100);
        redFill(w);
        w.Rectangle(0, 0, 30, 20); // bottom left when y grows upwards
        EXPECT_EQ(InkBounds(Render(Placeable(w, 100, 100), QSize(100, 100))), QRect(0, 80, 30, 20));
    }
}

TEST(WmfMapping, TextIsotropicAndFixedModes)
{
    // MM_TEXT: one logical unit per frame unit whatever the extents say.
    {
        TWmfWriter w;
        w.SetWindowExt(1000, 1000);
        w.SetMapMode(MM_TEXT);
        w.SetWindowExt(10, 10); // ignored in this mode
        redFill(w);
        w.Rectangle(10, 10, 40, 30);
        EXPECT_EQ(InkBounds(Render(Placeable(w, 100, 100), QSize(200, 200))), QRect(20, 20, 60, 40));
    }
    // MM_ISOTROPIC keeps units square, using the smaller of the two scales.
    {
        TWmfWriter w;
        w.SetMapMode(MM_ISOTROPIC);
        w.SetWindowExt(100, 100);
        w.SetViewportExt(100, 50);
        redFill(w);
        w.Rectangle(0, 0, 100, 100);
        EXPECT_EQ(InkBounds(Render(Placeable(w, 100, 100), QSize(100, 100))), QRect(0, 0, 50, 50));
    }
    // MM_LOMETRIC: tenths of a millimetre, y growing upwards from the origin.
    // With 254 frame units per inch one logical unit is one frame unit.
    {
        TWmfWriter w;
        w.SetMapMode(MM_LOMETRIC);
        redFill(w);
        w.Rectangle(10, -20, 40, -60);
        EXPECT_EQ(InkBounds(Render(Placeable(w, 100, 100, 254), QSize(100, 100))), QRect(10, 20, 30, 40));
    }
    // MM_TWIPS at 96 frame units per inch: 15 twips per unit.
    {
        TWmfWriter w;
        w.SetMapMode(MM_TWIPS);
        w.SetWindowOrg(0, 1500);
        redFill(w);
        w.Rectangle(0, 1500, 750, 0);
        EXPECT_EQ(InkBounds(Render(Placeable(w, 100, 100, 96), QSize(100, 100))), QRect(0, 0, 50, 100));
    }
}

TEST(WmfMapping, PlainMetafilesTakeTheirWindowOrTheirDrawing)
{
    // No placeable header: the window set up before drawing is the frame.
    {
        TWmfWriter w;
        w.SetWindowOrg(-50, -50);
        w.SetWindowExt(100, 100);
        redFill(w);
        w.Rectangle(-50, -50, 0, 0);
        TWmfPicture picture;
        ASSERT_TRUE(picture.LoadFromBytes(w.Bytes()));
        EXPECT_FALSE(picture.IsPlaceable());
        EXPECT_EQ(picture.Width(), 100);
        EXPECT_EQ(picture.Height(), 100);
        EXPECT_EQ(InkBounds(Render(picture, QSize(200, 200))), QRect(0, 0, 100, 100));
    }
    // Neither header nor window: the extent of what is drawn.
    {
        TWmfWriter w;
        redFill(w);
        w.Ellipse(200, 300, 400, 400);
        TWmfPicture picture;
        ASSERT_TRUE(picture.LoadFromBytes(w.Bytes()));
        EXPECT_EQ(picture.Width(), 200);
        EXPECT_EQ(picture.Height(), 100);
        const QImage image = Render(picture, QSize(100, 100));
        EXPECT_TRUE(red(image, 50, 50));
        const QRect ink = InkBounds(image);
        EXPECT_LE(std::abs(ink.left()), 1);
        EXPECT_GE(ink.right(), 98);
    }
}

TEST(WmfMapping, PlaceableSizeInScreenPixels)
{
    TWmfWriter w;
    w.Rectangle(0, 0, 10, 10);
    TWmfPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(w.PlaceableBytes(QRect(0, 0, 11520, 15120), 1440)));
    EXPECT_TRUE(picture.IsPlaceable());
    EXPECT_EQ(picture.Inch(), 1440);
    EXPECT_EQ(picture.BoundingBox(), QRect(0, 0, 11520, 15120));
    EXPECT_EQ(picture.Width(), 768);  // 8 inches at 96 ppi
    EXPECT_EQ(picture.Height(), 1008); // 10.5 inches
}
