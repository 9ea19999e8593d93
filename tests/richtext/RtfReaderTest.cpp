#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include "RichTextTestSupport.h"
#include "TestSupport.h"
#include "platform/WmfWriter.h"
#include "richtext/MetafileDrawer.h"
#include "richtext/RichPicture.h"
#include "richtext/RichTextPainter.h"
#include "richtext/RtfReader.h"

using namespace richtext_test;
using vellumy::test::SaveForInspection;

namespace {
std::unique_ptr<QTextDocument> read(const QByteArray& rtf)
{
    return TRtfReader::Read(rtf);
}

// The text as stored: no-break spaces and line separators stay what they
// are; paragraphs are separated by '\n'.
QString text(const QByteArray& rtf)
{
    return read(rtf)->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// The format of the character at `position` of the document.
QTextCharFormat formatAt(const QTextDocument& document, int position)
{
    const QTextBlock block = document.findBlock(position);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (position >= fragment.position() && position < fragment.position() + fragment.length())
            return fragment.charFormat();
    }
    return QTextCharFormat();
}

QString family(const QTextCharFormat& format)
{
    return format.fontFamilies().toStringList().value(0);
}

QList<TRichPicture> picturesOf(const QTextDocument& document)
{
    QList<TRichPicture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                pictures << TRichPicture::FromFormat(document, it.fragment().charFormat().toImageFormat());
    return pictures;
}

QByteArray hex(const QByteArray& bytes)
{
    return bytes.toHex();
}

// A Windows metafile with a header and the end record only.
QByteArray tinyMetafile()
{
    const unsigned char bytes[] = {1, 0, 9, 0, 0, 3, 12, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0,   // header, 12 words
                                   3, 0, 0, 0, 0, 0};                                      // end of file
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}
} // namespace

TEST(RtfReader, WordPadStyleTextWithFormatsBulletAndIndents)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1\\froman\\fprq2\\fcharset2 Symbol;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
        "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\f0\\fs20 Hello \\b bold\\b0  \\cf1 red\\cf0\\par\r\n"
        "{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-720\\li720\\qc Item\\par\r\n"
        "}\r\n";
    const auto document = read(rtf);
    EXPECT_EQ(document->toPlainText(), QStringLiteral("Hello bold red\n\u2022\tItem"));
    ASSERT_EQ(document->blockCount(), 2);

    const QTextCharFormat hello = formatAt(*document, 0);
    EXPECT_EQ(family(hello), QStringLiteral("Arial"));
    EXPECT_EQ(hello.fontPointSize(), 10);
    EXPECT_NE(hello.fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(*document, 6).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(*document, 11).foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(formatAt(*document, 10).hasProperty(QTextFormat::ForegroundBrush));

    const QTextBlockFormat item = document->lastBlock().blockFormat();
    EXPECT_EQ(item.leftMargin(), 48);    // 720 twips at 96 pixels per inch
    EXPECT_EQ(item.textIndent(), -48);
    EXPECT_TRUE(item.alignment() & Qt::AlignHCenter);
    EXPECT_FALSE(document->firstBlock().blockFormat().alignment() & Qt::AlignHCenter);
}

TEST(RtfReader, HandWrittenRtfWithDestinationsEscapesFieldsAndUnknownWords)
{
    // No font table at all, unknown words, ignorable and skipped destinations,
    // a field whose result is shown, escapes and special characters.
    EXPECT_EQ(text("{\\rtf1 {\\*\\unknowndest hidden}{\\info{\\title T}{\\author A}}\\foo42 visible\\bar  "
                   "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}} \\{x\\}\\\\ a\\~b\\_c\\emdash\\endash"
                   "\\lquote\\rquote\\ldblquote\\rdblquote\\bullet}"),
              QStringLiteral("visible link {x}\\ a\u00a0b\u2011c\u2014\u2013\u2018\u2019\u201c\u201d\u2022"));
    // Style sheets, headers and footers are not part of the text.
    EXPECT_EQ(text("{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\header head}{\\footer foot}body}"), QStringLiteral("body"));
    // \line, \tab, \page and a backslash before a line break.
    EXPECT_EQ(text("{\\rtf1 a\\line b\\tab c\\page d\\\ne}"), QStringLiteral("a\u2028b\tc\nd\ne"));
    // Without any group, as a hand-typed text.
    EXPECT_EQ(text("plain words"), QStringLiteral("plain words"));
    // A font table without fonts: the text keeps its size but names no font.
    const auto noFonts = read("{\\rtf1\\ansi{\\fonttbl}\\f5\\fs30 text}");
    EXPECT_EQ(noFonts->toPlainText(), QStringLiteral("text"));
    EXPECT_EQ(formatAt(*noFonts, 0).fontPointSize(), 15);
    EXPECT_TRUE(family(formatAt(*noFonts, 0)).isEmpty());
    // \plain returns to the default font and 12 points; groups restore.
    const auto plain = read("{\\rtf1\\deff1{\\fonttbl{\\f0 Zero;}{\\f1 One;}}\\f0\\fs40\\b{\\i A}B\\plain C}");
    EXPECT_TRUE(formatAt(*plain, 0).fontItalic());
    EXPECT_FALSE(formatAt(*plain, 1).fontItalic());
    EXPECT_EQ(formatAt(*plain, 1).fontWeight(), QFont::Bold);
    EXPECT_EQ(family(formatAt(*plain, 2)), QStringLiteral("One"));
    EXPECT_EQ(formatAt(*plain, 2).fontPointSize(), 12);
    EXPECT_NE(formatAt(*plain, 2).fontWeight(), QFont::Bold);
    // Underline variants, \ulnone, strike, super- and subscript, background.
    const auto styles = read("{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}\\uldb a\\ulnone b\\strike c\\strike0\\super d"
                             "\\nosupersub\\sub e\\sub0\\highlight1 f}");
    EXPECT_TRUE(formatAt(*styles, 0).fontUnderline());
    EXPECT_FALSE(formatAt(*styles, 1).fontUnderline());
    EXPECT_TRUE(formatAt(*styles, 2).fontStrikeOut());
    EXPECT_EQ(formatAt(*styles, 3).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatAt(*styles, 4).verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(formatAt(*styles, 5).background().color(), QColor(0, 0, 255));
}

TEST(RtfReader, CodePagesFromDocumentAndFontsAndUnicodeWithSkipping)
{
    // The document's code page, for a font without a charset.
    EXPECT_EQ(text("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}"),
              QString::fromUtf8("Привет"));
    // Default Windows-1252, including its 0x80..0x9F block.
    EXPECT_EQ(text("{\\rtf1\\ansi caf\\'e9 \\'80\\'85\\'99}"), QStringLiteral("caf\u00e9 \u20ac\u2026\u2122"));
    // A font's charset overrides the document's code page.
    EXPECT_EQ(text("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset204 Arial;}{\\f1\\fcharset0 Times;}{\\f2\\fcharset161 G;}}"
                   "\\f0\\'cf\\'f0 \\f1\\'e9 \\f2\\'e1}"),
              QString::fromUtf8("Пр é α"));
    // A double-byte code page: each character is two \'hh escapes.
    EXPECT_EQ(text("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0\\'93\\'fa\\'96\\'7b}"),
              QString::fromUtf8("日本"));
    // Font names are decoded in their own charset.
    const auto named = read("{\\rtf1{\\fonttbl{\\f0\\fcharset204 \\'c0\\'f0\\'e8\\'e0\\'eb;}}\\f0 x}");
    EXPECT_EQ(family(formatAt(*named, 0)), QString::fromUtf8("Ариал"));
    // \uN replaces the next \ucN characters (a \'hh counts as one); the count
    // stops at a group boundary; negative N wrap around.
    EXPECT_EQ(text("{\\rtf1\\ansi\\uc2 A\\u1055\\'3f\\'3fB\\uc0\\u1088 C}"), QString::fromUtf8("AПBрC"));
    EXPECT_EQ(text("{\\rtf1\\uc1\\u8364\\'80 x}"), QStringLiteral("\u20ac x"));
    EXPECT_EQ(text("{\\rtf1\\uc3\\u1055{x}y}"), QString::fromUtf8("Пxy"));
    EXPECT_EQ(text("{\\rtf1\\u-10179?\\u-8704?}"), QString::fromUtf8("😀"));
    EXPECT_EQ(text("{\\rtf1\\u-10179?x}"), QStringLiteral("\ufffdx"));   // a lone surrogate
    // A symbol font's bytes and private-use characters become Unicode.
    EXPECT_EQ(text("{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}\\f1 a\\'b7\\u-3913?}"), QStringLiteral("\u03b1\u2022\u2022"));
    // Other symbol fonts keep their bytes.
    EXPECT_EQ(text("{\\rtf1{\\fonttbl{\\f1\\fcharset2 Wingdings;}}\\f1 a}"), QStringLiteral("a"));
}

TEST(RtfReader, PicturesOfEveryKindAreSizedAndShown)
{
    const QImage red = TestImage(8, 6, qRgb(220, 20, 20));
    QByteArray dib = Encode(red, "BMP").mid(14);   // a packed DIB: no file header

    // 1 bit per pixel, 8 pixels a row, rows padded to 2 bytes, top down.
    const QByteArray monochrome = QByteArray::fromHex("f000" "0f00");

    const QByteArray rtf = "{\\rtf1 "
                           "{\\pict\\pngblip\\picw8\\pich6\\picwgoal240\\pichgoal180 " + hex(Encode(red, "PNG")) + "}"
                           "{\\pict\\jpegblip\\picscalex50\\picscaley50 " + hex(Encode(red, "JPEG")) + "}"
                           "{\\pict\\dibitmap0\\picw8\\pich6 " + hex(dib) + "}"
                           "{\\pict\\wbitmap0\\picw8\\pich2\\wbmbitspixel1\\wbmplanes1\\wbmwidthbytes2 " + hex(monochrome) + "}"
                           "{\\pict\\wmetafile8\\picw2540\\pich1270 " + hex(tinyMetafile()) + "}"
                           "{\\*\\shppict{\\pict\\pngblip\\bin" + QByteArray::number(Encode(red, "PNG").size()) + " " + Encode(red, "PNG") + "}}"
                           "{\\nonshppict{\\pict\\wmetafile8 " + hex(tinyMetafile()) + "}}"
                           "}";
    const auto document = read(rtf);
    const QList<TRichPicture> pictures = picturesOf(*document);
    ASSERT_EQ(pictures.size(), 6);

    EXPECT_EQ(pictures[0].kind, TRichPicture::Png);
    EXPECT_EQ(pictures[0].displaySize, QSizeF(16, 12));            // goal: 240 x 180 twips
    EXPECT_EQ(pictures[0].image.pixel(0, 0), red.pixel(0, 0));
    EXPECT_EQ(pictures[1].kind, TRichPicture::Jpeg);
    EXPECT_EQ(pictures[1].displaySize, QSizeF(4, 3));              // natural size at 50 %
    EXPECT_EQ(pictures[2].image.size(), QSize(8, 6));               // DIB
    EXPECT_EQ(pictures[2].image.pixel(1, 1), red.pixel(1, 1));
    EXPECT_EQ(pictures[2].image.pixel(3, 4), red.pixel(3, 4));
    EXPECT_EQ(pictures[3].image.pixel(0, 0), qRgb(255, 255, 255));  // device bitmap
    EXPECT_EQ(pictures[3].image.pixel(4, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pictures[3].image.pixel(4, 1), qRgb(255, 255, 255));
    EXPECT_EQ(pictures[4].kind, TRichPicture::Wmf);                 // kept as bytes, 1 x 0.5 inch
    EXPECT_EQ(pictures[4].data, tinyMetafile());
    EXPECT_EQ(pictures[4].displaySize, QSizeF(96, 48));
    EXPECT_EQ(pictures[5].kind, TRichPicture::Png);                 // binary data, alternative skipped
    EXPECT_EQ(pictures[5].image.pixel(2, 2), red.pixel(2, 2));

    // The metafile is drawn by the installed drawer, into its place.
    QList<QRectF> drawn;
    SetRichTextMetafileDrawer([&](QPainter& painter, const QRectF& target, const TMetafilePicture& picture) {
        EXPECT_EQ(picture.metafile, tinyMetafile());
        EXPECT_EQ(picture.extentX, 2540);
        EXPECT_EQ(picture.mapMode, 8);
        painter.fillRect(target, Qt::green);
        drawn << target;
        return true;
    });
    QImage canvas(400, 200, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    TRichTextPainter::Paint(*document, painter, canvas.rect(), TRichTextLayout());
    painter.end();
    SetRichTextMetafileDrawer({});
    ASSERT_EQ(drawn.size(), 1);
    EXPECT_EQ(drawn[0].size(), QSizeF(96, 48));
    EXPECT_EQ(vellumy::test::CountPixels(canvas, drawn[0].toRect(), Qt::green), 96 * 48);

    // By default the platform's metafile player draws it: a blue box filling
    // its whole window lands on the picture's place.
    TWmfWriter writer;
    writer.SetMapMode(8);
    writer.SetWindowOrg(0, 0);
    writer.SetWindowExt(100, 50);
    writer.SelectObject(writer.CreatePen(5, 0, Qt::black));   // no outline
    writer.SelectObject(writer.CreateBrush(0, Qt::blue));
    writer.Rectangle(0, 0, 100, 50);
    const auto played = read("{\\rtf1 {\\pict\\wmetafile8\\picw2540\\pich1270 " + hex(writer.Bytes()) + "}}");
    canvas.fill(Qt::white);
    painter.begin(&canvas);
    TRichTextPainter::Paint(*played, painter, canvas.rect(), TRichTextLayout());
    painter.end();
    SaveForInspection(canvas, QStringLiteral("rtf-metafile.png"));
    EXPECT_GT(vellumy::test::CountPixels(canvas, QRect(0, 0, 96, 48), Qt::blue), 90 * 44);
    EXPECT_EQ(vellumy::test::CountPixels(canvas, QRect(0, 50, 400, 150), Qt::blue), 0);
}

TEST(RtfReader, MalformedInputKeepsWhatCanBeReadWithinBounds)
{
    // Unbalanced braces on both sides.
    EXPECT_EQ(text("{\\rtf1 abc}}} def{"), QStringLiteral("abc def"));
    EXPECT_EQ(text("{\\rtf1 {{{ open"), QStringLiteral(" open"));
    // A truncated hex picture, and one whose \bin length runs past the end.
    EXPECT_EQ(text("{\\rtf1 before{\\pict\\pngblip 89504e47"), QStringLiteral("before"));
    EXPECT_EQ(text("{\\rtf1 x{\\pict\\pngblip\\bin999999999 ab"), QStringLiteral("x"));
    EXPECT_EQ(text("{\\rtf1 x\\bin-5 y}"), QStringLiteral("xy"));
    // Giant sizes: the bitmap is refused before anything is allocated, the
    // metafile is shown at the largest size allowed. (How fast the reader is
    // belongs to the benchmarks; what is bounded here is the work: no picture
    // of the claimed size, no nesting beyond the limit.)
    const auto giant = read("{\\rtf1 y{\\pict\\wbitmap0\\picw2000000000\\pich2000000000\\picwgoal2000000000 00ff}"
                            "{\\pict\\wmetafile8\\picwgoal2147483647\\pichgoal99999999 " + hex(tinyMetafile()) + "}z}");
    EXPECT_EQ(giant->toPlainText(), QStringLiteral("y\ufffcz"));
    const QList<TRichPicture> pictures = picturesOf(*giant);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0].displaySize, QSizeF(22 * 96, 22 * 96));
    // A PNG whose header claims a huge size is not decoded.
    QByteArray huge = Encode(TestImage(4, 4, qRgb(1, 2, 3)), "PNG");
    huge[16] = char(0x7F);   // width's high byte
    EXPECT_EQ(text("{\\rtf1 a{\\pict\\pngblip " + hex(huge) + "}b}"), QStringLiteral("ab"));
    // Deep nesting is read as if flat beyond the limit.
    QByteArray deep = "{\\rtf1 " + QByteArray(100000, '{') + "\\b deep" + QByteArray(100000, '}') + " after}";
    const auto nested = read(deep);
    EXPECT_EQ(nested->toPlainText(), QStringLiteral("deep after"));
    // Truncated escapes and control words at the very end.
    EXPECT_EQ(text("{\\rtf1 a\\'4"), QStringLiteral("a"));
    EXPECT_EQ(text("{\\rtf1 a\\'zz b"), QStringLiteral("azz b"));
    EXPECT_EQ(text("{\\rtf1 a\\"), QStringLiteral("a"));
    EXPECT_EQ(text("{\\rtf1 a\\u"), QStringLiteral("a"));
    EXPECT_EQ(text("{\\rtf1 a\\fs99999999999999999999 b}"), QStringLiteral("ab"));
    // Control characters (C1 ones too) and NUL bytes carry no text.
    EXPECT_EQ(text(QByteArray("{\\rtf1 a\0\x01\x7f\x8d\\'9d b}", 19)), QStringLiteral("a b"));
    // Bytes that are not RTF at all.
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(char((i * 7919) % 251));
    EXPECT_NO_THROW(read(noise));
}
