// vellumy-tool render: the PNG holds exactly what the page paints.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "RenderTestSupport.h"
#include "richtext/WPRtfText.h"

namespace {

QString toolPath()
{
    return QStringLiteral(VELLUMY_BIN_DIR "/vellumy-tool");
}

struct ToolRun {
    int exitCode = -1;
    QByteArray err;
};

ToolRun render(const QStringList& arguments)
{
    QProcess process;
    process.start(toolPath(), QStringList{QStringLiteral("render")} + arguments);
    ToolRun run;
    if (process.waitForFinished(30000)) {
        run.exitCode = process.exitCode();
        run.err = process.readAllStandardError();
    }
    return run;
}

} // namespace

TEST(RenderTool, WritesThePageAsThePageDrawsIt)
{
    if (!QFileInfo::exists(toolPath()))
        GTEST_SKIP() << "vellumy-tool is not built";
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.png"));
    ToolRun run = render({"-o", plain, "--layout", "0", "--month", "3", "--year", "1997", "--title", "A & B"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();

    // The same new calendar drawn here.
    auto page = vellumy::test::JanuaryPage();
    page->ResetToDefaults();
    page->SetMainCalMonth(3);
    page->SetMainCalYear(1997);
    page->SetCalendarLayout(loFullCalendar);
    page->UpdatePageLayout(true);
    page->SetUserTitle(QStringLiteral("A & B"));
    const QImage written = QImage(plain).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(written, page->DrawPage());

    const QString zoomed = dir.filePath(QStringLiteral("zoomed.png"));
    run = render({"-o", zoomed, "--layout", "0", "--zoom", "60", "--cell-text", "Dentist"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QImage(zoomed).size(), QSize(490, 634));

    // A border picture of the shipped set draws outside the grid.
    const QString bordered = dir.filePath(QStringLiteral("bordered.png"));
    run = render({"-o", bordered, "--layout", "0", "--month", "3", "--year", "1997", "--border", "Classic"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    if (run.err.contains("no readable border picture"))
        GTEST_SKIP() << "the border pictures are not built";
    const QImage border(bordered);
    EXPECT_FALSE(vellumy::test::InkBox(border, QRect(50, 50, 30, 900)).isEmpty());
}

TEST(RenderTool, RendersADocumentAsItWasSaved)
{
    if (!QFileInfo::exists(toolPath()))
        GTEST_SKIP() << "vellumy-tool is not built";
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("week.QXF"));
    auto page = vellumy::test::JanuaryPage();
    page->SetCalendarLayout(loFCMinisInTitle);
    page->SetMainCalMonth(7);
    page->SetTitleBGColor(0x00C0FFC0);
    page->SetUserTitle(QStringLiteral("Summer & Sun"));
    page->DrawPage();
    page->SetCellText(page->FindCellByDay(14),
                      TWPRtfText(QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Holiday\\par}")));
    ASSERT_TRUE(page->SaveDocument(document));

    const QString out = dir.filePath(QStringLiteral("week.png"));
    ToolRun run = render({document, "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QImage(out).convertToFormat(QImage::Format_RGB32), page->DrawPage());

    QFile damaged(dir.filePath(QStringLiteral("damaged.QXF")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("TPF0 and then nothing sensible");
    damaged.close();
    run = render({damaged.fileName(), "-o", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Unable to open")) << run.err.constData();
}

TEST(RenderTool, RejectsWhatItCannotDo)
{
    if (!QFileInfo::exists(toolPath()))
        GTEST_SKIP() << "vellumy-tool is not built";
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.png"));
    ToolRun run = render({"--layout", "0"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("-o OUT.png is required")) << run.err.constData();
    run = render({"-o", out, "--zoom", "5"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("--zoom needs a whole number from 10 to 400")) << run.err.constData();
    run = render({"-o", out, "--shadow"});
    EXPECT_EQ(run.exitCode, 2);
    run = render({"-o", dir.filePath(QStringLiteral("missing/out.png"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("cannot write")) << run.err.constData();
}
