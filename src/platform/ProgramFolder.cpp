#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}

QString withTrailingSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return withTrailingSeparator(QCoreApplication::applicationDirPath());
}

void SetProgramFolderForTesting(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withTrailingSeparator(QDir::cleanPath(folder));
}
