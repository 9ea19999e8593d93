// The icon tool with the main window: the palette comes back with the file
// the preferences remember, the tool button shows and hides it, and icons
// dragged from it land in day cells, are saved in the cells' text and printed.
#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <QToolButton>

#include "MainTestSupport.h"
#include "app/IniFile.h"
#include "objects/kinds/FloatingPalette.h"
#include "objects/kinds/IconListBox.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

using namespace vellumy::test;

namespace {

QString cellDocumentText(const TCalendarMain& window, int cell)
{
    return window.CalendarPanel()->CellTexts(cell)->RtfText().ToDocument()->toPlainText();
}

QPoint centreOf(const PixelRect& r)
{
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Drags the palette's icon `index` onto the page at `point` as the toolkit
// would deliver it; true when the drop was taken.
bool dropIcon(TCalendarMain& window, TIconListBox& list, int index, QPoint point)
{
    list.setCurrentRow(index);
    std::unique_ptr<QMimeData> data(list.DragData());
    QObject& filter = window;
    QDragMoveEvent over(point, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    filter.eventFilter(window.CalendarPanel(), &over);
    if (!over.isAccepted())
        return false;
    QDropEvent drop(point, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    filter.eventFilter(window.CalendarPanel(), &drop);
    return drop.isAccepted();
}

} // namespace

TEST_F(MainWindowTest, IconToolDropsIconsIntoDayCellsThatAreSavedAndPrinted)
{
    TFloatingPalette* palette = nullptr;
    TCalendarMain& window = start([&](TCalendarMain& w) {
        palette = new TFloatingPalette(&w);
        w.SetIconPalette(palette);
    });
    TIconListBox& list = *palette->IconListBox();
    // A first start shows the remembered default, Misc1 (stored upper-case).
    EXPECT_TRUE(list.FileName().endsWith(QStringLiteral("MISC1.ICL")));
    EXPECT_EQ(list.NumberOfIcons(), 20);
    EXPECT_TRUE(palette->MenuEntry(QStringLiteral("Miscellaneous #1"))->isChecked());

    newCalendar(window, 0, true, 1997, 12);
    auto* toggle = window.findChild<QToolButton*>(QStringLiteral("ShowHideIconTool"));
    ASSERT_NE(toggle, nullptr);
    if (!palette->isVisible())
        toggle->click();
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(toggle->text(), QStringLiteral("Hide Icon Tool"));
    // Hidden from elsewhere (as a long command does), the button follows.
    window.SetIconPaletteShown(false);
    EXPECT_EQ(toggle->text(), QStringLiteral("Show Icon Tool"));
    toggle->click();
    EXPECT_TRUE(palette->isVisible());

    palette->MenuEntry(QStringLiteral("Holidays"))->trigger();
    TCalendarPanel32& page = *window.CalendarPanel();
    page.repaint();
    nextSave = programFile(QStringLiteral("icons.QXF"));
    choose(window, "mnuSaveAs");
    ASSERT_FALSE(window.Modified());

    // Outside every day cell the icon is refused.
    EXPECT_FALSE(dropIcon(window, list, 0, QPoint(page.width() / 2, 8)));
    EXPECT_FALSE(window.Modified());

    // Into a cell with text: the cell opens and the icon goes in at the
    // insertion point, ahead of the text.
    const int christmas = page.FindCellByDay(25);
    clickCell(window, christmas);
    typeIntoEditor(window, QStringLiteral("Party"));
    window.DoSaveRichtext();
    window.SetModified(false);
    ASSERT_TRUE(dropIcon(window, list, 0, centreOf(page.MainDrawParams().Cell(christmas).CellRect)));
    EXPECT_TRUE(window.Modified());
    EXPECT_EQ(window.CurrentCell(), christmas);
    EXPECT_EQ(window.CellEditor()->EditDocument()->toPlainText(), QString(QChar(0xfffc)) + QStringLiteral("Party"));
    const int halloween = page.FindCellByDay(9);
    const int easter = page.FindCellByDay(17);
    ASSERT_TRUE(dropIcon(window, list, 1, centreOf(page.MainDrawParams().Cell(halloween).CellRect)));
    ASSERT_TRUE(dropIcon(window, list, 2, centreOf(page.MainDrawParams().Cell(easter).CellRect)));
    choose(window, "mnuSave");

    // The icons come back with the document, in their cells.
    ASSERT_TRUE(window.OpenCalendarFile(nextSave));
    EXPECT_EQ(cellDocumentText(window, christmas), QString(QChar(0xfffc)) + QStringLiteral("Party"));
    EXPECT_EQ(cellDocumentText(window, halloween), QString(QChar(0xfffc)));
    EXPECT_EQ(cellDocumentText(window, easter), QString(QChar(0xfffc)));

    // On screen the pumpkin's orange shows in its cell.
    page.repaint();
    const QImage screen = page.grab().toImage();
    SaveForInspection(screen, QStringLiteral("icons-in-cells.png"));
    const PixelRect cell = page.MainDrawParams().Cell(halloween).CellRect;
    int orange = 0;
    for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x)
            orange += qAbs(qRed(screen.pixel(x, y)) - 245) < 20 && qAbs(qGreen(screen.pixel(x, y)) - 140) < 30
                && qBlue(screen.pixel(x, y)) < 60;
    EXPECT_GT(orange, 20);

    // The printed page carries the three pictures.
    if (!QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty()) {
        const QString pdf = programFile(QStringLiteral("icons.pdf"));
        QProcess tool;
        tool.start(QStringLiteral(VELLUMY_BIN_DIR "/vellumy-tool"), {"print", nextSave, "-o", pdf});
        ASSERT_TRUE(tool.waitForFinished(60000));
        EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().constData();
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {"-list", pdf});
        ASSERT_TRUE(images.waitForFinished(30000));
        const QStringList rows = QString::fromLocal8Bit(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        EXPECT_GE(rows.size() - 2, 3) << rows.join('\n').toStdString();
        const QString kept = SaveForInspection(QImage(), QStringLiteral("icons-in-cells.pdf"));
        QFile::remove(kept);
        QFile::copy(pdf, kept);
        QFile::remove(kept.chopped(3) + QStringLiteral("QXF"));
        QFile::copy(nextSave, kept.chopped(3) + QStringLiteral("QXF"));
    }

    // Closing keeps the palette's file and its visibility.
    const QString shown = list.FileName();
    quit(window);
    const TIniFile ini(IniFileName());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Icons"), QStringLiteral("File"), QString()), shown);
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Icons"), QStringLiteral("Visible"), false));
    EXPECT_NE(ini.ReadInteger(QStringLiteral("TFloatingPalette_Placement"), QStringLiteral("Bottom"), 0), 0);
}
