// vellumy-tool resave and info, run as the separate program they are.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "DocumentTestSupport.h"
#include "TestSupport.h"

using namespace doctest;

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

ToolRun runTool(const QStringList& arguments)
{
    QProcess process;
    process.start(toolPath(), arguments);
    ToolRun run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The committed samples, laid out by hand: a version 4 document with three
// cell texts and no page objects, and a style sheet with the same look.
QByteArray sampleDocument(bool withObject = false)
{
    StyleValues style;
    Bytes b;
    b.listBegin().integer(4).integer(1);
    appendStyleBlock(b, style);
    b.string("").integer(14).integer(7).integer(2031).integer(2).integer(7).integer(30);
    for (int i = 1; i <= 42; ++i) {
        if (i == 1)
            b.cellRecord(rtfText("first"));
        else if (i == 17)
            b.cellRecord(rtfText("Caf\\'e9 au lait"));
        else if (i == 42)
            b.cellRecord("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 last\\par\r\n}");
        else
            b.cellRecord();
    }
    b.string("Our summer").listEnd();
    b.listBegin();
    if (withObject)
        appendShapeRecord(b, "Label1", 1, 2, 3, 4, "shape");
    b.listEnd();
    return b.data();
}

QByteArray sampleStyleSheet()
{
    Bytes b;
    b.listBegin().integer(4).integer(2);
    appendStyleBlock(b, StyleValues());
    b.string("").listEnd();
    return b.data();
}

} // namespace

TEST(DocumentTools, SamplesAreWhatTheirRecipesMake)
{
    // VELLUMY_WRITE_FIXTURES=1 writes them again after a change of recipe.
    const QString document = vellumy::test::DataPath("documents/Sample.QXF");
    const QString sheet = vellumy::test::DataPath("documents/Sample.QXS");
    if (qEnvironmentVariableIsSet("VELLUMY_WRITE_FIXTURES")) {
        QDir().mkpath(QFileInfo(document).path());
        QFile d(document), s(sheet);
        ASSERT_TRUE(d.open(QIODevice::WriteOnly) && s.open(QIODevice::WriteOnly));
        d.write(sampleDocument());
        s.write(sampleStyleSheet());
    }
    EXPECT_EQ(readAll(document), sampleDocument());
    EXPECT_EQ(readAll(sheet), sampleStyleSheet());
}

TEST(DocumentTools, ResaveWritesAnUntouchedFileBackByteForByte)
{
    if (!QFileInfo::exists(toolPath()))
        GTEST_SKIP() << "vellumy-tool is not built";
    QTemporaryDir dir;
    for (const char* name : {"documents/Sample.QXF", "documents/Sample.QXS"}) {
        const QString in = vellumy::test::DataPath(name);
        const QString out = dir.filePath(QFileInfo(in).fileName());
        const ToolRun run = runTool({"resave", in, out});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(readAll(out), readAll(in)) << name;
    }
}

TEST(DocumentTools, ResaveRefusesWhatItCannotReadWhole)
{
    if (!QFileInfo::exists(toolPath()))
        GTEST_SKIP() << "vellumy-tool is not built";
    QTemporaryDir dir;

    // Damaged: the program's own message, and no output.
    const QString damaged = dir.filePath("Damaged.QXF");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(sampleDocument().left(700));
    file.close();
    ToolRun run = runTool({"resave", damaged, dir.filePath("out.QXF")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(run.err).simplified().contains(
        "Unable to open " + damaged + ". Possibly corrupted, possibly not a Calendar file"))
        << run.err.constData();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("out.QXF")));

    // A page object of a kind the tool does not know would be lost.
    const QString withObject = dir.filePath("Object.QXF");
    QFile objectFile(withObject);
    ASSERT_TRUE(objectFile.open(QIODevice::WriteOnly));
    objectFile.write(sampleDocument(true));
    objectFile.close();
    run = runTool({"resave", withObject, dir.filePath("out.QXF")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Class TDocTestShape not found")) << run.err.constData();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("out.QXF")));

    // A document written as a style sheet keeps the look only.
    run = runTool({"resave", vellumy::test::DataPath("documents/Sample.QXF"), dir.filePath("look.QXS")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(readAll(dir.filePath("look.QXS")), sampleStyleSheet());
}

TEST(DocumentTools, InfoPrintsThePageAsJson)
{
    if (!QFileInfo::exists(toolPath()))
        GTEST_SKIP() << "vellumy-tool is not built";
    const ToolRun run = runTool({"info", vellumy::test::DataPath("documents/Sample.QXF")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    QJsonParseError parseError;
    const QJsonObject page = QJsonDocument::fromJson(run.out, &parseError).object();
    ASSERT_EQ(parseError.error, QJsonParseError::NoError) << run.out.constData();

    EXPECT_EQ(page["PaperSizeA4"].toBool(), true);
    EXPECT_EQ(page["CalendarLayout"].toString(), "loFC12AfterLS");
    EXPECT_EQ(page["CalendarOrientation"].toString(), "coLandscape");
    EXPECT_EQ(page["LeftMarginInch"].toDouble(), 0.33);
    EXPECT_EQ(page["BottomMarginInch"].toDouble(), 0.07);
    EXPECT_EQ(page["CalendarLineLayout"].toString(), "llCellsOnly");
    EXPECT_EQ(page["CalendarBorder"].toString(), "cbTopBottom");
    EXPECT_EQ(page["MonthNames"].toArray().at(1).toString(), QString::fromUtf8("Février"));
    EXPECT_EQ(page["DayNames"].toArray().at(6).toString(), "Samedi");
    EXPECT_EQ(page["TitleBGColor"].toString(), "$00C0FFEE");
    EXPECT_EQ(page["HeadersBGColor"].toString(), "clInfoBk");
    const QJsonObject titleFont = page["TitleFont"].toObject();
    EXPECT_EQ(titleFont["Name"].toString(), "Arial");
    EXPECT_EQ(titleFont["Size"].toInt(), 31);
    EXPECT_EQ(titleFont["Style"].toArray(), (QJsonArray{"fsItalic", "fsUnderline"}));
    EXPECT_EQ(titleFont["Color"].toString(), "clNavy");
    EXPECT_EQ(page["HeadersFont"].toObject()["Color"].toString(), "clBtnText");
    EXPECT_EQ(page["MiniCellFont"].toObject()["Size"].toInt(), 5);
    EXPECT_EQ(page["NumberPosition"].toString(), "cnpCenter");
    EXPECT_EQ(page["MiniHeadersStyle"].toString(), "dsThreeChars");
    EXPECT_EQ(page["MainCalDay"].toInt(), 14);
    EXPECT_EQ(page["MainCalMonth"].toInt(), 7);
    EXPECT_EQ(page["MainCalYear"].toInt(), 2031);
    EXPECT_EQ(page["StartOfWeek"].toInt(), 2);
    EXPECT_EQ(page["DayStartTime"].toString(), "07:30");
    EXPECT_EQ(page["UserTitle"].toString(), "Our summer");
    EXPECT_EQ(page["WMFBorderFile"].toString(), "");

    const QJsonArray cells = page["cells"].toArray();
    ASSERT_EQ(cells.size(), 3);
    EXPECT_EQ(cells[0].toObject()["index"].toInt(), 1);
    EXPECT_EQ(cells[0].toObject()["text"].toString(), "first");
    EXPECT_EQ(cells[1].toObject()["index"].toInt(), 17);
    EXPECT_EQ(cells[1].toObject()["text"].toString(), QString::fromUtf8("Café au lait"));
    EXPECT_EQ(cells[2].toObject()["index"].toInt(), 42);
    EXPECT_EQ(page["objects"].toArray().size(), 0);
    EXPECT_FALSE(page.contains("objectsError"));

    // The tool shares its folder with the program: the object clipboard there
    // is left alone.
    const QString clipboard = QStringLiteral(VELLUMY_BIN_DIR "/Clipbrd.tmp");
    if (!QFileInfo::exists(clipboard)) {
        QFile file(clipboard);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("objects");
        file.close();
        EXPECT_EQ(runTool({"info", vellumy::test::DataPath("documents/Sample.QXF")}).exitCode, 0);
        EXPECT_EQ(runTool({"resave", vellumy::test::DataPath("documents/Sample.QXS"),
                           QDir::temp().filePath("vellumy-resave-check.QXS")}).exitCode, 0);
        EXPECT_TRUE(QFileInfo::exists(clipboard));
        QFile::remove(clipboard);
        QFile::remove(QDir::temp().filePath("vellumy-resave-check.QXS"));
    }

    // Style sheets by their extension; damaged files as the program says it.
    const ToolRun sheet = runTool({"info", vellumy::test::DataPath("documents/Sample.QXS")});
    ASSERT_EQ(sheet.exitCode, 0) << sheet.err.constData();
    EXPECT_EQ(QJsonDocument::fromJson(sheet.out).object()["CalendarLayout"].toString(), "loFC12AfterLS");
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.QXF"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("TPF0 not a calendar at all");
    file.close();
    // Objects the program cannot read: the error is named next to the objects kept.
    QByteArray withBadObject = sampleDocument();
    withBadObject.chop(1);  // the end of the object list
    withBadObject += Bytes().append("TPF0").shortStr("TNoSuchShape").shortStr("X").listEnd().data();
    const QString badObjects = dir.filePath(QStringLiteral("objects.QXF"));
    QFile objectsFile(badObjects);
    ASSERT_TRUE(objectsFile.open(QIODevice::WriteOnly));
    objectsFile.write(withBadObject);
    objectsFile.close();
    const ToolRun partly = runTool({"info", badObjects});
    ASSERT_EQ(partly.exitCode, 0) << partly.err.constData();
    const QJsonObject partlyPage = QJsonDocument::fromJson(partly.out).object();
    EXPECT_TRUE(partlyPage["objectsError"].toString().contains("TNoSuchShape")) << partly.out.constData();
    EXPECT_TRUE(partlyPage["objects"].toArray().isEmpty());

    const ToolRun broken = runTool({"info", damaged});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.startsWith(("Unable to open " + damaged + ". Possibly").toUtf8())) << broken.err.constData();
    // A file that is not there is not called damaged.
    const ToolRun missing = runTool({"info", "/no/such/file.QXF"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, QByteArray("vellumy-tool info: no such file: /no/such/file.QXF\n"));
}
