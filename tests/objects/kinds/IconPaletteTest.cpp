// The icon palette as the user drives it: the File menu's sets and their
// check marks, "Other..." with files that hold no icons, the bonus sets, and
// the grid's own properties.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "TestSupport.h"
#include "objects/kinds/FloatingPalette.h"
#include "objects/kinds/IconListBox.h"
#include "platform/ProgramFolder.h"

using vellumy::test::MessageBoxScript;

namespace {

const QStringList BuiltInCaptions = {"Activities", "Events", "Holidays", "Miscellaneous #1", "Miscellaneous #2",
                                     "Other..."};

class IconPaletteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vellumy::test::LinkShippedFolders(folder.path());
        SetProgramFolderForTesting(folder.path());
    }
    void TearDown() override
    {
        palette.reset();
        SetProgramFolderForTesting(vellumy::test::DefaultProgramFolder());
    }

    TFloatingPalette& make()
    {
        palette = std::make_unique<TFloatingPalette>();
        list = palette->IconListBox();
        list->OnFileChange = [this] { ++fileChanges; };
        return *palette;
    }
    QString file(const QString& name) const { return folder.filePath(name); }
    // A file that holds no icons.
    QString emptyFile(const QString& name) const
    {
        QFile f(file(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("no icons here");
        return file(name);
    }
    QStringList checked() const
    {
        QStringList captions;
        QList<QAction*> actions = palette->FileMenu()->actions();
        if (palette->BonusMenu())
            actions += palette->BonusMenu()->actions();
        for (QAction* action : actions) {
            if (action->isChecked())
                captions << action->text();
        }
        return captions;
    }

    QTemporaryDir folder;
    std::unique_ptr<TFloatingPalette> palette;
    TIconListBox* list = nullptr;
    int fileChanges = 0;
    MessageBoxScript boxes;
};

} // namespace

TEST_F(IconPaletteTest, MenuSetsCheckTheirEntryAndOtherFilesCheckOther)
{
    TFloatingPalette& p = make();
    EXPECT_EQ(p.windowTitle(), QStringLiteral("Icons"));
    EXPECT_EQ(list->FileName(), file("activity.icl"));
    EXPECT_GE(list->NumberOfIcons(), 20);
    EXPECT_TRUE(list->isEnabled());
    for (const QString& caption : BuiltInCaptions)
        ASSERT_NE(p.MenuEntry(caption), nullptr) << caption.toStdString();

    // Each shipped set fills the grid (kept as pictures for a person to look at).
    for (const QString& caption : BuiltInCaptions.mid(0, 5)) {
        p.MenuEntry(caption)->trigger();
        EXPECT_EQ(checked(), QStringList{caption});
        EXPECT_GE(list->NumberOfIcons(), 20);
        const QImage shown = p.grab().toImage();
        vellumy::test::SaveForInspection(shown, QStringLiteral("palette-%1.png").arg(list->FileName().section('/', -1)));
        // The first icon is drawn in the white grid, centred in its cell.
        const QPoint centre = list->mapTo(&p, list->visualItemRect(list->item(0)).center());
        EXPECT_NE(shown.pixelColor(centre), QColor(Qt::white)) << caption.toStdString();
    }

    p.MenuEntry("Holidays")->trigger();
    EXPECT_EQ(list->FileName(), file("holiday.icl"));
    EXPECT_EQ(checked(), QStringList{"Holidays"});
    EXPECT_EQ(list->count(), 20);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("0"));

    // Upper-case names of the preferences find the lower-case files.
    p.SelectIconFile(file("MISC2.ICL"));
    EXPECT_EQ(checked(), QStringList{"Miscellaneous #2"});
    EXPECT_EQ(list->NumberOfIcons(), 20);

    // Any other existing icon file checks "Other..." alone.
    ASSERT_TRUE(QFile::copy(file("events.icl"), file("party.icl")));
    p.SelectIconFile(file("party.icl"));
    EXPECT_EQ(checked(), QStringList{"Other..."});
    EXPECT_EQ(list->FileName(), file("party.icl"));
    // The same file again is not loaded again.
    const int changes = fileChanges;
    list->setCurrentRow(5);
    p.SelectIconFile(file("party.icl"));
    list->SetFileName(file("party.icl"));
    EXPECT_EQ(fileChanges, changes);
    EXPECT_EQ(list->currentRow(), 5);

    // A file without icons falls back to Misc1; a missing one empties the list.
    p.SelectIconFile(emptyFile("blank.icl"));
    EXPECT_EQ(list->FileName(), file("Misc1.icl"));
    EXPECT_EQ(list->NumberOfIcons(), 20);
    list->SetFileName(file("missing.icl"));
    EXPECT_EQ(list->NumberOfIcons(), -1);
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(list->isEnabled());
    list->SetAutoDisable(false);
    EXPECT_TRUE(list->isEnabled());
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(IconPaletteTest, OtherAsksAgainUntilAFileHoldsIcons)
{
    TFloatingPalette& p = make();
    ASSERT_TRUE(QFile::copy(file("holiday.icl"), file("feasts.ico.icl")));
    QStringList answers = {emptyFile("readme.txt"), file("feasts.ico.icl")};
    QStringList folders;
    p.ChooseIconFile = [&](QWidget*, const QString& start, const QString& filter, const QString& selected) {
        folders << start;
        EXPECT_TRUE(filter.contains(selected));
        return answers.isEmpty() ? QString() : answers.takeFirst();
    };
    p.OtherAction()->trigger();
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("No icons found in ") + file("readme.txt"));
    EXPECT_EQ(list->FileName(), file("feasts.ico.icl"));
    EXPECT_EQ(checked(), QStringList{"Other..."});
    EXPECT_EQ(folders, QStringList({ProgramDataFolder(), ProgramDataFolder()}));

    // Giving up on a file without icons shows Misc1.
    answers = {file("readme.txt")};
    p.OtherAction()->trigger();
    EXPECT_EQ(list->FileName(), file("Misc1.icl"));
    EXPECT_EQ(checked(), QStringList{"Miscellaneous #1"});
    // Cancelling at once changes nothing.
    p.OtherAction()->trigger();
    EXPECT_EQ(list->FileName(), file("Misc1.icl"));
    EXPECT_EQ(checked(), QStringList{"Miscellaneous #1"});
}

TEST_F(IconPaletteTest, BonusSetsComeFromTheBonusIconsFolders)
{
    {
        TFloatingPalette& p = make();
        EXPECT_EQ(p.BonusMenu(), nullptr);
        p.BonusAction()->trigger();
        ASSERT_EQ(boxes.shown().size(), 1);
        EXPECT_TRUE(boxes.lastText().startsWith(QStringLiteral("No Bonus Sets Found!\r\r")));
        EXPECT_EQ(boxes.shown().last().caption, QStringLiteral("Information"));
        EXPECT_TRUE(checked().contains("Activities"));
    }
    // An empty folder is no different.
    QDir(UserDataFolder()).mkpath(QStringLiteral("BonusIcons"));
    EXPECT_EQ(make().BonusMenu(), nullptr);

    const QString bonus = UserDataFolder() + QStringLiteral("BonusIcons/");
    ASSERT_TRUE(QFile::copy(file("misc2.icl"), bonus + "Zodiac.ICL"));
    ASSERT_TRUE(QFile::copy(file("holiday.icl"), bonus + "autumn.v2.icl"));
    TFloatingPalette& p = make();
    ASSERT_NE(p.BonusMenu(), nullptr);
    QStringList names;
    for (QAction* action : p.BonusMenu()->actions())
        names << action->text();
    EXPECT_EQ(names, QStringList({"autumn", "Zodiac"}));
    boxes.clear();
    p.BonusMenu()->actions()[0]->trigger();
    EXPECT_EQ(list->FileName(), bonus + "autumn.v2.icl");
    EXPECT_EQ(list->NumberOfIcons(), 20);
    EXPECT_EQ(checked(), QStringList{"autumn"});
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(IconPaletteTest, GridSizeCachingAndDragData)
{
    make();
    const int cell = SystemIconSize() + 6;
    EXPECT_EQ(list->ItemHeight(), cell);
    TIconListBox grid;
    EXPECT_EQ(grid.XIcons(), 4);
    EXPECT_EQ(grid.width(), cell * 4 + 2);
    grid.SetXIcons(0);
    grid.SetYIcons(-1);
    EXPECT_EQ(grid.XIcons(), 4);
    EXPECT_EQ(grid.YIcons(), 1);
    grid.SetXIcons(2);
    EXPECT_EQ(grid.width(), cell * 2 + 2);
    EXPECT_EQ(grid.height(), cell + 3);

    // With caching an icon is extracted when first asked for; without, at load.
    grid.SetFileName(file("events.icl"));
    EXPECT_EQ(grid.NumberOfIcons(), 20);
    EXPECT_EQ(grid.currentRow(), 0);
    const QImage cake = grid.Icon(0);
    EXPECT_EQ(cake.size(), QSize(SystemIconSize(), SystemIconSize()));
    grid.SetEnableCaching(false);
    EXPECT_EQ(grid.NumberOfIcons(), 20);
    EXPECT_EQ(grid.Icon(0), cake);
    EXPECT_TRUE(grid.Icon(20).isNull());

    grid.setCurrentRow(3);
    std::unique_ptr<QMimeData> data(grid.DragData());
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()), grid.Icon(3));
}
