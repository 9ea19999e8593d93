#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QString toolPath()
{
    return QStringLiteral(VELLUMY_BIN_DIR "/vellumy-tool");
}

ToolRun runLayout(const QStringList& options)
{
    QProcess process;
    process.start(toolPath(), QStringList{QStringLiteral("layout")} + options);
    ToolRun run;
    if (!process.waitForFinished(20000))
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QList<int> ints(const QJsonValue& value)
{
    QList<int> result;
    for (const QJsonValue& v : value.toArray())
        result.append(v.toInt());
    return result;
}

} // namespace

TEST(LayoutTool, PrintsThePageGeometryAsJson)
{
    if (!QFileInfo::exists(toolPath()))
        GTEST_SKIP() << "vellumy-tool is not built";

    ToolRun run = runLayout({"--layout", "3", "--month", "12", "--year", "2000", "--start-of-week", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    QJsonObject page = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(page.keys(), (QStringList{"grid", "mainCalRect", "minis", "orientation", "page", "pageRect",
                                        "plannerMode", "showMainGrid", "showMiniCals"}));
    EXPECT_EQ(page["orientation"].toString(), "coLandscape");
    EXPECT_EQ(ints(page["page"]), (QList<int>{1056, 816}));
    EXPECT_EQ(ints(page["mainCalRect"]), (QList<int>{26, 26, 1030, 790}));
    const QJsonArray minis = page["minis"].toArray();
    ASSERT_EQ(minis.size(), 2);
    EXPECT_EQ(minis[1].toObject()["month"].toInt(), 1);
    EXPECT_EQ(minis[1].toObject()["year"].toInt(), 2001);
    const QJsonArray cells = page["grid"].toObject()["cells"].toArray();
    ASSERT_EQ(cells.size(), 42);
    // 1 December 2000 was a Friday: column 5 with Monday weeks.
    EXPECT_EQ(cells[4].toObject()["day"].toInt(), 1);
    EXPECT_EQ(cells[3].toObject()["day"].toInt(), 0);

    run = runLayout({"--layout", "16", "--a4", "--margins", "0.5,0.5,0.5,0.5", "--ppi", "120"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    page = QJsonDocument::fromJson(run.out).object();
    EXPECT_TRUE(page["grid"].isNull());
    EXPECT_EQ(page["minis"].toArray().size(), 60);
    // 8.27 x 11.69 inches at 120 ppi: 992.4 and 1402.8 pixels.
    EXPECT_EQ(ints(page["page"]), (QList<int>{992, 1403}));
    // The last mini sits flush with the content's bottom right corner.
    EXPECT_EQ(ints(page["minis"].toArray().last().toObject()["rect"]).mid(2), (QList<int>{992 - 62, 1403 - 62}));

    run = runLayout({"--layout", "18", "--day", "29", "--number-position", "center"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    page = QJsonDocument::fromJson(run.out).object();
    EXPECT_TRUE(page["plannerMode"].toBool());
    EXPECT_EQ(page["grid"].toObject()["cells"].toArray().size(), 8);
}

TEST(LayoutTool, RejectsBadOptionsWithOneLineAndExitCode2)
{
    if (!QFileInfo::exists(toolPath()))
        GTEST_SKIP() << "vellumy-tool is not built";
    const QStringList bad[] = {{"--layout", "22"}, {"--month", "0"}, {"--margins", "1,2"},
                               {"--margins", "a,b,c,d"}, {"--start-of-week", "3"},
                               {"--number-position", "left"}, {"--bogus"}, {"--ppi"}};
    for (const QStringList& options : bad) {
        const ToolRun run = runLayout(options);
        EXPECT_EQ(run.exitCode, 2) << options.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        // Qt may add its own warnings; the tool's message is one line.
        EXPECT_EQ(run.err.count("vellumy-tool layout: "), 1) << run.err.constData();
    }
}
