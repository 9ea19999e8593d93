#pragma once
#include <QPrinter>

#include "print/PrintDevice.h"

// The system printer through QPrinter: CUPS queues, and PDF output, which
// counts as one more installed printer (the default one on a machine without
// queues), as a desktop's built-in "print to PDF" printer does. The printer
// is created once and keeps the setup dialog's choices for later jobs.
// Full-page mode: the paint origin is the paper's corner and the printer's
// minimum margins are reported as unprintable widths.
class TPrinterDevice : public TPrintDevice {
public:
    // Bound to the system's default printer (or, when there is none, to no
    // printer at all: CanPrint() is false until a file output is chosen).
    TPrinterDevice();

    QStringList PrinterNames() const override;
    QString DefaultPrinterName() const override;
    bool CanPrint() const override;
    void ProposeFileName(const QString& path) override;
    bool ExecSetupDialog(QWidget* parent) override;
    QMarginsF UnprintableInches() const override;
    QSizeF PaperInches() const override;
    int MaxCopies() const override;
    int Copies() const override;
    void SetCopies(int copies) override;
    TPrintOrientation Orientation() const override;
    void SetOrientation(TPrintOrientation orientation) override;
    QPaintDevice* PaintDevice() override { return &printer_; }
    bool BeginDoc(const QString& title) override;
    bool NewPage() override;
    bool EndDoc() override { return true; }
    void AbortDoc() override;

    // The name PDF output goes by in the printer list, as the setup dialog
    // calls it.
    static constexpr const char* PdfPrinterName = "Print to File (PDF)";

    // Copies a driver that makes its own copies is asked for at most.
    static constexpr int DriverCopyLimit = 9999;

    // The underlying printer, for callers that choose a file output directly.
    QPrinter& Printer() { return printer_; }

private:
    QPrinter printer_{QPrinter::HighResolution};
};
