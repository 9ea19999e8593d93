// The main window's other commands: Open and its failures, recent files, the
// properties command's effect on cells, the user title, About, help, the
// website and hints.
#include <QCalendarWidget>
#include <QFileInfo>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>

#include "MainTestSupport.h"
#include "app/CalendarProperties.h"
#include "app/IniFile.h"
#include "app/MRUFileList.h"
#include "app/SplashForm.h"
#include "app/UserTitleForm.h"
#include "platform/HelpViewer.h"
#include "richtext/WPRichText.h"

using namespace vellumy::test;

namespace {
QStringList recentEntries(const TCalendarMain& window)
{
    QStringList entries;
    for (QAction* action : window.FileMenu()->actions())
        if (qobject_cast<TMRUMenuItem*>(action) && !action->isSeparator() && action->text().startsWith(QLatin1Char('&')))
            entries.append(action->text());
    return entries;
}

TMRUMenuItem* recentEntry(const TCalendarMain& window, int number)
{
    for (QAction* action : window.FileMenu()->actions())
        if (auto* entry = qobject_cast<TMRUMenuItem*>(action); entry && entry->Number() == number)
            return entry;
    return nullptr;
}
} // namespace

TEST_F(MainWindowTest, OpenRefusesWrongMissingAndForeignFiles)
{
    TCalendarMain& window = start();

    nextOpen = programFile(QStringLiteral("notes.txt"));
    choose(window, "Open1");
    ASSERT_EQ(openTitles.size(), 1);
    EXPECT_EQ(openTitles.first(), QStringLiteral("Open Calendar File"));
    EXPECT_EQ(openFolders.first(), ProgramFolder());
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Must be a Calendar file (*.QXF)"));

    nextOpen = programFile(QStringLiteral("Gone.QXF"));
    choose(window, "Open1");
    EXPECT_EQ(boxes.lastText(), QStringLiteral("File ") + nextOpen + QStringLiteral(" no longer exists"));
    EXPECT_TRUE(window.CalendarPanel()->isHidden());

    // A style sheet, or any other file, under a calendar's name.
    QFile foreign(programFile(QStringLiteral("foreign.qxf")));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("TPF0 this is not a calendar");
    foreign.close();
    nextOpen = foreign.fileName();
    choose(window, "Open1");
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Unable to open ") + nextOpen
                                    + QStringLiteral(". Possibly \rcorrupted, possibly not a Calendar file"));
    EXPECT_TRUE(window.CalendarPanel()->isHidden());
    EXPECT_TRUE(window.CurrentFile().isEmpty());
    EXPECT_FALSE(window.Modified());
    EXPECT_TRUE(window.RecentFiles()->Items().isEmpty());
    for (const ShownMessage& message : boxes.shown())
        EXPECT_EQ(message.caption, QStringLiteral("Information"));

    // Opening over a changed document first offers to save it.
    newCalendar(window, 0, true, 1997, 12);
    boxes.clear();
    boxes.answer(false);
    nextOpen.clear();
    choose(window, "Open1");
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().first().text, QStringLiteral("Save changes?"));
}

TEST_F(MainWindowTest, RecentFilesReopenAndForgetMissingOnes)
{
    TCalendarMain& window = start();
    QStringList saved;
    for (int month : {1, 2}) {
        newCalendar(window, 0, true, 2025, month);
        boxes.answer(false);
        nextSave = programFile(QStringLiteral("m%1.QXF").arg(month));
        choose(window, "mnuSaveAs");
        saved.append(nextSave);
    }
    EXPECT_EQ(recentEntries(window),
              QStringList({QStringLiteral("&1 ") + saved[1], QStringLiteral("&2 ") + saved[0]}));

    recentEntry(window, 2)->trigger();
    EXPECT_EQ(window.CurrentFile(), saved[0]);
    EXPECT_EQ(window.CalendarPanel()->MainCalMonth(), 1);
    EXPECT_EQ(recentEntries(window),
              QStringList({QStringLiteral("&1 ") + saved[0], QStringLiteral("&2 ") + saved[1]}));
    const TIniFile ini(programFile(QStringLiteral("QX.ini")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("MRU"), QStringLiteral("F0"), QString()), saved[0]);

    QFile::remove(saved[1]);
    boxes.clear();
    recentEntry(window, 2)->trigger();
    EXPECT_EQ(boxes.lastText(), QStringLiteral("File ") + saved[1] + QStringLiteral(" no longer exists"));
    EXPECT_EQ(recentEntries(window), QStringList({QStringLiteral("&1 ") + saved[0]}));
    // The document shown stays.
    EXPECT_FALSE(window.CalendarPanel()->isHidden());
    EXPECT_EQ(window.CurrentFile(), saved[0]);
}

TEST_F(MainWindowTest, PropertiesClearCellsWhenTheMonthOrTheKindOfLayoutChanges)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, true, 1997, 12);
    TCalendarPanel32& page = *window.CalendarPanel();
    clickCell(window, 20);
    typeIntoEditor(window, QStringLiteral("Stays"));
    nextSave = programFile(QStringLiteral("p.QXF"));
    choose(window, "mnuSaveAs");

    // Same month and layout, another title colour: the text stays.
    WhenModal<TCalendarProperties>([](TCalendarProperties& dialog) {
        EXPECT_FALSE(dialog.ResetOnOpen());
        EXPECT_TRUE(dialog.WarnOnClassChange());
        EXPECT_EQ(dialog.LayoutClassAtOpening(), 0);
        dialog.findChild<QCheckBox*>(QStringLiteral("TitleShowYearCheck"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    choose(window, "mnuProperties");
    EXPECT_FALSE(page.TitleShowYear());
    EXPECT_TRUE(window.Modified());
    EXPECT_EQ(cellText(window, 20), QStringLiteral("Stays"));

    // Cancel leaves the page alone.
    WhenModal<TCalendarProperties>([](TCalendarProperties& dialog) {
        dialog.findChild<QCalendarWidget*>(QStringLiteral("Calendar"))->setSelectedDate(QDate(1998, 3, 1));
        dialog.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    });
    choose(window, "mnuProperties");
    EXPECT_EQ(page.MainCalMonth(), 12);
    EXPECT_EQ(cellText(window, 20), QStringLiteral("Stays"));

    // Another month: cell texts belong to slots, so they go, after a warning
    // whose No keeps the dialog open.
    boxes.clear();
    boxes.answer(false);
    boxes.answer(true);
    WhenModal<TCalendarProperties>([](TCalendarProperties& dialog) {
        dialog.findChild<QCalendarWidget*>(QStringLiteral("Calendar"))->setSelectedDate(QDate(1998, 1, 1));
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OkButton"));
        ok->click();
        EXPECT_TRUE(dialog.isVisible());
        ok->click();
    });
    choose(window, "mnuProperties");
    ASSERT_EQ(boxes.shown().size(), 2);
    EXPECT_EQ(boxes.shown()[0].kind, ShownMessage::Question);
    EXPECT_EQ(boxes.shown()[0].caption, QStringLiteral("WARNING"));
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Warning: changing the month or year\rwill erase all text "
                                                    "and icons from the current\rcalendar. Proceed?"));
    EXPECT_EQ(page.MainCalMonth(), 1);
    EXPECT_FALSE(page.HasCellText());

    // Another kind of layout with text: the dialog warns first.
    clickCell(window, 20);
    typeIntoEditor(window, QStringLiteral("Goes"));
    boxes.clear();
    boxes.answer(true);
    WhenModal<TCalendarProperties>([](TCalendarProperties& dialog) {
        dialog.findChild<QListWidget*>(QStringLiteral("LayoutList"))->setCurrentRow(11);
        dialog.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    choose(window, "mnuProperties");
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().first().caption, QStringLiteral("WARNING"));
    EXPECT_EQ(page.CalendarLayout(), loDay10);
    EXPECT_FALSE(page.HasCellText());
    // The example's zoom step is remembered.
    const TIniFile ini(programFile(QStringLiteral("QX.ini")));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Zooming"), QStringLiteral("Prop"), -1), 30);

    // New, then Cancel in the dialog: the document stays (after the question).
    boxes.clear();
    boxes.answer(false);
    const QString file = window.CurrentFile();
    WhenModal<TCalendarProperties>([](TCalendarProperties& dialog) {
        EXPECT_TRUE(dialog.ResetOnOpen());
        dialog.reject();
    });
    choose(window, "New1");
    EXPECT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(window.CurrentFile(), file);
    EXPECT_EQ(page.CalendarLayout(), loDay10);
}

TEST_F(MainWindowTest, UserTitleAndClearingCells)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, true, 1997, 12);
    TCalendarPanel32& page = *window.CalendarPanel();
    page.SetUserTitle(QStringLiteral("Old"));
    nextSave = programFile(QStringLiteral("t.QXF"));
    choose(window, "mnuSaveAs");

    WhenModal<TUserTitleForm>([](TUserTitleForm& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("User Defined Title"));
        EXPECT_NE(form.findChild<QLabel*>(), nullptr);
        EXPECT_EQ(form.findChild<QLabel*>()->text(), QStringLiteral("Enter calendar title (leave blank for default):"));
        auto* edit = form.findChild<QLineEdit*>(QStringLiteral("TitleText"));
        EXPECT_EQ(edit->text(), QStringLiteral("Old"));
        edit->setText(QStringLiteral("Our Year"));
        form.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
    choose(window, "mnuUserTitle");
    EXPECT_EQ(page.UserTitle(), QStringLiteral("Old"));
    EXPECT_FALSE(window.Modified());

    WhenModal<TUserTitleForm>([](TUserTitleForm& form) {
        form.findChild<QLineEdit*>(QStringLiteral("TitleText"))->setText(QStringLiteral("Our Year"));
        form.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    choose(window, "mnuUserTitle");
    EXPECT_EQ(page.UserTitle(), QStringLiteral("Our Year"));
    EXPECT_TRUE(window.Modified());

    clickCell(window, 15);
    typeIntoEditor(window, QStringLiteral("gone soon"));
    boxes.clear();
    choose(window, "mnuClearAllCellContents");
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_FALSE(page.HasCellText());
    EXPECT_FALSE(window.CellEditor()->isVisible());
}

TEST_F(MainWindowTest, AboutHelpWebsiteAndHints)
{
    QList<int> topics;
    SetHelpHandlerForTesting([&](int topic) { topics.append(topic); });
    TCalendarMain& window = start();

    WhenModal<TSplashform>([](TSplashform& about) {
        EXPECT_EQ(about.windowTitle(), QStringLiteral("About Vellumy"));
        QStringList texts;
        for (QLabel* label : about.findChildren<QLabel*>()) {
            texts.append(label->text());
            if (label->objectName() == QStringLiteral("Image1")) {
                EXPECT_FALSE(label->pixmap().isNull());
            }
        }
        EXPECT_TRUE(texts.contains(QStringLiteral("Version 3.1d")));
        EXPECT_TRUE(texts.contains(QStringLiteral("32-bit version")));
        EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
        about.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    choose(window, "About1");

    choose(window, "Contents1");
    EXPECT_EQ(topics, QList<int>({0}));
    // The website when the build names one, else the About topic, which ships.
    choose(window, "VisitOurInternetW1");
    if (TCalendarMain::WebsiteAddress().isEmpty()) {
        EXPECT_TRUE(openedUrls.isEmpty());
        EXPECT_EQ(topics, QList<int>({0, TCalendarMain::AboutHelpTopic}));
        EXPECT_TRUE(QFileInfo::exists(HelpTopicPath(TCalendarMain::AboutHelpTopic)));
    } else {
        EXPECT_EQ(openedUrls, QStringList({TCalendarMain::WebsiteAddress()}));
    }
    SetHelpHandlerForTesting({});

    // Hints: on at the start; off hides every tool tip and is stored.
    QAction* hints = item(window, "mnuShowHint");
    ASSERT_TRUE(hints->isCheckable());
    EXPECT_TRUE(hints->isChecked());
    QToolButton* zoom = window.findChild<QToolButton*>(QStringLiteral("ZoomInBtn"));
    EXPECT_EQ(zoom->toolTip(), QStringLiteral("Zoom In"));
    hints->trigger();
    EXPECT_FALSE(window.ShowHints());
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), zoom->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(zoom, &tip);
    EXPECT_FALSE(QToolTip::isVisible());
    const TIniFile ini(programFile(QStringLiteral("QX.ini")));
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("Hints"), QStringLiteral("On"), true));
    hints->trigger();
    EXPECT_TRUE(window.ShowHints());
    QApplication::sendEvent(zoom, &tip);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Zoom In"));
    QToolTip::hideText();
}
