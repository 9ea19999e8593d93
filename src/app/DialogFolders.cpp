#include "app/DialogFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/IniFile.h"
#include "platform/ProgramFolder.h"

namespace {
const QString Section = QStringLiteral("Folders");

QString keyOf(TDialogFolder kind)
{
    switch (kind) {
    case TDialogFolder::Calendars:
        return QStringLiteral("Calendars");
    case TDialogFolder::StyleSheets:
        return QStringLiteral("StyleSheets");
    case TDialogFolder::Exports:
        return QStringLiteral("Exports");
    }
    return QStringLiteral("Calendars");
}

QString withSeparator(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
} // namespace

QString FirstDialogFolder()
{
    if (IsPortableInstall())
        return UserConfigFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return withSeparator(documents);
    return withSeparator(QDir::homePath());
}

QString DialogStartFolder(TDialogFolder kind, const QString& iniFile)
{
    const QString last = TIniFile(iniFile).ReadString(Section, keyOf(kind), QString());
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return withSeparator(last);
    return FirstDialogFolder();
}

void RememberDialogFolder(TDialogFolder kind, const QString& chosenFile, const QString& iniFile)
{
    if (chosenFile.isEmpty())
        return;
    const QString folder = QFileInfo(chosenFile).absolutePath();
    TIniFile(iniFile).WriteString(Section, keyOf(kind), folder);
}
