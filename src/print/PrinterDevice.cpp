#include "print/PrinterDevice.h"

#include <QPrintDialog>
#include <QPrinterInfo>

TPrinterDevice::TPrinterDevice()
{
    printer_.setFullPage(true);
}

QStringList TPrinterDevice::PrinterNames() const
{
    return QPrinterInfo::availablePrinterNames() << QString::fromLatin1(PdfPrinterName);
}

QString TPrinterDevice::DefaultPrinterName() const
{
    const QString queue = QPrinterInfo::defaultPrinterName();
    return queue.isEmpty() ? QString::fromLatin1(PdfPrinterName) : queue;
}

bool TPrinterDevice::CanPrint() const
{
    // Without any queue QPrinter falls back to PDF output; it can print once
    // it knows the file.
    if (printer_.outputFormat() == QPrinter::PdfFormat)
        return !printer_.outputFileName().isEmpty();
    return !printer_.printerName().isEmpty() && !QPrinterInfo::availablePrinterNames().isEmpty();
}

void TPrinterDevice::ProposeFileName(const QString& path)
{
    // Only PDF output without a file yet; a file the user chose stays.
    if (printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty())
        printer_.setOutputFileName(path);
}

bool TPrinterDevice::ExecSetupDialog(QWidget* parent)
{
    QPrintDialog dialog(&printer_, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The dialog may have switched the page layout back to its own margins.
    printer_.setFullPage(true);
    return accepted;
}

QMarginsF TPrinterDevice::UnprintableInches() const
{
    QPageLayout layout = printer_.pageLayout();
    const QMarginsF minimum = layout.minimumMargins();
    // Minimum margins are held in the layout's units; convert through a copy
    // whose margins are the minimum ones.
    layout.setMargins(minimum);
    return layout.margins(QPageLayout::Inch);
}

QSizeF TPrinterDevice::PaperInches() const
{
    return printer_.pageLayout().fullRect(QPageLayout::Inch).size();
}

int TPrinterDevice::MaxCopies() const
{
    return printer_.supportsMultipleCopies() ? DriverCopyLimit : 1;
}

int TPrinterDevice::Copies() const
{
    return printer_.copyCount();
}

void TPrinterDevice::SetCopies(int copies)
{
    printer_.setCopyCount(qMax(1, copies));
}

TPrintOrientation TPrinterDevice::Orientation() const
{
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
}

void TPrinterDevice::SetOrientation(TPrintOrientation orientation)
{
    printer_.setPageOrientation(orientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool TPrinterDevice::BeginDoc(const QString& title)
{
    printer_.setDocName(title);
    printer_.setFullPage(true);
    return CanPrint();
}

bool TPrinterDevice::NewPage()
{
    return printer_.newPage();
}

void TPrinterDevice::AbortDoc()
{
    printer_.abort();
}
