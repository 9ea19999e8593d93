#include "app/PrintCommands.h"

#include <QApplication>
#include <QPageSize>
#include <QScrollArea>
#include <QScrollBar>
#include <cmath>
#include <optional>

#include "app/CalendarMain.h"
#include "app/CalendarMainDialogs.h"
#include "app/DialogFolders.h"
#include "app/ExportImageDialog.h"
#include "app/ExportPdfDialog.h"
#include "app/WindowPlacement.h"
#include "page/CalendarPanel32.h"
#include "platform/MessageBoxes.h"
#include "print/ImageDevice.h"
#include "print/PdfDevice.h"

namespace {

const char* const NoPrinters = "There are no installed printers.\r\nUnable to perform printer related operations";
const char* const NoDefaultPrinter =
    "There is no default printer selected.\r\nUnable to perform printer related operations";
const char* const Completed = "Print job completed and sent to printer!";
const char* const CompletedSuperText =
    "Print job completed and sent to printer!\r\rNote: this design contains complex shapes or text.\r"
    "Please be patient while the printer produces its\routput...";
const char* const JobFailed = "The print job could not be completed.";

// The hourglass while the page prints; only where there is a screen.
class PrintingCursor {
public:
    PrintingCursor() : active_(qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (active_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~PrintingCursor() { release(); }
    void release()
    {
        if (active_)
            QApplication::restoreOverrideCursor();
        active_ = false;
    }
    PrintingCursor(const PrintingCursor&) = delete;
    PrintingCursor& operator=(const PrintingCursor&) = delete;

private:
    bool active_;
};

} // namespace

TPrintCommands::TPrintCommands(TCalendarPanel32& page, std::unique_ptr<TPrintDevice> device, TPrintHost host,
                               QObject* parent)
    : QObject(parent), page_(page), host_(std::move(host)), report_(std::move(device))
{
    setObjectName(QStringLiteral("ReportPrinter1"));
    report_.SetTitle(QStringLiteral("ReportPrinter Report"));
    report_.SetStatusFormat(QStringLiteral("Printing page %p"));
    report_.SetOrientation(poPortrait);
    report_.SetStatusParent(host_.DialogParent);
    report_.OnBeforePrint = [](TReportPrinter&) {};
    report_.OnPrint = [this](TReportPrinter& report) { PrintEvent(report); };
}

TPrintCommands::~TPrintCommands() = default;

TPrintCommands* TPrintCommands::Install(TCalendarMain& window, std::unique_ptr<TPrintDevice> device)
{
    TPrintHost host;
    host.DoSaveRichtext = [&window] { window.DoSaveRichtext(); };
    host.Modified = [&window] { return window.Modified(); };
    host.SetModified = [&window](bool modified) { window.SetModified(modified); };
    // The scroll box keeps its place while the page is at 100 % for the job.
    auto remembered = std::make_shared<QPoint>();
    host.SetAutoScroll = [&window, remembered](bool on) {
        QScrollArea* box = window.ScrollBox();
        if (!on) {
            *remembered = QPoint(box->horizontalScrollBar()->value(), box->verticalScrollBar()->value());
            box->setUpdatesEnabled(false);
            return;
        }
        box->horizontalScrollBar()->setValue(remembered->x());
        box->verticalScrollBar()->setValue(remembered->y());
        box->setUpdatesEnabled(true);
    };
    host.DialogParent = &window;
    host.DocumentBaseName = [&window] { return window.ExportBaseName(); };

    auto* commands = new TPrintCommands(*window.CalendarPanel(), std::move(device), std::move(host), &window);
    window.CheckPrinters = [commands] { return commands->CheckPrinters(); };
    window.OnPrintCalendar = [commands] { commands->Print(); };
    window.OnPrintSetup = [commands] { commands->PrintSetup(); };
    window.OnExportPdf = [commands](const QString& baseName) { commands->ExportPdfCommand(baseName); };
    window.OnExportImage = [commands](const QString& baseName) { commands->ExportImageCommand(baseName); };
    return commands;
}

bool TPrintCommands::CheckPrinters()
{
    if (report_.Printers().isEmpty()) {
        ShowInfo(QString::fromLatin1(NoPrinters));
        return false;
    }
    if (report_.DefaultPrinter().isEmpty()) {
        ShowInfo(QString::fromLatin1(NoDefaultPrinter));
        return false;
    }
    return true;
}

void TPrintCommands::proposePdfFile()
{
    const QString name = host_.DocumentBaseName ? host_.DocumentBaseName() : QString();
    report_.Device().ProposeFileName(DialogStartFolder(TDialogFolder::Exports)
                                     + (name.isEmpty() ? QStringLiteral("Calendar") : name) + QStringLiteral(".pdf"));
}

void TPrintCommands::PrintSetup()
{
    proposePdfFile();
    report_.PrinterSetup(host_.DialogParent);
}

double TPrintCommands::CutToHundredths(double inches)
{
    // A width such as 0.29 is held as 0.28999...; the small allowance keeps
    // it at 0.29 instead of cutting it to 0.28.
    return std::trunc(inches * 100.0 + 1e-9) * 0.01;
}

bool TPrintCommands::CheckPrinterMargins()
{
    struct Edge {
        double unprintable;
        float margin;
        const char* line;
    };
    const Edge edges[] = {
        {report_.UnprintableLeft(), page_.LeftMarginInch(), "Left Margin is possibly outside of Printer printable area"},
        {report_.UnprintableTop(), page_.TopMarginInch(), "Top Margin is possibly outside of Printer printable area"},
        {report_.UnprintableRight(), page_.RightMarginInch(),
         "Right Margin is possibly outside of Printer printable area"},
        {report_.UnprintableBottom(), page_.BottomMarginInch(),
         "Bottom Margin is possibly outside of Printer printable area"},
    };
    QString lines;
    for (const Edge& edge : edges)
        if (CutToHundredths(edge.unprintable) > double(edge.margin))
            lines += QLatin1Char('\r') + QString::fromLatin1(edge.line);
    if (lines.isEmpty())
        return true;
    return AskYesNo(QStringLiteral("Margin Warning:\r") + lines + QStringLiteral("\r\rPrint anyways?"),
                    QStringLiteral("Margin Warning"));
}

void TPrintCommands::applyPageOrientation()
{
    report_.SetOrientation(page_.CalendarOrientation() == coLandscape ? poLandscape : poPortrait);
}

bool TPrintCommands::runJob(int copies)
{
    printCopies_ = qMax(1, copies);
    // A driver that makes the copies itself gets them; otherwise the page is
    // drawn once per copy.
    if (report_.MaxCopies() >= printCopies_) {
        report_.SetCopies(printCopies_);
        printCopies_ = 1;
    }
    return report_.Execute();
}

bool TPrintCommands::PrintJob(int copies)
{
    printDone_ = false;
    applyPageOrientation();
    return runJob(copies);
}

void TPrintCommands::Print()
{
    printDone_ = false;
    const bool modified = host_.Modified ? host_.Modified() : false;
    bool completed = false;
    bool started = false;
    proposePdfFile();
    if (report_.PrinterSetup(host_.DialogParent)) {
        applyPageOrientation();
        if (!CheckPrinterMargins())
            return;
        started = true;
        try {
            completed = runJob(report_.Copies());
        } catch (...) {
            // The job was cancelled on the device; the page is restored.
            completed = false;
        }
    }
    // The completion message only for a job that ran to its end. A job whose
    // drawing or output failed, or whose device would not open (a file that
    // cannot be written), says so instead; without any printer the engine
    // has already said why.
    if (printDone_ && completed)
        ShowInfo(QString::fromLatin1(page_.HasSuperText() ? CompletedSuperText : Completed));
    else if (printDone_ || (started && report_.Device().CanPrint()))
        ShowInfo(QString::fromLatin1(JobFailed));
    if (host_.SetModified)
        host_.SetModified(modified);
}

void TPrintCommands::PrintEvent(TReportPrinter& report)
{
    if (host_.DoSaveRichtext)
        host_.DoSaveRichtext();
    page_.SetPaintingSuspended(true);
    if (host_.SetModified)
        host_.SetModified(false);
    const float zoom = page_.ZoomFactor();
    page_.SetPrinting(true);
    printDone_ = true;
    PrintingCursor cursor;
    if (host_.SetAutoScroll)
        host_.SetAutoScroll(false);

    // Zoom, scrolling, painting and the flags come back whatever happens
    // while drawing.
    struct Restore {
        TPrintCommands& self;
        float zoom;
        PrintingCursor& cursor;
        ~Restore()
        {
            TCalendarPanel32& page = self.page_;
            cursor.release();
            const bool rezoomed = zoom != 1.0f;
            if (rezoomed)
                page.SetZoom(zoom);
            if (self.host_.SetAutoScroll)
                self.host_.SetAutoScroll(true);
            page.SetPaintingSuspended(false);
            if (rezoomed)
                page.update();
            page.SetPrinting(false);
            if (self.host_.SetModified)
                self.host_.SetModified(false);
        }
    } restore{*this, zoom, cursor};

    page_.SetZoom(1.0f);
    // Declared after `restore`: the page's own month is back before the zoom.
    std::optional<TMonthStepper> stepper;
    if (!months_.IsOwnMonthOnly())
        stepper.emplace(page_);
    const int months = qBound(1, months_.Count, TMonthRange::MaxCount);
    for (int copy = 1; copy <= printCopies_; ++copy) {
        for (int month = 0; month < months; ++month) {
            if (stepper)
                stepper->Show(months_.First + month);
            page_.PrintPage(report, 0, 0);
            if (copy < printCopies_ || month + 1 < months)
                report.NewPage();
        }
    }
}

namespace {
QPageSize paperOf(const TCalendarPanel32& page)
{
    return QPageSize(page.PaperSizeA4() ? QPageSize::A4 : QPageSize::Letter);
}
} // namespace

bool TPrintCommands::ExportPdf(const QString& file, TMonthRange range)
{
    TPrintCommands job(page_, std::make_unique<TPdfDevice>(file, paperOf(page_), PdfDotsPerInch), host_);
    job.ReportPrinter1().SetShowStatus(report_.ShowStatus());
    job.SetMonthRange(range);
    return job.PrintJob(1);
}

bool TPrintCommands::ExportImage(const QString& file, int dotsPerInch)
{
    TPrintCommands job(page_, std::make_unique<TImageDevice>(file, paperOf(page_), dotsPerInch), host_);
    job.ReportPrinter1().SetShowStatus(report_.ShowStatus());
    return job.PrintJob(1);
}

namespace {
// The job of an export command; a failure is said, success needs no word.
template <class Job>
void runExport(const QString& file, Job job)
{
    bool written = false;
    try {
        written = job();
    } catch (...) {
        written = false;
    }
    if (!written)
        ShowInfo(QStringLiteral("Unable to save ") + file);
}
} // namespace

void TPrintCommands::ExportPdfCommand(const QString& baseName)
{
    if (host_.DoSaveRichtext)
        host_.DoSaveRichtext();
    TExportPdfDialog dialog(page_.MainCalMonth(), page_.MainCalYear(), host_.DialogParent);
    dialog.adjustSize();
    if (host_.DialogParent)
        CenterForm(dialog, host_.DialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TMonthRange range = dialog.Range();
    const QString file = AskSaveFileName(host_.DialogParent, QStringLiteral("Export as PDF"),
                                         DialogStartFolder(TDialogFolder::Exports) + baseName + QStringLiteral(".pdf"),
                                         QStringLiteral("PDF file (*.pdf)"), QStringLiteral("pdf"));
    if (file.isEmpty())
        return;
    RememberDialogFolder(TDialogFolder::Exports, file);
    const bool modified = host_.Modified ? host_.Modified() : false;
    runExport(file, [&] { return ExportPdf(file, range); });
    if (host_.SetModified)
        host_.SetModified(modified);
}

void TPrintCommands::ExportImageCommand(const QString& baseName)
{
    if (host_.DoSaveRichtext)
        host_.DoSaveRichtext();
    TExportImageDialog dialog(imageDotsPerInch_ > 0 ? imageDotsPerInch_ : TExportImageDialog::DefaultDotsPerInch,
                              host_.DialogParent);
    dialog.adjustSize();
    if (host_.DialogParent)
        CenterForm(dialog, host_.DialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    imageDotsPerInch_ = dialog.DotsPerInch();
    const QString file = AskSaveFileName(host_.DialogParent, QStringLiteral("Export as Image"),
                                         DialogStartFolder(TDialogFolder::Exports) + baseName + QStringLiteral(".png"),
                                         QStringLiteral("PNG image (*.png)"), QStringLiteral("png"));
    if (file.isEmpty())
        return;
    RememberDialogFolder(TDialogFolder::Exports, file);
    const bool modified = host_.Modified ? host_.Modified() : false;
    runExport(file, [&] { return ExportImage(file, imageDotsPerInch_); });
    if (host_.SetModified)
        host_.SetModified(modified);
}
