#include "print/PdfDevice.h"

TPdfDevice::TPdfDevice(const QString& fileName, const QPageSize& paper, int dotsPerInch)
    : fileName_(fileName), paper_(paper), dotsPerInch_(qMax(1, dotsPerInch))
{
    // Until a job starts the writer only answers for the sheet and the
    // resolution; it has nowhere to write.
    makeWriter(nullptr);
}

void TPdfDevice::makeWriter(QIODevice* output)
{
    writer_.reset();
    writer_ = output ? std::make_unique<QPdfWriter>(output) : std::make_unique<QPdfWriter>(QString());
    writer_->setResolution(dotsPerInch_);
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
    if (!CanPrint())
        return false;
    // Each job writes a fresh file beside the old one, which it replaces
    // only when the job ends well.
    auto output = std::make_unique<QSaveFile>(fileName_);
    if (!output->open(QIODevice::WriteOnly))
        return false;
    makeWriter(output.get());
    output_ = std::move(output);
    writer_->setTitle(title);
    return true;
}

bool TPdfDevice::EndDoc()
{
    return output_ && output_->commit();
}

void TPdfDevice::AbortDoc()
{
    if (output_)
        output_->cancelWriting();
}

void TPdfDevice::applyLayout()
{
    // No margins and full-page mode: painting starts at the paper's corner.
    QPageLayout layout(paper_, orientation_ == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(), QPageLayout::Inch);
    layout.setMode(QPageLayout::FullPageMode);
    writer_->setPageLayout(layout);
}
