// Selecting page objects with the mouse: clicks, Shift-clicks, rubber bands,
// unselectable objects and drawing tools.
#include "PageKit.h"

#include "objects/Cursors.h"

#include <QGuiApplication>

namespace {

class ToolPage : public TGBasePanel {
public:
    using TGBasePanel::TGBasePanel;
    QList<QRect> toolRects;
    // Like a drawing tool: each rectangle becomes an object.
    void ToolRectDone(const QRect& rect) override
    {
        toolRects.append(rect);
        auto* made = new TTestBox(Owner(), this);
        made->SetBounds(rect.x(), rect.y(), rect.width(), rect.height());
        AttachObject(made);
    }
};

} // namespace

TEST_F(PageTest, ClickSelectsAndShiftClickToggles)
{
    TTestBox* a = addBox(50, 50, 100, 50);
    TTestBox* b = addBox(250, 60, 80, 40);

    click(QPoint(70, 70));
    ASSERT_EQ(frame()->SelectionCount(), 1);
    EXPECT_EQ(frame()->SelectedObject(0), a);
    EXPECT_TRUE(frame()->isVisible());
    EXPECT_EQ(frame()->geometry(), QRect(48, 48, 105, 55));

    // A plain click on another object replaces the selection.
    click(QPoint(260, 70));
    ASSERT_EQ(frame()->SelectionCount(), 1);
    EXPECT_EQ(frame()->SelectedObject(0), b);

    // Shift adds, and the frame spans both.
    click(QPoint(70, 70), Qt::ShiftModifier);
    ASSERT_EQ(frame()->SelectionCount(), 2);
    EXPECT_EQ(frame()->IndexOfSelected(b), 0);
    EXPECT_EQ(frame()->IndexOfSelected(a), 1);
    EXPECT_EQ(frame()->geometry(), QRect(48, 48, 330 - 48 + 3, 100 - 48 + 3));

    // Shift-clicking a selected object (under the frame) takes it out.
    click(QPoint(260, 70), Qt::ShiftModifier);
    ASSERT_EQ(frame()->SelectionCount(), 1);
    EXPECT_EQ(frame()->SelectedObject(0), a);

    // A click on an empty spot clears the selection; the frame hides.
    click(QPoint(500, 300));
    EXPECT_EQ(frame()->SelectionCount(), 0);
    EXPECT_FALSE(frame()->isVisible());
    EXPECT_EQ(frame()->size(), QSize(24, 24));
    EXPECT_EQ(frame()->SelectedObject(0), nullptr);
    EXPECT_EQ(frame()->SelectedObject(-1), nullptr);
    EXPECT_EQ(frame()->IndexOfSelected(a), -1);
}

TEST_F(PageTest, RubberBandSelectsWhatItTouchesFromEitherDirection)
{
    TTestBox* a = addBox(50, 50, 40, 40);
    TTestBox* b = addBox(150, 50, 40, 40);
    TTestBox* c = addBox(300, 200, 40, 40);

    // Left to right over a and the left edge of b.
    drag(QPoint(20, 20), QPoint(151, 60));
    ASSERT_EQ(frame()->SelectionCount(), 2);
    // Objects are taken from the topmost down.
    EXPECT_EQ(frame()->SelectedObject(0), b);
    EXPECT_EQ(frame()->SelectedObject(1), a);
    EXPECT_TRUE(page->XorOverlay()->Rects().isEmpty());

    // Right to left and bottom to top selects the same way.
    click(QPoint(500, 350));
    drag(QPoint(400, 300), QPoint(170, 70));
    ASSERT_EQ(frame()->SelectionCount(), 2);
    EXPECT_GE(frame()->IndexOfSelected(b), 0);
    EXPECT_GE(frame()->IndexOfSelected(c), 0);

    // A band whose right edge only reaches an object's left edge misses it.
    click(QPoint(500, 350));
    drag(QPoint(10, 10), QPoint(50, 45));
    EXPECT_EQ(frame()->SelectionCount(), 0);

    // Shift toggles what the band touches.
    click(QPoint(60, 60));
    drag(QPoint(130, 30), QPoint(20, 100), 500, Qt::ShiftModifier);  // touches only a
    EXPECT_EQ(frame()->SelectionCount(), 0);
    drag(QPoint(20, 20), QPoint(200, 100), 500, Qt::ShiftModifier);  // a and b
    EXPECT_EQ(frame()->SelectionCount(), 2);
}

TEST_F(PageTest, RubberBandIsDrawnInXorWhileDragging)
{
    const QImage before = grabPage();
    move(QPoint(100, 100));
    press(QPoint(100, 100));
    move(QPoint(200, 150));
    ASSERT_EQ(page->XorOverlay()->Rects().size(), 1);
    EXPECT_EQ(page->XorOverlay()->Rects().first(), QRect(100, 100, 100, 50));
    const QImage during = grabPage();
    // White XOR white is black: the dotted outline shows on the white page.
    EXPECT_EQ(QColor(during.pixel(100, 100)), QColor(Qt::black));
    EXPECT_EQ(QColor(during.pixel(101, 100)), QColor(Qt::white));
    EXPECT_EQ(QColor(during.pixel(150, 125)), QColor(Qt::white));
    move(QPoint(120, 110));
    EXPECT_EQ(page->XorOverlay()->Rects().first(), QRect(100, 100, 20, 10));
    release(QPoint(120, 110));
    EXPECT_TRUE(page->XorOverlay()->Rects().isEmpty());
    EXPECT_EQ(grabPage(), before);
}

TEST_F(PageTest, UnselectableObjectsLetClicksAndBandsThrough)
{
    TTestBox* a = addBox(50, 50, 100, 100);
    TTestBox* b = addBox(300, 50, 50, 50);
    a->SetUnselectable(true);

    click(QPoint(80, 80));
    EXPECT_EQ(frame()->SelectionCount(), 0);
    frame()->Select(a);
    EXPECT_EQ(frame()->SelectionCount(), 0);

    // A band starting on the unselectable object selects what it reaches.
    drag(QPoint(80, 80), QPoint(320, 70));
    ASSERT_EQ(frame()->SelectionCount(), 1);
    EXPECT_EQ(frame()->SelectedObject(0), b);

    // Making a selected object unselectable drops it from the selection.
    b->SetUnselectable(true);
    EXPECT_EQ(frame()->SelectionCount(), 0);
}

TEST(ToolPageTest, ToolRectangleStartsOnTopOfAnObject)
{
    vellumy::test::ManualClock clock;
    TComponent owner;
    auto* tool = new ToolPage(&owner);
    tool->resize(400, 300);
    tool->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tool));
    auto* box = new TTestBox(&owner, tool);
    box->SetBounds(50, 50, 100, 100);
    tool->AttachObject(box);
    box->Loaded();
    box->show();
    QList<QRect> dropped;
    tool->DroppedObjectEvent = [&](QObject*, const QRect& r) { dropped.append(r); };
    tool->SetPointing(false);

    QWindow* window = tool->windowHandle();
    QTest::mouseMove(window, QPoint(60, 70));
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(60, 70));
    QTest::mouseMove(window, QPoint(100, 90));
    QTest::mouseMove(window, QPoint(63, 74));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(63, 74));

    EXPECT_EQ(tool->SelectionFrame()->SelectionCount(), 0);
    ASSERT_EQ(tool->toolRects.size(), 1);
    EXPECT_EQ(tool->toolRects.first(), QRect(60, 70, 3, 4));
    ASSERT_EQ(dropped.size(), 1);
    EXPECT_EQ(dropped.first(), QRect(60, 70, 3, 4));
}

TEST_F(PageTest, PageClicksDoubleClicksAndKeysRaiseThePagesEvents)
{
    TTestBox* box = addBox(50, 50, 40, 40);
    int clicks = 0;
    int doubleClicks = 0;
    QList<int> keys;
    page->OnClick = [&](QObject*) { ++clicks; };
    page->OnDblClick = [&](QObject*) { ++doubleClicks; };
    page->OnKeyDown = [&](QObject*, int& key, Qt::KeyboardModifiers) { keys.append(key); };

    click(QPoint(300, 300));
    EXPECT_EQ(clicks, 1);
    click(QPoint(60, 60));  // on an object: no page click
    EXPECT_EQ(clicks, 1);
    click(QPoint(300, 310));
    EXPECT_EQ(clicks, 2);
    doubleClick(QPoint(300, 310));
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(clicks, 3);  // the double click's first click

    // The page wants every key, Tab included.
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Tab);
    QTest::keyClick(page, Qt::Key_Left);
    EXPECT_EQ(keys, QList<int>({Qt::Key_Tab, Qt::Key_Left}));
    // Keys of the selection frame reach the page's handlers too.
    frame()->Select(box);
    QTest::keyClick(frame(), Qt::Key_A);
    EXPECT_EQ(keys.last(), int(Qt::Key_A));
}

TEST_F(PageTest, PageCursorFollowsPointingGrabbingAndBands)
{
    EXPECT_FALSE(ResourceCursor("HANDGRAB").pixmap().isNull());
    EXPECT_FALSE(ResourceCursor("HANDPOINT").pixmap().isNull());
    EXPECT_EQ(ResourceCursor("HANDPOINT").hotSpot(), QPoint(11, 1));
    EXPECT_EQ(CursorFor(crHandGrab).pixmap().size(), QSize(32, 32));

    // A busy cursor pushed by a command stays while the page's cursor changes.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    addBox(50, 50, 40, 40);
    move(QPoint(60, 60));
    EXPECT_EQ(PageCursor(), crHandPoint);
    EXPECT_EQ(page->cursor().pixmap().size(), QSize(32, 32));
    press(QPoint(60, 60));
    EXPECT_EQ(PageCursor(), crHandGrab);
    clock.advance(20);
    move(QPoint(70, 70));
    move(QPoint(80, 80));
    clock.advance(200);
    release(QPoint(80, 80));
    EXPECT_EQ(PageCursor(), crDefault);

    move(QPoint(300, 300));
    press(QPoint(300, 300));
    EXPECT_EQ(PageCursor(), crHandPoint);
    move(QPoint(320, 320));
    release(QPoint(320, 320));
    EXPECT_EQ(PageCursor(), crDefault);
    EXPECT_EQ(page->cursor().shape(), Qt::ArrowCursor);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(PageTest, ToolRectangleStartsOnTheSelectionToo)
{
    TTestBox* box = addBox(50, 50, 100, 100);
    click(QPoint(60, 60));
    ASSERT_EQ(frame()->SelectionCount(), 1);
    QList<QRect> dropped;
    page->DroppedObjectEvent = [&](QObject*, const QRect& r) { dropped.append(r); };
    page->SetPointing(false);
    move(QPoint(70, 80));
    press(QPoint(70, 80));
    move(QPoint(100, 90));
    move(QPoint(120, 130));
    release(QPoint(120, 130));
    // This page's tools create nothing, so nothing is reported as dropped.
    EXPECT_TRUE(dropped.isEmpty());
    EXPECT_EQ(box->geometry(), QRect(50, 50, 100, 100));
    page->SetPointing(true);
}
