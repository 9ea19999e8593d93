// Style sheets from the properties dialog: extension checks, saving,
// loading (also damaged files) and the default style.
#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "PropertiesKit.h"
#include "app/LayoutChoices.h"
#include "TestSupport.h"
#include "platform/ProgramFolder.h"

using namespace props;
using vellumy::test::MessageBoxScript;

namespace {

struct FileAnswers {
    QString saveAs;
    QString open;
    QStringList captions;
    QStringList filters;
    QStringList proposed;
};

PropertiesChoosersForTesting answering(FileAnswers& answers)
{
    PropertiesChoosersForTesting choosers;
    choosers.saveFile = [&answers](const QString& caption, const QString& folder, const QString& fileName,
                                   const QString& filter) {
        answers.captions.append(caption);
        answers.filters.append(filter);
        answers.proposed.append(folder + fileName);
        return answers.saveAs;
    };
    choosers.openFile = [&answers](const QString& caption, const QString& folder, const QString& filter) {
        answers.captions.append(caption);
        answers.filters.append(filter);
        answers.proposed.append(folder);
        return answers.open;
    };
    return choosers;
}

} // namespace

TEST(PropertiesStyleSheet, WrongExtensionsAreRefusedWithTheirMessages)
{
    QTemporaryDir folder;
    MessageBoxScript boxes;
    FileAnswers answers;
    Choosers choosers(answering(answers));
    auto dialog = openDialog();

    answers.saveAs = folder.filePath(QStringLiteral("MyStyle.QXF"));
    click(*dialog, "SaveStyleSheetButton");
    EXPECT_EQ(answers.captions.value(0), QStringLiteral("Save As Calendar Style Sheet"));
    EXPECT_EQ(answers.filters.value(0), QStringLiteral("Calendar Style Sheet (*.QXS)"));
    EXPECT_EQ(answers.proposed.value(0), ProgramFolder() + QStringLiteral("MyStyle.QXS"));
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Must save as a Calendar Style Sheet (*.QXS)"));
    EXPECT_EQ(boxes.shown().value(0).caption, QStringLiteral("Information"));
    EXPECT_FALSE(QFile::exists(answers.saveAs)) << "nothing is written";

    answers.open = folder.filePath(QStringLiteral("style.txt"));
    click(*dialog, "LoadStyleSheetButton");
    EXPECT_EQ(answers.captions.value(1), QStringLiteral("Open Calendar Style Sheet"));
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Must be a Calendar Style Sheet (*.QXS)"));

    // A cancelled file dialog does nothing at all.
    answers.saveAs.clear();
    answers.open.clear();
    boxes.clear();
    click(*dialog, "SaveStyleSheetButton");
    click(*dialog, "LoadStyleSheetButton");
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST(PropertiesStyleSheet, DefaultStyleResetsTheExampleAndRefillsTheControls)
{
    auto dialog = openDialog(loWeek);
    TCalendarPanel32& e = dialog->ExampleCalendar();
    click(*dialog, "FrenchButton");
    chooseItem(*dialog, "LeftMarginInchcombo", 5);
    click(*dialog, "DefaultStyleButton");
    EXPECT_FALSE(dialog->Initialising());
    EXPECT_EQ(e.CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(e.LeftMarginInch(), 0.5f);
    EXPECT_EQ(e.MonthNames()[0], QStringLiteral("January"));
    EXPECT_EQ(find<QListWidget>(*dialog, "LayoutList")->currentRow(), 1);
    EXPECT_EQ(find<QComboBox>(*dialog, "LeftMarginInchcombo")->currentIndex(), 1);
    EXPECT_TRUE(find<QPlainTextEdit>(*dialog, "MonthNamesMemo")->toPlainText().startsWith("January\n"));
    EXPECT_TRUE(find<QWidget>(*dialog, "MiniCalColorButton")->isEnabled()) << "enabled for the minis in the title";
}

TEST(PropertiesStyleSheet, ASavedStyleSheetLoadsIntoAnotherDialogAndRefillsItsControls)
{
    QTemporaryDir folder;
    MessageBoxScript boxes;
    FileAnswers answers;
    Choosers choosers(answering(answers));
    {
        auto dialog = openDialog();
        clickRow(*dialog, "LayoutList", 5);
        click(*dialog, "LandscapeRadio");
        click(*dialog, "A4Radio");
        click(*dialog, "GermanButton");
        chooseItem(*dialog, "TopMarginInchcombo", 4);
        answers.saveAs = folder.filePath(QStringLiteral("look.qxs"));  // the extension in any case
        click(*dialog, "SaveStyleSheetButton");
        EXPECT_TRUE(boxes.shown().isEmpty());
        ASSERT_TRUE(QFile::exists(answers.saveAs));
    }

    auto dialog = openDialog(loWeek);
    TCalendarPanel32& e = dialog->ExampleCalendar();
    const int month = e.MainCalMonth();
    answers.open = answers.saveAs;
    click(*dialog, "LoadStyleSheetButton");
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_FALSE(dialog->Initialising());
    EXPECT_EQ(e.CalendarLayout(), loMC12MonthLS);
    EXPECT_TRUE(e.PaperSizeA4());
    EXPECT_EQ(e.DayNames()[5], QStringLiteral("Freitag "));
    EXPECT_EQ(e.TopMarginInch(), 1.25f);
    EXPECT_EQ(e.MainCalMonth(), month) << "a style sheet carries no date";
    EXPECT_EQ(find<QListWidget>(*dialog, "LayoutList")->currentRow(), 5);
    EXPECT_TRUE(find<QAbstractButton>(*dialog, "LandscapeRadio")->isChecked());
    EXPECT_TRUE(find<QAbstractButton>(*dialog, "A4Radio")->isChecked());
    EXPECT_EQ(find<QComboBox>(*dialog, "TopMarginInchcombo")->currentIndex(), 4);
    EXPECT_TRUE(find<QPlainTextEdit>(*dialog, "MonthNamesMemo")->toPlainText().startsWith("Januar\n"));
    EXPECT_TRUE(find<QWidget>(*dialog, "rOrientation")->isEnabled()) << "enabled again for a mini calendar page";
}

TEST(PropertiesStyleSheet, FailedLoadsAndSavesAreReported)
{
    QTemporaryDir folder;
    MessageBoxScript boxes;
    FileAnswers answers;
    Choosers choosers(answering(answers));
    auto dialog = openDialog(loDay15);

    answers.open = folder.filePath(QStringLiteral("broken.QXS"));
    QFile broken(answers.open);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("TPF0 not a style sheet at all");
    broken.close();
    click(*dialog, "LoadStyleSheetButton");
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Unable to open ") + answers.open
                                    + QStringLiteral(". Possibly \rcorrupted, possibly not a Calendar Style file"));
    EXPECT_FALSE(dialog->Initialising());
    EXPECT_EQ(find<QListWidget>(*dialog, "LayoutList")->currentRow(),
              LayoutRowOf(dialog->ExampleCalendar().CalendarLayout()).row)
        << "the controls show what the example holds";

    answers.open = folder.filePath(QStringLiteral("missing.QXS"));
    click(*dialog, "LoadStyleSheetButton");
    EXPECT_TRUE(boxes.lastText().startsWith(QStringLiteral("Unable to open ") + answers.open));

    answers.saveAs = folder.filePath(QStringLiteral("no such folder/MyStyle.QXS"));
    click(*dialog, "SaveStyleSheetButton");
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Unable to save ") + answers.saveAs);
}
