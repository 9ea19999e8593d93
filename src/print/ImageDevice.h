#pragma once
#include <QImage>
#include <QPageSize>

#include "print/PrintDevice.h"

// Prints one sheet into a PNG image at a chosen resolution: the printed page
// as a picture, on white paper. The whole sheet is printable; only the first
// sheet of a job is kept. The file is written when the job ends well and not
// touched by a job that fails.
class TImageDevice : public TPrintDevice {
public:
    TImageDevice(const QString& fileName, const QPageSize& paper, int dotsPerInch);

    QString FileName() const { return fileName_; }
    // The sheet as drawn so far.
    const QImage& Image() const { return image_; }

    // Resolutions an export may ask for; a sheet stays within a few hundred
    // megabytes even on the largest paper.
    static constexpr int MinDotsPerInch = 24;
    static constexpr int MaxDotsPerInch = 600;

    QStringList PrinterNames() const override { return {}; }
    QString DefaultPrinterName() const override { return {}; }
    bool CanPrint() const override { return !fileName_.isEmpty(); }
    bool ExecSetupDialog(QWidget*) override { return true; }
    QMarginsF UnprintableInches() const override { return {}; }
    QSizeF PaperInches() const override;
    int MaxCopies() const override { return 1; }
    int Copies() const override { return 1; }
    void SetCopies(int) override {}
    TPrintOrientation Orientation() const override { return orientation_; }
    void SetOrientation(TPrintOrientation orientation) override;
    QPaintDevice* PaintDevice() override { return &image_; }
    bool BeginDoc(const QString& title) override;
    // Later sheets are not kept: drawing goes on over the first one's copy.
    bool NewPage() override;
    bool EndDoc() override;
    void AbortDoc() override {}

private:
    void makeImage();

    QString fileName_;
    QPageSize paper_;
    int dotsPerInch_;
    TPrintOrientation orientation_ = poPortrait;
    QImage image_;
    QImage firstSheet_;
};
