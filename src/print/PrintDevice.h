#pragma once
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPaintDevice;
class QWidget;

enum TPrintOrientation { poPortrait, poLandscape };

// What the report printer needs of a printing device: the printer service
// (printers, setup dialog, copies, orientation, printable area) and a paged
// paint device for the job. Real printers, PDF files and the test fake each
// implement it.
//
// Every implementation puts the paint origin at the top-left corner of the
// paper (not of the printable area), so inch positions on the report surface
// are measured from the paper's edge.
class TPrintDevice {
public:
    virtual ~TPrintDevice() = default;

    // The installed printers and the system's default one (empty when none).
    virtual QStringList PrinterNames() const = 0;
    virtual QString DefaultPrinterName() const = 0;
    // Whether a job can run at all: a printer is bound or the output is a file.
    virtual bool CanPrint() const = 0;
    // Where output into a file goes unless the user names another file in
    // the setup dialog (devices that print to paper only ignore it).
    virtual void ProposeFileName(const QString& /*path*/) {}

    // The setup dialog of the system; true for OK. The choices (printer, paper,
    // orientation, copies) stay with the device for later jobs.
    virtual bool ExecSetupDialog(QWidget* parent) = 0;

    // Unprintable widths at the left, top, right and bottom edge, in inches.
    virtual QMarginsF UnprintableInches() const = 0;
    // Paper size in inches, in the current orientation.
    virtual QSizeF PaperInches() const = 0;

    // Copies the driver can make by itself (1 when it cannot make any).
    virtual int MaxCopies() const = 0;
    // Copies of the current settings; setting them asks the driver for copies.
    virtual int Copies() const = 0;
    virtual void SetCopies(int copies) = 0;

    virtual TPrintOrientation Orientation() const = 0;
    virtual void SetOrientation(TPrintOrientation orientation) = 0;

    // The device the job paints on; valid for the device's lifetime, also
    // outside a job (text is measured on it).
    virtual QPaintDevice* PaintDevice() = 0;

    // Job steps. BeginDoc runs before a painter opens PaintDevice(); NewPage
    // while it is open; EndDoc after it closed. AbortDoc replaces EndDoc when
    // the job failed half-way; it runs while the painter is still open, so
    // that a printer can cancel the job before it is sent.
    virtual bool BeginDoc(const QString& title) = 0;
    virtual bool NewPage() = 0;
    virtual bool EndDoc() = 0;
    virtual void AbortDoc() = 0;
};
