// Change notifications, refits, zooming and the published properties of page
// objects and their page.
#include "PageKit.h"

#include "persist/ClassInfo.h"

TEST_F(PageTest, BoundsChangesNotifyOnceEachButNotTheFirst)
{
    auto* box = new TTestBox(owner.get(), page);
    page->AttachObject(box);
    box->SetBounds(10, 10, 50, 50);  // the first change only records
    EXPECT_EQ(changes, 0);
    box->SetLeft(20);
    EXPECT_EQ(changes, 1);
    box->SetBounds(30, 40, 60, 70);  // four fields, one change
    EXPECT_EQ(changes, 2);
    box->SetBounds(30, 40, 60, 70);
    EXPECT_EQ(changes, 2);
    box->show();  // deferred move and resize events change nothing
    QCoreApplication::processEvents();
    EXPECT_EQ(changes, 2);
    // Also through QWidget's own setters on a visible object.
    static_cast<QWidget*>(box)->move(35, 40);
    EXPECT_EQ(changes, 3);

    // Nothing while the page prints.
    page->SetPrinting(true);
    box->SetLeft(50);
    EXPECT_EQ(changes, 3);
    page->SetPrinting(false);
    box->SetLeft(60);
    EXPECT_EQ(changes, 4);

    // Nor while the object is being read.
    box->SetState(TComponent::csReading);
    box->SetBounds(1, 2, 3, 4);
    box->SetLocked(true);
    box->SetUnselectable(true);
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(box->Locked());
    EXPECT_TRUE(box->Unselectable());
    box->ClearState(TComponent::csReading);
}

TEST_F(PageTest, MovedObjectsRefitTheFrameAfterTheEvent)
{
    TTestBox* box = addBox(100, 100, 40, 40);
    frame()->Select(box);
    ASSERT_EQ(frame()->geometry(), QRect(98, 98, 45, 45));
    box->SetBounds(200, 150, 60, 30);
    // The refit is posted: it runs after the current event.
    EXPECT_EQ(frame()->geometry(), QRect(98, 98, 45, 45));
    QCoreApplication::processEvents();
    EXPECT_EQ(frame()->geometry(), QRect(198, 148, 66, 36));
}

TEST_F(PageTest, ZoomRescalesPageAndObjectsWithoutNotifying)
{
    page->resize(1056, 816);
    TTestBox* a = addBox(100, 200, 300, 50);
    TTestBox* b = addBox(5, 5, 5, 5);
    changes = 0;
    page->SetZoom(0.5f);
    EXPECT_EQ(page->size(), QSize(528, 408));
    EXPECT_EQ(a->geometry(), QRect(50, 100, 150, 25));
    EXPECT_EQ(b->geometry(), QRect(2, 2, 2, 2));  // 2.5 rounds to even
    EXPECT_EQ(a->ZoomFactor(), 0.5f);
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(page->Rescaling());

    page->SetZoom(0.5f);
    EXPECT_EQ(page->size(), QSize(528, 408));
    page->SetZoom(1.0f);
    EXPECT_EQ(page->size(), QSize(1056, 816));
    EXPECT_EQ(a->geometry(), QRect(100, 200, 300, 50));
    EXPECT_EQ(changes, 0);
    // Later edits notify again.
    a->SetLeft(10);
    EXPECT_EQ(changes, 1);
}

TEST_F(PageTest, ObjectZoomRoundsHalvesToEven)
{
    TTestBox* box = addBox(10, 11, 20, 21);
    box->SetZoom(2.0f);
    EXPECT_EQ(box->geometry(), QRect(20, 22, 40, 42));
    box->SetBounds(5, 5, 5, 5);
    box->SetZoom(1.0f);
    EXPECT_EQ(box->geometry(), QRect(2, 2, 2, 2));
    box->SetZoom(1.0f);
    EXPECT_EQ(box->geometry(), QRect(2, 2, 2, 2));
    // A factor of 0 counts as 100 % instead of scaling by infinity.
    box->SetZoomFactor(0.0f);
    box->SetZoom(2.0f);
    EXPECT_EQ(box->geometry(), QRect(4, 4, 4, 4));
}

TEST_F(PageTest, CentringUsesWholePixels)
{
    page->resize(1056, 816);
    TTestBox* box = addBox(10, 10, 31, 21);
    box->CenterVertically();
    EXPECT_EQ(box->Top(), 398);
    box->CenterHorizontally();
    EXPECT_EQ(box->Left(), 528 - 15);
}

TEST_F(PageTest, PlaceNamesSizesAndAttachesNewObjects)
{
    auto* first = new TTestBox(owner.get(), nullptr);
    page->SetZoom(0.8f);
    changes = 0;
    page->Place(first, QRect(30, 40, 3, 4));
    EXPECT_EQ(first->parentWidget(), page);
    EXPECT_EQ(first->Name(), QStringLiteral("Special1"));
    EXPECT_EQ(first->objectName(), QStringLiteral("Special1"));
    EXPECT_EQ(first->geometry(), QRect(30, 40, 10, 15));
    EXPECT_EQ(first->ZoomFactor(), 0.8f);
    EXPECT_TRUE(first->isVisible());
    EXPECT_GT(changes, 0);
    // The frame stays above new objects.
    EXPECT_EQ(page->children().indexOf(frame()) > page->children().indexOf(first), true);

    auto* second = new TTestBox(owner.get(), nullptr);
    page->Place(second, QRect(100, 100, 50, 40));
    EXPECT_EQ(second->Name(), QStringLiteral("Special2"));
    EXPECT_EQ(second->geometry(), QRect(100, 100, 50, 40));
    // Placed objects answer the mouse.
    click(QPoint(120, 120));
    ASSERT_EQ(frame()->SelectionCount(), 1);
    EXPECT_EQ(frame()->SelectedObject(0), second);
    EXPECT_TRUE(page->ObjectAtPoint(100, 100));
    EXPECT_FALSE(page->ObjectAtPoint(150, 100));
    EXPECT_EQ(page->FirstFreeName(QStringLiteral("Component"), 0), QStringLiteral("Component0"));
}

TEST_F(PageTest, DeletingObjectsKeepsTheSelectionSound)
{
    TTestBox* a = addBox(10, 10, 20, 20);
    TTestBox* b = addBox(50, 10, 20, 20);
    frame()->Select(a);
    frame()->Select(b);
    delete a;  // destroyed behind the page's back
    ASSERT_EQ(frame()->SelectionCount(), 1);
    EXPECT_EQ(frame()->SelectedObject(0), b);
    page->DeleteAllObjects();
    EXPECT_EQ(frame()->SelectionCount(), 0);
    EXPECT_TRUE(page->PageObjects().isEmpty());
    EXPECT_EQ(owner->ComponentCount(), 1);  // only the page is left
}

TEST_F(PageTest, KeepAndRemoveObjectsOffThePage)
{
    TTestBox* inside = addBox(10, 10, 20, 20);
    TTestBox* right = addBox(590, 10, 20, 20);
    TTestBox* low = addBox(10, 395, 20, 20);
    TTestBox* flat = addBox(100, 100, 20, 0);
    page->KeepObjectsOnPage();
    EXPECT_EQ(right->pos(), QPoint(580, 10));
    EXPECT_EQ(low->pos(), QPoint(10, 390));
    right->SetLeft(595);
    page->RemoveObjectsOffPage();
    const QList<TGGraphicControl*> left = page->PageObjects();
    EXPECT_EQ(left.size(), 2);
    EXPECT_TRUE(left.contains(inside));
    EXPECT_TRUE(left.contains(low));
    EXPECT_FALSE(left.contains(flat));
}

TEST(PublishedProperties, ObjectAndPageTablesInStreamOrder)
{
    QStringList names;
    for (const TPropertyInfo* p : TGGraphicControl::StaticClassInfo().AllProperties())
        names << QString::fromLatin1(p->name) + (p->defaultValue ? QStringLiteral("=") + QString::number(*p->defaultValue) : QString());
    EXPECT_EQ(names.join(QLatin1Char(' ')),
              QStringLiteral("Tag=0 Left Top Width Height Cursor=0 Hint Locked Unselectable"));

    names.clear();
    for (const TPropertyInfo* p : TGBasePanel::StaticClassInfo().AllProperties())
        names << QString::fromLatin1(p->name) + (p->defaultValue ? QStringLiteral("=") + QString::number(*p->defaultValue) : QString());
    EXPECT_EQ(names.join(QLatin1Char(' ')),
              QStringLiteral("Tag=0 Pointing DrawOutline Picture ColorPicture Printing Shape=1 GridSize ShowGrid "
                             "SnapToGrid DroppedObjectEvent LabelChangedEvent"));

    // The table's setters are the objects' own: reading bounds stores them.
    TComponent owner;
    TTestBox box(&owner, nullptr);
    const TClassInfo& info = TGGraphicControl::StaticClassInfo();
    info.FindProperty("Width")->setOrdinal(box, 77);
    info.FindProperty("Locked")->setOrdinal(box, 1);
    info.FindProperty("Hint")->setString(box, QStringLiteral("tip"));
    EXPECT_EQ(box.Width(), 77);
    EXPECT_TRUE(box.Locked());
    EXPECT_EQ(info.FindProperty("Hint")->getString(box), QStringLiteral("tip"));
}

TEST_F(PageTest, FrameSelectionListAndZOrder)
{
    TTestBox* a = addBox(10, 10, 20, 20);
    TTestBox* b = addBox(100, 50, 30, 40);
    TTestBox* c = addBox(200, 10, 20, 20);
    frame()->Select(a);
    frame()->Select(b);
    frame()->Select(nullptr);
    frame()->Select(a);
    ASSERT_EQ(frame()->SelectionCount(), 2);
    EXPECT_EQ(frame()->geometry(), QRect(8, 8, 130 - 8 + 3, 90 - 8 + 3));
    frame()->Deselect(b);
    EXPECT_EQ(frame()->geometry(), QRect(8, 8, 25, 25));
    frame()->Deselect(c);  // not selected: nothing
    EXPECT_EQ(frame()->SelectionCount(), 1);

    // z-order commands work on the selection, and not while it is locked.
    frame()->Select(b);
    frame()->SetLocked(true);
    frame()->SendSelectionToBack();
    EXPECT_EQ(page->PageObjects(), QList<TGGraphicControl*>({a, b, c}));
    frame()->SetLocked(false);
    frame()->SendSelectionToBack();
    EXPECT_EQ(page->PageObjects(), QList<TGGraphicControl*>({b, a, c}));
    frame()->ClearSelection();
    frame()->Select(a);
    frame()->BringSelectionToFront();
    EXPECT_EQ(page->PageObjects(), QList<TGGraphicControl*>({b, c, a}));
    EXPECT_EQ(page->children().last(), frame());
    frame()->SetLocked(true);
    frame()->ClearSelection();
    EXPECT_FALSE(frame()->Locked());

    // Grid steps stay within 1..32, so snapping never divides by zero.
    frame()->SetGridX(0);
    frame()->SetSnapToGrid(true);
    EXPECT_EQ(frame()->GridX(), 1);
    EXPECT_EQ(frame()->SnapX(13), 13);
    frame()->SetGridY(40);
    EXPECT_EQ(frame()->GridY(), 32);
    EXPECT_EQ(frame()->SnapY(-13), 0);  // truncates toward zero
}
