// RTF written by another program read here, and RTF written here read by
// other programs.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include "RichTextTestSupport.h"
#include "TestSupport.h"
#include "richtext/RichPicture.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

using namespace richtext_test;

namespace {
std::unique_ptr<QTextDocument> readFixture(const QString& name)
{
    QFile file(vellumy::test::DataPath(QStringLiteral("richtext/") + name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return TRtfReader::Read(file.readAll());
}

// The format of the first character of `word` in the document.
QTextCharFormat formatOf(const QTextDocument& document, const QString& word)
{
    const QTextCursor found = document.find(word);
    EXPECT_FALSE(found.isNull()) << word.toStdString();
    QTextCursor at(const_cast<QTextDocument*>(&document));
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

QString familyOf(const QTextCharFormat& format)
{
    return format.fontFamilies().toStringList().value(0);
}

QString rawText(const QTextDocument& document)
{
    return document.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// Lines without blank ones, each with its white space runs made one blank.
QStringList normalizedLines(const QString& text)
{
    QStringList lines;
    for (QString line : text.split(QRegularExpression(QStringLiteral("[\\n\\x{2028}]")))) {
        line = line.simplified();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

QStringList words(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("[\\s\\x{2028}\\x{a0}]+")), Qt::SkipEmptyParts);
}

std::unique_ptr<QTextDocument> documentForOtherPrograms()
{
    auto document = std::make_unique<QTextDocument>();
    QTextCursor cursor(document.get());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontFamilies({QStringLiteral("Liberation Sans")});
    cursor.insertText(QStringLiteral("Meeting at 10:30 "), bold);
    QTextCharFormat colored;
    colored.setForeground(QColor(0, 128, 0));
    colored.setFontPointSize(9);
    cursor.insertText(QStringLiteral("{room} \\ 4"), colored);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Caf\u00e9 cr\u00e8me \u20ac 3 \u2014 \u201cbring\u201d notes"), QTextCharFormat());
    cursor.insertBlock();
    TRichPicture picture;
    picture.image = TestImage(6, 6, qRgb(250, 0, 0));
    picture.displaySize = QSizeF(12, 12);
    picture.InsertAt(cursor);
    cursor.insertText(QString::fromUtf8(" Привет 日本"), QTextCharFormat());
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("tab\tand line") + QChar(QChar::LineSeparator) + QStringLiteral("break"), QTextCharFormat());
    return document;
}

QString findTool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QByteArray run(const QString& program, const QStringList& arguments, const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return process.readAllStandardOutput();
}
} // namespace

TEST(RtfForeign, LibreOfficeFormatsColoursAndCharacters)
{
    const auto document = readFixture(QStringLiteral("lo-formats.rtf"));
    EXPECT_EQ(rawText(*document), QStringLiteral("Bold Italic Under Strike\nRed right\nMarked caf\u00e9 \u20ac \u201cquoted\u201d ")
                                      + QString::fromUtf8("Привет 日本") + QChar(QChar::LineSeparator)
                                      + QStringLiteral("second line"));
    ASSERT_EQ(document->blockCount(), 3);
    EXPECT_TRUE(document->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(document->findBlockByNumber(1).blockFormat().alignment() & Qt::AlignRight);
    EXPECT_TRUE(document->findBlockByNumber(2).blockFormat().alignment() & Qt::AlignJustify);

    const QTextCharFormat bold = formatOf(*document, QStringLiteral("Bold"));
    EXPECT_EQ(bold.fontWeight(), QFont::Bold);
    EXPECT_EQ(bold.fontPointSize(), 18);
    EXPECT_EQ(familyOf(bold), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(formatOf(*document, QStringLiteral("Italic")).fontItalic());
    EXPECT_NE(formatOf(*document, QStringLiteral("Italic")).fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatOf(*document, QStringLiteral("Under")).fontUnderline());
    EXPECT_TRUE(formatOf(*document, QStringLiteral("Strike")).fontStrikeOut());

    const QTextCharFormat red = formatOf(*document, QStringLiteral("Red"));
    EXPECT_EQ(red.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(red.fontPointSize(), 10);
    EXPECT_EQ(familyOf(red), QStringLiteral("Liberation Serif"));
    const QTextCharFormat marked = formatOf(*document, QStringLiteral("Marked"));
    EXPECT_EQ(marked.background().color(), QColor(255, 255, 0));
    EXPECT_EQ(familyOf(marked), QStringLiteral("Liberation Mono"));
    // Text without a font of its own is in the document's default font.
    EXPECT_EQ(familyOf(formatOf(*document, QStringLiteral("quoted"))), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(formatOf(*document, QStringLiteral("quoted")).fontPointSize(), 12);
}

TEST(RtfForeign, LibreOfficeIndentsSpacingAndPicture)
{
    const auto indents = readFixture(QStringLiteral("lo-indents.rtf"));
    EXPECT_EQ(rawText(*indents), QString::fromUtf8("Indented green mono\nPlain Ærø Γειά"));
    const QTextBlockFormat paragraph = indents->firstBlock().blockFormat();
    EXPECT_EQ(paragraph.leftMargin(), 96);      // 1 inch
    EXPECT_EQ(paragraph.rightMargin(), 48);
    EXPECT_EQ(paragraph.textIndent(), -24);
    EXPECT_NEAR(paragraph.topMargin(), 9.6, 0.01);
    EXPECT_NEAR(paragraph.bottomMargin(), 19.2, 0.01);
    const QTextCharFormat green = formatOf(*indents, QStringLiteral("green"));
    EXPECT_EQ(green.foreground().color(), QColor(0, 128, 0));
    EXPECT_TRUE(green.fontItalic());
    EXPECT_EQ(green.fontPointSize(), 16);
    EXPECT_EQ(familyOf(green), QStringLiteral("Liberation Mono"));

    // The picture comes from the PNG LibreOffice keeps next to its metafile
    // alternative, at the size the source gave it.
    const auto picture = readFixture(QStringLiteral("lo-picture.rtf"));
    EXPECT_EQ(rawText(*picture), QStringLiteral("Before \ufffc after"));
    const std::string description = Describe(*picture);
    EXPECT_NE(description.find("[picture 8x6 shown 16x12]"), std::string::npos) << description;
    QTextCursor at(picture.get());
    at.setPosition(8);
    const TRichPicture shown = TRichPicture::FromFormat(*picture, at.charFormat().toImageFormat());
    EXPECT_EQ(shown.kind, TRichPicture::Png);
    EXPECT_EQ(shown.image.pixel(3, 3), qRgb(0, 0, 255));
}

TEST(RtfForeign, UnrtfReadsOurRtf)
{
    const QString unrtf = findTool("unrtf");
    if (unrtf.isEmpty())
        GTEST_SKIP() << "unrtf is not installed (apt-get install unrtf)";
    const auto document = documentForOtherPrograms();
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("ours.rtf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(TRtfWriter::Write(*document));
    file.close();

    // unrtf's text output: comment lines, a line of dashes, then the text in
    // Latin-1. It shows characters beyond Latin-1 as '?' and maps the
    // typographic ones (dashes, quotes, euro) its own way, so the words made
    // of ASCII and Latin-1 letters are compared.
    const QString output = QString::fromLatin1(run(unrtf, {QStringLiteral("--nopict"), QStringLiteral("--text"), file.fileName()}, folder.path()));
    const qsizetype dashes = output.indexOf(QStringLiteral("-----------------\n"));
    ASSERT_GE(dashes, 0) << output.toStdString();
    QStringList shown;
    for (const QString& line : output.mid(dashes + 18).split(QLatin1Char('\n')))
        if (!line.startsWith(QStringLiteral("###")))
            shown << line;
    auto latinWords = [](const QString& text) {
        QStringList words;
        for (const QString& word : text.split(QRegularExpression(QStringLiteral("[\\s\\x{2028}]+")), Qt::SkipEmptyParts)) {
            const bool latin = std::all_of(word.begin(), word.end(), [](QChar c) {
                return (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'?') || (c.unicode() >= 0xC0 && c.unicode() <= 0xFF);
            });
            if (latin)
                words << word;
        }
        return words;
    };
    const QString expected = rawText(*document).remove(QChar::ObjectReplacementCharacter);
    EXPECT_EQ(latinWords(shown.join(QLatin1Char('\n'))), latinWords(expected));

    // Its HTML output carries every character, the \uN ones too.
    const QByteArray html = run(unrtf, {QStringLiteral("--nopict"), QStringLiteral("--html"), file.fileName()}, folder.path());
    QTextDocument fromHtml;
    fromHtml.setHtml(QString::fromUtf8(html));
    EXPECT_EQ(words(fromHtml.toPlainText()), words(expected)) << html.toStdString();
}

TEST(RtfForeign, LibreOfficeReadsOurRtf)
{
    const QString soffice = findTool("soffice");
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed (apt-get install libreoffice-writer-nogui)";
    const auto document = documentForOtherPrograms();
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("ours.rtf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(TRtfWriter::Write(*document));
    file.close();

    run(soffice, {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=file://") + folder.filePath(QStringLiteral("profile")),
                  QStringLiteral("--convert-to"), QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"),
                  folder.path(), file.fileName()},
        folder.path());
    QFile text(folder.filePath(QStringLiteral("ours.txt")));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly)) << "LibreOffice wrote no text";
    QString converted = QString::fromUtf8(text.readAll());
    if (converted.startsWith(QChar(0xFEFF)))
        converted.remove(0, 1);
    QString expected = rawText(*document);
    expected.remove(QChar::ObjectReplacementCharacter);
    EXPECT_EQ(normalizedLines(converted), normalizedLines(expected));
}
