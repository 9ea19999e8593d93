// The in-place cell editor: where it sits, how Tab walks the cells, the
// default editor font, pictures dropped onto cells and texts put on days.
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include "MainTestSupport.h"
#include "app/CalendarProperties.h"
#include "app/IniFile.h"
#include "platform/Rounding.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

using namespace vellumy::test;

namespace {
int pictureCount(const QTextDocument& document)
{
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            count += it.fragment().charFormat().isImageFormat() ? 1 : 0;
    return count;
}

int cellPictures(const TCalendarMain& window, int cell)
{
    return pictureCount(*window.CalendarPanel()->CellTexts(cell)->RtfText().ToDocument());
}

QImage sticker()
{
    QImage image(12, 10, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    return image;
}

QPoint centreOf(const PixelRect& r)
{
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}
} // namespace

TEST_F(MainWindowTest, TheEditorCoversTheCellAndItsTextReachesThePage)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, true, 1997, 12);
    TCalendarPanel32& page = *window.CalendarPanel();
    const int cell = page.FindCellByDay(17);
    clickCell(window, cell);

    const PixelRect text = page.MainDrawParams().Cell(cell).TextRect;
    TWPRichText& editor = *window.CellEditor();
    const int width = text.right - text.left + 1;
    const int height = text.bottom - text.top + 1;
    // Its frame lies around the text rectangle: the text sits where the page paints it.
    EXPECT_EQ(editor.viewport()->mapTo(window.ScrollBox()->widget(), QPoint(0, 0)),
              QPoint(page.x() + text.left, page.y() + text.top));
    EXPECT_EQ(editor.viewport()->size(), QSize(width, height));
    // Its page is the width every cell text wraps at (the cell's at 100 %),
    // shown at the cell's size: 60 % give or take the rounding of the grid.
    const int wrap = page.ReferenceCellTextRect().Width() + 1;
    EXPECT_EQ(editor.PageWidth(), roundHalfEven(wrap / 96.0 * 1440.0));
    EXPECT_NEAR(editor.Zoom(), 60, 6);
    EXPECT_EQ(window.EditedCellText(), page.CellTexts(cell));

    // Focusing an empty cell is no change; typing is.
    nextSave = programFile(QStringLiteral("a.QXF"));
    choose(window, "mnuSaveAs");
    clickCell(window, cell);
    EXPECT_FALSE(window.Modified());
    const QImage before = page.grab().toImage();
    const QRect area = text.ToQRect();
    typeIntoEditor(window, QStringLiteral("WWWW"));
    EXPECT_TRUE(window.Modified());

    // Another cell takes the editor; the text is painted into the first one.
    clickCell(window, cell + 7);
    EXPECT_EQ(cellText(window, cell), QStringLiteral("WWWW"));
    page.repaint();
    const QImage after = page.grab().toImage();
    SaveForInspection(after, QStringLiteral("main-cell-text.png"));
    const int white = CountPixels(after, area, Qt::white);
    EXPECT_EQ(CountPixels(before, area, Qt::white), area.width() * area.height());
    EXPECT_LT(white, area.width() * area.height() - 20) << "no text painted in the cell";
}

TEST_F(MainWindowTest, TabWalksTheCellsAndStopsAtTheEnds)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, true, 1997, 12);
    TWPRichText& editor = *window.CellEditor();

    clickCell(window, 41);
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(window.CurrentCell(), 42);
    // At the last cell Tab stays, and is still not typed.
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(window.CurrentCell(), 42);
    EXPECT_TRUE(editor.hasFocus());
    EXPECT_TRUE(editor.toPlainText().isEmpty());
    QTest::keyClick(&editor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(window.CurrentCell(), 41);

    clickCell(window, 1);
    QTest::keyClick(&editor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(window.CurrentCell(), 1);
    EXPECT_TRUE(editor.hasFocus());

    // A week planner: its Notes row (cell 8) is the last with a text area.
    WhenModal<TCalendarProperties>([](TCalendarProperties& dialog) {
        dialog.findChild<QListWidget*>(QStringLiteral("LayoutList"))->setCurrentRow(9);
        dialog.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    choose(window, "mnuProperties");
    ASSERT_EQ(window.CalendarPanel()->CalendarLayout(), loWeek);
    clickCell(window, 8);
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(window.CurrentCell(), 8);
    EXPECT_TRUE(editor.isVisible());
    QTest::keyClick(&editor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(window.CurrentCell(), 7);
}

TEST_F(MainWindowTest, TheDefaultEditorFontIsStoredAndStartsEmptyCells)
{
    TCalendarMain& window = start();
    fontChoice = std::make_unique<TFont>(QStringLiteral("Times New Roman"), 16,
                                         TFont::fsBold | TFont::fsStrikeOut, TColors::clRed);
    choose(window, "DefaultEditorFont1");
    const TIniFile ini(programFile(QStringLiteral("QX.ini")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Default Font"), QStringLiteral("Name"), QString()),
              QStringLiteral("Times New Roman"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Default Font"), QStringLiteral("Size"), 0), 16);
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Default Font"), QStringLiteral("Strikeout"), false));

    newCalendar(window, 0, true, 1997, 12);
    clickCell(window, 9);
    const TWPWritingAttributes attributes = window.CellEditor()->WritingAttributes();
    EXPECT_EQ(attributes.fontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(attributes.size, 16);
    EXPECT_EQ(attributes.style & (TFont::fsBold | TFont::fsStrikeOut), TFont::fsBold | TFont::fsStrikeOut);
    EXPECT_EQ(attributes.color, TColors::clRed);

    // Cancelling the dialog keeps the stored font.
    fontChoice.reset();
    choose(window, "DefaultEditorFont1");
    quit(window);
    TCalendarMain& again = start();
    EXPECT_EQ(again.DefaultEditorFont().Name(), QStringLiteral("Times New Roman"));
    EXPECT_TRUE(again.DefaultEditorFont().HasStyle(TFont::fsStrikeOut));
}

TEST_F(MainWindowTest, PicturesDropOntoCellsAndIntoTheEditor)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, true, 1997, 12);
    TCalendarPanel32& page = *window.CalendarPanel();
    page.repaint();
    nextSave = programFile(QStringLiteral("drops.QXF"));
    choose(window, "mnuSaveAs");

    QMimeData picture;
    picture.setImageData(sticker());
    // Made-up drag events never reach the program's filters through the
    // application; they are handed to the window's filter as the toolkit would.
    QObject& filter = window;
    const int cell = page.FindCellByDay(3);
    const QPoint inCell = centreOf(page.MainDrawParams().Cell(cell).CellRect);

    // Outside every cell (the title band) a picture is refused.
    const QPoint title(page.width() / 2, 8);
    QDragMoveEvent refused(title, Qt::CopyAction, &picture, Qt::LeftButton, Qt::NoModifier);
    filter.eventFilter(&page, &refused);
    EXPECT_FALSE(refused.isAccepted());
    EXPECT_FALSE(window.DropPictureOnPage(picture, title));
    EXPECT_FALSE(window.Modified());

    QDragMoveEvent over(inCell, Qt::CopyAction, &picture, Qt::LeftButton, Qt::NoModifier);
    filter.eventFilter(&page, &over);
    EXPECT_TRUE(over.isAccepted());
    QDropEvent drop(inCell, Qt::CopyAction, &picture, Qt::LeftButton, Qt::NoModifier);
    filter.eventFilter(&page, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(window.Modified());
    EXPECT_EQ(window.CurrentCell(), cell);
    ASSERT_TRUE(window.CellEditor()->isVisible());
    EXPECT_EQ(pictureCount(*window.CellEditor()->EditDocument()), 1);

    // An image file dropped onto the open editor goes in at the drop point.
    const QString file = programFile(QStringLiteral("sticker.png"));
    ASSERT_TRUE(sticker().save(file));
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(file)});
    ASSERT_TRUE(TCalendarMain::HasPicture(files));
    QDropEvent onEditor(QPointF(2, 2), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    filter.eventFilter(window.CellEditor()->viewport(), &onEditor);
    EXPECT_TRUE(onEditor.isAccepted());
    window.DoSaveRichtext();
    EXPECT_EQ(cellPictures(window, cell), 2);

    // Text files are no pictures.
    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(programFile(QStringLiteral("QX.ini")))});
    EXPECT_FALSE(TCalendarMain::HasPicture(text));
}

TEST_F(MainWindowTest, PuttingTextOnADayAppendsAParagraphAndKeepsTheEditedCell)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, true, 1997, 12);
    TCalendarPanel32& page = *window.CalendarPanel();
    const int editing = page.FindCellByDay(5);
    clickCell(window, editing);
    typeIntoEditor(window, QStringLiteral("Mine"));

    window.PuttextOnDay(10, QStringLiteral("Meeting"));
    window.PuttextOnDay(10, QStringLiteral("Meeting"));
    // No cell shows day 32 or day 0.
    window.PuttextOnDay(32, QStringLiteral("Nowhere"));
    window.PuttextOnDay(0, QStringLiteral("Blank"));

    const int target = page.FindCellByDay(10);
    const QStringList lines =
        page.CellTexts(target)->RtfText().ToDocument()->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines, QStringList({QStringLiteral("Meeting"), QStringLiteral("Meeting")}));
    for (int i = 1; i <= 42; ++i) {
        if (i != target && i != editing) {
            EXPECT_TRUE(page.CellTexts(i)->IsEmpty()) << "cell " << i;
        }
    }
    // The editor is back on the cell being edited, with its text.
    EXPECT_EQ(window.CurrentCell(), editing);
    EXPECT_TRUE(window.CellEditor()->isVisible());
    EXPECT_EQ(window.CellEditor()->PlainText().trimmed(), QStringLiteral("Mine"));
    EXPECT_TRUE(window.Modified());
}
