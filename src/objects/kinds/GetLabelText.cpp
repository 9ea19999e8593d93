#include "objects/kinds/GetLabelText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "objects/kinds/KindDialogs.h"

TGetLabelText::TGetLabelText(const QString& text, QWidget* mainWindow) : QDialog(mainWindow)
{
    setObjectName(QStringLiteral("GetLabelText"));
    setWindowTitle(QStringLiteral("Text"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* column = new QVBoxLayout(this);
    auto* prompt = new QLabel(QStringLiteral("Enter Text"), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    prompt->setWhatsThis(QStringLiteral("Type the text the label shows, on one line."));
    column->addWidget(prompt);
    labelText_ = new QLineEdit(text, this);
    labelText_->setObjectName(QStringLiteral("LabelText"));
    labelText_->setFixedWidth(321);
    labelText_->selectAll();
    labelText_->setWhatsThis(QStringLiteral("The label's text. It may be left empty."));
    prompt->setBuddy(labelText_);
    column->addWidget(labelText_);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setWhatsThis(QStringLiteral("Gives the label this text and closes the window."));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancelbutton"));
    cancel->setAutoDefault(false);
    cancel->setWhatsThis(QStringLiteral("Closes the window and keeps the label's text as it was."));
    QPushButton* help = MakeHelpButton(*this, QStringLiteral("Helpbutton"), HelpTopic);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addWidget(MakeMouseHelpButton(*this));
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(sizeHint());
    CenterDialog(*this, mainWindow);
}

QString TGetLabelText::Text() const
{
    return labelText_->text();
}
