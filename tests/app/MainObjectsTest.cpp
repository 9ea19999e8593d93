// Page objects in the running program: the Text tool from its button to the
// finished label, and the object clipboard carried from one document to the
// next and gone when the program ends.
#include "MainTestSupport.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "objects/GHandle.h"
#include "objects/kinds/GPLabel.h"
#include "objects/kinds/KindDialogs.h"

using namespace vellumy::test;

TEST_F(MainWindowTest, TheTextToolMakesALabelAndTheClipboardOutlivesTheDocument)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, false, 2026, 12);
    TCalendarPanel32& page = *window.CalendarPanel();
    auto* pointer = window.findChild<QAbstractButton*>(QStringLiteral("Pointerbutton"));
    auto* textTool = window.findChild<QAbstractButton*>(QStringLiteral("DrawLabelButton"));
    ASSERT_NE(pointer, nullptr);
    ASSERT_NE(textTool, nullptr);
    window.SetModified(false);

    bool pointerPressedDuringDialog = false;
    SetKindDialogRunnerForTesting([&](QDialog& dialog) {
        pointerPressedDuringDialog = pointer->isChecked() && page.PanelState() == psPointing;
        dialog.findChild<QLineEdit*>(QStringLiteral("LabelText"))->setText(QStringLiteral("Winter Fair"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        return dialog.result();
    });
    textTool->click();
    EXPECT_EQ(page.PanelState(), psLabel);
    QTest::mousePress(&page, Qt::LeftButton, Qt::NoModifier, QPoint(200, 300));
    QTest::mouseMove(&page, QPoint(205, 305));
    QTest::mouseRelease(&page, Qt::LeftButton, Qt::NoModifier, QPoint(205, 305));
    SetKindDialogRunnerForTesting({});

    ASSERT_EQ(page.PageObjects().size(), 1);
    auto* label = qobject_cast<TGPLabel*>(page.PageObjects().first());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), QStringLiteral("Winter Fair"));
    EXPECT_EQ(label->Owner(), &window);
    EXPECT_EQ(label->Name(), QStringLiteral("Special1"));
    EXPECT_TRUE(pointerPressedDuringDialog);
    EXPECT_TRUE(pointer->isChecked());
    EXPECT_TRUE(window.Modified());

    // Copied here, pasted into the next calendar.
    page.SelectionFrame()->Select(label);
    QTest::keyClick(&page, Qt::Key_C, Qt::ControlModifier);
    const QString clipboard = page.ClipboardFile();
    ASSERT_TRUE(QFile::exists(clipboard));
    window.SetModified(false);
    newCalendar(window, 0, false, 2027, 1);
    ASSERT_TRUE(page.PageObjects().isEmpty());
    ASSERT_TRUE(QFile::exists(clipboard)) << "a new document and the properties dialog keep it";
    QTest::keyClick(&page, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(page.PageObjects().size(), 1);
    EXPECT_EQ(qobject_cast<TGPLabel*>(page.PageObjects().first())->Caption(), QStringLiteral("Winter Fair"));
    EXPECT_EQ(page.PageObjects().first()->BoundsRect().topLeft(), QPoint(215, 315));
    EXPECT_TRUE(window.Modified());

    window.SetModified(false);
    quit(window);
    EXPECT_FALSE(QFile::exists(clipboard)) << "the program's end removes it";
}
