#include "app/SplashForm.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TSplashform::TSplashform(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Splashform"));
    setWindowTitle(QStringLiteral("About Vellumy"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* column = new QVBoxLayout(this);
    column->setSpacing(10);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap(QStringLiteral(":/icons/about.png")));
    picture->setAlignment(Qt::AlignCenter);
    column->addWidget(picture);

    auto* version = new QLabel(QString::fromLatin1(VersionText), this);
    version->setObjectName(QStringLiteral("VersionLabel"));
    QFont big = version->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    version->setFont(big);
    version->setAlignment(Qt::AlignCenter);
    column->addWidget(version);

    auto* bits = new QLabel(QStringLiteral("32-bit version"), this);
    bits->setObjectName(QStringLiteral("Label1"));
    bits->setAlignment(Qt::AlignCenter);
    column->addWidget(bits);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    row->addWidget(ok);
    row->addStretch(1);
    column->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(sizeHint());
}
