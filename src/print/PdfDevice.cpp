#include "print/PdfDevice.h"

#include <QFile>

TPdfDevice::TPdfDevice(const QString& fileName, const QPageSize& paper, int dotsPerInch)
    : fileName_(fileName), paper_(paper), writer_(std::make_unique<QPdfWriter>(fileName))
{
    writer_->setResolution(qMax(1, dotsPerInch));
    writer_->setCreator(QStringLiteral("Vellumy"));
    applyLayout();
}

TPdfDevice::~TPdfDevice() = default;

QSizeF TPdfDevice::PaperInches() const
{
    return writer_->pageLayout().fullRect(QPageLayout::Inch).size();
}

void TPdfDevice::SetOrientation(TPrintOrientation orientation)
{
    orientation_ = orientation;
    applyLayout();
}

bool TPdfDevice::BeginDoc(const QString& title)
{
    writer_->setTitle(title);
    applyLayout();
    return CanPrint();
}

void TPdfDevice::AbortDoc()
{
    // A half-written job leaves no file behind.
    QFile::remove(fileName_);
}

void TPdfDevice::applyLayout()
{
    // No margins and full-page mode: painting starts at the paper's corner.
    QPageLayout layout(paper_, orientation_ == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(), QPageLayout::Inch);
    layout.setMode(QPageLayout::FullPageMode);
    writer_->setPageLayout(layout);
}
