// The page on the print engine's surface: texts where the page puts them,
// what is filled and what is not, cell texts as vector pictures, a real PDF.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "RenderTestSupport.h"
#include "objects/GGraphicControl.h"
#include "print/FakePrintDevice.h"
#include "print/PdfDevice.h"
#include "print/ReportPrinter.h"
#include "richtext/WPRtfText.h"

using namespace vellumy::test;

namespace {

constexpr int Dpi = 300;
constexpr TColor Yellow = 0x0000FFFF;

TRecordedSheet printOnce(TCalendarPanel32& page, double x = 0, double y = 0)
{
    auto device = std::make_unique<TFakePrintDevice>(Dpi);
    TFakePrintDevice* fake = device.get();
    TReportPrinter report(std::move(device));
    report.SetShowStatus(false);
    report.OnPrint = [&](TReportPrinter& r) { page.PrintPage(r, x, y); };
    EXPECT_TRUE(report.Execute());
    EXPECT_EQ(fake->Sheets().size(), 1);
    return fake->Sheets().value(0);
}

QList<TRecordedOp> textOps(const TRecordedSheet& sheet, const QString& text)
{
    QList<TRecordedOp> found;
    for (const TRecordedOp& op : sheet.ops)
        if (op.kind == TRecordedOp::Text && op.text == text)
            found.append(op);
    return found;
}

double dots(int screenPixels)
{
    return screenPixels * double(Dpi) / 96.0;
}

// Records the order in which page objects print and the offsets they get.
class PrintProbe : public TGGraphicControl {
public:
    PrintProbe(QWidget* parent, QString name, QStringList& log) : TGGraphicControl(nullptr, parent), log_(log)
    {
        SetName(name);
    }
    void PrintTo(TReportPrinter&, double x, double y) override
    {
        log_.append(QStringLiteral("%1@%2,%3").arg(Name()).arg(x).arg(y));
    }

private:
    QStringList& log_;
};

TWPRtfText meeting()
{
    return TWPRtfText(QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Meeting\\par}"));
}

} // namespace

TEST(PrintPage, TextsLandWhereThePageDrawsThem)
{
    auto page = JanuaryPage();
    const PixelRect main = page->MainCalRect();
    const TRecordedSheet sheet = printOnce(*page);
    const int qLeft = qRound(dots(main.left)), qRight = qRound(dots(main.right)) - 1;
    const double cw = (qRight - qLeft) / 7;

    const QList<TRecordedOp> title = textOps(sheet, QStringLiteral("January 1997"));
    ASSERT_EQ(title.size(), 1);
    EXPECT_NEAR(title[0].bounds.center().x(), (qLeft + qRight) / 2, 4);
    EXPECT_GT(title[0].bounds.top(), dots(main.top));
    EXPECT_LT(title[0].bounds.bottom(), dots(main.top) + 1.6 * Dpi);

    const QStringList days = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    double headerBottom = 0;
    for (int c = 0; c < 7; ++c) {
        const QList<TRecordedOp> name = textOps(sheet, days[c]);
        ASSERT_EQ(name.size(), 1) << days[c].toStdString();
        EXPECT_NEAR(name[0].bounds.center().x(), qLeft + c * cw + cw / 2, 4) << c;
        headerBottom = qMax(headerBottom, name[0].bounds.bottom());
    }

    // Upper-right numbers: 0.05 inch inside the cell's right edge, at its top.
    const QList<TRecordedOp> first = textOps(sheet, QStringLiteral("1"));
    ASSERT_EQ(first.size(), 1);
    const double cellRight = qLeft + 3 * cw + 1 + cw - 2 - 5;
    EXPECT_NEAR(first[0].bounds.right(), cellRight - 0.05 * Dpi, 2);
    EXPECT_GT(first[0].bounds.top(), headerBottom);
    EXPECT_EQ(textOps(sheet, QStringLiteral("31")).size(), 1);
    EXPECT_TRUE(textOps(sheet, QStringLiteral("32")).isEmpty());

    // The cell records now hold printer dots, until the next screen drawing.
    EXPECT_NEAR(page->MainDrawParams().Rect.left, dots(main.left), 1);
    EXPECT_NEAR(page->MainDrawParams().Cell(4).CellRect.right, cellRight, 1);
    page->DrawPage();
    EXPECT_EQ(page->MainDrawParams().Rect, main);

    // Offsets move everything by whole inches.
    const TRecordedSheet moved = printOnce(*page, 0.5, 0.25);
    EXPECT_NEAR(textOps(moved, QStringLiteral("January 1997"))[0].bounds.left(), title[0].bounds.left() + 150, 1);
    EXPECT_NEAR(textOps(moved, QStringLiteral("January 1997"))[0].bounds.top(), title[0].bounds.top() + 75, 1);
}

TEST(PrintPage, WhiteTitleBandIsNotPrintedColouredIs)
{
    auto page = JanuaryPage();
    const PixelRect main = page->MainCalRect();
    const auto bandFills = [&](const TRecordedSheet& sheet, QColor colour) {
        int count = 0;
        for (const TRecordedOp& op : sheet.ops)
            if (op.kind == TRecordedOp::Rectangle && op.brush.style() != Qt::NoBrush && op.brush.color() == colour
                && op.bounds.width() > dots(main.Width()) * 0.9 && op.bounds.height() < dots(main.Height()) * 0.3)
                ++count;
        return count;
    };
    EXPECT_EQ(bandFills(printOnce(*page), Qt::white), 1);   // the header row only
    page->SetTitleBGColor(Yellow);
    const TRecordedSheet yellow = printOnce(*page);
    EXPECT_EQ(bandFills(yellow, QColor(255, 255, 0)), 1);
    EXPECT_EQ(bandFills(yellow, Qt::white), 1);
}

TEST(PrintPage, CellTextsPrintAsVectorTextInTheirRectangles)
{
    auto page = JanuaryPage();
    page->SetCellText(10, meeting());
    const TRecordedSheet sheet = printOnce(*page);
    const QList<TRecordedOp> text = textOps(sheet, QStringLiteral("Meeting"));
    ASSERT_EQ(text.size(), 1);
    const PixelRect rect = page->MainDrawParams().Cell(10).TextRect;
    EXPECT_TRUE(rect.ToQRect().adjusted(-1, -1, 1, 1).contains(text[0].bounds.toAlignedRect()))
        << text[0].bounds.x() << "," << text[0].bounds.y();
    // About 10 points on paper.
    EXPECT_NEAR(text[0].bounds.height(), 10.0 / 72 * Dpi * 1.15, 0.25 * 10.0 / 72 * Dpi);
    // Empty cells print nothing; no bitmap stands in for text.
    EXPECT_EQ(sheet.Count(TRecordedOp::Image), 0);

    // The screen's zoom does not change the printed page.
    page->SetZoom(0.6f);
    page->DrawPage();
    const TRecordedSheet zoomed = printOnce(*page);
    ASSERT_EQ(textOps(zoomed, QStringLiteral("Meeting")).size(), 1);
    EXPECT_EQ(textOps(zoomed, QStringLiteral("Meeting"))[0].bounds, text[0].bounds);
    EXPECT_EQ(zoomed.Texts(), sheet.Texts());
}

TEST(PrintPage, PlannersMinisAndPageObjectsInChildOrder)
{
    auto page = JanuaryPage();
    QStringList printed;
    new PrintProbe(page.get(), QStringLiteral("Lower"), printed);
    new PrintProbe(page.get(), QStringLiteral("Upper"), printed);
    page->SetCalendarLayout(loFCMinisInTitle);
    TRecordedSheet sheet = printOnce(*page, 0.25, 0);
    EXPECT_EQ(printed, (QStringList{"Lower@0.25,0", "Upper@0.25,0"}));
    EXPECT_EQ(textOps(sheet, QStringLiteral("December 1996")).size(), 1);
    EXPECT_EQ(textOps(sheet, QStringLiteral("February 1997")).size(), 1);

    page->SetCalendarLayout(loWeek);
    page->SetMainCalDay(5);
    sheet = printOnce(*page);
    EXPECT_EQ(textOps(sheet, QStringLiteral("January 5-11, 1997")).size(), 1);
    EXPECT_EQ(textOps(sheet, QStringLiteral("Notes")).size(), 1);
    EXPECT_EQ(textOps(sheet, QStringLiteral("5 Jan")).size(), 1);
    EXPECT_EQ(page->MainDrawParams().Cell(1).DayNumber, 5);

    page->SetCalendarLayout(loDay15);
    sheet = printOnce(*page);
    EXPECT_EQ(textOps(sheet, QStringLiteral("8:00 AM")).size(), 1);
    EXPECT_EQ(textOps(sheet, QStringLiteral("10:00 PM")).size(), 1);
}

TEST(PrintPage, ARealPdfCarriesTheTexts)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    auto page = JanuaryPage();
    page->SetCalendarLayout(loFCMinisInTitle);
    page->SetTitleBGColor(Yellow);
    page->SetCellText(20, meeting());
    {
        TReportPrinter report(std::make_unique<TPdfDevice>(file));
        report.SetShowStatus(false);
        report.OnPrint = [&](TReportPrinter& r) { page->PrintPage(r, 0, 0); };
        ASSERT_TRUE(report.Execute());
    }
    const QString inspection = qEnvironmentVariable("VELLUMY_TEST_OUTPUT");
    if (!inspection.isEmpty())
        QFile::copy(file, inspection + QStringLiteral("/printed-page.pdf"));
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* expected : {"January 1997", "Sun", "Wed", "Sat", "15", "31", "Meeting"})
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected << "\n" << text.toStdString();
}
