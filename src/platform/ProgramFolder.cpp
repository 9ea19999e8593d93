#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

QString executableFolder()
{
    return withTrailingSeparator(QCoreApplication::applicationDirPath());
}

// A per-user folder, made when missing. Without a home folder the desktop
// has no per-user place: the executable's folder stands in rather than "/".
QString ensured(const QString& folder)
{
    if (folder.isEmpty())
        return executableFolder();
    QDir().mkpath(folder);
    return withTrailingSeparator(folder);
}
} // namespace

bool IsPortableInstall()
{
    // Tests keep every file in one folder of their own, as a portable copy does.
    if (!overrideFolder().isEmpty())
        return true;
    const QFileInfo ini(executableFolder() + QStringLiteral("QX.ini"));
    const QFileInfo folder(executableFolder());
    return ini.exists() && folder.isWritable();
}

QString ProgramDataFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString beside = executableFolder();
    // A build tree (or an unpacked folder) keeps the shipped files beside the
    // executable; an installed program keeps them in PREFIX/share/vellumy.
    if (QFileInfo::exists(beside + QStringLiteral("Borders")))
        return beside;
    const QString installed =
        QDir::cleanPath(beside + QStringLiteral("../share/vellumy"));
    if (QFileInfo::exists(installed))
        return withTrailingSeparator(installed);
    return beside;
}

QString UserConfigFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    if (IsPortableInstall())
        return executableFolder();
    return ensured(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString UserDataFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    if (IsPortableInstall())
        return executableFolder();
    return ensured(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString ProgramFolder()
{
    return ProgramDataFolder();
}

void SetProgramFolderForTesting(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withTrailingSeparator(QDir::cleanPath(folder));
}
