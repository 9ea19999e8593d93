// A drawing tool's rectangle: Escape during the drag cancels it.
#include "PageKit.h"

TEST_F(PageTest, EscapeDuringAToolDragCancelsTheRectangle)
{
    QList<QRect> dropped;
    page->DroppedObjectEvent = [&](QObject*, const QRect& rect) { dropped.append(rect); };
    page->SetPointing(false);
    TTestBox* box = addBox(200, 150, 60, 40);

    // Started on an object, with the keyboard focus elsewhere.
    press(QPoint(210, 160));
    move(QPoint(300, 240));
    EXPECT_TRUE(page->RubberBandActive());
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(page->RubberBandActive());
    EXPECT_TRUE(page->XorOverlay()->Rects().isEmpty());  // the outline is gone
    release(QPoint(300, 240));
    EXPECT_TRUE(dropped.isEmpty());

    // The tool is still armed: the next drag draws a tool rectangle again.
    press(QPoint(20, 30));
    move(QPoint(120, 90));
    EXPECT_TRUE(page->RubberBandActive());
    EXPECT_FALSE(page->XorOverlay()->Rects().isEmpty());
    release(QPoint(120, 90));
    EXPECT_FALSE(page->RubberBandActive());
}
