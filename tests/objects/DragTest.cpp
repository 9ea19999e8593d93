// Moving and resizing the selection with the mouse and the arrow keys.
#include "PageKit.h"

namespace {

struct ModeCase {
    int mode;
    QPoint hover;  // fraction-free position inside the frame: see handleAt()
    QRect expected;
};

// A point over the handle of a mode, in frame coordinates.
QPoint handleAt(int mode, const QSize& frame)
{
    const int w = frame.width();
    const int h = frame.height();
    switch (mode) {
    case TGHandle::rmTopLeft:
        return QPoint(1, 1);
    case TGHandle::rmTopRight:
        return QPoint(w - 2, 1);
    case TGHandle::rmBottomLeft:
        return QPoint(1, h - 2);
    case TGHandle::rmBottomRight:
        return QPoint(w - 2, h - 2);
    case TGHandle::rmTop:
        return QPoint(w / 2, 1);
    case TGHandle::rmLeft:
        return QPoint(1, h / 2);
    case TGHandle::rmBottom:
        return QPoint(w / 2, h - 2);
    case TGHandle::rmRight:
        return QPoint(w - 2, h / 2);
    default:
        return QPoint(w / 2 + 10, h / 2);
    }
}

} // namespace

TEST_F(PageTest, EveryResizeModeChangesTheObjectByTheDrag)
{
    TTestBox* box = addBox(100, 100, 100, 50);
    // Each mode dragged by (+20, +10); the edge modes of the right and bottom
    // take one pixel less.
    const QList<std::pair<int, QRect>> cases{
        {TGHandle::rmMove, QRect(120, 110, 100, 50)},
        {TGHandle::rmTopLeft, QRect(120, 110, 80, 40)},
        {TGHandle::rmTopRight, QRect(100, 110, 119, 40)},
        {TGHandle::rmBottomLeft, QRect(120, 100, 80, 59)},
        {TGHandle::rmBottomRight, QRect(100, 100, 119, 59)},
        {TGHandle::rmTop, QRect(100, 110, 100, 40)},
        {TGHandle::rmLeft, QRect(120, 100, 80, 50)},
        {TGHandle::rmBottom, QRect(100, 100, 100, 59)},
        {TGHandle::rmRight, QRect(100, 100, 119, 50)},
    };
    for (const auto& [mode, expected] : cases) {
        SCOPED_TRACE(mode);
        box->SetBounds(100, 100, 100, 50);
        click(QPoint(580, 380));
        click(QPoint(150, 125));
        ASSERT_EQ(frame()->SelectionCount(), 1);

        const QPoint at = frame()->pos() + handleAt(mode, frame()->size());
        move(at);
        EXPECT_EQ(frame()->Mode(), mode);
        changes = 0;
        press(at);
        EXPECT_TRUE(frame()->Dragging());
        clock.advance(200);
        move(at + QPoint(10, 5));
        EXPECT_FALSE(page->XorOverlay()->Rects().isEmpty());
        move(at + QPoint(20, 10));
        release(at + QPoint(20, 10));
        EXPECT_EQ(box->geometry(), expected);
        EXPECT_FALSE(frame()->Dragging());
        EXPECT_TRUE(page->XorOverlay()->Rects().isEmpty());
        // One notification for the one bounds change; the frame refits.
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(frame()->geometry(), expected.adjusted(-2, -2, 4, 4));
    }
}

TEST_F(PageTest, AQuickClickMovesNothingEvenWhenThePointerMoved)
{
    TTestBox* box = addBox(100, 100, 100, 50);
    click(QPoint(150, 125));
    move(QPoint(150, 125));

    press(QPoint(150, 125));
    move(QPoint(170, 140));
    move(QPoint(180, 145));
    clock.advance(149);
    release(QPoint(180, 145));
    EXPECT_EQ(box->geometry(), QRect(100, 100, 100, 50));

    // Held for 150 ms the same drag moves it.
    move(QPoint(150, 125));
    press(QPoint(150, 125));
    move(QPoint(180, 145));
    clock.advance(150);
    release(QPoint(180, 145));
    EXPECT_EQ(box->geometry(), QRect(130, 120, 100, 50));
}

TEST_F(PageTest, DragOfAFreshlySelectedObjectStartsAfterTenMilliseconds)
{
    TTestBox* box = addBox(100, 100, 100, 50);
    move(QPoint(150, 125));
    press(QPoint(150, 125));
    // Within 10 ms of the selection no drag starts.
    move(QPoint(160, 130));
    EXPECT_FALSE(frame()->Dragging());
    clock.advance(11);
    move(QPoint(161, 130));  // the drag starts here
    EXPECT_TRUE(frame()->Dragging());
    move(QPoint(201, 150));
    clock.advance(500);
    release(QPoint(201, 150));
    EXPECT_EQ(box->geometry(), QRect(140, 120, 100, 50));
}

TEST_F(PageTest, MovesSnapToTheGrid)
{
    page->SetGridSize(gs8x8);
    // A grid size alone does not snap.
    EXPECT_EQ(frame()->GridX(), 1);
    page->SetSnapToGrid(true);
    EXPECT_EQ(frame()->GridX(), 8);
    EXPECT_EQ(frame()->GridY(), 8);

    TTestBox* box = addBox(18, 18, 50, 50);  // frame at (16, 16)
    click(QPoint(40, 40));
    ASSERT_EQ(frame()->pos(), QPoint(16, 16));
    move(QPoint(40, 40));
    drag(QPoint(40, 40), QPoint(53, 45));
    // 13 snaps to 8, 5 to 0.
    EXPECT_EQ(box->pos(), QPoint(26, 18));

    page->SetSnapToGrid(false);
    EXPECT_EQ(frame()->GridX(), 1);
    page->SetGridSize(gs4x4);
    EXPECT_EQ(frame()->GridX(), 1);
    page->SetSnapToGrid(true);
    EXPECT_EQ(frame()->GridX(), 4);
}

TEST_F(PageTest, DragsAreClampedToThePage)
{
    TTestBox* box = addBox(500, 300, 50, 50);  // frame at (498, 298)
    click(QPoint(520, 320));
    move(QPoint(520, 320));
    press(QPoint(520, 320));
    clock.advance(200);
    move(QPoint(700, 500));
    move(QPoint(900, 700));
    release(QPoint(900, 700));
    // The pointer counts as if it stopped at the page's edge (600, 400).
    EXPECT_EQ(box->pos(), QPoint(580, 380));

    // A resize never makes the frame smaller than 5 x 5: the object ends at 0 x 0.
    box->SetBounds(100, 100, 40, 40);
    click(QPoint(580, 20));
    click(QPoint(120, 120));
    const QPoint corner = frame()->pos() + handleAt(TGHandle::rmBottomRight, frame()->size());
    move(corner);
    press(corner);
    clock.advance(200);
    move(QPoint(20, 20));
    release(QPoint(20, 20));
    EXPECT_EQ(box->geometry(), QRect(100, 100, 0, 0));
}

TEST_F(PageTest, MultipleSelectionMovesAsAWholeAndLockedMembersStay)
{
    TTestBox* a = addBox(50, 50, 40, 40);
    TTestBox* b = addBox(150, 50, 40, 40);
    TTestBox* c = addBox(250, 50, 40, 40);
    drag(QPoint(20, 20), QPoint(300, 100));
    ASSERT_EQ(frame()->SelectionCount(), 3);

    // Corners of a multiple selection only ever move.
    move(frame()->pos() + QPoint(1, 1));
    EXPECT_EQ(frame()->Mode(), TGHandle::rmMove);

    b->SetLocked(true);
    drag(QPoint(60, 60), QPoint(80, 160));
    EXPECT_EQ(a->pos(), QPoint(70, 150));
    EXPECT_EQ(b->pos(), QPoint(150, 50));
    EXPECT_EQ(c->pos(), QPoint(270, 150));
    // The frame encloses all members again.
    EXPECT_EQ(frame()->geometry(), QRect(68, 48, 310 - 70 + 6, 190 - 50 + 6));

    // All locked: nothing moves and the frame stays round them.
    page->PageCommand(TGPageCommand::LockAll);
    const QRect before = frame()->geometry();
    drag(QPoint(80, 160), QPoint(120, 200));
    EXPECT_EQ(a->pos(), QPoint(70, 150));
    EXPECT_EQ(c->pos(), QPoint(270, 150));
    EXPECT_EQ(frame()->geometry(), before);

    page->PageCommand(TGPageCommand::UnlockAll);
    drag(QPoint(80, 160), QPoint(90, 170));
    EXPECT_EQ(a->pos(), QPoint(80, 160));
    EXPECT_EQ(b->pos(), QPoint(160, 60));
}

TEST_F(PageTest, ArrowKeysMoveOnceAtTheRelease)
{
    TTestBox* box = addBox(100, 100, 100, 50);
    click(QPoint(150, 125));
    ASSERT_TRUE(frame()->hasFocus());

    QTest::keyPress(frame(), Qt::Key_Right);
    QTest::keyPress(frame(), Qt::Key_Right);
    QTest::keyPress(frame(), Qt::Key_Down);
    EXPECT_EQ(box->pos(), QPoint(100, 100));
    EXPECT_TRUE(frame()->KeyboardMove());
    ASSERT_EQ(page->XorOverlay()->Rects().size(), 1);
    EXPECT_EQ(page->XorOverlay()->Rects().first(), QRect(102, 101, 100, 50));
    changes = 0;
    QTest::keyRelease(frame(), Qt::Key_Down);
    EXPECT_EQ(box->geometry(), QRect(102, 101, 100, 50));
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(frame()->KeyboardMove());
    EXPECT_TRUE(page->XorOverlay()->Rects().isEmpty());

    // An auto-repeated release does not end the move.
    QTest::keyPress(frame(), Qt::Key_Left);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(frame(), &repeat);
    EXPECT_TRUE(frame()->KeyboardMove());
    QTest::keyRelease(frame(), Qt::Key_Left);
    EXPECT_EQ(box->pos(), QPoint(101, 101));

    // Moves stop at the left and top edges.
    box->SetBounds(0, 1, 30, 30);
    click(QPoint(580, 380));
    click(QPoint(10, 10));
    for (int i = 0; i < 3; ++i) {
        QTest::keyPress(frame(), Qt::Key_Left);
        QTest::keyPress(frame(), Qt::Key_Up);
    }
    QTest::keyRelease(frame(), Qt::Key_Up);
    EXPECT_EQ(box->pos(), QPoint(0, 0));
}

TEST_F(PageTest, ShiftArrowsResizeOneObjectWithinThePage)
{
    TTestBox* box = addBox(480, 100, 118, 50);  // right edge at 598 of 600
    click(QPoint(500, 120));
    for (int i = 0; i < 5; ++i)
        QTest::keyPress(frame(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyRelease(frame(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(box->geometry(), QRect(480, 100, 120, 50));

    // Shrinking stops at 10 pixels across the keyboard rectangle.
    box->SetBounds(100, 100, 12, 12);
    click(QPoint(580, 380));
    click(QPoint(105, 105));
    for (int i = 0; i < 6; ++i)
        QTest::keyPress(frame(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyRelease(frame(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(box->geometry(), QRect(100, 100, 9, 12));

    // With two objects selected Shift+arrow moves instead.
    TTestBox* other = addBox(200, 200, 20, 20);
    frame()->Select(other);
    QTest::keyPress(frame(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyRelease(frame(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(box->geometry(), QRect(101, 100, 9, 12));
    EXPECT_EQ(other->geometry(), QRect(201, 200, 20, 20));
}

TEST_F(PageTest, DoubleClickDuringADragStopsIt)
{
    TTestBox* box = addBox(100, 100, 100, 50);
    bool ran = false;
    box->DoubleClickAction = [&](TGBasePanel& p) { ran = &p == page; };
    click(QPoint(150, 125));
    move(QPoint(150, 125));
    doubleClick(QPoint(150, 125));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(popups.isEmpty());
    EXPECT_TRUE(frame()->DoubleClickFlag());

    // Without an action the object's menu opens at the pointer.
    box->DoubleClickAction = nullptr;
    move(QPoint(152, 125));
    EXPECT_FALSE(frame()->DoubleClickFlag());
    doubleClick(QPoint(152, 125));
    ASSERT_EQ(popups.size(), 1);
    EXPECT_EQ(popups.first(), box->PopupMenu());

    // The double click's press started a drag; the next move ends it.
    press(QPoint(152, 125));
    EXPECT_TRUE(frame()->Dragging());
    frame()->SetDoubleClickFlag(true);
    move(QPoint(170, 140));
    EXPECT_FALSE(frame()->Dragging());
    release(QPoint(170, 140));
    EXPECT_EQ(box->pos(), QPoint(100, 100));
}
