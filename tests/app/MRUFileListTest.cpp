// The recent-files list: its menu entries, adding, clicking, the INI section.
#include <QFile>
#include <QMenu>
#include <gtest/gtest.h>

#include "app/IniFile.h"
#include "app/MRUFileList.h"
#include "app/Preferences.h"
#include "platform/ProgramFolder.h"

namespace {

struct MRUTest : ::testing::Test {
    MRUTest()
    {
        QFile::remove(IniFileName());
        mru.SetFileMenu(&fileMenu);
        mru.SetAutoSaveName(IniFileName());
        mru.SetAutoSaveKey(QStringLiteral("MRU"));
        mru.SetAutoSave(false);
        fileMenu.addAction(QStringLiteral("&New "));
        fileMenu.addAction(QStringLiteral("E&xit"));
    }
    ~MRUTest() override { QFile::remove(IniFileName()); }

    // Captions of the menu after the program's own items.
    QStringList Entries(const QMenu& menu, int skip = 2) const
    {
        QStringList captions;
        const auto actions = menu.actions();
        for (int i = skip; i < actions.size(); ++i)
            captions << (actions[i]->isSeparator() ? QStringLiteral("-") : actions[i]->text());
        return captions;
    }

    QMenu fileMenu;
    TMRUFileList mru;
};

QString Doc(int n)
{
    return QStringLiteral("/home/ann/Calendars/Month %1.QXF").arg(n);
}

} // namespace

TEST_F(MRUTest, OpeningSixFilesKeepsTheFiveNewest)
{
    EXPECT_EQ(mru.Maximum(), 5);
    EXPECT_TRUE(Entries(fileMenu).isEmpty()); // an empty list adds nothing
    for (int n = 1; n <= 6; ++n)
        mru.Add(Doc(n));
    EXPECT_EQ(mru.Items(), QStringList({Doc(6), Doc(5), Doc(4), Doc(3), Doc(2)}));
    EXPECT_EQ(Entries(fileMenu), QStringList({QStringLiteral("-"), QStringLiteral("&1 ") + Doc(6),
                                              QStringLiteral("&2 ") + Doc(5), QStringLiteral("&3 ") + Doc(4),
                                              QStringLiteral("&4 ") + Doc(3), QStringLiteral("&5 ") + Doc(2)}));
    const auto actions = fileMenu.actions();
    // A plain line: a separator's text would show as a heading.
    EXPECT_TRUE(actions[2]->text().isEmpty());
    for (int n = 1; n <= 5; ++n) {
        auto* item = qobject_cast<TMRUMenuItem*>(actions[2 + n]);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Number(), n);
    }

    // Opening one already listed moves it to "&1"; its spelling is the new one.
    const QString reopened = Doc(3).toUpper();
    mru.Add(reopened);
    EXPECT_EQ(mru.Items(), QStringList({reopened, Doc(6), Doc(5), Doc(4), Doc(2)}));
    EXPECT_EQ(Entries(fileMenu).size(), 6) << "one separator, five entries";
    EXPECT_EQ(Entries(fileMenu).at(1), QStringLiteral("&1 ") + reopened);
}

TEST_F(MRUTest, ClickingAnEntryRemovesItAndReportsItsPath)
{
    for (int n = 1; n <= 3; ++n)
        mru.Add(Doc(n));
    QStringList clicked;
    mru.OnMRUItemClick = [&](const QString& path) { clicked << path; };

    fileMenu.actions().at(4)->trigger(); // "&2 ..."
    EXPECT_EQ(clicked, QStringList(Doc(2)));
    EXPECT_EQ(mru.Items(), QStringList({Doc(3), Doc(1)}));
    EXPECT_EQ(Entries(fileMenu), QStringList({QStringLiteral("-"), QStringLiteral("&1 ") + Doc(3),
                                              QStringLiteral("&2 ") + Doc(1)}));

    mru.SetRemoveOnClick(false);
    fileMenu.actions().at(3)->trigger();
    EXPECT_EQ(clicked.last(), Doc(3));
    EXPECT_EQ(mru.Items().size(), 2);

    mru.SetRemoveOnClick(true);
    fileMenu.actions().at(3)->trigger();
    fileMenu.actions().at(3)->trigger();
    EXPECT_TRUE(mru.Items().isEmpty());
    EXPECT_TRUE(Entries(fileMenu).isEmpty()) << "nothing, not even the separator, stays";
}

TEST_F(MRUTest, TheListIsKeptInItsIniSection)
{
    for (int n = 1; n <= 3; ++n)
        mru.Add(Doc(n));
    ASSERT_TRUE(mru.Save());
    const TIniFile ini(IniFileName());
    EXPECT_EQ(ini.ReadSectionValues(QStringLiteral("MRU")),
              QStringList({QStringLiteral("F0=") + Doc(3), QStringLiteral("F1=") + Doc(2),
                           QStringLiteral("F2=") + Doc(1)}));

    // Loading takes every line in file order, whatever its key, and is not
    // cut to Maximum.
    TIniFile(IniFileName()).ReplaceSection(QStringLiteral("MRU"),
                                           {{QStringLiteral("F0"), Doc(10)}, {QStringLiteral("F1"), Doc(11)},
                                            {QStringLiteral("Other"), Doc(12)}, {QStringLiteral("F3"), Doc(13)},
                                            {QStringLiteral("F4"), Doc(14)}, {QStringLiteral("F5"), Doc(15)},
                                            {QStringLiteral("F6"), QStringLiteral("C:\\Old Files\\a=b.QXF")}});
    mru.Load();
    EXPECT_EQ(mru.Items(), QStringList({Doc(10), Doc(11), Doc(12), Doc(13), Doc(14), Doc(15),
                                        QStringLiteral("C:\\Old Files\\a=b.QXF")}));
    EXPECT_EQ(Entries(fileMenu).size(), 8);
    EXPECT_EQ(Entries(fileMenu).last(), QStringLiteral("&7 C:\\Old Files\\a=b.QXF"));
    // The next addition cuts the list to Maximum.
    mru.Add(Doc(1));
    EXPECT_EQ(mru.Items().size(), 5);

    // Saving an empty list leaves no section behind.
    mru.Clear();
    ASSERT_TRUE(mru.Save());
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("MRU")));
}

TEST_F(MRUTest, EntriesCanGoIntoASubmenu)
{
    mru.SetUseSubmenu(true);
    mru.Add(Doc(1));
    mru.Add(Doc(2));
    EXPECT_EQ(Entries(fileMenu), QStringList({QStringLiteral("-"), QStringLiteral("Reopen")}));
    QMenu* submenu = fileMenu.actions().last()->menu();
    ASSERT_NE(submenu, nullptr);
    EXPECT_EQ(Entries(*submenu, 0), QStringList({QStringLiteral("&1 ") + Doc(2), QStringLiteral("&2 ") + Doc(1)}));
    QString clicked;
    mru.OnMRUItemClick = [&](const QString& path) { clicked = path; };
    submenu->actions().at(1)->trigger();
    EXPECT_EQ(clicked, Doc(1));

    mru.SetUseSubmenu(false);
    EXPECT_EQ(Entries(fileMenu), QStringList({QStringLiteral("-"), QStringLiteral("&1 ") + Doc(2)}));
}

TEST(MRUFileList, AutoSaveWritesTheListWhenTheComponentGoes)
{
    // With the default, registry-style name the list lives in the program folder.
    const QString file = ProgramFolder() + QStringLiteral("My Application.ini");
    QFile::remove(file);
    {
        TMRUFileList mru;
        EXPECT_EQ(mru.AutoSaveName(), QStringLiteral("\\Software\\My Application"));
        EXPECT_EQ(mru.AutoSaveKey(), QStringLiteral("MRU Items"));
        EXPECT_TRUE(mru.AutoSave());
        EXPECT_EQ(mru.AutoSaveFileName(), file);
        mru.Add(Doc(1));
    }
    EXPECT_EQ(TIniFile(file).ReadString(QStringLiteral("MRU Items"), QStringLiteral("F0"), QString()), Doc(1));
    TMRUFileList again;
    again.SetAutoSave(false);
    again.Load();
    EXPECT_EQ(again.Items(), QStringList(Doc(1)));
    QFile::remove(file);
}
