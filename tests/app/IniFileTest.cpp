// QX.ini reading and writing: Windows INI syntax, values kept as written,
// other content kept, and a file that is always whole.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/IniFile.h"

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

struct IniFileTest : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("QX.ini"));
};

} // namespace

TEST_F(IniFileTest, MissingFileReadsAsDefaultsAndIsCreatedByTheFirstWrite)
{
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Icons"), QStringLiteral("File"), QStringLiteral("dflt")),
              QStringLiteral("dflt"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 60), 60);
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Hints"), QStringLiteral("On"), true));
    EXPECT_TRUE(ini.ReadSectionValues(QStringLiteral("MRU")).isEmpty());
    EXPECT_TRUE(ini.EraseSection(QStringLiteral("MRU")));
    EXPECT_FALSE(QFile::exists(path));

    EXPECT_TRUE(ini.WriteInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 75));
    EXPECT_TRUE(ini.WriteBool(QStringLiteral("Hints"), QStringLiteral("On"), false));
    EXPECT_EQ(ReadAll(path), QByteArray("[Zooming]\r\nMain=75\r\n\r\n[Hints]\r\nOn=0\r\n"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("zooming"), QStringLiteral("MAIN"), 60), 75);
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("Hints"), QStringLiteral("On"), true));
    // Replaced through a temporary file: nothing else is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(QStringLiteral("QX.ini")));
}

TEST_F(IniFileTest, CrLfAndLfFilesReadAlikeWithoutRegardToCase)
{
    const QByteArray body =
        "; written by hand\n"
        "[Zooming]\n"
        "Main = 75\n"
        "  Prop=40  \n"
        "\n"
        "[default font]\n"
        "Name=Times New Roman\n"
        "Strikeout=1\n"
        "Color=-2147483640\n"
        "Size=12pt\n"
        "Bold=yes\n"
        "[MRU]\n"
        "F0=/home/ann/Dec1997.QXF\n"
        "not a key line\n"
        "F1=/home/ann/x=y.QXF\n"
        "[Zooming]\n"
        "Main=20\n";
    for (const bool crlf : {false, true}) {
        SCOPED_TRACE(crlf ? "CRLF" : "LF");
        QByteArray bytes = body;
        if (crlf)
            bytes.replace("\n", "\r\n");
        WriteAll(path, bytes);
        const TIniFile ini(path);
        // The first section of a name counts.
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("ZOOMING"), QStringLiteral("main"), 0), 75);
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Zooming"), QStringLiteral("Prop"), 0), 40);
        EXPECT_EQ(ini.ReadString(QStringLiteral("Default Font"), QStringLiteral("Name"), QString()),
                  QStringLiteral("Times New Roman"));
        EXPECT_TRUE(ini.ReadBool(QStringLiteral("Default Font"), QStringLiteral("Strikeout"), false));
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Default Font"), QStringLiteral("Color"), 0), int(0x80000008u));
        // Leading digits count; no number at all gives the default.
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Default Font"), QStringLiteral("Size"), 10), 12);
        EXPECT_FALSE(ini.ReadBool(QStringLiteral("Default Font"), QStringLiteral("Bold"), false));
        EXPECT_TRUE(ini.ReadBool(QStringLiteral("Default Font"), QStringLiteral("Bold"), true));
        EXPECT_EQ(ini.ReadSectionValues(QStringLiteral("mru")),
                  QStringList({QStringLiteral("F0=/home/ann/Dec1997.QXF"), QStringLiteral("F1=/home/ann/x=y.QXF")}));
        EXPECT_EQ(ini.ReadSections(), QStringList({QStringLiteral("Zooming"), QStringLiteral("default font"),
                                                   QStringLiteral("MRU"), QStringLiteral("Zooming")}));
    }
}

TEST_F(IniFileTest, ValuesAreStoredAsTheyAreAndOtherContentIsKept)
{
    const QByteArray before =
        "; keep me\n"
        "[Zooming]\n"
        "Main=60\n"
        "Unknown=kept\n"
        "\n"
        "[Other Program]\n"
        "Setting=1\n";
    WriteAll(path, before);
    TIniFile ini(path);
    const QString value = QStringLiteral("C:\\My Calendars\\a=b & \"c\".QXF");
    ASSERT_TRUE(ini.WriteString(QStringLiteral("zooming"), QStringLiteral("MAIN"), QStringLiteral("90")));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("Zooming"), QStringLiteral("Prop"), QStringLiteral("30")));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("Icons"), QStringLiteral("File"), value));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Icons"), QStringLiteral("File"), QString()), value);
    // An LF file stays LF; the key keeps the file's spelling; new keys join
    // their section before the blank line.
    EXPECT_EQ(ReadAll(path), QByteArray("; keep me\n"
                                        "[Zooming]\n"
                                        "Main=90\n"
                                        "Unknown=kept\n"
                                        "Prop=30\n"
                                        "\n"
                                        "[Other Program]\n"
                                        "Setting=1\n"
                                        "\n"
                                        "[Icons]\n"
                                        "File=C:\\My Calendars\\a=b & \"c\".QXF\n"));

    ASSERT_TRUE(ini.EraseSection(QStringLiteral("ZOOMING")));
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("Zooming")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Other Program"), QStringLiteral("Setting"), QString()),
              QStringLiteral("1"));
    EXPECT_TRUE(ReadAll(path).startsWith("; keep me\n[Other Program]\n"));
}

TEST_F(IniFileTest, ReplacingASectionRewritesItInPlace)
{
    WriteAll(path, "[MRU]\r\nF0=a\r\nF1=b\r\nF2=c\r\n\r\n[Hints]\r\nOn=1\r\n");
    TIniFile ini(path);
    ASSERT_TRUE(ini.ReplaceSection(QStringLiteral("MRU"), {{QStringLiteral("F0"), QStringLiteral("z")},
                                                           {QStringLiteral("F1"), QStringLiteral("a")}}));
    EXPECT_EQ(ReadAll(path), QByteArray("[MRU]\r\nF0=z\r\nF1=a\r\n\r\n[Hints]\r\nOn=1\r\n"));
    ASSERT_TRUE(ini.ReplaceSection(QStringLiteral("MRU"), {}));
    EXPECT_EQ(ReadAll(path), QByteArray("[Hints]\r\nOn=1\r\n"));
}

TEST_F(IniFileTest, WritesThatWouldBreakTheFileAreRefusedAndChangeNothing)
{
    WriteAll(path, "[Hints]\nOn=1\n");
    TIniFile ini(path);
    // A line break would smuggle in a section of its own.
    EXPECT_FALSE(ini.WriteString(QStringLiteral("MRU"), QStringLiteral("F0"), QStringLiteral("a\n[Hints]\nOn=0")));
    EXPECT_FALSE(ini.WriteString(QStringLiteral("MRU"), QStringLiteral("F=0"), QStringLiteral("a")));
    EXPECT_FALSE(ini.WriteString(QStringLiteral("MR]U"), QStringLiteral("F0"), QStringLiteral("a")));
    EXPECT_FALSE(ini.WriteString(QStringLiteral("MRU"), QString(), QStringLiteral("a")));
    EXPECT_EQ(ReadAll(path), QByteArray("[Hints]\nOn=1\n"));
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Hints"), QStringLiteral("On"), false));
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNeverOverwritten)
{
    // A folder where the file should be: reads give defaults, writes fail.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("QX.ini")));
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 60), 60);
    EXPECT_FALSE(ini.WriteInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 70));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(IniFileTest, TextInAnotherEncodingSurvivesWritesByteForByte)
{
    // Latin-1 text (not valid UTF-8), as an older program would have written it.
    const QByteArray latin1 = "[Icons]\r\nFile=C:\\Calendriers\\Ann\xE9""e.ICL\r\n";
    WriteAll(path, latin1);
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Icons"), QStringLiteral("File"), QString()),
              QStringLiteral("C:\\Calendriers\\Ann\u00E9e.ICL"));
    ASSERT_TRUE(ini.WriteBool(QStringLiteral("Icons"), QStringLiteral("Visible"), true));
    EXPECT_EQ(ReadAll(path), latin1 + "Visible=1\r\n");
    // UTF-8 text stays UTF-8.
    ASSERT_TRUE(ini.WriteString(QStringLiteral("MRU"), QStringLiteral("F0"), QStringLiteral("/home/\u0101/x.QXF")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("MRU"), QStringLiteral("F0"), QString()), QStringLiteral("/home/\u0101/x.QXF"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Icons"), QStringLiteral("File"), QString()),
              QStringLiteral("C:\\Calendriers\\Ann\u00E9e.ICL"));
}
