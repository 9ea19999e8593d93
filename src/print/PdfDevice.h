#pragma once
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <memory>

#include "print/PrintDevice.h"

// Prints into a PDF file: vector output, text stays text. The whole sheet is
// printable; a PDF holds no copy count, so copies are drawn as sheets. The
// file is replaced only by a finished job: a job that fails or is aborted
// leaves whatever file had the name before.
class TPdfDevice : public TPrintDevice {
public:
    explicit TPdfDevice(const QString& fileName, const QPageSize& paper = QPageSize(QPageSize::Letter),
                        int dotsPerInch = 300);
    ~TPdfDevice() override;

    QString FileName() const { return fileName_; }

    QStringList PrinterNames() const override { return {}; }
    QString DefaultPrinterName() const override { return {}; }
    bool CanPrint() const override { return !fileName_.isEmpty(); }
    // There is nothing to choose for a file: accepted at once.
    bool ExecSetupDialog(QWidget*) override { return true; }
    QMarginsF UnprintableInches() const override { return {}; }
    QSizeF PaperInches() const override;
    int MaxCopies() const override { return 1; }
    int Copies() const override { return copies_; }
    void SetCopies(int copies) override { copies_ = qMax(1, copies); }
    TPrintOrientation Orientation() const override { return orientation_; }
    void SetOrientation(TPrintOrientation orientation) override;
    QPaintDevice* PaintDevice() override { return writer_.get(); }
    bool BeginDoc(const QString& title) override;
    bool NewPage() override { return writer_->newPage(); }
    bool EndDoc() override;
    void AbortDoc() override;

private:
    void makeWriter(QIODevice* output);
    void applyLayout();

    QString fileName_;
    QPageSize paper_;
    int dotsPerInch_;
    std::unique_ptr<QSaveFile> output_;
    int copies_ = 1;
    TPrintOrientation orientation_ = poPortrait;
    std::unique_ptr<QPdfWriter> writer_;
};
