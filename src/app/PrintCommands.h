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
    bool runJob(int copies);

    TCalendarPanel32& page_;
    TPrintHost host_;
    TReportPrinter report_;
    bool printDone_ = false;
    int printCopies_ = 1;
};
