// Documents printed into PDF files by `vellumy-tool print`, read back with
// poppler's tools (which this program did not write): the paper and its
// orientation, the month title over the grid, each day name over its column,
// each day number in its weekday's column and week's row, cell texts in their
// cells, the border picture around the page as on the screen, and copies as
// sheets. With VELLUMY_TEST_OUTPUT set the PDFs and both images are kept there.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>

#include "MainTestSupport.h"
#include "TestSupport.h"
#include "app/ExportImageDialog.h"
#include "app/ExportPdfDialog.h"
#include "app/PrintCommands.h"
#include "page/CalendarPanel32.h"
#include "print/PdfDevice.h"
#include "print/PrinterDevice.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfText.h"

using namespace vellumy::test;

namespace {

constexpr double Tolerance = 0.03; // inches
constexpr double ScreenDpi = 96;

struct Word {
    QString text;
    QRectF box; // inches from the paper's top-left corner
    QPointF centre() const { return box.center(); }
};

struct PdfPage {
    QSizeF paper; // inches
    QList<Word> words;
    int pages = 0;
};

QString runTool(const QString& program, const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

// A word as pdftotext -bbox writes it, with its XML entities.
QString unescaped(QString word)
{
    return word.replace(QLatin1String("&apos;"), QLatin1String("'")).replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

// Words of the first sheet and the sheet count, from pdftotext -bbox (points).
PdfPage readPdf(const QString& pdf)
{
    const QString html = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    PdfPage page;
    static const QRegularExpression sheet(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    auto sheets = sheet.globalMatch(html);
    while (sheets.hasNext()) {
        const auto m = sheets.next();
        if (page.pages++ == 0)
            page.paper = QSizeF(m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72);
    }
    const qsizetype firstEnd = html.indexOf(QLatin1String("</page>"));
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    auto it = word.globalMatch(html.left(firstEnd));
    while (it.hasNext()) {
        const auto m = it.next();
        page.words.append({unescaped(m.captured(5)), QRectF(QPointF(m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72),
                                                 QPointF(m.captured(3).toDouble() / 72, m.captured(4).toDouble() / 72))});
    }
    return page;
}

QList<Word> wordsNamed(const PdfPage& page, const QString& text)
{
    QList<Word> found;
    for (const Word& w : page.words)
        if (w.text == text)
            found.append(w);
    return found;
}

QImage renderPdf(const QString& pdf, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("sheet"));
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                         QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                         QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QRectF inches(const PixelRect& r)
{
    return QRectF(QPointF(r.left / ScreenDpi, r.top / ScreenDpi), QPointF(r.right / ScreenDpi, r.bottom / ScreenDpi));
}

TWPRtfText plainRtf(const QString& text)
{
    QTextDocument document;
    document.setPlainText(text);
    TWPRtfText rtf;
    rtf.SetDocument(document);
    return rtf;
}

struct Design {
    const char* name;
    TCalendarLayout layout;
    bool a4;
    const char* border;   // empty: none
    bool cellTexts;
    TColor titleBackground = TColors::clWhite;
};

constexpr TColor Yellow = 0x0000FFFF;

const Design Designs[] = {
    {"letter-portrait-month-celltexts", loFullCalendar, false, "", true},
    {"letter-landscape-month-border", LOFullCalendarLS, false, "Celtic", false},
    {"letter-portrait-month-border-celltexts", loFullCalendar, false, "Classic", true},
    {"a4-portrait-month-celltexts", loFullCalendar, true, "", true},
    {"a4-landscape-month-border", LOFullCalendarLS, true, "Floral", false},
    {"letter-portrait-minis-in-title", loFCMinisInTitle, false, "", true, Yellow},
    {"a4-landscape-12-months", loMC12MonthLS, true, "", false},
    {"letter-landscape-60-months", loMC60MonthLS, false, "", false},
    {"letter-week-planner", loWeek, false, "", true},
    {"a4-day-planner", loDay10, true, "", true},
};

class PrintPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        tool_ = QStringLiteral(VELLUMY_BIN_DIR) + QStringLiteral("/vellumy-tool");
        if (!QFileInfo(tool_).isExecutable())
            GTEST_SKIP() << "vellumy-tool is not built";
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are not installed";
        ASSERT_TRUE(dir_.isValid());
    }

    // A December 1997 page of the design, saved as a document.
    std::unique_ptr<TCalendarPanel32> makeDocument(const Design& design, const QString& path)
    {
        auto page = std::make_unique<TCalendarPanel32>(nullptr);
        page->ResetToDefaults();
        page->SetMainCalMonth(12);
        page->SetMainCalYear(1997);
        page->SetMainCalDay(7);
        page->SetPaperSizeA4(design.a4);
        page->SetCalendarLayout(design.layout);
        page->UpdatePageLayout(true);
        page->SetTitleBGColor(design.titleBackground);
        if (*design.border) {
            page->SetWMFBorderFile(QString::fromLatin1(design.border));
            EXPECT_EQ(page->WMFBorderFile(), QString::fromLatin1(design.border)) << "no border picture";
        }
        page->DrawPage();
        if (design.cellTexts) {
            for (int i = 1; i <= DayCellCount; ++i) {
                const DayCellInfo& cell = page->MainDrawParams().Cell(i);
                if (cell.DayNumber == 3 || cell.DayNumber == 17 || (page->PlannerMode() && i == 2))
                    page->SetCellText(i, plainRtf(QStringLiteral("Dentist")));
            }
        }
        page->DrawPage();
        QString error;
        EXPECT_TRUE(page->SaveDocument(path, &error)) << error.toStdString();
        return page;
    }

    QString print(const QString& document, const QString& pdf, int copies = 1)
    {
        int exitCode = -1;
        const QString output = runTool(tool_, {QStringLiteral("print"), document, QStringLiteral("-o"), pdf,
                                               QStringLiteral("--copies"), QString::number(copies)},
                                       &exitCode);
        EXPECT_EQ(exitCode, 0) << output.toStdString();
        EXPECT_TRUE(QFileInfo(pdf).isFile()) << pdf.toStdString();
        return output;
    }

    void keep(const QString& pdf, const QImage& printed, const QImage& screen)
    {
        const QString folder = qEnvironmentVariable("VELLUMY_TEST_OUTPUT");
        if (folder.isEmpty())
            return;
        const QString base = QFileInfo(pdf).completeBaseName();
        QFile::remove(folder + QLatin1Char('/') + base + QStringLiteral(".pdf"));
        QFile::copy(pdf, folder + QLatin1Char('/') + base + QStringLiteral(".pdf"));
        printed.save(folder + QLatin1Char('/') + base + QStringLiteral("-printed.png"));
        screen.save(folder + QLatin1Char('/') + base + QStringLiteral("-screen.png"));
    }

    QString tool_;
    QTemporaryDir dir_;
};

// The month grid of the page: title above, day names over their columns,
// day numbers by weekday and week, cell texts in their cells.
void expectMonthGrid(const TCalendarPanel32& page, const PdfPage& pdf, bool cellTexts)
{
    const QRectF grid = inches(page.MainCalRect());
    const double column = grid.width() / 7;
    auto columnOf = [&](double x) { return int((x - grid.left()) / column); };

    const QList<Word> months = wordsNamed(pdf, QStringLiteral("December"));
    ASSERT_FALSE(months.isEmpty());
    // The main title is the largest "December".
    Word title = months.first();
    for (const Word& w : months)
        if (w.box.height() > title.box.height())
            title = w;
    const QList<Word> years = wordsNamed(pdf, QStringLiteral("1997"));
    ASSERT_FALSE(years.isEmpty());
    Word year = years.first();
    for (const Word& w : years)
        if (std::abs(w.box.top() - title.box.top()) < std::abs(year.box.top() - title.box.top()))
            year = w;
    const double titleCentre = (title.box.left() + year.box.right()) / 2;
    EXPECT_NEAR(titleCentre, grid.center().x(), 0.1) << "the title is centred over the grid";
    EXPECT_GT(title.box.top(), grid.top() - Tolerance);

    static const char* const names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    double headerBottom = 0;
    for (int c = 0; c < 7; ++c) {
        const QList<Word> found = wordsNamed(pdf, QString::fromLatin1(names[c]));
        ASSERT_EQ(found.size(), 1) << names[c];
        EXPECT_NEAR(found[0].centre().x(), grid.left() + (c + 0.5) * column, Tolerance) << names[c];
        EXPECT_GT(found[0].box.top(), title.box.bottom()) << names[c] << " below the title";
        headerBottom = std::max(headerBottom, found[0].box.bottom());
    }

    // 1 December 1997 is a Monday; weeks start on Sunday.
    const int firstColumn = QDate(1997, 12, 1).dayOfWeek() % 7;
    QMap<int, double> rowTops;
    for (int day = 1; day <= 31; ++day) {
        QList<Word> inGrid;
        for (const Word& w : wordsNamed(pdf, QString::number(day)))
            if (w.box.top() > headerBottom && grid.contains(w.centre()))
                inGrid.append(w);
        ASSERT_EQ(inGrid.size(), 1) << "day " << day;
        const int cell = firstColumn + day - 1;
        EXPECT_EQ(columnOf(inGrid[0].centre().x()), cell % 7) << "day " << day;
        // Centred in the cell, or right-aligned 0.05 inch inside its right edge.
        if (page.NumberPosition() == cnpUpperRight)
            EXPECT_NEAR(inGrid[0].box.right(), grid.left() + (cell % 7 + 1) * column - 0.05, Tolerance) << "day " << day;
        else
            EXPECT_NEAR(inGrid[0].centre().x(), grid.left() + (cell % 7 + 0.5) * column, Tolerance) << "day " << day;
        const int row = cell / 7;
        if (rowTops.contains(row))
            EXPECT_NEAR(inGrid[0].box.top(), rowTops[row], Tolerance) << "day " << day << " in its week's row";
        else
            rowTops[row] = inGrid[0].box.top();
    }
    // Weeks follow each other at one row height, inside the grid.
    ASSERT_EQ(rowTops.size(), 5);
    const double rowHeight = (rowTops[4] - rowTops[0]) / 4;
    EXPECT_GT(rowHeight, 0.5);
    for (int row = 1; row < 5; ++row)
        EXPECT_NEAR(rowTops[row] - rowTops[row - 1], rowHeight, Tolerance);
    EXPECT_LT(rowTops[4] + rowHeight, grid.bottom() + Tolerance);

    if (!cellTexts)
        return;
    const QList<Word> texts = wordsNamed(pdf, QStringLiteral("Dentist"));
    ASSERT_EQ(texts.size(), 2);
    for (const Word& text : texts) {
        // Days 3 and 17 share a column; the text sits below its day number.
        EXPECT_EQ(columnOf(text.centre().x()), (firstColumn + 2) % 7);
        const int row = (firstColumn + (text.box.top() < rowTops[2] ? 2 : 16)) / 7;
        EXPECT_GT(text.box.top(), rowTops[row]);
        EXPECT_LT(text.box.bottom(), rowTops[row] + rowHeight + Tolerance);
    }
}

// Dark pixels (any ink) in a rectangle given in inches.
int inkIn(const QImage& image, const QRectF& area, double dpi)
{
    const QRect r(QPoint(int(area.left() * dpi), int(area.top() * dpi)),
                  QPoint(int(area.right() * dpi) - 1, int(area.bottom() * dpi) - 1));
    int n = 0;
    for (int y = std::max(0, r.top()); y <= std::min(image.height() - 1, r.bottom()); ++y)
        for (int x = std::max(0, r.left()); x <= std::min(image.width() - 1, r.right()); ++x)
            n += qGray(image.pixel(x, y)) < 200 ? 1 : 0;
    return n;
}

// Pixels close to a colour in a rectangle given in inches.
int CountPixelsNear(const QImage& image, const QRectF& area, QColor colour)
{
    int n = 0;
    for (int y = int(area.top() * ScreenDpi); y < int(area.bottom() * ScreenDpi) && y < image.height(); ++y)
        for (int x = int(area.left() * ScreenDpi); x < int(area.right() * ScreenDpi) && x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green())
                         + std::abs(c.blue() - colour.blue()) < 30 ? 1 : 0;
        }
    return n;
}

} // namespace

TEST_F(PrintPdf, EveryDesignPrintsWhereTheScreenShowsIt)
{
    for (const Design& design : Designs) {
        SCOPED_TRACE(design.name);
        const QString document = dir_.filePath(QString::fromLatin1(design.name) + QStringLiteral(".QXF"));
        const QString pdfFile = dir_.filePath(QString::fromLatin1(design.name) + QStringLiteral(".pdf"));
        std::unique_ptr<TCalendarPanel32> page = makeDocument(design, document);
        print(document, pdfFile);
        const PdfPage pdf = readPdf(pdfFile);
        ASSERT_EQ(pdf.pages, 1);

        // The page's paper in its orientation.
        QSizeF paper = design.a4 ? QSizeF(210 / 25.4, 297 / 25.4) : QSizeF(8.5, 11);
        if (page->CalendarOrientation() == coLandscape)
            paper.transpose();
        EXPECT_NEAR(pdf.paper.width(), paper.width(), 0.01);
        EXPECT_NEAR(pdf.paper.height(), paper.height(), 0.01);
        // The page's own inch sizes (A4 as 8.27 x 11.69) may differ by a pixel.
        EXPECT_NEAR(page->width(), paper.width() * ScreenDpi, 1.0);

        // Every word lies inside the page's margins.
        const QRectF inside = inches(page->PageRect()).adjusted(-Tolerance, -Tolerance, Tolerance, Tolerance);
        for (const Word& w : pdf.words)
            EXPECT_TRUE(inside.contains(w.box)) << w.text.toStdString() << " outside the margins";

        if (page->ShowMainGrid() && !page->PlannerMode())
            expectMonthGrid(*page, pdf, design.cellTexts);
        if (page->PlannerMode()) {
            EXPECT_EQ(wordsNamed(pdf, QStringLiteral("Notes")).size(), 1);
            EXPECT_EQ(wordsNamed(pdf, QStringLiteral("Dentist")).size(), 1);
            EXPECT_FALSE(wordsNamed(pdf, QStringLiteral("December")).isEmpty());
        }
        if (!page->ShowMainGrid() && !page->PlannerMode()) {
            // Mini calendars: every month name once, in reading order.
            const QList<Word> first = wordsNamed(pdf, QStringLiteral("December"));
            EXPECT_FALSE(first.isEmpty());
            for (const char* month : {"January", "June", "November"})
                EXPECT_FALSE(wordsNamed(pdf, QString::fromLatin1(month)).isEmpty()) << month;
        }

        // The printed sheet and the screen page side by side at 96 dpi: ink
        // in the same places. The border picture fills the band between the
        // page's margins and the grid on both.
        const QImage printed = renderPdf(pdfFile, int(ScreenDpi));
        ASSERT_FALSE(printed.isNull());
        const QImage screen = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_NEAR(printed.width(), screen.width(), 1);
        EXPECT_NEAR(printed.height(), screen.height(), 1);
        keep(pdfFile, printed, screen);
        if (page->PlannerMode()) {
            // The outline closes under the label column on paper as on the
            // screen: below the last row, a line runs from the writing area
            // all the way to the page's left.
            const DayCellInfo* last = nullptr;
            for (int i = 1; i <= DayCellCount; ++i)
                if (page->MainDrawParams().Cell(i).CellRect.Height() > 0)
                    last = &page->MainDrawParams().Cell(i);
            ASSERT_NE(last, nullptr);
            const int from = page->MainCalRect().left + 4, to = last->CellRect.left - 4;
            auto inkedRow = [](const QImage& image, int y, int x0, int x1) {
                int n = 0;
                for (int x = x0; x < x1; ++x)
                    n += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
                return n > (x1 - x0) * 9 / 10;
            };
            for (const QImage* image : {&screen, &printed}) {
                // The lowest line under the writing area...
                int line = -1;
                for (int y = last->CellRect.top; y < image->height() && y < last->CellRect.bottom + 20; ++y)
                    if (inkedRow(*image, y, last->CellRect.left + 10, last->CellRect.right - 10))
                        line = y;
                ASSERT_GE(line, 0) << (image == &screen ? "screen" : "paper");
                // ...goes on under the labels.
                EXPECT_TRUE(inkedRow(*image, line, from, to) || inkedRow(*image, line - 1, from, to))
                    << (image == &screen ? "screen" : "paper") << " y " << line;
            }
        }
        if (*design.border) {
            const QRectF band = inches(page->PageRect());
            const QRectF top(band.topLeft(), QSizeF(band.width(), 0.3));
            const int onScreen = inkIn(screen, top, ScreenDpi);
            const int onPaper = inkIn(printed, top, ScreenDpi);
            EXPECT_GT(onScreen, 100);
            EXPECT_GT(onPaper, onScreen / 3) << "the border picture is on the printed page";
            EXPECT_LT(onPaper, onScreen * 3);
        }
        // A coloured title band is filled on paper as on the screen.
        if (design.titleBackground != TColors::clWhite) {
            const QRectF band = inches(page->MainCalRect());
            const QRectF title(band.topLeft() + QPointF(0.5, 0.05), QSizeF(band.width() - 1.0, 0.3));
            EXPECT_GT(CountPixelsNear(screen, title, QColor(Qt::yellow)), 1000);
            EXPECT_GT(CountPixelsNear(printed, title, QColor(Qt::yellow)), 1000);
        }
        // Outside the margins both are blank.
        const QRectF paperRect(QPointF(0, 0), paper);
        const QRectF outer(QPointF(0, 0), QSizeF(paper.width(), 0.2));
        EXPECT_EQ(inkIn(printed, outer, ScreenDpi), 0);
        EXPECT_TRUE(paperRect.contains(inches(page->PageRect())));
    }
}

TEST_F(PrintPdf, CopiesBecomeSheetsAndBadInputFailsClearly)
{
    const QString document = dir_.filePath(QStringLiteral("copies.QXF"));
    makeDocument(Designs[0], document);
    const QString pdfFile = dir_.filePath(QStringLiteral("copies.pdf"));
    print(document, pdfFile, 3);
    const PdfPage pdf = readPdf(pdfFile);
    EXPECT_EQ(pdf.pages, 3);

    int exitCode = 0;
    QString output = runTool(tool_, {QStringLiteral("print"), document}, &exitCode);
    EXPECT_EQ(exitCode, 2);
    EXPECT_TRUE(output.contains(QLatin1String("-o OUT.pdf is required"))) << output.toStdString();

    output = runTool(tool_, {QStringLiteral("print"), document, QStringLiteral("-o"), pdfFile,
                             QStringLiteral("--copies"), QStringLiteral("0")},
                     &exitCode);
    EXPECT_EQ(exitCode, 2);

    // Not a calendar: nothing is written.
    QFile foreign(dir_.filePath(QStringLiteral("foreign.QXF")));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("not a calendar");
    foreign.close();
    const QString none = dir_.filePath(QStringLiteral("none.pdf"));
    output = runTool(tool_, {QStringLiteral("print"), foreign.fileName(), QStringLiteral("-o"), none}, &exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_TRUE(output.contains(QLatin1String("Unable to open"))) << output.toStdString();
    EXPECT_FALSE(QFileInfo::exists(none));

    // An output that cannot be written fails instead of claiming success.
    output = runTool(tool_, {QStringLiteral("print"), document, QStringLiteral("-o"),
                             dir_.filePath(QStringLiteral("missing/folder/out.pdf"))},
                     &exitCode);
    EXPECT_EQ(exitCode, 1) << output.toStdString();
}

// The system printer's setup dialog with "Print to File (PDF)" chosen: the
// Print command writes the PDF named in the dialog.
TEST_F(PrintPdf, PrintToFileThroughTheSystemDialog)
{
    MessageBoxScript boxes;
    const QString document = dir_.filePath(QStringLiteral("dialog.QXF"));
    std::unique_ptr<TCalendarPanel32> page = makeDocument(Designs[1], document);
    const QString pdfFile = dir_.filePath(QStringLiteral("through-the-dialog.pdf"));
    TPrintCommands commands(*page, std::make_unique<TPrinterDevice>());
    commands.ReportPrinter1().SetShowStatus(false);

    bool chosen = false;
    WhenModal<QPrintDialog>([&](QPrintDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        auto* fileName = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        if (printers && fileName) {
            printers->setCurrentIndex(printers->count() - 1);
            fileName->setText(pdfFile);
            chosen = true;
        }
        dialog.accept();
    });
    commands.Print();
    ASSERT_TRUE(chosen) << "the dialog has no printer list or file name";
    ASSERT_TRUE(QFileInfo(pdfFile).isFile());
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Print job completed and sent to printer!"));

    // The page's orientation, its texts as texts.
    const PdfPage pdf = readPdf(pdfFile);
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_GT(pdf.paper.width(), pdf.paper.height());
    expectMonthGrid(*page, pdf, false);

    // A file that cannot be written is a failed job, not a completed one.
    boxes.clear();
    TPrintCommands unwritable(*page, std::make_unique<TPdfDevice>(dir_.filePath(QStringLiteral("no/such/folder.pdf"))));
    unwritable.ReportPrinter1().SetShowStatus(false);
    unwritable.Print();
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("The print job could not be completed."));
}

namespace {
QString pdfPageText(const QString& pdf, int page)
{
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                                 QString::number(page), QStringLiteral("-layout"), pdf,
                                                 QStringLiteral("-")});
}

// The words of each line of the edited text, as the editor lays it out.
QStringList editorLines(QTextDocument& document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; layout && i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.append(block.text().mid(line.textStart(), line.textLength()).simplified());
        }
    }
    return lines;
}

// The words inside an area of the first sheet, one string per line.
QStringList printedLines(const PdfPage& pdf, const QRectF& area)
{
    QList<Word> inside;
    for (const Word& w : pdf.words)
        if (area.contains(w.centre()))
            inside.append(w);
    std::sort(inside.begin(), inside.end(), [](const Word& a, const Word& b) {
        if (std::abs(a.box.top() - b.box.top()) > 0.02)
            return a.box.top() < b.box.top();
        return a.box.left() < b.box.left();
    });
    QStringList lines;
    double lineTop = -1;
    for (const Word& w : inside) {
        if (lines.isEmpty() || std::abs(w.box.top() - lineTop) > 0.02) {
            lines.append(w.text);
            lineTop = w.box.top();
        } else {
            lines.last() += QLatin1Char(' ') + w.text;
        }
    }
    return lines;
}

// Bands of rows with dark ink inside the rectangle of a page image.
int inkBands(const QImage& image, const QRect& area)
{
    int bands = 0;
    bool inBand = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool ink = false;
        for (int x = area.left(); x <= area.right() && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 100;
        if (ink && !inBand)
            ++bands;
        inBand = ink;
    }
    return bands;
}
} // namespace

// A year in one command: one sheet per month, each with its own title; cell
// texts only on the document's own month.
TEST_F(PrintPdf, AYearPrintsOneSheetPerMonth)
{
    const QString year = dir_.filePath(QStringLiteral("2027.pdf"));
    int exitCode = -1;
    QString output = runTool(tool_, {QStringLiteral("print"), QStringLiteral("--layout"), QStringLiteral("1"),
                                     QStringLiteral("--year"), QStringLiteral("2027"), QStringLiteral("--months"),
                                     QStringLiteral("1-12"), QStringLiteral("-o"), year},
                             &exitCode);
    ASSERT_EQ(exitCode, 0) << output.toStdString();
    EXPECT_EQ(readPdf(year).pages, 12);
    for (int month = 1; month <= 12; ++month) {
        const QString text = pdfPageText(year, month);
        const QString title = QLocale(QLocale::English).monthName(month) + QStringLiteral(" 2027");
        EXPECT_TRUE(text.contains(title)) << title.toStdString();
    }

    // From the document's month on.
    const QString document = dir_.filePath(QStringLiteral("dec.QXF"));
    makeDocument(Designs[0], document);
    const QString months = dir_.filePath(QStringLiteral("months.pdf"));
    output = runTool(tool_, {QStringLiteral("print"), document, QStringLiteral("--months"), QStringLiteral("1-3"),
                             QStringLiteral("-o"), months},
                     &exitCode);
    ASSERT_EQ(exitCode, 0) << output.toStdString();
    EXPECT_EQ(readPdf(months).pages, 3);
    EXPECT_TRUE(pdfPageText(months, 1).contains(QLatin1String("December 1997")));
    EXPECT_TRUE(pdfPageText(months, 1).contains(QLatin1String("Dentist")));
    EXPECT_TRUE(pdfPageText(months, 3).contains(QLatin1String("February 1998")));
    EXPECT_FALSE(pdfPageText(months, 2).contains(QLatin1String("Dentist")));
    EXPECT_FALSE(pdfPageText(months, 3).contains(QLatin1String("Dentist")));

    // In the look of a style sheet (its French names).
    output = runTool(tool_, {QStringLiteral("print"), document, QStringLiteral("--months"), QStringLiteral("2"),
                             QStringLiteral("--style"), DataPath(QStringLiteral("documents/Sample.QXS")),
                             QStringLiteral("-o"), months},
                     &exitCode);
    ASSERT_EQ(exitCode, 0) << output.toStdString();
    EXPECT_EQ(readPdf(months).pages, 1);
    EXPECT_TRUE(pdfPageText(months, 1).contains(QLatin1String("Janvier"))) << pdfPageText(months, 1).toStdString();

    output = runTool(tool_, {QStringLiteral("print"), QStringLiteral("--months"), QStringLiteral("3-1"),
                             QStringLiteral("-o"), months},
                     &exitCode);
    EXPECT_EQ(exitCode, 2) << output.toStdString();
}

// "Export as PDF..." with no printer set up: the printed page in a file,
// texts where the layout puts them. A typed cell keeps its lines in the
// editor, on the screen and on paper.
TEST_F(MainWindowTest, ExportAsPdfWritesThePrintedPage)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TCalendarMain& window = start([](TCalendarMain& w) { TPrintCommands::Install(w)->ReportPrinter1().SetShowStatus(false); });
    newCalendar(window, 0, false, 2027, 3);
    // The PDF output counts as a printer: printing is on without any queue.
    EXPECT_TRUE(item(window, "mnuPrintCalendar")->isEnabled());
    EXPECT_TRUE(item(window, "mnuPrintSetup")->isEnabled());
    EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.lastText().toStdString();

    TCalendarPanel32& page = *window.CalendarPanel();
    const int cell = page.FindCellByDay(10);
    ASSERT_GT(cell, 0);
    clickCell(window, cell);
    typeIntoEditor(window, QStringLiteral("Mum's birthday party at the lake house with cake and friends"));
    QTextDocument* edited = window.CellEditor()->EditDocument();
    const QStringList typed = editorLines(*edited);
    ASSERT_GE(typed.size(), 2);
    // Nothing of the text is scrolled out of sight.
    EXPECT_EQ(window.CellEditor()->horizontalScrollBar()->value(), 0);

    nextSave = programFile(QStringLiteral("March.pdf"));
    WhenModal<TExportPdfDialog>([](TExportPdfDialog& dialog) { dialog.accept(); });
    choose(window, "mnuExportPdf");
    ASSERT_EQ(saveTitles.value(0), QStringLiteral("Export as PDF"));
    EXPECT_TRUE(proposedPaths.value(0).endsWith(QLatin1String("/Mar2027.pdf"))) << proposedPaths.value(0).toStdString();
    ASSERT_TRUE(QFileInfo(nextSave).isFile());
    EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.lastText().toStdString();

    // At 100 % for the page's geometry; the screen shows it at its zoom.
    const float zoom = page.ZoomFactor();
    page.SetZoom(1.0f);
    page.DrawPage();
    const PdfPage pdf = readPdf(nextSave);
    EXPECT_EQ(pdf.pages, 1);
    const QList<Word> titles = wordsNamed(pdf, QStringLiteral("March"));
    ASSERT_EQ(titles.size(), 1);
    EXPECT_TRUE(inches(page.MainCalRect()).contains(titles.first().centre()));
    const QRectF textArea = inches(page.MainDrawParams().Cell(cell).TextRect).adjusted(-Tolerance, -Tolerance,
                                                                                         Tolerance, Tolerance);
    EXPECT_EQ(printedLines(pdf, textArea), typed);

    page.SetZoom(zoom);
    const QImage& screen = page.DrawPage();
    EXPECT_EQ(inkBands(screen, page.MainDrawParams().Cell(cell).TextRect.ToQRect()), typed.size());

    // "Export as Image...": the printed sheet at the chosen resolution.
    nextSave = programFile(QStringLiteral("March.png"));
    WhenModal<TExportImageDialog>([](TExportImageDialog& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("Resolution"))->setValue(50);
        dialog.accept();
    });
    choose(window, "mnuExportImage");
    const QImage sheet(nextSave);
    EXPECT_EQ(sheet.size(), QSize(425, 550)) << "Letter at 50 dots per inch";
    EXPECT_GT(sheet.width() * sheet.height() - CountPixels(sheet, sheet.rect(), Qt::white), 2000) << "ink on it";
}
