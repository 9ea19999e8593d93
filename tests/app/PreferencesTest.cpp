// Preferences in QX.ini: first-start defaults, stored values, zoom steps.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/DialogFolders.h"
#include "app/IniFile.h"
#include "app/Preferences.h"
#include "platform/ProgramFolder.h"

namespace {

struct PreferencesTest : ::testing::Test {
    void SetUp() override { QFile::remove(IniFileName()); }
    void TearDown() override { QFile::remove(IniFileName()); }
};

} // namespace

TEST_F(PreferencesTest, FirstStartWithoutIniFileGivesEveryDefault)
{
    EXPECT_EQ(IniFileName(), ProgramFolder() + QStringLiteral("QX.ini"));
    const TPreferences p = LoadPreferences();
    EXPECT_EQ(p.MainZoomPercent, 60);
    EXPECT_EQ(p.PropZoomPercent, 30);
    EXPECT_FLOAT_EQ(ZoomPercentToFactor(p.MainZoomPercent), 0.6f);
    const TFont font = p.DefaultEditorFont();
    EXPECT_EQ(font.Name(), QStringLiteral("Arial"));
    EXPECT_EQ(font.Size(), 10);
    EXPECT_EQ(font.StyleBits(), 0u);
    EXPECT_EQ(font.Color(), TColors::clBlack);
    EXPECT_EQ(p.IconLibraryFile, ProgramFolder() + QStringLiteral("MISC1.ICL"));
    EXPECT_TRUE(p.IconToolVisible);
    EXPECT_TRUE(p.ShowHints);
    EXPECT_FALSE(QFile::exists(IniFileName())); // reading creates nothing
}

TEST_F(PreferencesTest, StoredValuesComeBackAfterRestart)
{
    TIniFile ini(IniFileName());
    ini.WriteString(QStringLiteral("Zooming"), QStringLiteral("Main"), QStringLiteral("75"));
    ini.WriteString(QStringLiteral("Default Font"), QStringLiteral("Strikeout"), QStringLiteral("1"));
    TPreferences p = LoadPreferences();
    EXPECT_FLOAT_EQ(ZoomPercentToFactor(p.MainZoomPercent), 0.7f);
    EXPECT_TRUE(p.DefaultEditorFont().HasStyle(TFont::fsStrikeOut));
    EXPECT_TRUE(p.DefaultEditorFont().ToQFont().strikeOut());
    EXPECT_FALSE(p.DefaultEditorFont().HasStyle(TFont::fsBold));

    // Closing at a zoom factor of 0.95 stores 90.
    p.MainZoomPercent = ZoomFactorToPercent(0.95f);
    p.PropZoomPercent = ZoomFactorToPercent(0.2f);
    p.SetDefaultEditorFont(TFont(QStringLiteral("Times New Roman"), 14, TFont::fsBold | TFont::fsItalic, TColors::clNavy));
    p.IconLibraryFile = QStringLiteral("/opt/icons/My Icons.icl");
    p.IconToolVisible = false;
    p.ShowHints = false;
    ASSERT_TRUE(SavePreferences(p));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Zooming"), QStringLiteral("Main"), QString()), QStringLiteral("90"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Default Font"), QStringLiteral("Bold"), QString()), QStringLiteral("1"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Default Font"), QStringLiteral("Strikeout"), QString()),
              QStringLiteral("0"));

    const TPreferences q = LoadPreferences();
    EXPECT_EQ(q.MainZoomPercent, 90);
    EXPECT_EQ(q.PropZoomPercent, 20);
    EXPECT_TRUE(q.DefaultEditorFont() == p.DefaultEditorFont());
    EXPECT_EQ(q.DefaultEditorFont().Size(), 14);
    EXPECT_EQ(q.FontColor, TColors::clNavy);
    EXPECT_EQ(q.IconLibraryFile, QStringLiteral("/opt/icons/My Icons.icl"));
    EXPECT_FALSE(q.IconToolVisible);
    EXPECT_FALSE(q.ShowHints);
}

TEST(ZoomSteps, FactorsAndStepsFollowTheTable)
{
    const struct {
        int percent;
        float factor;
    } below[] = {{-5, 0.2f}, {0, 0.2f}, {29, 0.2f}, {30, 0.3f}, {39, 0.3f}, {40, 0.4f}, {59, 0.5f},
                 {60, 0.6f}, {75, 0.7f}, {89, 0.8f}, {90, 0.9f}, {99, 0.9f}, {100, 1.0f}, {250, 1.0f}};
    for (const auto& c : below)
        EXPECT_EQ(ZoomPercentToFactor(c.percent), c.factor) << c.percent;

    // Every step survives a round trip, including 70 and 90 whose
    // single-precision factors lie just under the decimal value.
    for (int step = 20; step <= 100; step += 10)
        EXPECT_EQ(ZoomFactorToPercent(ZoomPercentToFactor(step)), step) << step;
    // The zoom commands step by adding 0.1 to the factor.
    EXPECT_EQ(ZoomFactorToPercent(0.6f + 0.1f), 70);
    EXPECT_EQ(ZoomFactorToPercent(0.8f + 0.1f), 90);
    // Anything else is stored as the step at or below it.
    EXPECT_EQ(ZoomFactorToPercent(0.95f), 90);
    EXPECT_EQ(ZoomFactorToPercent(0.29f), 20);
    EXPECT_EQ(ZoomFactorToPercent(0.1f), 20);
    EXPECT_EQ(ZoomFactorToPercent(0.55f), 50);
    EXPECT_EQ(ZoomFactorToPercent(1.5f), 100);
}

// File dialogs start in the user's Documents folder the first time (in the
// program's folder when it keeps the user's files there), then in the folder
// last used for that kind of file, as long as it is still there.
TEST(DialogFolders, FirstDocumentsThenTheFolderLastUsed)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("QX.ini"));
    EXPECT_EQ(DialogStartFolder(TDialogFolder::Calendars, ini), ProgramFolder());

    const QString calendars = dir.filePath(QStringLiteral("My Calendars"));
    ASSERT_TRUE(QDir().mkpath(calendars));
    RememberDialogFolder(TDialogFolder::Calendars, calendars + QStringLiteral("/Dec1997.QXF"), ini);
    EXPECT_EQ(DialogStartFolder(TDialogFolder::Calendars, ini), calendars + QLatin1Char('/'));
    EXPECT_EQ(DialogStartFolder(TDialogFolder::StyleSheets, ini), ProgramFolder());
    ASSERT_TRUE(QDir(calendars).removeRecursively());
    EXPECT_EQ(DialogStartFolder(TDialogFolder::Calendars, ini), ProgramFolder());

    // Installed: the Documents folder the desktop names.
    const QString documents = dir.filePath(QStringLiteral("Dokumente"));
    ASSERT_TRUE(QDir().mkpath(documents));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("config"))));
    QFile userDirs(dir.filePath(QStringLiteral("config/user-dirs.dirs")));
    ASSERT_TRUE(userDirs.open(QIODevice::WriteOnly));
    userDirs.write("XDG_DOCUMENTS_DIR=\"" + documents.toUtf8() + "\"\n");
    userDirs.close();
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QString test = ProgramFolder();
    SetProgramFolderForTesting(QString());
    const QString first = FirstDialogFolder();
    SetProgramFolderForTesting(test);
    if (oldConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);
    EXPECT_EQ(first, documents + QLatin1Char('/'));
}
