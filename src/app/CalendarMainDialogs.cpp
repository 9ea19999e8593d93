#include "app/CalendarMainDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

#include "app/FontColorDialog.h"
#include "persist/Font.h"

namespace {
TCalendarMainDialogs& replacements()
{
    static TCalendarMainDialogs dialogs;
    return dialogs;
}
} // namespace

void SetCalendarMainDialogsForTesting(const TCalendarMainDialogs& dialogs)
{
    replacements() = dialogs;
}

QString AskOpenFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    if (replacements().OpenFileName)
        return replacements().OpenFileName(parent, title, folder, filter);
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& proposedPath, const QString& filter,
                        const QString& defaultSuffix)
{
    if (replacements().SaveFileName)
        return replacements().SaveFileName(parent, title, proposedPath, filter, defaultSuffix);
    QFileDialog dialog(parent, title, QFileInfo(proposedPath).absolutePath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(QFileInfo(proposedPath).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

bool AskFont(QWidget* parent, TFont& font)
{
    if (replacements().ChooseFont)
        return replacements().ChooseFont(parent, font);
    TFontColorDialog dialog(font, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font.Assign(dialog.ChosenFont());
    return true;
}

bool OpenWebAddress(const QUrl& url)
{
    if (replacements().OpenUrl)
        return replacements().OpenUrl(url);
    return QDesktopServices::openUrl(url);
}
