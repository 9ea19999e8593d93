#include "ToolCommand.h"

#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "objects/kinds/PageObjectKinds.h"

namespace {
QList<ToolCommand>& commands()
{
    static QList<ToolCommand> list;
    return list;
}

void printUsage(FILE* out)
{
    std::fprintf(out, "usage: vellumy-tool COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const ToolCommand& command : commands())
        std::fprintf(out, "  %s %s\n", command.name, command.usage);
}
} // namespace

ToolCommandRegistration::ToolCommandRegistration(const ToolCommand& command)
{
    commands().append(command);
}

const QList<ToolCommand>& RegisteredToolCommands()
{
    return commands();
}

int main(int argc, char* argv[])
{
    // The tool never opens windows; it draws into images, PDFs and files.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Without a login session Qt warns on every run that it has no runtime
    // folder; give it a private one so that the tool's error output holds
    // only the tool's own messages.
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = "/tmp/vellumy-runtime-" + QByteArray::number(uint(getuid()));
        struct stat info {};
        if ((mkdir(runtime.constData(), 0700) == 0 || errno == EEXIST) && stat(runtime.constData(), &info) == 0
            && S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 0777) == 0700)
            setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
    }
    QApplication app(argc, argv);
    InstallPageObjectKinds();
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help")
        || arguments.first() == QLatin1String("-h")) {
        printUsage(arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? ToolBadUsage : ToolOk;
    }
    const QString name = arguments.takeFirst();
    for (const ToolCommand& command : commands()) {
        if (name != QLatin1String(command.name))
            continue;
        if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
            std::printf("usage: vellumy-tool %s %s\n", command.name, command.usage);
            return ToolOk;
        }
        return command.run(arguments);
    }
    std::fprintf(stderr, "vellumy-tool: unknown command '%s'\n", qPrintable(name));
    printUsage(stderr);
    return ToolBadUsage;
}
