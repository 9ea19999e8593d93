#pragma once
#include <QList>
#include <functional>

#include "print/PrintDevice.h"
#include "print/RecordingSurface.h"

// A printing device for tests: a configurable printer service and a surface
// that records every sheet and drawing call (and rasterises sheets on demand).
// The printing commands are tested through it without a printer.
class TFakePrintDevice : public TPrintDevice {
public:
    explicit TFakePrintDevice(int dotsPerInch = 300, const QSizeF& paperInches = QSizeF(8.5, 11));

    // The printer service as the test sets it up.
    QStringList printers{QStringLiteral("Fake Printer")};
    QString defaultPrinter = QStringLiteral("Fake Printer");
    QMarginsF unprintable;      // inches
    int maxCopies = 1;
    // Answers the setup dialog (true = OK); OK when unset. It may change the
    // device's settings as a user would.
    std::function<bool(TFakePrintDevice&)> setupDialog;

    // What happened.
    int setupDialogCalls = 0;
    int jobsBegun = 0;
    int jobsEnded = 0;
    int jobsAborted = 0;
    QString jobTitle;
    // Copies and orientation as they were when the last job began.
    int jobCopies = 0;
    TPrintOrientation jobOrientation = poPortrait;

    TRecordingSurface& Surface() { return surface_; }
    const QList<TRecordedSheet>& Sheets() const { return surface_.Sheets(); }
    void SetRasterize(bool on) { surface_.SetRasterize(on); }

    QStringList PrinterNames() const override { return printers; }
    QString DefaultPrinterName() const override { return defaultPrinter; }
    bool CanPrint() const override { return !printers.isEmpty(); }
    bool ExecSetupDialog(QWidget* parent) override;
    QMarginsF UnprintableInches() const override { return unprintable; }
    QSizeF PaperInches() const override;
    int MaxCopies() const override { return maxCopies; }
    int Copies() const override { return copies_; }
    void SetCopies(int copies) override { copies_ = copies; }
    TPrintOrientation Orientation() const override { return orientation_; }
    void SetOrientation(TPrintOrientation orientation) override;
    QPaintDevice* PaintDevice() override { return &surface_; }
    bool BeginDoc(const QString& title) override;
    bool NewPage() override;
    bool EndDoc() override;
    void AbortDoc() override;

private:
    QSizeF portraitPaper_;
    int copies_ = 1;
    TPrintOrientation orientation_ = poPortrait;
    TRecordingSurface surface_;
};
