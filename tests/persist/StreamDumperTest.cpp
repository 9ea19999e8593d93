// The stream listing of vellumy-tool stream-dump, in-process and as a process.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "StreamBytes.h"
#include "persist/StreamDumper.h"

using namespace streamtest;

namespace {
QByteArray sampleStream()
{
    const QByteArray picture = StreamBytes().str("TBitmap").raw("BM\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F\x10");
    return StreamBytes()
        .list().i8(4).i16(-300).i32(70000).string("Jan \"1\"\n").lstring(QByteArray(3, '\xE9'))
        .raw({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F})      // 0.5
        .True().False().nil().ident("clGray").set({"fsBold", "fsItalic"}).binary("\x01\xAB")
        .signature().str("TWPRtfStorage").str("").prop("RtfText.Data").binary("{\\rtf1}").end().end()
        .end()
        .list()
        .signature().raw({0xF2}).i8(1).str("TGPLabel").str("Label1")
            .prop("Left").i16(300).prop("Items").list().i8(1).end()
            .prop("Columns").raw({14}).i8(0).prop("Width").i8(5).end().prop("Width").i8(6).end().end()
            .prop("Picture.Data").binary(picture)
            .end()
            .str("TGPLabel").str("Kid").end().end()
            .end()
        .end();
}

QString dump(const QByteArray& bytes, TStreamDumper::Result* result = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QString text;
    QTextStream out(&text);
    const TStreamDumper::Result r = TStreamDumper::Dump(buffer, out);
    if (result)
        *result = r;
    return text;
}
} // namespace

TEST(StreamDumper, ListsEveryValueWithItsKindAndNesting)
{
    TStreamDumper::Result result;
    const QString text = dump(sampleStream(), &result);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    const QString expected = QStringLiteral(
        "list\n"
        "  int8 4\n"
        "  int16 -300\n"
        "  int32 70000\n"
        "  string \"Jan \\\"1\\\"\\n\"\n"
        "  long string \"\u00E9\u00E9\u00E9\"\n"
        "  extended 0.5\n"
        "  true\n"
        "  false\n"
        "  nil\n"
        "  ident clGray\n"
        "  set [fsBold, fsItalic]\n"
        "  binary 2 bytes: 01 AB\n"
        "  record TWPRtfStorage \"\"\n"
        "    RtfText.Data = binary 7 bytes: 7B 5C 72 74 66 31 7D\n"
        "  end\n"
        "end\n"
        "list\n"
        "  record TGPLabel \"Label1\" (position 1)\n"
        "    Left = int16 300\n"
        "    Items = list\n"
        "      int8 1\n"
        "    end\n"
        "    Columns = collection\n"
        "      item 0\n"
        "        Width = int8 5\n"
        "      end\n"
        "      item\n"
        "        Width = int8 6\n"
        "      end\n"
        "    end\n"
        "    Picture.Data = binary 26 bytes, class TBitmap: 07 54 42 69 74 6D 61 70 42 4D 01 02 03 04 05 06 ...\n"
        "    child TGPLabel \"Kid\"\n"
        "    end\n"
        "  end\n"
        "end\n");
    EXPECT_EQ(text, expected);
}

TEST(StreamDumper, MalformedStreamListsWhatWasReadThenFails)
{
    const QByteArray bytes = sampleStream();
    TStreamDumper::Result result;
    const QString text = dump(bytes.left(40), &result);
    EXPECT_EQ(result.error, QStringLiteral("Stream read error"));
    EXPECT_EQ(result.offset, 40);
    EXPECT_TRUE(text.startsWith(QStringLiteral("list\n  int8 4\n  int16 -300\n")));

    // A stray end-of-list or an unknown tag where a value belongs.
    EXPECT_EQ((dump(StreamBytes().i8(1).end(), &result), result.error), QStringLiteral("Invalid property value"));
    EXPECT_EQ((dump(StreamBytes().raw({0x20}), &result), result.error), QStringLiteral("Invalid property value"));
    EXPECT_EQ((dump(QByteArray(100000, '\x01'), &result), result.error), QStringLiteral("Invalid property value"));
    EXPECT_EQ((dump(QByteArray(), &result), result.error), QString());
}

TEST(StreamDumper, ToolPrintsTheListingAndExitsByOutcome)
{
    const QString tool = QStringLiteral(VELLUMY_BIN_DIR) + QStringLiteral("/vellumy-tool");
    if (!QFileInfo::exists(tool))
        GTEST_SKIP() << "vellumy-tool is not built";
    QTemporaryDir dir;
    const auto writeFile = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const auto run = [&](const QStringList& arguments, QByteArray* out, QByteArray* err) {
        QProcess process;
        process.start(tool, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        *out = process.readAllStandardOutput();
        *err = process.readAllStandardError();
        return process.exitCode();
    };
    QByteArray out, err;
    EXPECT_EQ(run({QStringLiteral("stream-dump"), writeFile(QStringLiteral("good.qxf"), sampleStream())}, &out, &err), 0);
    EXPECT_EQ(QString::fromUtf8(out), dump(sampleStream()));
    EXPECT_FALSE(err.contains("error")) << err.constData();

    EXPECT_EQ(run({QStringLiteral("stream-dump"), writeFile(QStringLiteral("cut.qxf"), sampleStream().left(40))}, &out, &err), 1);
    EXPECT_TRUE(out.startsWith("list\n  int8 4\n"));
    EXPECT_TRUE(err.contains("Stream read error (at byte 40)\n")) << err.constData();

    EXPECT_EQ(run({QStringLiteral("stream-dump"), dir.filePath(QStringLiteral("missing.qxf"))}, &out, &err), 1);
    EXPECT_EQ(run({QStringLiteral("stream-dump")}, &out, &err), 2);
}
