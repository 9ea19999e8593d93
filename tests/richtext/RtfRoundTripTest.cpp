#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include "RichTextTestSupport.h"
#include "richtext/RichPicture.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

using namespace richtext_test;

namespace {
QTextCharFormat runFormat(const QString& family, double size, QRgb color = 0, bool bold = false, bool italic = false)
{
    QTextCharFormat format;
    if (!family.isEmpty())
        format.setFontFamilies({family});
    if (size > 0)
        format.setFontPointSize(size);
    if (color)
        format.setForeground(QColor::fromRgb(color));
    if (bold)
        format.setFontWeight(QFont::Bold);
    if (italic)
        format.setFontItalic(true);
    return format;
}

QTextBlockFormat paragraph(Qt::Alignment alignment, double left = 0, double right = 0, double first = 0,
                           double before = 0, double after = 0)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    format.setLeftMargin(left);
    format.setRightMargin(right);
    format.setTextIndent(first);
    format.setTopMargin(before);
    format.setBottomMargin(after);
    return format;
}

// A document as an editor would hold it after some work.
std::unique_ptr<QTextDocument> mixedDocument()
{
    auto document = std::make_unique<QTextDocument>();
    QTextCursor cursor(document.get());
    cursor.setBlockFormat(paragraph(Qt::AlignHCenter));
    cursor.insertText(QStringLiteral("Bold red "), runFormat(QStringLiteral("Liberation Sans"), 14, qRgb(255, 0, 0), true));
    cursor.insertText(QStringLiteral("italic blue "), runFormat(QStringLiteral("Liberation Serif"), 10, qRgb(0, 0, 255), false, true));
    QTextCharFormat underline = runFormat(QString(), 0);
    underline.setFontUnderline(true);
    cursor.insertText(QStringLiteral("under"), underline);
    QTextCharFormat strike = runFormat(QStringLiteral("DejaVu Sans Mono"), 9);
    strike.setFontStrikeOut(true);
    strike.setFontStyleHint(QFont::TypeWriter);
    cursor.insertText(QStringLiteral(" strike"), strike);

    // Windows-1252 and beyond, a tab, a line break and a character outside
    // the basic plane.
    cursor.insertBlock(paragraph(Qt::AlignRight | Qt::AlignAbsolute, 48, 24, -16, 8, 16));
    cursor.insertText(QStringLiteral("caf\u00e9 \u20ac \u2014 \u201cq\u201d \u00c6r\u00f8\t"), runFormat(QStringLiteral("Liberation Serif"), 12));
    cursor.insertText(QString::fromUtf8("Привет Γειά 日本語 😀") + QChar(QChar::LineSeparator) + QStringLiteral("next line"),
                      runFormat(QStringLiteral("DejaVu Sans"), 11));

    cursor.insertBlock(paragraph(Qt::AlignJustify));
    QTextCharFormat marked = runFormat(QString(), 12);
    marked.setBackground(QColor(255, 255, 0));
    cursor.insertText(QStringLiteral("marked"), marked);
    QTextCharFormat super = runFormat(QString(), 12);
    super.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    cursor.insertText(QStringLiteral("2"), super);
    QTextCharFormat sub = runFormat(QString(), 12);
    sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    cursor.insertText(QStringLiteral("x"), sub);
    cursor.insertText(QStringLiteral(" {braces} \\ back; slash"), runFormat(QStringLiteral("Font; with {odd} name"), 12));

    // Two pictures: one at its own size, one shown larger, with alpha.
    cursor.insertBlock(paragraph(Qt::AlignLeft));
    TRichPicture first;
    first.image = TestImage(12, 8, qRgb(200, 30, 30));
    first.displaySize = QSizeF(12, 8);
    first.InsertAt(cursor);
    cursor.insertText(QStringLiteral(" between "), runFormat(QString(), 0));
    TRichPicture second;
    second.image = TestImage(10, 6, qRgb(30, 30, 200), true);
    second.displaySize = QSizeF(40, 24);
    second.InsertAt(cursor);

    cursor.insertBlock(paragraph(Qt::AlignLeft));   // an empty paragraph
    cursor.insertBlock(paragraph(Qt::AlignLeft, 0, 0, 0, 0, 0));
    cursor.insertText(QStringLiteral("last"), runFormat(QStringLiteral("Liberation Sans"), 8, qRgb(0, 128, 0)));
    return document;
}

QList<QImage> pictures(const QTextDocument& document)
{
    QList<QImage> images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                images << TRichPicture::FromFormat(document, it.fragment().charFormat().toImageFormat())
                              .image.convertToFormat(QImage::Format_ARGB32);
    return images;
}
} // namespace

TEST(RtfRoundTrip, WriteReadWriteGivesTheSameBytesTextAndFormats)
{
    const auto original = mixedDocument();
    const QByteArray first = TRtfWriter::Write(*original);
    const auto reread = TRtfReader::Read(first);
    const QByteArray second = TRtfWriter::Write(*reread);

    EXPECT_EQ(first, second) << first.toStdString();
    SaveBytesForInspection(first, QStringLiteral("roundtrip.rtf"));
    EXPECT_EQ(reread->toPlainText(), original->toPlainText());
    EXPECT_EQ(Describe(*reread), Describe(*original));

    const QList<QImage> before = pictures(*original), after = pictures(*reread);
    ASSERT_EQ(after.size(), 2);
    ASSERT_EQ(before.size(), 2);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);

    // The output is plain RTF 1.x in Windows-1252: 7-bit bytes only, with the
    // characters the code page has as \'hh and the others as \uN.
    for (char c : first)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_TRUE(first.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(first.contains("caf\\'e9 \\'80 \\'97"));
    EXPECT_TRUE(first.contains("\\u1055\\'3f"));
    EXPECT_TRUE(first.contains("\\u-10179\\'3f\\u-8704\\'3f"));   // U+1F600 as two UTF-16 units
}

TEST(RtfRoundTrip, ParagraphStructureSurvivesIncludingEmptyAndTrailingParagraphs)
{
    const QList<QStringList> cases = {
        {QStringLiteral("one")},
        {QStringLiteral("one"), QString()},
        {QString(), QStringLiteral("two")},
        {QStringLiteral("a"), QString(), QString(), QStringLiteral("b")},
    };
    for (const QStringList& paragraphs : cases) {
        QTextDocument document;
        document.setPlainText(paragraphs.join(QLatin1Char('\n')));
        const QByteArray rtf = TRtfWriter::Write(document);
        const auto reread = TRtfReader::Read(rtf);
        EXPECT_EQ(reread->blockCount(), paragraphs.size()) << rtf.toStdString();
        EXPECT_EQ(reread->toPlainText(), document.toPlainText());
        EXPECT_EQ(TRtfWriter::Write(*reread), rtf);
    }
}
