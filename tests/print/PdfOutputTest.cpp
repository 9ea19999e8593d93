// PDF output checked with poppler: words land where they were put, the sheet
// origin is the paper's corner, and recorded drawings fill their rectangle.
#include <QDir>
#include <QFile>
#include <QPicture>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

#include "PdfProbe.h"
#include "TestSupport.h"
#include "persist/Font.h"
#include "print/PdfDevice.h"
#include "print/PrinterDevice.h"
#include "print/ReportPrinter.h"

namespace {

constexpr double Tolerance = 0.02; // inches

// A frame at the half-inch margins, two rules and words at known places.
void DrawTestSheet(TReportPrinter& report)
{
    report.SetPen(TColors::clBlack, Qt::SolidLine, 1);
    report.ClearBrush();
    report.Rectangle(0.5, 0.5, 8.0, 10.5);
    report.Line(1.0, 3.0, 7.5, 3.0);
    report.Line(4.25, 3.5, 4.25, 9.5);
    report.SetFont(QStringLiteral("Arial"), 12);
    report.TextOut(1.0, 1.0, QStringLiteral("Topleft"));
    report.TextOutBaseline(2.0, 2.0, QStringLiteral("Baseline"));
    report.SetFont(QStringLiteral("Times New Roman"), 24, TFont::fsBold);
    report.TextCentered(report.InchRect(1.0, 4.0, 7.5, 5.0), QStringLiteral("Centred"));
    report.SetFont(QStringLiteral("Arial"), 10);
    report.TextRightAtTop(report.InchRect(5.0, 6.0, 7.0, 7.0), QStringLiteral("Right"), 0.05);
}

bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// Dark pixels in column x between the rows (inclusive).
int DarkInColumn(const QImage& image, int x, int y1, int y2)
{
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        n += IsDark(image.pixel(x, y)) ? 1 : 0;
    return n;
}
int DarkInRow(const QImage& image, int y, int x1, int x2)
{
    int n = 0;
    for (int x = x1; x <= x2; ++x)
        n += IsDark(image.pixel(x, y)) ? 1 : 0;
    return n;
}

void ExpectWordsWhereDrawn(const QString& pdf, TReportPrinter& measure)
{
    const QList<pdfprobe::Word> words = pdfprobe::Words(pdf);
    ASSERT_FALSE(words.isEmpty()) << "no text in " << pdf.toStdString();

    const pdfprobe::Word topLeft = pdfprobe::Find(words, QStringLiteral("Topleft"));
    EXPECT_NEAR(topLeft.box.left(), 1.0, Tolerance);
    EXPECT_NEAR(topLeft.box.top(), 1.0, Tolerance);

    // A word's box reaches from the font's ascent to its descent: the baseline
    // lies between, nearer the bottom.
    const pdfprobe::Word baseline = pdfprobe::Find(words, QStringLiteral("Baseline"));
    EXPECT_NEAR(baseline.box.left(), 2.0, Tolerance);
    EXPECT_LT(baseline.box.top(), 2.0);
    EXPECT_GT(baseline.box.bottom(), 2.0);
    EXPECT_NEAR(baseline.box.bottom() - 2.0, 12 * 0.212 / 72, Tolerance); // Arial's descent

    measure.SetFont(QStringLiteral("Times New Roman"), 24, TFont::fsBold);
    const double width = measure.TextWidth(QStringLiteral("Centred"));
    const pdfprobe::Word centred = pdfprobe::Find(words, QStringLiteral("Centred"));
    EXPECT_NEAR(centred.box.left(), 1.0 + (6.5 - width) / 2, Tolerance);
    EXPECT_NEAR(centred.box.right(), 1.0 + (6.5 + width) / 2, Tolerance);
    EXPECT_NEAR(centred.box.top(), 4.0 + (1.0 - 1.4 * 24 / 72.0) / 2, Tolerance);

    const pdfprobe::Word right = pdfprobe::Find(words, QStringLiteral("Right"));
    EXPECT_NEAR(right.box.right(), 7.0 - 0.05, Tolerance);
    EXPECT_NEAR(right.box.top(), 6.0, Tolerance);
}

void ExpectFrameWhereDrawn(const QImage& page)
{
    ASSERT_EQ(page.size(), QSize(850, 1100)); // Letter at 100 dpi
    // The frame's left edge runs down x = 50 (0.5 in), its top along y = 50.
    const int column = qMax(DarkInColumn(page, 49, 60, 1040), DarkInColumn(page, 50, 60, 1040));
    EXPECT_GT(column, 950);
    const int row = qMax(DarkInRow(page, 49, 60, 790), DarkInRow(page, 50, 60, 790));
    EXPECT_GT(row, 700);
    // Nothing a few pixels off the edge: the frame is not shifted.
    EXPECT_EQ(DarkInColumn(page, 46, 60, 1040), 0);
    EXPECT_EQ(DarkInColumn(page, 54, 60, 290), 0);
    // The vertical rule at 4.25 in from 3.5 to 9.5 in.
    EXPECT_GT(qMax(DarkInColumn(page, 424, 360, 940), DarkInColumn(page, 425, 360, 940)), 570);
    EXPECT_EQ(DarkInColumn(page, 425, 310, 340), 0);
}

} // namespace

TEST(PdfOutput, TextAndLinesLandWhereTheyWereDrawnOnLetterPaper)
{
    if (!pdfprobe::Available())
        GTEST_SKIP() << "poppler-utils (pdftotext, pdftoppm) not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    TReportPrinter report(std::make_unique<TPdfDevice>(pdf, QPageSize(QPageSize::Letter), 300));
    report.SetShowStatus(false);
    report.OnPrint = DrawTestSheet;
    ASSERT_TRUE(report.Execute());
    EXPECT_DOUBLE_EQ(report.PaperWidth(), 8.5);
    EXPECT_DOUBLE_EQ(report.PaperHeight(), 11.0);

    ExpectWordsWhereDrawn(pdf, report);
    const QImage page = pdfprobe::Render(pdf, 1, 100);
    vellumy::test::SaveForInspection(page, QStringLiteral("print-letter-sheet.png"));
    ExpectFrameWhereDrawn(page);
}

TEST(PdfOutput, PrinterToFileUsesThePaperCornerAsOrigin)
{
    if (!pdfprobe::Available())
        GTEST_SKIP() << "poppler-utils (pdftotext, pdftoppm) not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printer.pdf"));
    auto device = std::make_unique<TPrinterDevice>();
    device->Printer().setOutputFormat(QPrinter::PdfFormat);
    device->Printer().setOutputFileName(pdf);
    device->Printer().setPageSize(QPageSize(QPageSize::Letter));
    // Margins a dialog might leave behind must not move the origin.
    device->Printer().setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    TReportPrinter report(std::move(device));
    report.SetShowStatus(false);
    ASSERT_TRUE(report.Device().CanPrint());
    report.OnPrint = DrawTestSheet;
    ASSERT_TRUE(report.Execute());

    ExpectWordsWhereDrawn(pdf, report);
    ExpectFrameWhereDrawn(pdfprobe::Render(pdf, 1, 100));
}

TEST(PdfOutput, RecordedDrawingFillsItsRectangleAndKeepsItsText)
{
    if (!pdfprobe::Available())
        GTEST_SKIP() << "poppler-utils (pdftotext, pdftoppm) not installed";
    // A drawing recorded in screen pixels: a filled 200 x 100 box with a word.
    QPicture picture;
    {
        QPainter p(&picture);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRect(0, 0, 200, 100);
        p.setPen(Qt::white);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(20);
        p.setFont(font);
        p.drawText(20, 60, QStringLiteral("Inside"));
    }
    picture.setBoundingRect(QRect(0, 0, 200, 100));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("picture.pdf"));
    TReportPrinter report(std::make_unique<TPdfDevice>(pdf, QPageSize(QPageSize::Letter), 300));
    report.SetShowStatus(false);
    report.OnPrint = [&](TReportPrinter& r) { r.StretchPicture(1.0, 2.0, 5.0, 3.0, picture); };
    ASSERT_TRUE(report.Execute());

    const QImage page = pdfprobe::Render(pdf, 1, 100);
    vellumy::test::SaveForInspection(page, QStringLiteral("print-stretched-picture.png"));
    // Stretched 2x horizontally, 1x vertically: x 100..500, y 200..300.
    EXPECT_TRUE(IsDark(page.pixel(102, 202)));
    EXPECT_TRUE(IsDark(page.pixel(497, 297)));
    EXPECT_FALSE(IsDark(page.pixel(96, 250)));
    EXPECT_FALSE(IsDark(page.pixel(504, 250)));
    EXPECT_FALSE(IsDark(page.pixel(300, 196)));
    EXPECT_FALSE(IsDark(page.pixel(300, 304)));

    const pdfprobe::Word inside = pdfprobe::Find(pdfprobe::Words(pdf), QStringLiteral("Inside"));
    EXPECT_NEAR(inside.box.left(), 1.0 + 20 * 2 / 100.0, Tolerance);
    EXPECT_GT(inside.box.top(), 2.0);
    EXPECT_LT(inside.box.bottom(), 3.0);
}

TEST(PdfOutput, LandscapeSheetsAndNewPagesReachTheFile)
{
    if (!pdfprobe::Available())
        GTEST_SKIP() << "poppler-utils (pdftotext, pdftoppm) not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("landscape.pdf"));
    TReportPrinter report(std::make_unique<TPdfDevice>(pdf, QPageSize(QPageSize::A4), 300));
    report.SetShowStatus(false);
    report.SetOrientation(poLandscape);
    report.OnPrint = [](TReportPrinter& r) {
        r.SetFont(QStringLiteral("Arial"), 20);
        r.TextOut(10.5, 7.5, QStringLiteral("First"));
        r.NewPage();
        r.TextOut(10.5, 7.5, QStringLiteral("Second"));
    };
    ASSERT_TRUE(report.Execute());
    EXPECT_EQ(pdfprobe::PageCount(pdf), 2);
    // A4 across: 11.69 x 8.27 inches; the words sit near the far corner.
    const pdfprobe::Word second = pdfprobe::Find(pdfprobe::Words(pdf, 2), QStringLiteral("Second"));
    EXPECT_NEAR(second.box.left(), 10.5, Tolerance);
    EXPECT_NEAR(second.box.top(), 7.5, Tolerance);
    const QImage first = pdfprobe::Render(pdf, 1, 50);
    EXPECT_EQ(first.width(), 585);
    EXPECT_NEAR(first.height(), 413, 1);
}

TEST(PdfOutput, AFileThatCannotBeWrittenFailsTheJob)
{
    QTemporaryDir dir;
    TReportPrinter report(std::make_unique<TPdfDevice>(dir.filePath(QStringLiteral("missing/folder/x.pdf"))));
    report.SetShowStatus(false);
    bool printed = false;
    report.OnPrint = [&](TReportPrinter&) { printed = true; };
    EXPECT_FALSE(report.Execute());
    EXPECT_FALSE(printed);
    EXPECT_FALSE(report.Printing());
}

TEST(PdfOutput, AFailedJobLeavesTheFileThatWasThereAndAFinishedOneReplacesIt)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("calendar.pdf"));
    {
        QFile earlier(pdf);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("the calendar printed last year");
    }
    auto readAll = [&] {
        QFile file(pdf);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    TReportPrinter report(std::make_unique<TPdfDevice>(pdf));
    report.SetShowStatus(false);
    report.OnPrint = [](TReportPrinter& r) {
        r.SetFont(QStringLiteral("Arial"), 20);
        r.TextOut(1.0, 1.0, QStringLiteral("Half"));
        throw std::runtime_error("the drawing failed");
    };
    EXPECT_THROW(report.Execute(), std::runtime_error);
    EXPECT_EQ(readAll(), QByteArray("the calendar printed last year"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("calendar.pdf")});

    report.OnPrint = [](TReportPrinter& r) { r.TextOut(1.0, 1.0, QStringLiteral("Whole")); };
    ASSERT_TRUE(report.Execute());
    EXPECT_TRUE(readAll().startsWith("%PDF-")) << readAll().left(200).toStdString();
}
