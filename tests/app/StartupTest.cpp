// Starting the program: preferences and placements from QX.ini, the most
// recent document, and one running instance per user.
#include <QProcess>
#include <QProcessEnvironment>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <cstring>

#include "MainTestSupport.h"
#include "app/IniFile.h"
#include "app/MRUFileList.h"
#include "platform/ScreenMetrics.h"

using namespace vellumy::test;

namespace {
void writeIni(const QString& path, const QString& section, const QList<QPair<QString, QString>>& values)
{
    TIniFile ini(path);
    ASSERT_TRUE(ini.WriteValues(section, values));
}
} // namespace

TEST_F(MainWindowTest, AFirstStartUsesTheDefaultsAndStoresThemOnClosing)
{
    TCalendarMain& window = start();
    EXPECT_EQ(window.CalendarPanel()->ZoomFactor(), 0.6f);
    EXPECT_TRUE(window.CalendarPanel()->isHidden());
    EXPECT_TRUE(window.CurrentFile().isEmpty());
    EXPECT_FALSE(window.Starting());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vellumy    [60%]"));
    EXPECT_EQ(window.DefaultEditorFont().Name(), QStringLiteral("Arial"));
    EXPECT_EQ(window.DefaultEditorFont().Size(), 10);
    EXPECT_EQ(window.DefaultEditorFont().Color(), TColors::clBlack);
    EXPECT_TRUE(window.IconToolVisible());
    EXPECT_TRUE(window.ShowHints());
    EXPECT_TRUE(window.RecentFiles()->Items().isEmpty());
    EXPECT_EQ(window.FileMenu()->actions().last()->objectName(), QStringLiteral("Exit1"));
    // Centred on the screen.
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_NEAR(window.frameGeometry().center().x(), screen.center().x(), 2);
    EXPECT_NEAR(window.frameGeometry().center().y(), screen.center().y(), 2);

    // Stepping the shown page to 0.95 stores the step below it.
    window.CalendarPanel()->SetZoom(0.95f);
    quit(window);
    const TIniFile ini(programFile(QStringLiteral("QX.ini")));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), -1), 90);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Zooming"), QStringLiteral("Prop"), -1), 30);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Default Font"), QStringLiteral("Name"), QString()), QStringLiteral("Arial"));
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Hints"), QStringLiteral("On"), false));
}

TEST_F(MainWindowTest, StoredZoomAndPlacementAreUsed)
{
    const QString ini = programFile(QStringLiteral("QX.ini"));
    writeIni(ini, QStringLiteral("Zooming"), {{QStringLiteral("Main"), QStringLiteral("75")}});
    writeIni(ini, QStringLiteral("TCalendarMain_Placement"),
             {{QStringLiteral("Left"), QStringLiteral("40")}, {QStringLiteral("Top"), QStringLiteral("30")},
              {QStringLiteral("Right"), QStringLiteral("540")}, {QStringLiteral("Bottom"), QStringLiteral("430")},
              {QStringLiteral("Maximized"), QStringLiteral("0")}});
    // A placement made on a finer screen is another placement.
    writeIni(ini, QStringLiteral("TCalendarMain_Placement120"),
             {{QStringLiteral("Left"), QStringLiteral("0")}, {QStringLiteral("Top"), QStringLiteral("0")},
              {QStringLiteral("Right"), QStringLiteral("300")}, {QStringLiteral("Bottom"), QStringLiteral("300")}});
    TCalendarMain& window = start();
    EXPECT_EQ(window.CalendarPanel()->ZoomFactor(), 0.7f);
    EXPECT_EQ(window.geometry(), QRect(40, 30, 500, 400));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vellumy    [70%]"));
}

TEST_F(MainWindowTest, TheMostRecentDocumentReopensWhenItCanBeRead)
{
    // A missing most recent file: no message at start, no page.
    const QString ini = programFile(QStringLiteral("QX.ini"));
    writeIni(ini, QStringLiteral("MRU"), {{QStringLiteral("F0"), programFile(QStringLiteral("gone.QXF"))}});
    {
        TCalendarMain& window = start();
        EXPECT_TRUE(boxes.shown().isEmpty());
        EXPECT_TRUE(window.CalendarPanel()->isHidden());
        EXPECT_EQ(window.RecentFiles()->Items().size(), 1);
        quit(window);
    }

    // A damaged one: said once, and the page stays hidden.
    QFile damaged(programFile(QStringLiteral("damaged.QXF")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(64, '\x07'));
    damaged.close();
    writeIni(ini, QStringLiteral("MRU"), {{QStringLiteral("F0"), damaged.fileName()}});
    TCalendarMain& window = start();
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_TRUE(boxes.lastText().startsWith(QStringLiteral("Unable to open ") + damaged.fileName()));
    EXPECT_TRUE(window.CalendarPanel()->isHidden());
    EXPECT_FALSE(window.Modified());
    EXPECT_FALSE(window.CalendarPanel()->PaintingSuspended());
}

// The real program, started twice from a folder of its own: each start is
// given a calendar; the first opens its own instead of the most recent one,
// the second hands its file to the first and ends. --help and --version
// answer without a display.
TEST_F(MainWindowTest, ASecondStartHandsOverToTheRunningProgram)
{
    const QString program = QStringLiteral(VELLUMY_BIN_DIR) + QStringLiteral("/vellumy");
    if (!QFileInfo::exists(program))
        GTEST_SKIP() << "the program is not built: " << program.toStdString();
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("vellumy"));
    ASSERT_TRUE(QFile::copy(program, copy));
    QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::ExeUser);
    const QString firstFile = folder.filePath(QStringLiteral("First.QXF"));
    const QString secondFile = folder.filePath(QStringLiteral("Second.QXF"));
    ASSERT_TRUE(QFile::copy(DataPath(QStringLiteral("documents/Sample.QXF")), firstFile));
    ASSERT_TRUE(QFile::copy(DataPath(QStringLiteral("documents/Sample.QXF")), secondFile));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const char* option : {"--help", "--version"}) {
        QProcess terminal;
        terminal.setProcessEnvironment(environment);
        terminal.start(copy, {QString::fromLatin1(option)});
        ASSERT_TRUE(terminal.waitForFinished(10000));
        EXPECT_EQ(terminal.exitCode(), 0) << option;
        const QByteArray answer = terminal.readAllStandardOutput();
        EXPECT_TRUE(answer.startsWith(std::strcmp(option, "--help") == 0 ? "Usage: vellumy" : "Vellumy "))
            << answer.toStdString();
    }

    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // A user name of its own, so that no other Vellumy of this user answers.
    environment.insert(QStringLiteral("USER"), QStringLiteral("vellumy-startup-test-%1").arg(QCoreApplication::applicationPid()));
    // The user's files go to folders of the test's own.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder.filePath(QStringLiteral("data")));
    const QString ini = folder.filePath(QStringLiteral("config/Vellumy/QX.ini"));
    // The most recent document would be opened if no file were named.
    ASSERT_TRUE(QDir().mkpath(QFileInfo(ini).path()));
    writeIni(ini, QStringLiteral("MRU"), {{QStringLiteral("F0"), secondFile}});
    // Opened files go to the top of the recent files.
    const auto waitForRecent = [&ini](const QString& file) {
        QElapsedTimer waited;
        waited.start();
        while (TIniFile(ini).ReadString(QStringLiteral("MRU"), QStringLiteral("F0"), QString()) != file
               && waited.elapsed() < 20000)
            QTest::qWait(50);
        return TIniFile(ini).ReadString(QStringLiteral("MRU"), QStringLiteral("F0"), QString());
    };

    QProcess first;
    first.setProcessEnvironment(environment);
    first.setWorkingDirectory(folder.path());
    first.start(copy, {QStringLiteral("First.QXF")});
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_EQ(waitForRecent(firstFile), firstFile);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(copy, {secondFile});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(waitForRecent(secondFile), secondFile);

    first.terminate();
    if (!first.waitForFinished(5000))
        first.kill();
    first.waitForFinished(5000);
}
