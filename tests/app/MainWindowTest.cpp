// The main window driven end to end through its menus, buttons, keys and
// dialogs: the document lifecycle, captions, command states and zoom.
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "MainTestSupport.h"
#include "app/CalendarProperties.h"
#include "app/IniFile.h"
#include "app/MRUFileList.h"
#include "richtext/WPRichText.h"
#include "richtext/WPToolBar.h"

using namespace vellumy::test;

namespace {
const QString Caption = QStringLiteral("Vellumy");

QPushButton* button(const TCalendarMain& window, const char* name)
{
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

QToolButton* toolButton(const TCalendarMain& window, const char* name)
{
    return window.findChild<QToolButton*>(QString::fromLatin1(name));
}
} // namespace

TEST_F(MainWindowTest, NewCalendarTypedAcrossCellsSavedAndReopenedAtTheNextStart)
{
    TCalendarMain& first = start();
    EXPECT_TRUE(first.CalendarPanel()->isHidden());
    EXPECT_EQ(first.windowTitle(), Caption + QStringLiteral("    [60%]"));

    newCalendar(first, 0, true, 1997, 12);
    TCalendarPanel32& page = *first.CalendarPanel();
    ASSERT_FALSE(page.isHidden());
    EXPECT_EQ(page.CalendarLayout(), LOFullCalendarLS);
    EXPECT_EQ(page.MainCalMonth(), 12);
    EXPECT_EQ(page.MainCalYear(), 1997);
    EXPECT_TRUE(first.Modified());
    EXPECT_TRUE(first.CurrentFile().isEmpty());

    page.repaint();
    const int firstDay = page.FindCellByDay(1);
    ASSERT_GT(firstDay, 0);
    clickCell(first, firstDay);
    ASSERT_TRUE(first.CellEditor()->isVisible());
    EXPECT_TRUE(first.CellEditor()->hasFocus());
    EXPECT_EQ(first.CurrentCell(), firstDay);
    EXPECT_TRUE(first.RichTextToolBar()->isEnabled());
    typeIntoEditor(first, QStringLiteral("Party"));

    // Tab moves the editor on to the next cell, writing the first one back.
    QTest::keyClick(first.CellEditor(), Qt::Key_Tab);
    EXPECT_EQ(first.CurrentCell(), firstDay + 1);
    EXPECT_EQ(cellText(first, firstDay), QStringLiteral("Party"));
    typeIntoEditor(first, QStringLiteral("Dinner"));
    EXPECT_FALSE(first.CellEditor()->toPlainText().contains(QLatin1Char('\t')));

    nextSave = programFile(QStringLiteral("Dec1997.QXF"));
    choose(first, "mnuSaveAs");
    ASSERT_EQ(proposedPaths.size(), 1);
    EXPECT_EQ(proposedPaths.first(), ProgramFolder() + QStringLiteral("Dec1997.QXF"));
    EXPECT_EQ(saveTitles.first(), QStringLiteral("Save Calendar File"));
    EXPECT_EQ(first.CurrentFile(), nextSave);
    EXPECT_FALSE(first.Modified());
    EXPECT_FALSE(first.CellEditor()->isVisible());
    EXPECT_EQ(cellText(first, firstDay + 1), QStringLiteral("Dinner"));
    EXPECT_EQ(first.windowTitle(), Caption + QStringLiteral("  [Dec1997.QXF]    [60%]"));

    quit(first);
    EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.lastText().toStdString();

    TCalendarMain& second = start();
    EXPECT_EQ(second.CurrentFile(), programFile(QStringLiteral("Dec1997.QXF")));
    ASSERT_FALSE(second.CalendarPanel()->isHidden());
    EXPECT_EQ(second.CalendarPanel()->MainCalMonth(), 12);
    EXPECT_EQ(second.CalendarPanel()->CalendarLayout(), LOFullCalendarLS);
    EXPECT_EQ(cellText(second, firstDay), QStringLiteral("Party"));
    EXPECT_EQ(cellText(second, firstDay + 1), QStringLiteral("Dinner"));
    EXPECT_FALSE(second.Modified());
    EXPECT_EQ(second.windowTitle(), Caption + QStringLiteral("  [Dec1997.QXF]    [60%]"));
    second.CalendarPanel()->repaint();
    SaveForInspection(second.grab().toImage(), QStringLiteral("main-window-reopened.png"));
    ASSERT_FALSE(second.RecentFiles()->Items().isEmpty());
    EXPECT_EQ(second.RecentFiles()->Items().first(), programFile(QStringLiteral("Dec1997.QXF")));
}

TEST_F(MainWindowTest, CancelChangesGoesBackToTheSavedDocument)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, false, 2024, 2);
    clickCell(window, window.CalendarPanel()->FindCellByDay(14));
    typeIntoEditor(window, QStringLiteral("Roses"));
    nextSave = programFile(QStringLiteral("Feb2024.QXF"));
    choose(window, "mnuSaveAs");
    ASSERT_FALSE(window.Modified());

    const int cell = window.CalendarPanel()->FindCellByDay(14);
    clickCell(window, cell);
    QTest::keyClick(window.CellEditor(), Qt::Key_End);
    typeIntoEditor(window, QStringLiteral(" and tulips"));
    EXPECT_TRUE(window.Modified());
    EXPECT_TRUE(button(window, "Savebutton")->isVisible());
    EXPECT_TRUE(button(window, "CancelButton")->isVisible());

    // No keeps the changes.
    boxes.answer(false);
    button(window, "CancelButton")->click();
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().first().kind, ShownMessage::Question);
    EXPECT_EQ(boxes.shown().first().text, QStringLiteral("Cancel all changes?"));
    EXPECT_EQ(boxes.shown().first().caption, QStringLiteral("CANCEL"));
    EXPECT_TRUE(window.Modified());
    EXPECT_EQ(window.CellEditor()->PlainText(), QStringLiteral("Roses and tulips"));

    boxes.answer(true);
    choose(window, "mnuCancelChanges");
    EXPECT_FALSE(window.Modified());
    EXPECT_EQ(cellText(window, cell), QStringLiteral("Roses"));
    EXPECT_EQ(window.CurrentFile(), nextSave);
    EXPECT_FALSE(button(window, "Savebutton")->isVisible());
    EXPECT_FALSE(button(window, "CancelButton")->isVisible());
}

TEST_F(MainWindowTest, CommandStatesFollowTheDocument)
{
    bool printed = false;
    TCalendarMain& window = start([&](TCalendarMain& w) {
        w.CheckPrinters = [] { return true; };
        w.OnPrintCalendar = [&] { printed = true; };
        w.OnPrintSetup = [] {};
    });
    EXPECT_TRUE(window.PrinterAvailable());

    // No document: only what makes or opens one, and the program's own commands.
    for (const char* name : {"New1", "Open1", "DefaultEditorFont1", "Exit1", "VisitOurInternetW1", "Contents1",
                             "About1", "mnuShowHint"})
        EXPECT_TRUE(item(window, name)->isEnabled()) << name;
    for (const char* name : {"mnuSave", "mnuSaveAs", "mnuProperties", "mnuUserTitle", "mnuCancelChanges",
                             "mnuClearAllCellContents", "mnuPrintCalendar", "mnuPrintSetup",
                             "mnuFillCalendarwithRecurringDates"})
        EXPECT_FALSE(item(window, name)->isEnabled()) << name;
    for (const char* name : {"ZoomInBtn", "ZoomOutBtn", "PropertiesBtn", "PrintBtn", "Pointerbutton", "DrawLabelButton"})
        EXPECT_FALSE(toolButton(window, name)->isEnabled()) << name;
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("EmptyHint"))->isVisible());
    EXPECT_FALSE(button(window, "Savebutton")->isVisible());
    EXPECT_FALSE(button(window, "CancelButton")->isVisible());
    EXPECT_FALSE(window.RichTextToolBar()->isEnabled());

    // Untitled: Save As but not Save; the Save button falls back to Save As.
    newCalendar(window, 0, true, 1997, 12);
    for (const char* name : {"mnuSaveAs", "mnuProperties", "mnuUserTitle", "mnuClearAllCellContents",
                             "mnuPrintCalendar", "mnuPrintSetup"})
        EXPECT_TRUE(item(window, name)->isEnabled()) << name;
    EXPECT_FALSE(item(window, "mnuSave")->isEnabled());
    EXPECT_FALSE(item(window, "mnuCancelChanges")->isEnabled());
    EXPECT_TRUE(toolButton(window, "PrintBtn")->isEnabled());
    EXPECT_TRUE(toolButton(window, "DrawLabelButton")->isEnabled());
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("EmptyHint"))->isVisible());
    EXPECT_TRUE(button(window, "Savebutton")->isVisible());
    EXPECT_FALSE(button(window, "CancelButton")->isVisible());
    nextSave = programFile(QStringLiteral("Untitled.QXF"));
    button(window, "Savebutton")->click();
    EXPECT_EQ(window.CurrentFile(), nextSave);

    // Titled and unchanged.
    EXPECT_TRUE(item(window, "mnuSave")->isEnabled());
    EXPECT_TRUE(item(window, "mnuCancelChanges")->isEnabled());
    EXPECT_FALSE(button(window, "Savebutton")->isVisible());
    toolButton(window, "PrintBtn")->click();
    EXPECT_TRUE(printed);

    // The rich-text toolbar only while the editor has the focus.
    clickCell(window, 10);
    EXPECT_TRUE(window.RichTextToolBar()->isEnabled());
    typeIntoEditor(window, QStringLiteral("x"));
    EXPECT_TRUE(button(window, "Savebutton")->isVisible());
    EXPECT_TRUE(button(window, "CancelButton")->isVisible());
    // Ctrl+S saves a titled document.
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_FALSE(window.Modified());
    EXPECT_FALSE(window.RichTextToolBar()->isEnabled());

    // A page of mini calendars has no day cells: no title, no cell commands.
    WhenModal<TCalendarProperties>([](TCalendarProperties& dialog) {
        dialog.findChild<QListWidget*>(QStringLiteral("LayoutList"))->setCurrentRow(5);
        dialog.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    toolButton(window, "PropertiesBtn")->click();
    EXPECT_EQ(window.CalendarPanel()->LayoutKind(), 1);
    EXPECT_FALSE(item(window, "mnuUserTitle")->isEnabled());
    EXPECT_FALSE(item(window, "mnuClearAllCellContents")->isEnabled());
    EXPECT_TRUE(item(window, "mnuSaveAs")->isEnabled());
    EXPECT_TRUE(window.Modified());
}

TEST_F(MainWindowTest, ZoomStepsKeysAndTheCaption)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, true, 1997, 12);
    TCalendarPanel32& page = *window.CalendarPanel();
    // The stored step of 60 gives exactly 0.6f, which lies above 0.6: one
    // more step down is allowed, to 50 %, and no further.
    ASSERT_EQ(page.ZoomFactor(), 0.6f);
    toolButton(window, "ZoomOutBtn")->click();
    EXPECT_EQ(window.windowTitle(), Caption + QStringLiteral("    [50%]"));
    toolButton(window, "ZoomOutBtn")->click();
    EXPECT_EQ(window.windowTitle(), Caption + QStringLiteral("    [50%]"));
    EXPECT_NEAR(page.width(), page.PageWidthPx() * 0.5, 2);

    // Page Down zooms in, step by step.
    for (const char* expected : {"[60%]", "[70%]", "[80%]", "[90%]", "[100%]"}) {
        QTest::keyClick(&window, Qt::Key_PageDown);
        EXPECT_EQ(window.windowTitle(), Caption + QStringLiteral("    ") + QString::fromLatin1(expected));
    }
    EXPECT_NEAR(page.width(), page.PageWidthPx(), 2);

    // Keys do nothing while a dialog of the program is active.
    // Nor does a key that reaches the main window while the dialog is up.
    WhenModal<TCalendarProperties>([&](TCalendarProperties& dialog) {
        QTest::keyClick(&dialog, Qt::Key_PageUp);
        QTest::keyClick(&window, Qt::Key_PageUp);
        dialog.reject();
    });
    choose(window, "mnuProperties");
    EXPECT_EQ(window.windowTitle(), Caption + QStringLiteral("    [100%]"));
    quit(window);

    // From exactly 100 %: no step up; stepping down ends at 60 %, as the sum
    // of single-precision steps ends just below 0.6.
    TIniFile(programFile(QStringLiteral("QX.ini")))
        .WriteValues(QStringLiteral("Zooming"), {{QStringLiteral("Main"), QStringLiteral("100")}});
    TCalendarMain& full = start();
    newCalendar(full, 0, true, 1997, 12);
    ASSERT_EQ(full.CalendarPanel()->ZoomFactor(), 1.0f);
    EXPECT_EQ(full.windowTitle(), Caption + QStringLiteral("    [100%]"));
    QTest::keyClick(&full, Qt::Key_PageDown);
    EXPECT_EQ(full.CalendarPanel()->ZoomFactor(), 1.0f);
    for (const char* expected : {"[90%]", "[80%]", "[70%]", "[60%]", "[60%]", "[60%]"}) {
        QTest::keyClick(&full, Qt::Key_PageUp);
        EXPECT_EQ(full.windowTitle(), Caption + QStringLiteral("    ") + QString::fromLatin1(expected));
    }
    EXPECT_LT(full.CalendarPanel()->ZoomFactor(), 0.6f);
    EXPECT_NEAR(full.CalendarPanel()->width(), full.CalendarPanel()->PageWidthPx() * 0.6, 2);
}

TEST_F(MainWindowTest, SavingWritesAtFullSizeAndKeepsTheZoomShown)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, true, 1997, 12);
    TCalendarPanel32& page = *window.CalendarPanel();
    clickCell(window, page.FindCellByDay(24));
    typeIntoEditor(window, QStringLiteral("Eve"));
    const QSize shown = page.size();

    nextSave = programFile(QStringLiteral("Dec1997.QXF"));
    choose(window, "mnuSaveAs");
    EXPECT_EQ(page.ZoomFactor(), 0.6f);
    EXPECT_EQ(page.size(), shown);
    EXPECT_EQ(window.windowTitle(), Caption + QStringLiteral("  [Dec1997.QXF]    [60%]"));

    // The file is the page at 100 %: a page read from it at 100 % has the
    // same size as the page shown, scaled back.
    TCalendarPanel32 reread(nullptr);
    reread.LoadDocument(nextSave, nullptr);
    reread.UpdatePageLayout(false);
    EXPECT_EQ(reread.ZoomFactor(), 1.0f);
    EXPECT_NEAR(reread.width() * 0.6, shown.width(), 2);

    // 20 % is kept as well.
    page.SetZoom(0.2f);
    choose(window, "mnuSave");
    EXPECT_EQ(page.ZoomFactor(), 0.2f);
    EXPECT_EQ(window.windowTitle(), Caption + QStringLiteral("  [Dec1997.QXF]    [20%]"));
}

TEST_F(MainWindowTest, AFailedSaveSaysSoAndKeepsTheChanges)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, true, 1997, 12);
    clickCell(window, 10);
    typeIntoEditor(window, QStringLiteral("Keep me"));

    // A folder that is a file: no one can write there.
    QFile blocker(programFile(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    nextSave = programFile(QStringLiteral("blocker/Dec1997.QXF"));
    choose(window, "mnuSaveAs");
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().first().kind, ShownMessage::Information);
    EXPECT_EQ(boxes.shown().first().text, QStringLiteral("Unable to save ") + nextSave);
    EXPECT_TRUE(window.Modified());
    EXPECT_TRUE(window.CurrentFile().isEmpty());
    EXPECT_TRUE(window.RecentFiles()->Items().isEmpty());
    EXPECT_EQ(cellText(window, 10), QStringLiteral("Keep me"));

    // A titled document whose folder went away: Save fails the same way.
    QDir(programFile(QString())).mkdir(QStringLiteral("docs"));
    nextSave = programFile(QStringLiteral("docs/Dec1997.QXF"));
    choose(window, "mnuSaveAs");
    ASSERT_EQ(window.CurrentFile(), nextSave);
    clickCell(window, 11);
    typeIntoEditor(window, QStringLiteral("More"));
    ASSERT_TRUE(QDir(programFile(QStringLiteral("docs"))).removeRecursively());
    boxes.clear();
    choose(window, "mnuSave");
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Unable to save ") + nextSave);
    EXPECT_TRUE(window.Modified());
    EXPECT_EQ(window.CurrentFile(), nextSave);

    // Closing: the save the user asked for fails, so the window stays open.
    boxes.clear();
    boxes.answer(true);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(boxes.shown().size(), 2);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Save changes?"));
    EXPECT_EQ(boxes.shown()[1].text, QStringLiteral("Unable to save ") + nextSave);
    EXPECT_TRUE(window.Modified());
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAsksOnce)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, true, 1997, 12);
    clickCell(window, 12);
    typeIntoEditor(window, QStringLiteral("Unsaved"));

    boxes.answer(false);
    EXPECT_TRUE(window.close());
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().first().kind, ShownMessage::Question);
    EXPECT_EQ(boxes.shown().first().text, QStringLiteral("Save changes?"));
    EXPECT_EQ(boxes.shown().first().caption, QStringLiteral("Save"));
    EXPECT_TRUE(saveTitles.isEmpty());
    // Closing stores the zoom step and the window's place.
    const TIniFile ini(programFile(QStringLiteral("QX.ini")));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), -1), 60);
    EXPECT_NE(ini.ReadInteger(QStringLiteral("TCalendarMain_Placement"), QStringLiteral("Bottom"), 0), 0);

    // Yes on an untitled page goes through Save As.
    TCalendarMain& again = start();
    newCalendar(again, 0, true, 1997, 12);
    boxes.clear();
    boxes.answer(true);
    nextSave = programFile(QStringLiteral("Saved.QXF"));
    EXPECT_TRUE(again.close());
    EXPECT_EQ(boxes.shown().size(), 1);
    EXPECT_TRUE(QFileInfo::exists(nextSave));
}
