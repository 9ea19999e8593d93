#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontComboBox>
#include <QTest>
#include <QTextBlock>
#include <QFontInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include "RichTextTestSupport.h"
#include "TestSupport.h"
#include "persist/Font.h"
#include "richtext/RichPicture.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"
#include "richtext/WPToolBar.h"

using namespace richtext_test;
using vellumy::test::SaveForInspection;

namespace {
QTextCharFormat formatAt(QTextDocument* document, int position)
{
    QTextCursor cursor(document);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

void showFocused(QWidget& widget)
{
    widget.show();
    widget.activateWindow();
    widget.setFocus();
    QApplication::processEvents();
}
} // namespace

TEST(RichTextEditor, TypingSelectAllAndChangeNotifications)
{
    TWPRtfStorage storage;
    storage.RtfText().SetRtfBytes("{\\rtf1 stored}");
    TWPRichText editor;
    int changes = 0;
    editor.OnChange = [&] { ++changes; };
    editor.resize(200, 80);
    editor.LoadFromStorage(storage);
    showFocused(editor);
    EXPECT_EQ(changes, 0);   // loading is no change
    EXPECT_EQ(editor.PlainText(), QStringLiteral("stored"));

    QTest::keyClick(&editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&editor, QStringLiteral(" typed"));
    EXPECT_EQ(editor.PlainText(), QStringLiteral("stored typed"));
    EXPECT_GT(changes, 0);

    QTest::keyClick(&editor, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(editor.textCursor().selectedText(), QStringLiteral("stored typed"));
    QTest::keyClicks(&editor, QStringLiteral("new"));
    EXPECT_EQ(editor.PlainText(), QStringLiteral("new"));

    TWPRtfStorage saved;
    const int before = changes;
    editor.SaveToStorage(saved);
    EXPECT_EQ(changes, before);
    EXPECT_EQ(saved.RtfText().SharedDocument()->toPlainText(), QStringLiteral("new"));

    editor.Clear();
    EXPECT_TRUE(editor.IsEmpty());
    editor.SaveToStorage(saved);
    EXPECT_TRUE(saved.IsEmpty());
}

TEST(RichTextEditor, ZoomScalesWhatIsShownAndWhereClicksLand)
{
    TWPRtfStorage storage;
    storage.RtfText().SetRtfBytes("{\\rtf1{\\fonttbl{\\f0 Liberation Mono;}}\\f0\\fs40 abcdefghij}");
    TWPRichText editor;
    editor.setFrameShape(QFrame::NoFrame);
    editor.resize(400, 120);
    editor.SetPageSize(400 * 15, 120 * 15);
    editor.LoadFromStorage(storage);
    showFocused(editor);

    const QImage full = editor.grab().toImage();
    editor.SetZoom(50);
    const QImage half = editor.grab().toImage();
    SaveForInspection(half, QStringLiteral("richtext-editor-50.png"));
    const QRect inkFull = InkBounds(full.convertToFormat(QImage::Format_RGB32));
    const QRect inkHalf = InkBounds(half.convertToFormat(QImage::Format_RGB32));
    ASSERT_FALSE(inkFull.isNull());
    ASSERT_FALSE(inkHalf.isNull());
    EXPECT_NEAR(inkHalf.width(), inkFull.width() / 2.0, 3);
    EXPECT_NEAR(inkHalf.height(), inkFull.height() / 2.0, 3);

    // A click on the zoomed text puts the caret where the text is shown.
    const QTextLine line = editor.EditDocument()->firstBlock().layout()->lineAt(0);
    const QPointF boundary(line.cursorToX(6), line.y() + line.height() / 2);
    QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, (boundary * 0.5).toPoint());
    EXPECT_EQ(editor.textCursor().position(), 6);
    QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(editor.textCursor().position(), 0);
    // Dragging selects in zoomed coordinates too.
    QTest::mousePress(editor.viewport(), Qt::LeftButton, {}, (QPointF(line.cursorToX(2), boundary.y()) * 0.5).toPoint());
    QTest::mouseMove(editor.viewport(), (QPointF(line.cursorToX(5), boundary.y()) * 0.5).toPoint());
    QTest::mouseRelease(editor.viewport(), Qt::LeftButton, {}, (QPointF(line.cursorToX(5), boundary.y()) * 0.5).toPoint());
    EXPECT_EQ(editor.textCursor().selectedText(), QStringLiteral("cde"));
}

TEST(RichTextEditor, WrapsAtThePageWidthWhateverItsOwnWidth)
{
    TWPRichText editor;
    editor.resize(400, 200);
    editor.SetPageSize(100 * 15, 200 * 15);
    showFocused(editor);
    editor.AppendParagraph(QStringLiteral("several words that cannot fit on one line of a narrow page"));
    const QTextLayout* layout = editor.EditDocument()->firstBlock().layout();
    ASSERT_GT(layout->lineCount(), 2);
    for (int i = 0; i < layout->lineCount(); ++i)
        EXPECT_LE(layout->lineAt(i).naturalTextWidth(), 100.5);
}

TEST(RichTextEditor, AppendedParagraphsAndPicturesUseTheWritingAttributes)
{
    TWPRichText editor;
    editor.resize(300, 100);
    showFocused(editor);

    // What the main window's default-font command does: take the attributes,
    // set name and size, add style bits, pick the colour-table entry.
    TWPWritingAttributes attributes = editor.WritingAttributes();
    attributes.fontName = QStringLiteral("Liberation Serif");
    attributes.size = 14;
    attributes.style |= TFont::fsBold | TFont::fsItalic;
    attributes.color = WPColorTable()[size_t(WPColorTableIndex(TColors::clRed))];
    editor.SetWritingAttributes(attributes);
    attributes.style |= TFont::fsUnderline;   // bits already set stay set
    editor.SetWritingAttributes(attributes);
    EXPECT_EQ(editor.WritingAttributes(), attributes);
    EXPECT_EQ(WPColorTableIndex(TColors::clRed), 9);
    EXPECT_EQ(WPColorTableIndex(0x123456), 0);

    editor.AppendParagraph(QStringLiteral("Christmas"));   // an empty text takes it as its first paragraph
    editor.AppendParagraph(QStringLiteral("Boxing Day"));
    QTextDocument* document = editor.EditDocument();
    EXPECT_EQ(document->toPlainText(), QStringLiteral("Christmas\nBoxing Day"));
    for (int position : {0, 12}) {
        const QTextCharFormat format = formatAt(document, position);
        EXPECT_EQ(format.fontFamilies().toStringList().value(0), QStringLiteral("Liberation Serif"));
        EXPECT_EQ(format.fontPointSize(), 14);
        EXPECT_EQ(format.fontWeight(), QFont::Bold);
        EXPECT_TRUE(format.fontItalic());
        EXPECT_TRUE(format.fontUnderline());
        EXPECT_EQ(format.foreground().color(), QColor(255, 0, 0));
    }

    // A picture at the caret, kept through the storage.
    QTextCursor caret = editor.textCursor();
    caret.setPosition(3);
    editor.setTextCursor(caret);
    const QImage icon = TestImage(16, 16, qRgb(0, 120, 240));
    editor.InsertPicture(icon);
    EXPECT_EQ(document->characterAt(3), QChar(QChar::ObjectReplacementCharacter));
    TWPRtfStorage storage;
    editor.SaveToStorage(storage);
    const auto reread = storage.RtfText().ToDocument();
    EXPECT_EQ(reread->toPlainText(), QStringLiteral("Chr\ufffcistmas\nBoxing Day"));
    QTextCursor at(reread.get());
    at.setPosition(4);
    const TRichPicture picture = TRichPicture::FromFormat(*reread, at.charFormat().toImageFormat());
    EXPECT_EQ(picture.image.convertToFormat(QImage::Format_RGB32), icon);
    EXPECT_EQ(picture.displaySize, QSizeF(16, 16));
}

TEST(RichTextEditor, ToolBarFormatsTheLinkedEditorAndCopiesPicturesBetweenEditors)
{
    TWPToolBar bar;
    const QStringList hints = {QStringLiteral("Bold Font"), QStringLiteral("Italic Font"), QStringLiteral("Underlined Font"),
                               QStringLiteral("Left Justify Text"), QStringLiteral("Right Justify Text"),
                               QStringLiteral("Center Text "), QStringLiteral("Copy Text"), QStringLiteral("Cut Text"),
                               QStringLiteral("Paste Text"), QStringLiteral("Select All")};
    const TWPToolBar::Button buttons[] = {TWPToolBar::Bold, TWPToolBar::Italic, TWPToolBar::Underline, TWPToolBar::Left,
                                          TWPToolBar::Right, TWPToolBar::Center, TWPToolBar::Copy, TWPToolBar::Cut,
                                          TWPToolBar::Paste, TWPToolBar::SelectAll};
    for (int i = 0; i < hints.size(); ++i)
        EXPECT_EQ(bar.ButtonAction(buttons[i])->toolTip(), hints[i]);
    EXPECT_EQ(bar.FontSizeList()->itemText(0), QStringLiteral("8"));
    EXPECT_EQ(bar.FontColorList()->count(), 16);

    TWPRichText editor;
    editor.resize(300, 100);
    showFocused(editor);
    editor.AppendParagraph(QStringLiteral("one two three"));
    bar.SetEditor(&editor);
    QTextCursor selection = editor.textCursor();
    selection.setPosition(4);
    selection.setPosition(7, QTextCursor::KeepAnchor);
    editor.setTextCursor(selection);

    bar.ButtonAction(TWPToolBar::Bold)->trigger();
    emit bar.FontSizeList()->textActivated(QStringLiteral("18"));
    emit bar.FontColorList()->activated(12);   // blue
    bar.ButtonAction(TWPToolBar::Center)->trigger();
    QTextDocument* document = editor.EditDocument();
    EXPECT_EQ(formatAt(document, 5).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(document, 5).fontPointSize(), 18);
    EXPECT_EQ(formatAt(document, 5).foreground().color(), QColor(0, 0, 255));
    EXPECT_NE(formatAt(document, 1).fontWeight(), QFont::Bold);
    EXPECT_TRUE(document->firstBlock().blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(bar.ButtonAction(TWPToolBar::Bold)->isChecked());
    EXPECT_TRUE(bar.ButtonAction(TWPToolBar::Center)->isChecked());
    EXPECT_EQ(bar.FontSizeList()->currentText(), QStringLiteral("18"));

    // A font name the font system only knows as an alias still shows the
    // family it is drawn with, not an empty list.
    emit bar.FontNameList()->textActivated(QStringLiteral("Arial"));
    selection.setPosition(5);
    editor.setTextCursor(selection);
    EXPECT_FALSE(bar.FontNameList()->currentText().isEmpty());
    EXPECT_EQ(bar.FontNameList()->currentText(), QFontInfo(QFont(QStringLiteral("Arial"))).family());

    // The caret in plain text shows plain formats.
    selection.setPosition(1);
    editor.setTextCursor(selection);
    EXPECT_FALSE(bar.ButtonAction(TWPToolBar::Bold)->isChecked());

    // Copy with a picture in it, paste into another editor.
    editor.InsertPicture(TestImage(8, 8, qRgb(200, 100, 0)));
    bar.ButtonAction(TWPToolBar::SelectAll)->trigger();
    bar.ButtonAction(TWPToolBar::Copy)->trigger();
    TWPRichText other;
    other.resize(300, 100);
    showFocused(other);
    bar.SetEditor(&other);
    bar.ButtonAction(TWPToolBar::Paste)->trigger();
    const std::string pasted = Describe(*other.EditDocument());
    EXPECT_EQ(other.PlainText(), editor.PlainText());
    EXPECT_NE(pasted.find("[picture 8x8 shown 8x8]"), std::string::npos) << pasted;
    EXPECT_NE(pasted.find("18 b fg=#0000ff"), std::string::npos) << pasted;

    // Disabled, its controls are too; unlinked, it leaves editors alone.
    bar.setEnabled(false);
    EXPECT_FALSE(bar.widgetForAction(bar.ButtonAction(TWPToolBar::Bold))->isEnabled());
    EXPECT_FALSE(bar.FontNameList()->isEnabled());
    bar.setEnabled(true);
    bar.SetEditor(nullptr);
    bar.ButtonAction(TWPToolBar::SelectAll)->trigger();
    EXPECT_FALSE(other.textCursor().hasSelection());
}
