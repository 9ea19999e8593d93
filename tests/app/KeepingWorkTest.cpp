// Work is never dropped behind the user's back: a cancelled save cancels the
// command that asked for it, a file that does not read leaves the shown
// calendar alone, and objects lost to damage are reported before a save.
#include <QFileInfo>

#include "../page/DocumentTestSupport.h"
#include "MainTestSupport.h"
#include "app/MRUFileList.h"

using namespace vellumy::test;
using namespace doctest;

namespace {

// A document with a text in cell 1 and, when `damagedObjects`, one page
// object followed by a record of a class no one knows.
QByteArray documentWithObjects(bool damagedObjects)
{
    Bytes b;
    b.listBegin().integer(4).integer(1);
    StyleValues style;
    style.layout = 1;          // a month grid
    style.numberPosition = 1;  // cnpUpperRight: the cells have room for text
    appendStyleBlock(b, style);
    b.string("").integer(14).integer(7).integer(2031).integer(1).integer(8).integer(0);
    for (int i = 1; i <= 42; ++i)
        b.cellRecord(i == 1 ? rtfText("kept") : QByteArray());
    b.string("").listEnd().listBegin();
    appendShapeRecord(b, "A", 10, 10, 40, 20, "first");
    if (damagedObjects) {
        b.append("TPF0").shortStr("TNoSuchShape").shortStr("B");
        appendShapeRecord(b, "C", 60, 10, 40, 20, "after the damage");
    }
    b.listEnd();
    return b.data();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST_F(MainWindowTest, ACancelledSaveAsCancelsCloseOpenAndARecentFile)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, true, 1997, 12);
    clickCell(window, 10);
    typeIntoEditor(window, QStringLiteral("Unsaved"));

    nextSave.clear();  // the Save As dialog is cancelled
    boxes.answer(true);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(saveTitles.size(), 1);

    boxes.answer(true);
    nextOpen = programFile(QStringLiteral("Other.QXF"));
    choose(window, "Open1");
    EXPECT_TRUE(openTitles.isEmpty());
    EXPECT_EQ(saveTitles.size(), 2);

    // A recent file asks too, and a cancel keeps its entry.
    window.RecentFiles()->Add(programFile(QStringLiteral("Other.QXF")));
    boxes.answer(true);
    window.RecentFiles()->Click(1);
    EXPECT_EQ(saveTitles.size(), 3);
    EXPECT_EQ(window.RecentFiles()->Items().size(), 1);

    EXPECT_TRUE(window.Modified());
    EXPECT_EQ(cellText(window, 10), QStringLiteral("Unsaved"));
    boxes.answer(false);
}

TEST_F(MainWindowTest, AFailedOpenKeepsTheCalendarAndDamagedObjectsAreReported)
{
    TDocTestShape::Register();
    TCalendarMain& window = start();
    const QString damaged = programFile(QStringLiteral("damaged.QXF"));
    writeFile(damaged, documentWithObjects(true));
    nextOpen = damaged;
    choose(window, "Open1");
    TCalendarPanel32& page = *window.CalendarPanel();
    ASSERT_EQ(window.CurrentFile(), damaged);
    EXPECT_EQ(page.PageObjects().size(), 1);
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().first().kind, ShownMessage::Information);
    EXPECT_TRUE(boxes.lastText().contains(damaged)) << boxes.lastText().toStdString();
    EXPECT_FALSE(window.Modified());

    // Changed, then a foreign file and a missing one: each is refused with
    // its message and the calendar, its objects and Modified stay.
    clickCell(window, 10);
    typeIntoEditor(window, QStringLiteral("Mine"));
    const QString foreign = programFile(QStringLiteral("foreign.QXF"));
    writeFile(foreign, documentWithObjects(false).left(300));
    for (const QString& path : {foreign, programFile(QStringLiteral("Gone.QXF"))}) {
        boxes.clear();
        boxes.answer(false);  // "Save changes?"
        nextOpen = path;
        choose(window, "Open1");
        ASSERT_EQ(boxes.shown().size(), 2) << path.toStdString();
        EXPECT_TRUE(boxes.lastText().contains(path));
        EXPECT_EQ(window.CurrentFile(), damaged);
        EXPECT_TRUE(window.Modified());
        EXPECT_FALSE(page.isHidden());
        EXPECT_EQ(page.PageObjects().size(), 1);
        EXPECT_EQ(cellText(window, 1), QStringLiteral("kept"));
        EXPECT_EQ(cellText(window, 10), QStringLiteral("Mine"));
        EXPECT_EQ(page.MainCalYear(), 2031);
    }

    // Cancel Changes when the saved file has become unreadable: the changes stay.
    writeFile(damaged, "TPF0 broken");
    boxes.clear();
    boxes.answer(true);  // "Cancel all changes?"
    choose(window, "mnuCancelChanges");
    EXPECT_TRUE(window.Modified());
    EXPECT_EQ(cellText(window, 10), QStringLiteral("Mine"));
    boxes.answer(false);
}
