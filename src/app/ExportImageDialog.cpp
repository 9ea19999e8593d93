#include "app/ExportImageDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "print/ImageDevice.h"

TExportImageDialog::TExportImageDialog(int dotsPerInch, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ExportImageDialog"));
    setWindowTitle(QStringLiteral("Export as Image"));
    auto* form = new QFormLayout(this);
    resolution_ = new QSpinBox(this);
    resolution_->setObjectName(QStringLiteral("Resolution"));
    resolution_->setRange(TImageDevice::MinDotsPerInch, TImageDevice::MaxDotsPerInch);
    resolution_->setSuffix(QStringLiteral(" dots per inch"));
    resolution_->setValue(dotsPerInch);
    form->addRow(QStringLiteral("&Resolution:"), resolution_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

int TExportImageDialog::DotsPerInch() const
{
    return resolution_->value();
}
