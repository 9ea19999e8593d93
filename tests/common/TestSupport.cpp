#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/Clock.h"

namespace vellumy::test {

namespace {
QString& programFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString DataPath(const QString& name)
{
    return QStringLiteral(VELLUMY_TEST_DATA) + QLatin1Char('/') + name;
}

QString DefaultProgramFolder()
{
    return programFolder();
}

void SetDefaultProgramFolder(const QString& folder)
{
    programFolder() = folder;
}

void LinkShippedFolders(const QString& folder)
{
    const QDir bin(QStringLiteral(VELLUMY_BIN_DIR));
    for (const QFileInfo& entry : bin.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        QFile::link(entry.absoluteFilePath(), QDir(folder).filePath(entry.fileName()));
    // The shipped icon libraries stand in the folder itself.
    for (const QFileInfo& entry : bin.entryInfoList({QStringLiteral("*.icl")}, QDir::Files))
        QFile::link(entry.absoluteFilePath(), QDir(folder).filePath(entry.fileName()));
}

MessageBoxScript::MessageBoxScript()
{
    SetMessageBoxHandlerForTesting([this](const ShownMessage& message) {
        shown_.append(message);
        if (message.kind == ShownMessage::Question && !answers_.isEmpty())
            return answers_.takeFirst();
        return true;
    });
}

MessageBoxScript::~MessageBoxScript()
{
    SetMessageBoxHandlerForTesting({});
}

ManualClock::ManualClock(qint64 start) : now_(start)
{
    SetClockForTesting([this] { return now_; });
}

ManualClock::~ManualClock()
{
    SetClockForTesting({});
}

int CountPixels(const QImage& image, const QRect& area, QColor colour)
{
    const QRect clipped = area.intersected(image.rect());
    const QRgb wanted = colour.rgb();
    int count = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if ((image.pixel(x, y) | 0xff000000u) == (wanted | 0xff000000u))
                ++count;
    return count;
}

QString SaveForInspection(const QImage& image, const QString& name)
{
    QString folder = qEnvironmentVariable("VELLUMY_TEST_OUTPUT");
    if (folder.isEmpty())
        folder = QDir::tempPath() + QStringLiteral("/vellumy-test-output");
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    image.save(path);
    return path;
}

} // namespace vellumy::test
