#include "print/ImageDevice.h"

#include <QSaveFile>
#include <cmath>

namespace {
constexpr double MetresPerInch = 0.0254;
} // namespace

TImageDevice::TImageDevice(const QString& fileName, const QPageSize& paper, int dotsPerInch)
    : fileName_(fileName), paper_(paper), dotsPerInch_(qBound(MinDotsPerInch, dotsPerInch, MaxDotsPerInch))
{
    makeImage();
}

QSizeF TImageDevice::PaperInches() const
{
    const QSizeF size = paper_.size(QPageSize::Inch);
    return orientation_ == poLandscape ? size.transposed() : size;
}

void TImageDevice::SetOrientation(TPrintOrientation orientation)
{
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    makeImage();
}

void TImageDevice::makeImage()
{
    const QSizeF inches = PaperInches();
    const int width = int(std::lround(inches.width() * dotsPerInch_));
    const int height = int(std::lround(inches.height() * dotsPerInch_));
    image_ = QImage(width, height, QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(dotsPerInch_ / MetresPerInch));
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    image_.fill(Qt::white);
    firstSheet_ = QImage();
}

bool TImageDevice::BeginDoc(const QString&)
{
    if (!CanPrint() || image_.isNull())
        return false;
    image_.fill(Qt::white);
    firstSheet_ = QImage();
    return true;
}

bool TImageDevice::NewPage()
{
    if (firstSheet_.isNull())
        firstSheet_ = image_.copy();
    image_.fill(Qt::white);
    return true;
}

bool TImageDevice::EndDoc()
{
    const QImage& sheet = firstSheet_.isNull() ? image_ : firstSheet_;
    QSaveFile file(fileName_);
    if (!file.open(QIODevice::WriteOnly) || !sheet.save(&file, "PNG"))
        return false;
    return file.commit();
}
