// vellumy-tool on documents and clipboard files holding labels: info lists
// every published property, resave keeps a clipboard file byte for byte,
// render and print draw the labels.
#include "LabelKit.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "objects/GLabelObjectFiler.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out, err;
};

ToolRun runTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VELLUMY_BIN_DIR "/vellumy-tool"), arguments);
    ToolRun run;
    if (!process.waitForFinished(60000))
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

} // namespace

TEST_F(LabelTest, ToolListsRendersAndPrintsLabelsOfDocumentsAndClipboardFiles)
{
    if (!QFileInfo::exists(QStringLiteral(VELLUMY_BIN_DIR "/vellumy-tool")))
        GTEST_SKIP() << "vellumy-tool is not built";
    QTemporaryDir dir;
    page->ResetToDefaults();
    page->UpdatePageLayout(true);
    TGPLabel* upright = addLabel(QStringLiteral("Seasons Greetings"), QRect(100, 120, 300, 50));
    upright->Font().SetSize(24);
    upright->Font().SetColor(TColors::clNavy);
    upright->Font().SetStyleBits(TFont::fsBold);
    upright->AutoSizeToText();
    TGPLabel* turned = addLabel(QStringLiteral("Sideways"), QRect(600, 120, 160, 40));
    turned->Font().SetSize(20);
    turned->Font().SetStyleBits(TFont::fsBold);
    turned->SetAngle(90);
    turned->SetcolorShadow(0x123456);
    turned->SetDepthShadow(3);
    const QString document = dir.filePath(QStringLiteral("Labels.QXF"));
    ASSERT_TRUE(page->SaveDocument(document));
    upright->SetName(QStringLiteral("Special1"));
    turned->SetName(QStringLiteral("Special2"));
    const QString clipboard = dir.filePath(QStringLiteral("Clipbrd.tmp"));
    ProgramObjectFiler().WriteObjects({turned, upright}, clipboard);

    ToolRun run = runTool({"info", document});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonArray objects = QJsonDocument::fromJson(run.out).object()["objects"].toArray();
    ASSERT_EQ(objects.size(), 2);
    const QJsonObject first = objects[0].toObject();
    EXPECT_EQ(first["class"].toString(), "TGPLabel");
    EXPECT_EQ(first["name"].toString(), "Component0");
    EXPECT_EQ(first["Caption"].toString(), "Seasons Greetings");
    EXPECT_EQ(first["Left"].toInt(), 100);
    EXPECT_EQ(first["Font"].toObject(),
              (QJsonObject{{"Name", "Arial"}, {"Size", 24}, {"Style", QJsonArray{"fsBold"}}, {"Color", "clNavy"}}));
    EXPECT_EQ(first["DirectionShadow"].toString(), "sdDownRight");
    EXPECT_EQ(first["Alignment"].toString(), "taLeftJustify");
    EXPECT_EQ(first["colorHighlight"].toString(), "clAqua");
    EXPECT_EQ(first["Transparent"].toBool(), true);
    EXPECT_EQ(first["Locked"].toBool(), false);
    const QJsonObject second = objects[1].toObject();
    EXPECT_EQ(second["Angle"].toInt(), 90);
    EXPECT_EQ(second["colorShadow"].toString(), "$00123456");
    EXPECT_EQ(second["BorderStyle"].toString(), "bsNone");

    // The clipboard file: its objects in their order, and written back as read.
    run = runTool({"info", clipboard});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    QJsonObject listed = QJsonDocument::fromJson(run.out).object();
    ASSERT_EQ(listed["objects"].toArray().size(), 2);
    EXPECT_EQ(listed["objects"].toArray()[0].toObject()["Caption"].toString(), "Sideways");
    EXPECT_EQ(listed["objects"].toArray()[0].toObject()["name"].toString(), "Special2");
    EXPECT_EQ(listed["objects"].toArray()[0].toObject()["Top"].toInt(), turned->Top()) << "positions as stored";
    EXPECT_FALSE(listed.contains("objectsError"));
    const QString copy = dir.filePath(QStringLiteral("copy.tmp"));
    run = runTool({"resave", clipboard, copy});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(readAll(copy), readAll(clipboard));

    // A clipboard cut short keeps the objects before the damage, and says so.
    QFile damaged(dir.filePath(QStringLiteral("damaged.tmp")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    const QByteArray whole = readAll(clipboard);
    damaged.write(whole.left(whole.lastIndexOf("TPF0") + 10));
    damaged.close();
    run = runTool({"info", damaged.fileName()});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    listed = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(listed["objects"].toArray().size(), 1);
    EXPECT_EQ(listed["objectsError"].toString(), "Stream read error");
    EXPECT_EQ(runTool({"resave", damaged.fileName(), dir.filePath(QStringLiteral("no.tmp"))}).exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("no.tmp"))));

    // The window's picture of the page shows the labels.
    const QString png = dir.filePath(QStringLiteral("labels.png"));
    run = runTool({"render", document, "-o", png});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QImage rendered(png);
    EXPECT_GT(vellumy::test::CountPixels(rendered, upright->BoundsRect(), QColor(0, 0, 128)), 50);
    EXPECT_GT(vellumy::test::CountPixels(rendered, turned->BoundsRect(), QColor(0x56, 0x34, 0x12)), 5);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    run = runTool({"print", document, "-o", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    QProcess text;
    text.start(pdftotext, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QByteArray printed = text.readAllStandardOutput();
    EXPECT_TRUE(printed.contains("Seasons Greetings")) << printed.constData();
    EXPECT_TRUE(printed.contains("Sideways")) << printed.constData();
}
