#include "ToolCommand.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

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
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help")
        || arguments.first() == QLatin1String("-h")) {
        printUsage(arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? ToolBadUsage : ToolOk;
    }
    const QString name = arguments.takeFirst();
    for (const ToolCommand& command : commands()) {
        if (name == QLatin1String(command.name))
            return command.run(arguments);
    }
    std::fprintf(stderr, "vellumy-tool: unknown command '%s'\n", qPrintable(name));
    printUsage(stderr);
    return ToolBadUsage;
}
