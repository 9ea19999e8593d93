// `cmake --install` into a fresh prefix: the tree a desktop expects, entries
// that the desktop's own checkers accept, and programs that find their
// shipped files in PREFIX/share/vellumy and write nothing into the prefix.
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Ran {
    int exitCode = -1;
    QString output;
};

Ran run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = {})
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(180000);
    Ran result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    return result;
}

// Every file under the folder with its size and modification time.
QStringList snapshot(const QString& folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries.append(QStringLiteral("%1 %2 %3").arg(info.filePath()).arg(info.size())
                           .arg(info.lastModified().toMSecsSinceEpoch()));
    }
    entries.sort();
    return entries;
}

} // namespace

TEST(Install, APrefixHoldsTheDesktopProgramAndStaysUntouched)
{
    const QString build = QFileInfo(QStringLiteral(VELLUMY_BIN_DIR)).absolutePath();
    const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
    if (cmake.isEmpty() || !QFileInfo::exists(QStringLiteral(VELLUMY_BIN_DIR "/vellumy-tool")))
        GTEST_SKIP() << "needs cmake and the built programs";
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("prefix"));
    const Ran install = run(cmake, {QStringLiteral("--install"), build, QStringLiteral("--prefix"), prefix});
    ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();

    const auto at = [&](const QString& path) { return prefix + QLatin1Char('/') + path; };
    // The programs only, no test or benchmark programs.
    QDir bin(at(QStringLiteral("bin")));
    EXPECT_EQ(bin.entryList(QDir::Files), (QStringList{QStringLiteral("vellumy"), QStringLiteral("vellumy-tool")}));
    EXPECT_TRUE(QFileInfo(at(QStringLiteral("bin/vellumy"))).isExecutable());
    for (const char* path : {"share/vellumy/Borders/Classic.wpo", "share/vellumy/Borders/Classic.wls",
                             "share/vellumy/Help/index.html", "share/applications/org.vellumy.Vellumy.desktop",
                             "share/mime/packages/org.vellumy.Vellumy.xml",
                             "share/metainfo/org.vellumy.Vellumy.metainfo.xml",
                             "share/icons/hicolor/scalable/apps/org.vellumy.Vellumy.svg",
                             "share/icons/hicolor/scalable/mimetypes/application-x-vellumy-calendar.svg",
                             "share/icons/hicolor/scalable/mimetypes/application-x-vellumy-style.svg"})
        EXPECT_TRUE(QFileInfo(at(QString::fromLatin1(path))).isFile()) << path;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(at(QStringLiteral("share/icons/hicolor/%1x%1/apps/org.vellumy.Vellumy.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_FALSE(QImage(at(QStringLiteral("share/icons/hicolor/%1x%1/mimetypes/application-x-vellumy-calendar.png")
                                   .arg(size)))
                         .isNull());
    }
    // The shipped files keep nothing of a build tree or of a user.
    EXPECT_FALSE(QFileInfo::exists(at(QStringLiteral("share/vellumy/QX.ini"))));

    // The entry starts the installed program, and the desktop's checkers accept it.
    QFile entry(at(QStringLiteral("share/applications/org.vellumy.Vellumy.desktop")));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString entryText = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(entryText.contains(QStringLiteral("Exec=\"%1\" %f").arg(at(QStringLiteral("bin/vellumy")))))
        << entryText.toStdString();
    EXPECT_TRUE(entryText.contains(QLatin1String("MimeType=application/x-vellumy-calendar;")));
    if (!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()) {
        const Ran validated = run(QStringLiteral("desktop-file-validate"), {entry.fileName()});
        EXPECT_EQ(validated.exitCode, 0);
        EXPECT_TRUE(validated.output.trimmed().isEmpty()) << validated.output.toStdString();
    }
    if (!QStandardPaths::findExecutable(QStringLiteral("appstreamcli")).isEmpty()) {
        const Ran validated = run(QStringLiteral("appstreamcli"),
                                  {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                   at(QStringLiteral("share/metainfo/org.vellumy.Vellumy.metainfo.xml"))});
        EXPECT_EQ(validated.exitCode, 0) << validated.output.toStdString();
    }
    // The file types compile into the desktop's database, by name and by
    // their first bytes (a copy: the prefix itself stays as installed).
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        const QString mime = dir.filePath(QStringLiteral("mime"));
        QDir().mkpath(mime + QStringLiteral("/packages"));
        QFile::copy(at(QStringLiteral("share/mime/packages/org.vellumy.Vellumy.xml")),
                    mime + QStringLiteral("/packages/org.vellumy.Vellumy.xml"));
        const Ran updated = run(QStringLiteral("update-mime-database"), {mime});
        EXPECT_EQ(updated.exitCode, 0) << updated.output.toStdString();
        QFile globs(mime + QStringLiteral("/globs2"));
        ASSERT_TRUE(globs.open(QIODevice::ReadOnly));
        const QByteArray globText = globs.readAll();
        EXPECT_TRUE(globText.contains("application/x-vellumy-calendar:*.qxf"));
        EXPECT_TRUE(globText.contains("application/x-vellumy-style:*.qxs"));
        QFile magic(mime + QStringLiteral("/magic"));
        ASSERT_TRUE(magic.open(QIODevice::ReadOnly));
        const QByteArray magicText = magic.readAll();
        EXPECT_TRUE(magicText.contains("application/x-vellumy-calendar"));
        EXPECT_TRUE(magicText.contains("application/x-vellumy-style"));
    }

    // The installed programs, run by a user whose own folders are elsewhere.
    const QStringList before = snapshot(prefix);
    QProcessEnvironment user = QProcessEnvironment::systemEnvironment();
    user.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    user.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("home/.config")));
    user.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("home/.local/share")));
    const Ran version = run(at(QStringLiteral("bin/vellumy")), {QStringLiteral("--version")}, user);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.output.startsWith(QLatin1String("Vellumy "))) << version.output.toStdString();
    const QString plain = dir.filePath(QStringLiteral("plain.png"));
    const QString bordered = dir.filePath(QStringLiteral("bordered.png"));
    EXPECT_EQ(run(at(QStringLiteral("bin/vellumy-tool")), {QStringLiteral("render"), QStringLiteral("-o"), plain}, user)
                  .exitCode,
              0);
    const Ran border = run(at(QStringLiteral("bin/vellumy-tool")),
                           {QStringLiteral("render"), QStringLiteral("--border"), QStringLiteral("Classic"),
                            QStringLiteral("-o"), bordered},
                           user);
    EXPECT_EQ(border.exitCode, 0) << border.output.toStdString();
    EXPECT_TRUE(border.output.isEmpty()) << border.output.toStdString();
    const QImage withBorder(bordered);
    ASSERT_FALSE(withBorder.isNull());
    EXPECT_NE(withBorder, QImage(plain)) << "the border picture did not show";
    EXPECT_EQ(snapshot(prefix), before);
}
