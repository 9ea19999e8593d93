#include "app/UserTitleForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TUserTitleForm::TUserTitleForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("UserTitleForm"));
    setWindowTitle(QStringLiteral("User Defined Title"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* column = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Enter calendar title (leave blank for default):"), this);
    label->setObjectName(QStringLiteral("Label1"));
    column->addWidget(label);
    titleText_ = new QLineEdit(this);
    titleText_->setObjectName(QStringLiteral("TitleText"));
    titleText_->setMinimumWidth(360);
    label->setBuddy(titleText_);
    column->addWidget(titleText_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());
}

QString TUserTitleForm::Title() const
{
    return titleText_->text();
}

void TUserTitleForm::SetTitle(const QString& title)
{
    titleText_->setText(title);
    titleText_->selectAll();
}
