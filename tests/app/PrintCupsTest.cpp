// The Print command on a real CUPS queue: the system's print dialog is
// accepted and the job reaches the default printer. Run by
// `scripts/setup-pdf-printer --check`, which sets up the cups-pdf printer; it
// skips unless VELLUMY_CUPS_PRINT_CHECK is set, since it needs cupsd running.
#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "MainTestSupport.h"
#include "app/PrintCommands.h"

using namespace vellumy::test;

namespace {

// The newest PDF file under the folders cups-pdf writes to, made after `since`.
QString newestPdf(const QDateTime& since)
{
    QString newest;
    QDateTime newestTime = since;
    for (const QString& folder : {QDir::homePath() + QStringLiteral("/PDF"), QStringLiteral("/var/spool/cups-pdf")}) {
        QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            if (file.lastModified() > newestTime) {
                newestTime = file.lastModified();
                newest = file.absoluteFilePath();
            }
        }
    }
    return newest;
}

} // namespace

class PrintCups : public MainWindowTest {};

TEST_F(PrintCups, QueueReceivesTheCalendar)
{
    if (qEnvironmentVariableIsEmpty("VELLUMY_CUPS_PRINT_CHECK"))
        GTEST_SKIP() << "needs a CUPS default printer; run scripts/setup-pdf-printer --check";
    ASSERT_FALSE(QPrinterInfo::defaultPrinterName().isEmpty()) << "no default printer";

    TCalendarMain& window = start([](TCalendarMain& w) { TPrintCommands::Install(w); });
    ASSERT_TRUE(window.PrinterAvailable());
    newCalendar(window, 0, false, 1997, 12);
    boxes.clear();

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QString printer;
    WhenModal<QPrintDialog>([&](QPrintDialog& dialog) {
        printer = dialog.printer()->printerName();
        dialog.accept();
    });
    choose(window, "mnuPrintCalendar");
    EXPECT_EQ(printer, QPrinterInfo::defaultPrinterName());
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Print job completed and sent to printer!"));

    // cups-pdf writes the file a moment after the job was handed over.
    QString pdf;
    for (int waited = 0; waited < 300 && pdf.isEmpty(); ++waited) {
        QTest::qWait(100);
        pdf = newestPdf(before);
    }
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF appeared in ~/PDF or /var/spool/cups-pdf";
    // It appears while ghostscript still writes it: wait until its size holds.
    qint64 size = -1;
    for (int waited = 0; waited < 100; ++waited) {
        QTest::qWait(300);
        const qint64 now = QFileInfo(pdf).size();
        if (now > 0 && now == size)
            break;
        size = now;
    }
    std::printf("printed to %s (%lld bytes)\n", qPrintable(pdf), static_cast<long long>(size));

    // Re-rendered by ghostscript: look at its pixels, an upright page with ink.
    QTemporaryDir dir;
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("48"),
                                              QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("p"))});
    ASSERT_TRUE(render.waitForFinished(60000));
    const QImage image(dir.filePath(QStringLiteral("p.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.height(), image.width());
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(ink, 500);
    SaveForInspection(image, QStringLiteral("cups-pdf-page.png"));
}
