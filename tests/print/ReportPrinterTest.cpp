// The report surface on the recording device: inch positions in device dots,
// the shorten-until-it-fits rule, the job's steps and copies bookkeeping.
#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPicture>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

#include "TestSupport.h"
#include "persist/Font.h"
#include "print/FakePrintDevice.h"
#include "print/PrintStatusDialog.h"
#include "print/PrinterDevice.h"
#include "print/ReportPrinter.h"

namespace {

struct FakeJob {
    explicit FakeJob(int dpi = 300)
    {
        auto owned = std::make_unique<TFakePrintDevice>(dpi);
        device = owned.get();
        report = std::make_unique<TReportPrinter>(std::move(owned));
        report->SetShowStatus(false);
    }
    const TRecordedSheet& sheet(int i = 0) const { return device->Sheets().at(i); }

    TFakePrintDevice* device;
    std::unique_ptr<TReportPrinter> report;
};

const TRecordedOp* FirstOp(const TRecordedSheet& sheet, TRecordedOp::Kind kind)
{
    for (const TRecordedOp& op : sheet.ops) {
        if (op.kind == kind)
            return &op;
    }
    return nullptr;
}

} // namespace

TEST(ReportPrinter, InchesBecomeDeviceDotsAt300And600Dpi)
{
    for (const int dpi : {300, 600}) {
        SCOPED_TRACE(dpi);
        FakeJob job(dpi);
        TReportPrinter& r = *job.report;
        EXPECT_EQ(r.XDPI(), dpi);
        EXPECT_EQ(r.XI(1.0), dpi);
        EXPECT_EQ(r.YI(2.25), dpi * 9 / 4);
        EXPECT_EQ(r.XI(1.0 / 3), dpi / 3);
        EXPECT_EQ(r.InchRect(0.5, 1.0, 8.0, 10.5), QRect(dpi / 2, dpi, dpi * 15 / 2, dpi * 19 / 2));
        EXPECT_DOUBLE_EQ(r.XU(dpi * 1.5), 1.5);

        r.OnPrint = [](TReportPrinter& p) {
            p.SetPen(TColors::clBlack);
            p.SetBrush(TColors::clWhite);
            p.Rectangle(1.0, 1.0, 2.0, 3.0);
            p.Line(0.5, 4.0, 8.0, 4.0);
            p.SetFont(QStringLiteral("Arial"), 12);
            p.TextOut(1.0, 5.0, QStringLiteral("Hello"));
            QImage image(10, 10, QImage::Format_RGB32);
            image.fill(Qt::red);
            p.StretchDraw(6.0, 1.0, 7.5, 2.0, image);
        };
        ASSERT_TRUE(r.Execute());
        ASSERT_EQ(job.device->Sheets().size(), 1);
        const TRecordedSheet& sheet = job.sheet();
        ASSERT_NE(FirstOp(sheet, TRecordedOp::Rectangle), nullptr);
        EXPECT_EQ(FirstOp(sheet, TRecordedOp::Rectangle)->bounds, QRectF(dpi, dpi, dpi, 2 * dpi));
        ASSERT_NE(FirstOp(sheet, TRecordedOp::Line), nullptr);
        EXPECT_EQ(FirstOp(sheet, TRecordedOp::Line)->line, QLineF(dpi / 2.0, 4 * dpi, 8 * dpi, 4 * dpi));
        const TRecordedOp* text = FirstOp(sheet, TRecordedOp::Text);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text, QStringLiteral("Hello"));
        EXPECT_NEAR(text->bounds.left(), dpi, 0.01);
        EXPECT_NEAR(text->bounds.top(), 5 * dpi, 0.01);
        // A 12-point font is 12/72 inch of the device, whatever its resolution.
        EXPECT_EQ(text->font.pixelSize(), dpi / 6);
        const TRecordedOp* image = FirstOp(sheet, TRecordedOp::Image);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->bounds, QRectF(6 * dpi, dpi, 1.5 * dpi, dpi));
        EXPECT_EQ(image->imageSize, QSize(10, 10));
    }
}

TEST(ReportPrinter, TextsWiderThanTheirRectangleLoseCharactersFromTheEnd)
{
    FakeJob job;
    TReportPrinter& r = *job.report;
    r.SetFont(QStringLiteral("Arial"), 10);
    const QString text = QStringLiteral("Wednesday");
    const double full = r.TextWidth(text);
    EXPECT_EQ(r.FitText(text, full), text);
    EXPECT_EQ(r.FitText(text, full + 1), text);

    // Just narrower than each prefix: the next shorter prefix remains.
    for (int n = 1; n < text.size(); ++n) {
        const QString prefix = text.left(n);
        const double width = r.TextWidth(prefix);
        EXPECT_EQ(r.FitText(text, width), prefix);
        EXPECT_EQ(r.FitText(text, width - 0.0001), text.left(n - 1));
    }
    EXPECT_EQ(r.FitText(text, 0), QString());
    EXPECT_EQ(r.FitText(QString(), 1.0), QString());
    // A character outside the basic plane goes as a whole.
    const QString clef = QStringLiteral("a") + QString::fromUcs4(U"\U0001D11E");
    EXPECT_EQ(r.FitText(clef, r.TextWidth(QStringLiteral("a")) + 0.0001), QStringLiteral("a"));

    // The placing helpers print what fits.
    r.OnPrint = [&](TReportPrinter& p) {
        const double narrow = p.TextWidth(QStringLiteral("Wed")) + 0.001;
        const QRectF cell(300, 300, narrow * 300, 200);
        p.TextCentered(cell, text);
        p.TextCenteredAtTop(cell, text);
        p.TextLeftAtTop(cell, text);
        p.TextRightAtTop(QRectF(300, 300, (narrow + 0.05) * 300, 200), text, 0.05);
    };
    ASSERT_TRUE(r.Execute());
    EXPECT_EQ(job.sheet().Texts(), QStringList(4, QStringLiteral("Wed")));
}

TEST(ReportPrinter, PlacingHelpersAlignInTheirRectangle)
{
    FakeJob job;
    TReportPrinter& r = *job.report;
    r.SetFont(QStringLiteral("Arial"), 18);
    const QRectF box(600, 900, 900, 300); // 2 x 3 inches at 300 dpi, 1 inch high
    double width = 0;
    double ascent = 0;
    r.OnPrint = [&](TReportPrinter& p) {
        width = p.TextWidthDots(QStringLiteral("May"));
        ascent = p.AscentDots();
        p.TextCentered(box, QStringLiteral("May"));
        p.TextCenteredAtTop(box, QStringLiteral("May"));
        p.TextRightAtTop(box, QStringLiteral("May"), 0.05);
    };
    ASSERT_TRUE(r.Execute());
    const QList<TRecordedOp>& ops = job.sheet().ops;
    ASSERT_EQ(ops.size(), 3);
    const double lineHeight = 18 / 72.0 * 300;
    EXPECT_NEAR(ops[0].bounds.left(), 600 + (900 - width) / 2, 0.01);
    EXPECT_NEAR(ops[0].bounds.top(), 900 + (300 - 1.4 * lineHeight) / 2, 0.01);
    EXPECT_NEAR(ops[1].bounds.top(), 900, 0.01);
    EXPECT_NEAR(ops[1].bounds.left(), ops[0].bounds.left(), 0.01);
    EXPECT_NEAR(ops[2].bounds.right(), 1500 - 15, 0.01);
    EXPECT_NEAR(ops[2].bounds.top(), 900, 0.01);
    EXPECT_GT(ascent, 0);

    // Line height and spacing together are the font's line pitch.
    EXPECT_DOUBLE_EQ(r.LineHeight(), 0.25);
    EXPECT_GT(r.LineSpacing(), 0);
    EXPECT_LT(r.LineSpacing(), r.LineHeight());
}

TEST(ReportPrinter, JobRunsEventsOnceAndCountsSheetsAndCopies)
{
    FakeJob job;
    TReportPrinter& r = *job.report;
    r.SetShowStatus(true);
    QStringList steps;
    QStringList statusTexts;
    QStringList windowTexts;
    r.OnBeforePrint = [&](TReportPrinter& p) {
        steps << QStringLiteral("before");
        EXPECT_TRUE(p.Printing());
    };
    r.OnPrint = [&](TReportPrinter& p) {
        steps << QStringLiteral("print");
        for (int copy = 1; copy <= 3; ++copy) {
            statusTexts << p.StatusText();
            const auto windows = QApplication::topLevelWidgets();
            for (QWidget* w : windows) {
                if (auto* status = qobject_cast<TPrintStatusDialog*>(w); status && status->isVisible())
                    windowTexts << status->StatusText();
            }
            p.SetFont(QStringLiteral("Arial"), 10);
            p.TextOut(1, 1, QStringLiteral("Copy %1").arg(copy));
            if (copy < 3)
                p.NewPage();
        }
    };
    r.SetCopies(3);
    r.SetOrientation(poLandscape);
    ASSERT_TRUE(r.Execute());

    EXPECT_EQ(steps, QStringList({QStringLiteral("before"), QStringLiteral("print")}));
    EXPECT_EQ(job.device->jobTitle, QStringLiteral("ReportPrinter Report"));
    EXPECT_EQ(job.device->jobsBegun, 1);
    EXPECT_EQ(job.device->jobsEnded, 1);
    EXPECT_EQ(job.device->jobCopies, 3);
    EXPECT_EQ(job.device->jobOrientation, poLandscape);
    EXPECT_DOUBLE_EQ(r.PaperWidth(), 11.0);
    ASSERT_EQ(job.device->Sheets().size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(job.sheet(i).Texts(), QStringList(QStringLiteral("Copy %1").arg(i + 1)));
    const QStringList pages = {QStringLiteral("Printing page 1"), QStringLiteral("Printing page 2"),
                               QStringLiteral("Printing page 3")};
    EXPECT_EQ(statusTexts, pages);
    EXPECT_EQ(windowTexts, pages);
    // After the job: idle, the status window gone.
    EXPECT_FALSE(r.Printing());
    EXPECT_EQ(r.StatusText(), QString());
    EXPECT_FALSE(r.NewPage());
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TPrintStatusDialog*>(w), nullptr);
}

TEST(ReportPrinter, NoPrinterShowsTheMessageAndRunsNothing)
{
    vellumy::test::MessageBoxScript boxes;
    FakeJob job;
    job.device->printers.clear();
    job.device->defaultPrinter.clear();
    bool ran = false;
    job.report->OnBeforePrint = [&](TReportPrinter&) { ran = true; };
    job.report->OnPrint = [&](TReportPrinter&) { ran = true; };
    EXPECT_FALSE(job.report->Execute());
    EXPECT_FALSE(ran);
    EXPECT_EQ(job.device->jobsBegun, 0);
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("No printers are defined, aborting print job."));
    EXPECT_EQ(boxes.shown().first().caption, QStringLiteral("Information"));
}

TEST(ReportPrinter, AFailingPrintEventCancelsTheJobAndLeavesThePrinterUsable)
{
    FakeJob job;
    job.report->OnPrint = [](TReportPrinter& p) {
        p.Rectangle(1, 1, 2, 2);
        throw std::runtime_error("page failed");
    };
    EXPECT_THROW(job.report->Execute(), std::runtime_error);
    EXPECT_FALSE(job.report->Printing());
    EXPECT_EQ(job.device->jobsAborted, 1);
    EXPECT_EQ(job.device->jobsEnded, 0);

    job.report->OnPrint = [](TReportPrinter& p) { p.Rectangle(1, 1, 2, 2); };
    EXPECT_TRUE(job.report->Execute());
    EXPECT_EQ(job.device->jobsEnded, 1);
}

TEST(ReportPrinter, SetupDialogAndPrinterServiceComeFromTheDevice)
{
    FakeJob job;
    job.device->maxCopies = 99;
    job.device->unprintable = QMarginsF(0.25, 0.2, 0.259, 0.5);
    job.device->setupDialog = [](TFakePrintDevice& d) {
        d.SetCopies(4); // the user asks for four copies
        return true;
    };
    TReportPrinter& r = *job.report;
    EXPECT_TRUE(r.PrinterSetup());
    EXPECT_EQ(r.Copies(), 4);
    EXPECT_EQ(r.MaxCopies(), 99);
    EXPECT_DOUBLE_EQ(r.UnprintableLeft(), 0.25);
    EXPECT_DOUBLE_EQ(r.UnprintableTop(), 0.2);
    EXPECT_DOUBLE_EQ(r.UnprintableRight(), 0.259);
    EXPECT_DOUBLE_EQ(r.UnprintableBottom(), 0.5);
    EXPECT_EQ(r.Printers(), QStringList(QStringLiteral("Fake Printer")));
    job.device->setupDialog = [](TFakePrintDevice&) { return false; };
    EXPECT_FALSE(r.PrinterSetup());
    EXPECT_EQ(job.device->setupDialogCalls, 2);
}

TEST(ReportPrinter, RecordedDrawingsAreStretchedIntoTheirRectangleAtAnyResolution)
{
    QPicture picture;
    {
        QPainter p(&picture);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRect(10, 20, 30, 40); // inside a 100 x 80 frame
    }
    picture.setBoundingRect(QRect(0, 0, 100, 80));
    for (const int dpi : {72, 300, 600}) {
        SCOPED_TRACE(dpi);
        FakeJob job(dpi);
        job.report->OnPrint = [&](TReportPrinter& p) { p.StretchPicture(1.0, 1.0, 3.0, 2.6, picture); };
        ASSERT_TRUE(job.report->Execute());
        // Drawn as a rectangle or, below the recording's resolution, as a path.
        ASSERT_EQ(job.sheet().ops.size(), 1);
        const TRecordedOp* rect = &job.sheet().ops.first();
        // The frame is 2 x 1.6 inches: 1 unit = 0.02 inch both ways.
        const QRectF expected(QPointF(1.2 * dpi, 1.4 * dpi), QPointF(1.8 * dpi, 2.2 * dpi));
        EXPECT_NEAR(rect->bounds.left(), expected.left(), 0.01);
        EXPECT_NEAR(rect->bounds.top(), expected.top(), 0.01);
        EXPECT_NEAR(rect->bounds.right(), expected.right(), 0.01);
        EXPECT_NEAR(rect->bounds.bottom(), expected.bottom(), 0.01);
    }
}

TEST(ReportPrinter, RasterisedSheetsShowWhatWasDrawn)
{
    FakeJob job(50);
    job.device->SetRasterize(true);
    job.report->OnPrint = [](TReportPrinter& p) {
        p.SetPen(TColors::clBlack, Qt::SolidLine, 0);
        p.SetBrush(TColors::clRed);
        p.Rectangle(1.0, 1.0, 2.0, 2.0);
        p.NewPage();
        p.SetBrush(TColors::clBlue);
        p.FillRect(3.0, 3.0, 4.0, 4.0);
    };
    ASSERT_TRUE(job.report->Execute());
    ASSERT_EQ(job.device->Sheets().size(), 2);
    const QImage first = job.sheet(0).image;
    const QImage second = job.sheet(1).image;
    ASSERT_EQ(first.size(), QSize(425, 550));
    vellumy::test::SaveForInspection(first, QStringLiteral("print-fake-sheet1.png"));
    EXPECT_EQ(first.pixelColor(75, 75), QColor(Qt::red));
    EXPECT_EQ(first.pixelColor(50, 75), QColor(Qt::black));
    EXPECT_EQ(first.pixelColor(175, 175), QColor(Qt::white));
    EXPECT_EQ(second.pixelColor(175, 175), QColor(Qt::blue));
    EXPECT_EQ(second.pixelColor(75, 75), QColor(Qt::white));
}

// Without any queue the PDF output is the one installed printer and the
// default one; a job needs its file first.
TEST(ReportPrinter, TheSystemPrinterWithoutQueuesPrintsIntoPdf)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printer queues";
    vellumy::test::MessageBoxScript boxes;
    TReportPrinter report; // the system printer
    report.SetShowStatus(false);
    const QString pdfPrinter = QString::fromLatin1(TPrinterDevice::PdfPrinterName);
    EXPECT_EQ(report.Printers(), QStringList{pdfPrinter});
    EXPECT_EQ(report.DefaultPrinter(), pdfPrinter);
    EXPECT_FALSE(report.Device().CanPrint());
    bool printed = false;
    report.OnPrint = [&](TReportPrinter&) { printed = true; };
    EXPECT_FALSE(report.Execute());
    EXPECT_FALSE(printed);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("No printers are defined, aborting print job."));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("proposed.pdf"));
    report.Device().ProposeFileName(pdf);
    EXPECT_TRUE(report.Device().CanPrint());
    EXPECT_TRUE(report.Execute());
    EXPECT_TRUE(printed);
    EXPECT_TRUE(QFileInfo(pdf).isFile());
}
