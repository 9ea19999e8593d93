// The properties dialog as a whole: opening, OK with the class-change
// warning, Cancel, help, placement, borders, and a look at every page.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStackedWidget>
#include <QTemporaryDir>

#include "PropertiesKit.h"
#include "TestSupport.h"
#include "app/IniFile.h"
#include "app/Preferences.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramFolder.h"

using namespace props;
using vellumy::test::MessageBoxScript;

namespace {

const QString warningText = QStringLiteral("Warning: changing to this type of layout\r"
                                           "will erase all text and icons from the current\r"
                                           "calendar. Proceed?");

} // namespace

TEST(PropertiesDialog, ChangingTheLayoutClassAsksBeforeOkAndNoKeepsTheDialogOpen)
{
    MessageBoxScript boxes;
    auto dialog = std::make_unique<TCalendarProperties>();
    dialog->ExampleCalendar().SetCalendarLayout(loDay10);
    dialog->SetWarnOnClassChange(true);
    dialog->SetLayoutClassAtOpening(4);
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Calendar Properties"));
    EXPECT_TRUE(dialog->isModal());

    // Same class: no question.
    click(*dialog, "OkButton");
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());

    dialog->setResult(0);
    dialog->show();
    clickRow(*dialog, "LayoutList", 0);
    boxes.answer(false);
    click(*dialog, "OkButton");
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown()[0].kind, ShownMessage::Question);
    EXPECT_EQ(boxes.shown()[0].text, warningText);
    EXPECT_EQ(boxes.shown()[0].caption, QStringLiteral("WARNING"));
    EXPECT_TRUE(dialog->isVisible()) << "No keeps the dialog open";
    EXPECT_EQ(dialog->result(), 0);

    boxes.answer(true);
    click(*dialog, "OkButton");
    EXPECT_EQ(boxes.shown().size(), 2);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
}

TEST(PropertiesDialog, WithoutTheWarningAnyLayoutIsAcceptedSilently)
{
    MessageBoxScript boxes;
    auto dialog = openDialog(loDay15);
    dialog->SetLayoutClassAtOpening(5);
    clickRow(*dialog, "LayoutList", 4);
    click(*dialog, "OkButton");
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST(PropertiesDialog, CancelLeavesTheSourcePageUntouched)
{
    TCalendarPanel32 source(nullptr);
    source.ResetToDefaults();
    source.SetMainCalMonth(3);
    source.SetMainCalYear(2026);
    TCalendarPanel32 before(nullptr);
    before.AssignStyle(source);

    Choosers choosers({.color = [](TColor& color) { color = TColors::clRed; return true; }});
    auto dialog = std::make_unique<TCalendarProperties>();
    dialog->ExampleCalendar().AssignStyle(source);
    dialog->show();
    clickRow(*dialog, "LayoutList", 11);
    click(*dialog, "HeadersColorButton");
    click(*dialog, "GermanButton");
    click(*dialog, "MonthForwardButton");
    click(*dialog, "DefaultStyleButton");
    click(*dialog, "A4Radio");
    EXPECT_FALSE(dialog->ExampleCalendar().SameStyle(source));
    click(*dialog, "CancelButton");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(source.SameStyle(before));
    EXPECT_EQ(source.CalendarLayout(), loFCMinisInTitleLS);
}

TEST(PropertiesDialog, ResetOnOpenGivesTheExampleTheDefaultStyle)
{
    auto dialog = std::make_unique<TCalendarProperties>();
    TCalendarPanel32& e = dialog->ExampleCalendar();
    e.SetCalendarLayout(loWeek);
    e.SetLeftMarginInch(1.5f);
    e.SetMonthName(1, QStringLiteral("Jan"));
    dialog->SetResetOnOpen(true);
    dialog->show();
    EXPECT_EQ(e.CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(e.LeftMarginInch(), 0.5f);
    EXPECT_EQ(e.MonthNames()[0], QStringLiteral("January"));
    EXPECT_EQ(find<QListWidget>(*dialog, "LayoutList")->currentRow(), 1);
    EXPECT_EQ(find<QComboBox>(*dialog, "LeftMarginInchcombo")->currentIndex(), 1);
}

TEST(PropertiesDialog, HelpShowsTheTopicOfThePageShown)
{
    QList<int> topics;
    SetHelpHandlerForTesting([&](int topic) { topics.append(topic); });
    auto dialog = openDialog();
    for (int page = 0; page < 10; ++page) {
        showTab(*dialog, page);
        EXPECT_EQ(find<QStackedWidget>(*dialog, "Notebook")->currentIndex(), page);
        click(*dialog, "HelpButton");
    }
    SetHelpHandlerForTesting({});
    EXPECT_EQ(topics, QList<int>({2100, 2101, 2102, 2103, 2104, 2105, 2106, 2107, 2108, 2109}));
}

TEST(PropertiesDialog, ClosingStoresThePlacementThatTheNextOpeningRestores)
{
    QFile::remove(IniFileName());
    auto dialog = openDialog();
    dialog->move(37, 41);
    const QRect closed = dialog->geometry();
    click(*dialog, "CancelButton");
    const TIniFile ini(IniFileName());
    const QString section = QStringLiteral("TCalendarProperties_Placement");
    EXPECT_EQ(ini.ReadInteger(section, QStringLiteral("Left"), -1), closed.left());
    EXPECT_EQ(ini.ReadInteger(section, QStringLiteral("Top"), -1), closed.top());
    EXPECT_EQ(ini.ReadInteger(section, QStringLiteral("Bottom"), -1), closed.top() + closed.height());

    // The test screen is narrower than the dialog, so only the height
    // position is kept as it was.
    auto again = openDialog();
    EXPECT_EQ(again->geometry().top(), closed.top());
    EXPECT_EQ(again->geometry().size(), closed.size());
    again->reject();
    QFile::remove(IniFileName());
}

TEST(PropertiesDialog, BorderListOffersEachBorderOnceAndChoosingOneSetsTheExamplesBorder)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("Borders"));
    const QString realBorders = vellumy::test::DefaultProgramFolder() + QStringLiteral("/Borders/");
    const bool haveReal = QFile::exists(realBorders + QStringLiteral("Holly.wpo"));
    for (const char* name : {"zigzag.wpo", "Holly.wpo", "Holly.wls", "apple.wls", "notes.txt"}) {
        const QString target = folder.filePath(QStringLiteral("Borders/") + QString::fromLatin1(name));
        if (haveReal && QByteArray(name).startsWith("Holly"))
            QFile::copy(realBorders + QString::fromLatin1(name), target);
        else {
            QFile file(target);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    SetProgramFolderForTesting(folder.path());
    auto dialog = openDialog(loFCMinisInTitle);
    auto* list = find<QListWidget>(*dialog, "BorderFiles");
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    EXPECT_EQ(names, QStringList({"(none)", "apple", "Holly", "zigzag"}));
    EXPECT_EQ(list->currentRow(), 0);

    showTab(*dialog, 9);
    if (haveReal) {
        clickRow(list, 2);
        EXPECT_EQ(dialog->ExampleCalendar().WMFBorderFile(), QStringLiteral("Holly"));
        clickRow(list, 0);
        EXPECT_TRUE(dialog->ExampleCalendar().WMFBorderFile().isEmpty());
    }
    // "apple" has no portrait picture: the example keeps no border.
    clickRow(list, 1);
    EXPECT_TRUE(dialog->ExampleCalendar().WMFBorderFile().isEmpty());
    EXPECT_EQ(list->currentRow(), 0);
    dialog.reset();
    SetProgramFolderForTesting(vellumy::test::DefaultProgramFolder());
}

TEST(PropertiesDialog, EveryPageForAPersonToLookAt)
{
    auto dialog = std::make_unique<TCalendarProperties>();
    dialog->ExampleCalendar().SetZoom(0.3f);
    dialog->ExampleCalendar().SetCalendarLayout(loFCMinisInTitleLS);
    dialog->ExampleCalendar().SetMainCalMonth(12);
    dialog->ExampleCalendar().SetMainCalYear(2025);
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    const char* names[] = {"layout", "date", "fonts", "minifonts", "headers",
                           "lines", "planners", "language", "margins", "borders"};
    // The dialog keeps its size whichever page is shown.
    const QSize size = dialog->size();
    for (int page = 0; page < 10; ++page) {
        showTab(*dialog, page);
        QApplication::processEvents();
        EXPECT_EQ(dialog->size(), size) << "page " << page;
        const QImage image = dialog->grab().toImage();
        EXPECT_GT(image.width(), 600);
        vellumy::test::SaveForInspection(image, QStringLiteral("properties-%1-%2.png").arg(page).arg(names[page]));
    }
    auto* borders = find<QListWidget>(*dialog, "BorderFiles");
    const QList<QListWidgetItem*> holly = borders->findItems(QStringLiteral("Holly"), Qt::MatchExactly);
    if (!holly.isEmpty()) {
        clickRow(borders, borders->row(holly.first()));
        EXPECT_EQ(dialog->ExampleCalendar().WMFBorderFile(), QStringLiteral("Holly"));
        vellumy::test::SaveForInspection(dialog->grab().toImage(), QStringLiteral("properties-border-chosen.png"));
    }
    clickRow(*dialog, "LayoutList", 12);
    showTab(*dialog, 6);
    vellumy::test::SaveForInspection(dialog->grab().toImage(), QStringLiteral("properties-planner.png"));
}

TEST(PropertiesDialog, ClosingTheDialogKeepsTheObjectClipboard)
{
    const QString clipboard = ProgramFolder() + QStringLiteral("Clipbrd.tmp");
    QFile file(clipboard);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("objects cut from the page");
    file.close();
    {
        auto dialog = openDialog();
        click(*dialog, "CancelButton");
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("objects cut from the page"));
    file.close();
    QFile::remove(clipboard);

    // Without a clipboard none is made.
    openDialog().reset();
    EXPECT_FALSE(QFile::exists(clipboard));
}
