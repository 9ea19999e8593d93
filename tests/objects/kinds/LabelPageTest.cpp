// Labels on a calendar page as the window shows it and as the printer gets
// it: turned captions stay text in the PDF.
#include "LabelKit.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "print/PdfDevice.h"
#include "print/ReportPrinter.h"

TEST_F(LabelTest, APageOfTurnedAndDeepLabelsShowsAndPrintsEveryCaption)
{
    page->ResetToDefaults();
    page->UpdatePageLayout(true);
    struct Made {
        const char* caption;
        int angle;
        QRect bounds;
    };
    const Made made[] = {{"Upright", 0, QRect(60, 60, 200, 50)},
                         {"Leftward", 90, QRect(300, 60, 200, 50)},
                         {"Upside", 180, QRect(400, 300, 200, 50)},
                         {"Downward", 270, QRect(700, 60, 200, 50)}};
    QList<TGPLabel*> labels;
    for (const Made& m : made) {
        TGPLabel* label = addLabel(QString::fromLatin1(m.caption), m.bounds);
        label->Font().SetSize(24);
        label->Font().SetColor(TColors::clNavy);
        label->SetDepthShadow(3);
        label->SetDepthHighlight(2);
        label->SetTransparent(m.angle == 0);
        label->SetBackColor(TColors::clSilver);
        label->SetBorderStyle(bsSingle);
        label->AutoSizeToText();
        label->SetAngle(m.angle);
        labels.append(label);
    }
    const QImage shown = page->grab().toImage();
    vellumy::test::SaveForInspection(shown, QStringLiteral("label-page.png"));
    for (TGPLabel* label : labels) {
        // Navy letters inside each label's bounds, and the frame's black edge.
        const QRect inside = label->BoundsRect().adjusted(1, 1, -1, -1);
        EXPECT_GT(vellumy::test::CountPixels(shown, inside, QColor(0, 0, 128)), 20) << qPrintable(label->Caption());
        EXPECT_EQ(shown.pixelColor(label->BoundsRect().topLeft()), QColor(Qt::black)) << qPrintable(label->Caption());
    }

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    TReportPrinter report(std::make_unique<TPdfDevice>(pdf));
    report.SetShowStatus(false);
    report.OnPrint = [this](TReportPrinter& r) { page->PrintPage(r, 0, 0); };
    ASSERT_TRUE(report.Execute());
    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const Made& m : made)
        EXPECT_TRUE(text.contains(QString::fromLatin1(m.caption))) << m.caption << "\n" << qPrintable(text);
}
