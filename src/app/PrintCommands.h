#pragma once
// TPrintCommands: printing the calendar page. It owns the print job
// component (ReportPrinter1) and runs the printer check of the start-up, the
// Print Setup and Print commands, the margin check against the printer's
// printable area and the print event that draws the page once per copy. The
// main window plugs it in with Install(); vellumy-tool uses it on a page of
// its own to print documents into PDF files.
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "app/MonthStepper.h"
#include "print/ReportPrinter.h"

class QWidget;
class TCalendarMain;
class TCalendarPanel32;

// What the print event needs of the window that shows the page. Every member
// may be left empty (a page without a window).
struct TPrintHost {
    // Writes a cell being edited back into its cell.
    std::function<void()> DoSaveRichtext;
    std::function<bool()> Modified;
    std::function<void(bool)> SetModified;
    // false while the job runs: the view around the page must not follow the
    // page's temporary 100 % size; true restores it as it was.
    std::function<void(bool)> SetAutoScroll;
    // Parent of the setup dialog and of the status window.
    QPointer<QWidget> DialogParent;
    // The name a PDF of the page is proposed under, without folder and
    // extension ("Calendar" when empty).
    std::function<QString()> DocumentBaseName;
};

class TPrintCommands : public QObject {
    Q_OBJECT
public:
    // Without a device the system printer is used.
    explicit TPrintCommands(TCalendarPanel32& page, std::unique_ptr<TPrintDevice> device = {},
                            TPrintHost host = {}, QObject* parent = nullptr);
    ~TPrintCommands() override;

    // Creates the commands for the main window (owned by it) and plugs them
    // into its printing hooks; call before the window's first activation.
    static TPrintCommands* Install(TCalendarMain& window, std::unique_ptr<TPrintDevice> device = {});

    TReportPrinter& ReportPrinter1() { return report_; }
    TCalendarPanel32& Page() const { return page_; }

    // Start-up: false, after saying so, without installed printers or without
    // a default one.
    bool CheckPrinters();
    // "Print Set&up": the setup dialog; its choices stay for later jobs.
    void PrintSetup();
    // "P&rint Calendar" and the Print button.
    void Print();
    // True when the page's margins lie within the printable area, or when
    // the user wants to print anyway.
    bool CheckPrinterMargins();
    // The job without dialogs or messages (vellumy-tool): `copies` drawings
    // or driver copies, orientation from the page. True when the job ran to
    // its end; a failure while drawing is passed on as an exception.
    bool PrintJob(int copies);

    // The months each copy of a job prints, one sheet each (the page's own
    // month unless set).
    void SetMonthRange(TMonthRange range) { months_ = range; }
    TMonthRange MonthRange() const { return months_; }

    // The printed page (or pages) into a PDF file or the first one into a
    // PNG image, without dialogs or printer; a PDF has no unprintable edge,
    // so there is no margin question. True when the file was written; a
    // failure while drawing is passed on as an exception.
    bool ExportPdf(const QString& file, TMonthRange range);
    bool ExportImage(const QString& file, int dotsPerInch);
    // "Export as PDF..." and "Export as Image...": the range or resolution,
    // then the file (proposed as `baseName` in the folder last exported to).
    void ExportPdfCommand(const QString& baseName);
    void ExportImageCommand(const QString& baseName);

    // Fine enough that positions rounded to device dots are exact to 1/600 inch.
    static constexpr int PdfDotsPerInch = 600;

    // The print event, called by the job with its report surface.
    void PrintEvent(TReportPrinter& report);

    // Set by the print event: decides the completion message.
    bool PrintDone() const { return printDone_; }
    // How many times the print event draws the page.
    int PrintCopies() const { return printCopies_; }

    // Unprintable widths are cut to hundredths of an inch.
    static double CutToHundredths(double inches);

private:
    void applyPageOrientation();
    // PDF output without a file is offered one beside the last export.
    void proposePdfFile();
    bool runJob(int copies);

    TCalendarPanel32& page_;
    TPrintHost host_;
    TReportPrinter report_;
    bool printDone_ = false;
    int printCopies_ = 1;
    TMonthRange months_;
    int imageDotsPerInch_ = 0;
};
