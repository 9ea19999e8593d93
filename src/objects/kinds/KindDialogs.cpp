#include "objects/kinds/KindDialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QWhatsThis>

#include "platform/HelpViewer.h"

namespace {

std::function<int(QDialog&)>& dialogRunner()
{
    static std::function<int(QDialog&)> runner;
    return runner;
}

std::function<bool(TColor&)>& colorChooser()
{
    static std::function<bool(TColor&)> chooser;
    return chooser;
}

} // namespace

int RunKindDialog(QDialog& dialog)
{
    if (auto& runner = dialogRunner())
        return runner(dialog);
    return dialog.exec();
}

void SetKindDialogRunnerForTesting(std::function<int(QDialog& dialog)> runner)
{
    dialogRunner() = std::move(runner);
}

bool ChooseKindColor(TColor& color, QWidget* parent)
{
    if (auto& chooser = colorChooser())
        return chooser(color);
    const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
    if (!chosen.isValid())
        return false;
    color = FromQColor(chosen);
    return true;
}

void SetKindColorChooserForTesting(std::function<bool(TColor& color)> chooser)
{
    colorChooser() = std::move(chooser);
}

void CenterDialog(QDialog& dialog, const QWidget* over)
{
    dialog.adjustSize();
    QRect area;
    if (over && !over->isMaximized() && over->isVisible())
        area = over->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isEmpty())
        return;
    const QSize size = dialog.frameGeometry().size();
    dialog.move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

QPushButton* MakeHelpButton(QDialog& dialog, const QString& name, int topic)
{
    auto* help = new QPushButton(QStringLiteral("Help"), &dialog);
    help->setObjectName(name);
    help->setAutoDefault(false);
    help->setWhatsThis(QStringLiteral("Opens the help page for this window."));
    QObject::connect(help, &QPushButton::clicked, &dialog, [topic] { ShowHelpTopic(topic); });
    return help;
}

QToolButton* MakeMouseHelpButton(QDialog& dialog)
{
    auto* button = new QToolButton(&dialog);
    button->setObjectName(QStringLiteral("MouseHelpButton"));
    button->setText(QStringLiteral("?"));
    button->setToolTip(QStringLiteral("Click here, then on any part of this window, to learn what it does"));
    button->setWhatsThis(QStringLiteral("Click this button, then click any part of the window to see what it does."));
    QObject::connect(button, &QToolButton::clicked, &dialog, [] { QWhatsThis::enterWhatsThisMode(); });
    return button;
}

TDialogButtonRow MakeDialogButtonRow(QDialog& dialog, int helpTopic)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("Ok"), &dialog);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    QPushButton* help = MakeHelpButton(dialog, QStringLiteral("HelpButton"), helpTopic);
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addWidget(help);
    row->addWidget(MakeMouseHelpButton(dialog));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return {row, ok, cancel, help};
}
