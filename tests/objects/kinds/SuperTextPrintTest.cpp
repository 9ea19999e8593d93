#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "SuperTextKit.h"
#include "print/PdfDevice.h"
#include "print/ReportPrinter.h"

using namespace supertext;

namespace {

QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// The letters reach the PDF as paths filled by the gradient's bands: no image
// in the file, and the page rendered by poppler shows the gradient's colours
// inside the letters, as the screen does.
TEST_F(SuperTextTest, PrintedGradientLettersAreVectorPaths)
{
    const QString pdfimages = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdfimages.isEmpty() || pdftoppm.isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    object->SetCaption(QStringLiteral("HI"));
    object->SetFont(TFont(QStringLiteral("Arial"), 72, TFont::fsBold));
    object->SetOutlineWidth(2);
    object->SetOutlineColor(TColors::clRed);
    object->SetShadowDepth(4);
    object->SetShadowcolor(TColors::clGray);
    ASSERT_TRUE(object->FitToText());
    object->SetBounds(0, 0, object->Width(), object->Height());
    const QImage screen = render();

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("supertext.pdf"));
    {
        TReportPrinter report(std::make_unique<TPdfDevice>(file));
        report.SetShowStatus(false);
        // The object at 1 inch from the paper's corner.
        report.OnPrint = [&](TReportPrinter& r) { object->PrintTo(r, 1.0, 1.0); };
        ASSERT_TRUE(report.Execute());
    }
    const QString inspection = qEnvironmentVariable("VELLUMY_TEST_OUTPUT");
    if (!inspection.isEmpty()) {
        QFile::copy(file, inspection + QStringLiteral("/supertext.pdf"));
        vellumy::test::SaveForInspection(screen, QStringLiteral("supertext-screen.png"));
    }

    const QStringList imageLines = run(pdfimages, {QStringLiteral("-list"), file}).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(imageLines.size(), 2) << imageLines.join('\n').toStdString();  // the header lines only

    // Rendered at 96 dpi the object sits at (96, 96) at its screen size.
    const QString prefix = dir.filePath(QStringLiteral("sheet"));
    run(pdftoppm, {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                   file, prefix});
    const QImage sheet(prefix + QStringLiteral(".png"));
    ASSERT_FALSE(sheet.isNull());
    const QList<QPoint> points = inside();
    ASSERT_GT(points.size(), 50);
    int matching = 0;
    for (const QPoint& p : points) {
        const QColor printed = sheet.pixelColor(p + QPoint(96, 96));
        const QColor shown = screen.pixelColor(p);
        if (std::abs(printed.red() - shown.red()) < 40 && std::abs(printed.green() - shown.green()) < 40 &&
            std::abs(printed.blue() - shown.blue()) < 40)
            ++matching;
    }
    EXPECT_GT(matching, points.size() * 8 / 10);
    // The left end is blue and the right end yellowish on paper too.
    EXPECT_GT(sheet.pixelColor(points.first() + QPoint(96, 96)).blue(), 180);
    EXPECT_GT(sheet.pixelColor(points.last() + QPoint(96, 96)).red(), 150);
}
