// What the page shows: selection marks, the page's own painting and
// suspended painting, checked in the pixels of a grab of the page.
#include "PageKit.h"

namespace {

using vellumy::test::CountPixels;

const QColor kBlack(0, 0, 0);
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kGreen(0, 0x80, 0);

class PaintTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        page->SetShape(lsRectangle);
        a = addBox(60, 60, 120, 80, QColor(255, 230, 150));
        b = addBox(250, 100, 100, 100, QColor(170, 210, 255));
        c = addBox(400, 250, 120, 60, QColor(190, 240, 190));
    }
    // Marks drawn by hand from the bounds: R is the bounds grown by 2.
    static QList<QRect> corners(const QRect& r)
    {
        const QRect g = r.adjusted(-2, -2, 2, 2);
        return {QRect(g.x(), g.y(), 5, 5), QRect(g.x() + g.width() - 5, g.y(), 5, 5),
                QRect(g.x() + g.width() - 5, g.y() + g.height() - 5, 5, 5),
                QRect(g.x(), g.y() + g.height() - 5, 5, 5)};
    }
    static QList<QRect> middles(const QRect& r)
    {
        const QRect g = r.adjusted(-2, -2, 2, 2);
        const int hx = g.width() / 2;
        const int hy = g.height() / 2;
        return {QRect(g.x() + hx - 2, g.y(), 5, 5), QRect(g.x() + hx - 2, g.y() + g.height() - 5, 5, 5),
                QRect(g.x(), g.y() + hy - 2, 5, 5), QRect(g.x() + g.width() - 5, g.y() + hy - 2, 5, 5)};
    }
    TTestBox* a = nullptr;
    TTestBox* b = nullptr;
    TTestBox* c = nullptr;
};

} // namespace

TEST_F(PaintTest, OneSelectedObjectShowsEightMarksInColor)
{
    click(QPoint(100, 100));
    ASSERT_EQ(frame()->SelectionCount(), 1);
    const QImage image = grabPage();
    vellumy::test::SaveForInspection(image, QStringLiteral("page-one-selected.png"));

    int black = 0;
    for (const QRect& mark : corners(a->geometry()) + middles(a->geometry())) {
        EXPECT_EQ(CountPixels(image, mark, kBlack), 25) << mark.x() << "," << mark.y();
        black += 25;
    }
    // Nothing else on the page is black.
    EXPECT_EQ(CountPixels(image, image.rect(), kBlack), black);
    // The marks sit exactly on R's corners: (58, 58) is a mark, (63, 58) not.
    EXPECT_EQ(QColor(image.pixel(58, 58)), kBlack);
    EXPECT_NE(QColor(image.pixel(63, 58)), kBlack);
    EXPECT_EQ(QColor(image.pixel(181, 141)), kBlack);
    EXPECT_NE(QColor(image.pixel(182, 142)), kBlack);

    frame()->SetColor(0x0000FF);  // clRed
    EXPECT_EQ(CountPixels(grabPage(), image.rect(), QColor(255, 0, 0)), black);
}

TEST_F(PaintTest, SeveralSelectedObjectsShowFourGreyCornerMarksEach)
{
    click(QPoint(100, 100));
    click(QPoint(300, 150), Qt::ShiftModifier);
    ASSERT_EQ(frame()->SelectionCount(), 2);
    const QImage image = grabPage();
    vellumy::test::SaveForInspection(image, QStringLiteral("page-two-selected.png"));

    for (const TTestBox* box : {a, b}) {
        for (const QRect& mark : corners(box->geometry()))
            EXPECT_EQ(CountPixels(image, mark, kGrey), 25);
        for (const QRect& mark : middles(box->geometry()))
            EXPECT_EQ(CountPixels(image, mark, kGrey), 0);
    }
    EXPECT_EQ(CountPixels(image, image.rect(), kGrey), 8 * 25);
    EXPECT_EQ(CountPixels(image, image.rect(), kBlack), 0);
}

TEST_F(PaintTest, SuspendedPaintingShowsNothingOfThePageOrItsObjects)
{
    click(QPoint(100, 100));
    page->SetPaintingSuspended(true);
    const QImage image = grabPage();
    EXPECT_EQ(CountPixels(image, a->geometry(), QColor(255, 230, 150)), 0);
    EXPECT_EQ(CountPixels(image, image.rect(), kBlack), 0);
    page->SetPaintingSuspended(false);
    // The marks reach 3 pixels into the object: 4 corners of 3 x 3, 4 middles of 5 x 3.
    EXPECT_EQ(CountPixels(grabPage(), a->geometry(), QColor(255, 230, 150)), 120 * 80 - 4 * 9 - 4 * 15);
}

TEST_F(PaintTest, GridDotsOutlineAndPictureOfThePagesOwnPainting)
{
    page->DeleteAllObjects();
    page->SetShowGrid(true);
    QImage image = grabPage();
    EXPECT_EQ(QColor(image.pixel(2, 2)), kGreen);
    EXPECT_EQ(QColor(image.pixel(6, 2)), kGreen);
    EXPECT_EQ(QColor(image.pixel(6, 6)), kGreen);
    EXPECT_EQ(QColor(image.pixel(4, 2)), QColor(Qt::white));
    EXPECT_EQ(CountPixels(image, QRect(0, 0, 80, 80), kGreen), 20 * 20);

    page->SetGridSize(gs8x8);
    image = grabPage();
    EXPECT_EQ(QColor(image.pixel(2, 2)), kGreen);
    EXPECT_EQ(QColor(image.pixel(6, 2)), QColor(Qt::white));
    EXPECT_EQ(CountPixels(image, QRect(0, 0, 80, 80), kGreen), 10 * 10);

    // The rounded shape keeps its corners free of dots.
    page->SetShape(lsRoundRect);
    image = grabPage();
    EXPECT_EQ(QColor(image.pixel(2, 2)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(18, 2)), kGreen);

    page->SetShowGrid(false);
    page->SetShape(lsRectangle);
    page->SetDrawOutline(true);
    image = grabPage();
    EXPECT_EQ(QColor(image.pixel(0, 200)), kBlack);
    EXPECT_EQ(QColor(image.pixel(599, 200)), kBlack);
    EXPECT_EQ(QColor(image.pixel(300, 399)), kBlack);
    EXPECT_EQ(QColor(image.pixel(1, 200)), QColor(Qt::white));

    // A bitmap picture is stretched over the page, under the grid.
    TGPanelPicture picture;
    picture.bitmap = QImage(2, 2, QImage::Format_RGB32);
    picture.bitmap.fill(QColor(255, 0, 0));
    page->SetDrawOutline(false);
    page->SetPicture(picture);
    page->SetShowGrid(true);
    image = grabPage();
    EXPECT_EQ(QColor(image.pixel(300, 200)), QColor(255, 0, 0));
    // Red AND green dot is black.
    EXPECT_EQ(QColor(image.pixel(298, 202)), kBlack);
}

TEST_F(PaintTest, ThreeObjectsForAPersonToLookAt)
{
    // Saved for viewing: one selected, then two, with a drag in progress.
    click(QPoint(300, 150));
    vellumy::test::SaveForInspection(grabPage(), QStringLiteral("page-three-objects-one-selected.png"));
    click(QPoint(450, 280), Qt::ShiftModifier);
    move(QPoint(300, 150));
    press(QPoint(300, 150));
    clock.advance(200);
    move(QPoint(250, 120));
    const QImage dragging = grabPage();
    vellumy::test::SaveForInspection(dragging, QStringLiteral("page-three-objects-two-selected-dragging.png"));
    release(QPoint(250, 120));
    // The feedback outlines where the two objects would land, dotted:
    // frame (198, 68, 275, 215), outline from (200, 70) to (470, 280).
    EXPECT_EQ(QColor(dragging.pixel(200, 70)), kBlack);
    EXPECT_EQ(QColor(dragging.pixel(201, 70)), QColor(Qt::white));
    // Over an object the outline inverts the object's colour.
    EXPECT_EQ(QColor(dragging.pixel(469, 279)), QColor(255 - 190, 255 - 240, 255 - 190));
    EXPECT_EQ(b->pos(), QPoint(200, 70));
    EXPECT_EQ(c->pos(), QPoint(350, 220));
}
