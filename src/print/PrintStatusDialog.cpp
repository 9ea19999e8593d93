#include "print/PrintStatusDialog.h"

#include <QLabel>
#include <QVBoxLayout>

TPrintStatusDialog::TPrintStatusDialog(const QString& caption, QWidget* parent)
    : QDialog(parent), label_(new QLabel(this))
{
    setObjectName(QStringLiteral("PrintStatus"));
    setWindowTitle(caption);
    setModal(false);
    label_->setObjectName(QStringLiteral("StatusText"));
    label_->setAlignment(Qt::AlignCenter);
    label_->setMinimumWidth(220);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
}

void TPrintStatusDialog::SetStatusText(const QString& text)
{
    label_->setText(text);
}

QString TPrintStatusDialog::StatusText() const
{
    return label_->text();
}
