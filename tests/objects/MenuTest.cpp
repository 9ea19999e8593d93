// The page popup menu, the objects' popup menus and the commands behind them.
#include "PageKit.h"

#include <QFile>

#include "objects/FontChooser.h"
#include "objects/ObjectFiler.h"

namespace {

// Writes the objects' bounds as text lines and reads them back as boxes, as
// the object stream would write and read whole records.
class LineFiler : public TGObjectFiler {
public:
    int writes = 0;
    bool failReading = false;

    void WriteObjects(const QList<TGGraphicControl*>& objects, const QString& path) override
    {
        ++writes;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("Stream write error");
        for (const TGGraphicControl* o : objects)
            file.write(QStringLiteral("%1 %2 %3 %4\n").arg(o->Left()).arg(o->Top()).arg(o->Width()).arg(o->Height()).toLatin1());
    }
    QList<TGGraphicControl*> ReadObjects(TGBasePanel& page, const QString& path) override
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("Stream read error");
        QList<TGGraphicControl*> made;
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> v = line.split(' ');
            if (v.size() != 4)
                continue;
            auto* box = new TTestBox(page.Owner(), &page);
            box->SetName(page.FirstFreeName(QStringLiteral("Component"), 0));
            box->SetBounds(v[0].toInt() + 15, v[1].toInt() + 15, v[2].toInt(), v[3].toInt());
            box->Loaded();
            box->show();
            made.append(box);
            if (failReading)
                throw std::runtime_error("Invalid stream format");
        }
        return made;
    }
    TGGraphicControl* Duplicate(TGGraphicControl& object) override
    {
        auto* page = qobject_cast<TGBasePanel*>(object.parentWidget());
        auto* box = new TTestBox(object.Owner(), object.parentWidget());
        box->SetName(page->FirstFreeName(QStringLiteral("Component"), 0));
        box->SetBounds(object.Left(), object.Top(), object.Width(), object.Height());
        box->Loaded();
        box->show();
        return box;
    }
};

class MenuTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        SetObjectFiler(&filer);
        QFile::remove(page->ClipboardFile());
    }
    void TearDown() override
    {
        SetObjectFiler(nullptr);
        PageTest::TearDown();
    }
    QAction* entry(QMenu* menu, const QString& caption)
    {
        for (QAction* action : menu->actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }
    QStringList enabledEntries(QMenu* menu)
    {
        QStringList list;
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && action->isEnabled())
                list << action->text();
        return list;
    }
    LineFiler filer;
};

} // namespace

TEST_F(MenuTest, MenusHoldTheirEntriesInOrder)
{
    QStringList captions;
    for (QAction* action : page->PageMenu()->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions.join(QLatin1Char('|')),
              QStringLiteral("Bring To Front|Send To Back|-|Cut|Copy|Paste|-|Delete|-|Align Left|Align Right|"
                             "Align Tops|Align Bottoms|-|Center Vertically|Center Horizontally|-|Lock All|"
                             "Unlock All|-|Mark All Selectable|Mark All Unselectable|Select All|-|Font"));
    EXPECT_NE(page->PageMenu()->findChild<QAction*>(QStringLiteral("AlignTops")), nullptr);

    TTestBox* box = addBox(10, 10, 20, 20);
    captions.clear();
    for (QAction* action : box->PopupMenu()->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions.join(QLatin1Char('|')),
              QStringLiteral("Bring To Front|Send To Back|Cut|Copy|Delete|Clone|-|Locked|Unselectable|-|"
                             "Center Vertically|Center Horizontally"));
    EXPECT_EQ(box->LockedMenuItem()->text(), QStringLiteral("Locked"));
    // Loading again rebuilds the menu instead of doubling it.
    box->Loaded();
    EXPECT_EQ(box->PopupMenu()->actions().size(), 12);
}

TEST_F(MenuTest, PageMenuEnablingFollowsSelectionClipboardAndChildren)
{
    // An empty page, no clipboard file.
    move(QPoint(300, 300));
    press(QPoint(300, 300), Qt::RightButton);
    release(QPoint(300, 300), Qt::RightButton);
    ASSERT_EQ(popups.size(), 1);
    EXPECT_EQ(popups.last(), page->PageMenu());
    EXPECT_EQ(enabledEntries(page->PageMenu()),
              QStringList({"Mark All Selectable", "Mark All Unselectable", "Select All"}));

    TTestBox* a = addBox(50, 50, 40, 40);
    addBox(150, 50, 40, 40);
    QFile clip(page->ClipboardFile());
    ASSERT_TRUE(clip.open(QIODevice::WriteOnly));
    clip.close();
    move(QPoint(300, 310));
    press(QPoint(300, 310), Qt::RightButton);
    release(QPoint(300, 310), Qt::RightButton);
    EXPECT_EQ(enabledEntries(page->PageMenu()),
              QStringList({"Paste", "Lock All", "Unlock All", "Mark All Selectable", "Mark All Unselectable",
                           "Select All"}));

    // A right click on one object opens its own menu and selects it.
    move(QPoint(60, 60));
    press(QPoint(60, 60), Qt::RightButton);
    release(QPoint(60, 60), Qt::RightButton);
    EXPECT_EQ(popups.last(), a->PopupMenu());
    ASSERT_EQ(frame()->SelectionCount(), 1);
    // Again on the selected object (now under the frame): its menu again.
    move(QPoint(61, 60));
    press(QPoint(61, 60), Qt::RightButton);
    release(QPoint(61, 60), Qt::RightButton);
    EXPECT_EQ(popups.last(), a->PopupMenu());

    // On a multiple selection the page menu, with everything enabled.
    page->PageCommand(TGPageCommand::SelectAll);
    ASSERT_EQ(frame()->SelectionCount(), 2);
    move(QPoint(62, 60));
    press(QPoint(62, 60), Qt::RightButton);
    release(QPoint(62, 60), Qt::RightButton);
    EXPECT_EQ(popups.last(), page->PageMenu());
    EXPECT_EQ(enabledEntries(page->PageMenu()).size(), 18);  // all of them
}

TEST_F(MenuTest, CtrlCWritesTheSelectionOnlyWhenThereIsOne)
{
    TTestBox* box = addBox(50, 50, 40, 40);
    page->setFocus();
    QTest::keyClick(page, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(QFile::exists(page->ClipboardFile()));
    EXPECT_EQ(filer.writes, 0);

    click(QPoint(60, 60));
    ASSERT_TRUE(frame()->hasFocus());
    QTest::keyClick(frame(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(page->ClipboardFile()));
    EXPECT_EQ(filer.writes, 1);
    EXPECT_EQ(box->pos(), QPoint(50, 50));

    // Ctrl+X writes and removes; Delete removes without writing.
    QTest::keyClick(frame(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(filer.writes, 2);
    EXPECT_TRUE(page->PageObjects().isEmpty());
    TTestBox* other = addBox(200, 50, 40, 40);
    frame()->Select(other);
    QTest::keyClick(frame(), Qt::Key_Delete);
    EXPECT_EQ(filer.writes, 2);
    EXPECT_TRUE(page->PageObjects().isEmpty());
    EXPECT_FALSE(frame()->isVisible());
    // The keys go on reaching the page.
    EXPECT_TRUE(page->hasFocus());
}

TEST_F(MenuTest, PasteOncePerSecondAtFifteenPixelsUnselected)
{
    TTestBox* a = addBox(50, 50, 40, 40);
    TTestBox* b = addBox(150, 60, 30, 30);
    frame()->Select(a);
    frame()->Select(b);
    page->CopySelection();
    changes = 0;
    page->setFocus();
    QTest::keyClick(page, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_V, Qt::ControlModifier);  // within a second: nothing
    QList<TGGraphicControl*> objects = page->PageObjects();
    ASSERT_EQ(objects.size(), 4);
    EXPECT_EQ(objects[2]->geometry(), QRect(65, 65, 40, 40));
    EXPECT_EQ(objects[3]->geometry(), QRect(165, 75, 30, 30));
    EXPECT_EQ(objects[2]->Name(), QStringLiteral("Component0"));
    EXPECT_EQ(objects[3]->Name(), QStringLiteral("Component1"));
    EXPECT_EQ(frame()->SelectionCount(), 2);
    EXPECT_EQ(frame()->SelectedObject(0), a);
    EXPECT_EQ(changes, 1);
    // Pasted objects are attached: they answer the mouse.
    click(QPoint(190, 100));
    EXPECT_EQ(frame()->SelectedObject(0), objects[3]);

    clock.advance(1000);
    page->PasteObjects();
    EXPECT_EQ(page->PageObjects().size(), 6);
    EXPECT_EQ(page->PageObjects()[4]->geometry(), QRect(65, 65, 40, 40));

    // A failing read keeps what it made, attached, and says why.
    vellumy::test::MessageBoxScript boxes;
    filer.failReading = true;
    clock.advance(1000);
    page->PasteObjects();
    EXPECT_EQ(page->PageObjects().size(), 7);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Invalid stream format"));
}

TEST_F(MenuTest, ObjectMenuCommands)
{
    TTestBox* a = addBox(50, 50, 40, 40);
    TTestBox* b = addBox(70, 70, 40, 40);
    TTestBox* c = addBox(200, 50, 40, 40);
    const auto trigger = [this](TGGraphicControl* o, const char* name) {
        QAction* action = o->PopupMenu()->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    };

    trigger(a, "BringToFront");
    EXPECT_EQ(page->PageObjects().last(), a);
    EXPECT_GT(page->children().indexOf(frame()), page->children().indexOf(a));
    frame()->Select(a);
    trigger(a, "SendToBack");
    EXPECT_EQ(page->PageObjects().first(), a);
    EXPECT_EQ(frame()->SelectionCount(), 0);

    changes = 0;
    trigger(b, "Locked");
    EXPECT_TRUE(b->Locked());
    EXPECT_TRUE(b->LockedMenuItem()->isChecked());
    EXPECT_GT(changes, 0);
    trigger(b, "Locked");
    EXPECT_FALSE(b->Locked());
    EXPECT_FALSE(b->LockedMenuItem()->isChecked());

    frame()->Select(b);
    trigger(b, "Unselectable");
    EXPECT_TRUE(b->Unselectable());
    EXPECT_EQ(frame()->SelectionCount(), 0);
    trigger(b, "Unselectable");
    EXPECT_TRUE(b->Unselectable());  // no toggle
    page->PageCommand(TGPageCommand::MarkAllSelectable);
    EXPECT_FALSE(b->Unselectable());

    trigger(c, "CenterVertically");
    EXPECT_EQ(c->Top(), 200 - 20);
    trigger(c, "CenterHorizontally");
    EXPECT_EQ(c->Left(), 300 - 20);

    // Clone: 25 pixels below, on top, the next free name, selected instead.
    frame()->Select(c);
    trigger(c, "Clone");
    TGGraphicControl* clone = page->PageObjects().last();
    ASSERT_NE(clone, c);
    EXPECT_EQ(clone->geometry(), QRect(280, 205, 40, 40));
    EXPECT_EQ(clone->Name(), QStringLiteral("Component0"));
    ASSERT_EQ(frame()->SelectionCount(), 1);
    EXPECT_EQ(frame()->SelectedObject(0), clone);

    // Cut from one member's own menu cuts the whole selection.
    frame()->Select(a);
    frame()->Select(b);
    const int before = int(page->PageObjects().size());
    trigger(b, "Cut");
    EXPECT_EQ(page->PageObjects().size(), before - 3);
    EXPECT_EQ(filer.writes, 1);
    // Copy of an unselected object writes it alone; Delete removes it alone.
    trigger(c, "Copy");
    EXPECT_EQ(filer.writes, 2);
    trigger(c, "Delete");
    EXPECT_TRUE(page->PageObjects().isEmpty());
}

TEST_F(MenuTest, AlignCommands)
{
    TTestBox* a = addBox(30, 10, 50, 20);   // right 80
    TTestBox* b = addBox(50, 100, 70, 20);  // right 120
    TTestBox* c = addBox(70, 200, 20, 30);  // right 90
    for (TTestBox* box : {a, b, c})
        frame()->Select(box);
    page->PageCommand(TGPageCommand::AlignLeft);
    EXPECT_EQ(QList<int>({a->Left(), b->Left(), c->Left()}), QList<int>({30, 30, 30}));
    a->SetLeft(30);
    b->SetLeft(50);
    c->SetLeft(70);
    page->PageCommand(TGPageCommand::AlignRight);
    EXPECT_EQ(QList<int>({a->Left() + a->Width(), b->Left() + b->Width(), c->Left() + c->Width()}),
              QList<int>({120, 120, 120}));
    page->PageCommand(TGPageCommand::AlignTops);
    EXPECT_EQ(QList<int>({a->Top(), b->Top(), c->Top()}), QList<int>({10, 10, 10}));
    page->PageCommand(TGPageCommand::AlignBottoms);
    EXPECT_EQ(QList<int>({a->Top() + a->Height(), b->Top() + b->Height(), c->Top() + c->Height()}),
              QList<int>({40, 40, 40}));
    // Without a selection nothing moves.
    frame()->ClearSelection();
    page->PageCommand(TGPageCommand::AlignLeft);
    EXPECT_EQ(c->Left(), 100);

    page->PageCommand(TGPageCommand::MarkAllUnselectable);
    page->PageCommand(TGPageCommand::SelectAll);
    EXPECT_EQ(frame()->SelectionCount(), 0);
    drag(QPoint(5, 5), QPoint(300, 300));
    EXPECT_EQ(frame()->SelectionCount(), 0);
    page->PageCommand(TGPageCommand::MarkAllSelectable);
    page->PageCommand(TGPageCommand::SelectAll);
    EXPECT_EQ(frame()->SelectionCount(), 3);
}

TEST_F(MenuTest, FontCommandAppliesTheChosenFontToTheSelection)
{
    TTestBox* a = addBox(30, 10, 50, 20);
    TTestBox* b = addBox(100, 10, 50, 20);
    int asked = 0;
    SetFontChooserForTesting([&](TFont& font) {
        ++asked;
        font.SetName(QStringLiteral("Liberation Serif"));
        return true;
    });
    page->PageCommand(TGPageCommand::Font);
    EXPECT_EQ(asked, 0);
    frame()->Select(a);
    page->PageCommand(TGPageCommand::Font);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(a->fontsApplied, 1);
    EXPECT_EQ(a->appliedFontName, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(b->fontsApplied, 0);
    SetFontChooserForTesting([&](TFont&) { return false; });
    page->PageCommand(TGPageCommand::Font);
    EXPECT_EQ(a->fontsApplied, 1);
    SetFontChooserForTesting({});
}

TEST(PageLifetime, OnlyThePageOwningTheClipboardDeletesItScratchFilesGoWithAnyPage)
{
    TComponent owner;
    const auto makeFiles = [](const TGBasePanel& page) {
        for (const QString& path : {page.ClipboardFile(), page.ScratchFile()}) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    };
    auto* preview = new TGBasePanel(&owner);
    const QString clip = preview->ClipboardFile();
    const QString scratch = preview->ScratchFile();
    EXPECT_TRUE(clip.endsWith(QStringLiteral("/Clipbrd.tmp")));
    EXPECT_TRUE(scratch.endsWith(QStringLiteral("/TempFile.tmp")));
    makeFiles(*preview);
    delete preview;
    EXPECT_TRUE(QFile::exists(clip));
    EXPECT_FALSE(QFile::exists(scratch));

    auto* main = new TGBasePanel(&owner);
    main->SetOwnsClipboardFile(true);
    makeFiles(*main);
    delete main;
    EXPECT_FALSE(QFile::exists(clip));
    EXPECT_FALSE(QFile::exists(scratch));
}
