// The object clipboard and Clone with real labels through the object stream.
#include "LabelKit.h"

#include <QFile>
#include <QTest>

#include "objects/GLabelObjectFiler.h"
#include "persist/ObjectWriter.h"
#include "richtext/WPRtfStorage.h"

namespace {

QStringList namesOf(const QList<TGGraphicControl*>& objects)
{
    QStringList names;
    for (const TGGraphicControl* object : objects)
        names << object->Name();
    return names;
}

} // namespace

class ClipboardTest : public LabelTest {
protected:
    void SetUp() override
    {
        LabelTest::SetUp();
        page->SetOwnsClipboardFile(true);
        QFile::remove(page->ClipboardFile());
    }
    void key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers mods = Qt::ControlModifier)
    {
        QTest::keyClick(target, key, mods);
    }
    vellumy::test::ManualClock clock;
};

TEST_F(ClipboardTest, CopiedLabelsPasteFifteenPixelsAwayOncePerSecondIntoAnyDocument)
{
    TGPLabel* a = addLabel(QStringLiteral("One"), QRect(10, 10, 80, 30));
    TGPLabel* b = addLabel(QStringLiteral("Two"), QRect(100, 50, 80, 30));
    TGPLabel* c = addLabel(QStringLiteral("Three"), QRect(200, 90, 80, 30));
    b->SetAngle(90);
    b->SetDepthShadow(4);
    c->SetTransparent(false);
    c->SetBackColor(TColors::clYellow);
    for (TGPLabel* label : {c, a, b})
        page->SelectionFrame()->Select(label);

    key(page, Qt::Key_C);
    ASSERT_TRUE(QFile::exists(page->ClipboardFile()));
    changes = 0;
    key(page, Qt::Key_V);
    key(page, Qt::Key_V);  // within the second: nothing more
    QList<TGGraphicControl*> objects = page->PageObjects();
    ASSERT_EQ(objects.size(), 6);
    const QList<TGGraphicControl*> pasted = objects.mid(3);
    EXPECT_EQ(namesOf(pasted), (QStringList{"Component0", "Component1", "Component2"}));
    EXPECT_EQ(pasted[0]->BoundsRect(), c->BoundsRect().translated(15, 15)) << "selection order";
    EXPECT_EQ(pasted[2]->BoundsRect(), b->BoundsRect().translated(15, 15));
    auto* pastedB = qobject_cast<TGPLabel*>(pasted[2]);
    ASSERT_NE(pastedB, nullptr);
    EXPECT_EQ(pastedB->Angle(), 90);
    EXPECT_EQ(pastedB->DepthShadow(), 4);
    EXPECT_EQ(qobject_cast<TGPLabel*>(pasted[0])->BackColor(), TColors::clYellow);
    EXPECT_EQ(pasted[0]->Owner(), owner.get());
    EXPECT_EQ(page->SelectionFrame()->SelectionCount(), 3) << "pasted objects are not selected";
    for (TGGraphicControl* object : pasted)
        EXPECT_FALSE(object->IsSelected());
    EXPECT_GT(changes, 0);
    EXPECT_NE(pasted[1]->PopupMenu(), nullptr);

    // A second later the same clipboard lands at the same place again.
    clock.advance(1000);
    key(page, Qt::Key_V);
    objects = page->PageObjects();
    ASSERT_EQ(objects.size(), 9);
    EXPECT_EQ(objects[6]->BoundsRect(), pasted[0]->BoundsRect());
    EXPECT_EQ(objects[6]->Name(), QStringLiteral("Component3"));

    // A preview page going away leaves the clipboard; the next document pastes it.
    delete new TCalendarPanel32(owner.get());
    ASSERT_TRUE(QFile::exists(page->ClipboardFile()));
    page->DeleteAllObjects();
    clock.advance(1000);
    key(page, Qt::Key_V);
    EXPECT_EQ(page->PageObjects().size(), 3);
    const QString clipboard = page->ClipboardFile();
    delete page;
    page = nullptr;
    EXPECT_FALSE(QFile::exists(clipboard)) << "the main page removes it at program end";
    page = new TCalendarPanel32(owner.get());
}

TEST_F(ClipboardTest, CutFromAMembersMenuAndCloneOfASelectedLabel)
{
    TGPLabel* a = addLabel(QStringLiteral("Keep"), QRect(40, 40, 90, 30));
    TGPLabel* b = addLabel(QStringLiteral("Cut me"), QRect(40, 100, 90, 30));
    TGPLabel* c = addLabel(QStringLiteral("And me"), QRect(40, 160, 90, 30));
    page->SelectionFrame()->Select(b);
    page->SelectionFrame()->Select(c);
    menuEntry(c, "Cut")->trigger();
    ASSERT_EQ(page->PageObjects(), QList<TGGraphicControl*>{a});

    a->SetDepthHighlight(3);
    page->SelectionFrame()->Select(a);
    menuEntry(a, "Clone")->trigger();
    QList<TGGraphicControl*> objects = page->PageObjects();
    ASSERT_EQ(objects.size(), 2);
    auto* clone = qobject_cast<TGPLabel*>(objects.last());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->BoundsRect(), a->BoundsRect().translated(0, 25));
    EXPECT_EQ(clone->Name(), QStringLiteral("Component0"));
    EXPECT_EQ(clone->Caption(), QStringLiteral("Keep"));
    EXPECT_EQ(clone->DepthHighlight(), 3);
    EXPECT_EQ(page->SelectionFrame()->Selection(), QList<TGGraphicControl*>{clone});

    // The cut pair comes back from the clipboard.
    key(page, Qt::Key_V);
    objects = page->PageObjects();
    ASSERT_EQ(objects.size(), 4);
    EXPECT_EQ(qobject_cast<TGPLabel*>(objects[2])->Caption(), QStringLiteral("Cut me"));
    EXPECT_EQ(objects[3]->BoundsRect(), QRect(55, 175, 90, 30));
}

TEST_F(ClipboardTest, AForeignClipboardPastesWhatItCanAndSaysWhatWentWrong)
{
    TGPLabel* label = addLabel(QStringLiteral("Fine"), QRect(10, 10, 80, 30));
    {
        // A good label, a record that is no page object, then a cut-off record.
        QFile file(page->ClipboardFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        TObjectWriter writer(file);
        writer.WriteListBegin();
        writer.WriteRootComponent(*label);
        TWPRtfStorage storage;
        writer.WriteRootComponent(storage);
        writer.WriteSignature();
        writer.WriteStr("TGPLabel");
        writer.FlushBuffer();
    }
    vellumy::test::MessageBoxScript boxes;
    const int before = owner->ComponentCount();
    key(page, Qt::Key_V);
    ASSERT_EQ(page->PageObjects().size(), 2);
    EXPECT_EQ(qobject_cast<TGPLabel*>(page->PageObjects().last())->Caption(), QStringLiteral("Fine"));
    EXPECT_EQ(owner->ComponentCount(), before + 1) << "nothing but the label stays";
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Stream read error"));
}
