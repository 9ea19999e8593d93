#pragma once
#include <QStringList>

// A sub-command of vellumy-tool. Each command file defines one static
// ToolCommandRegistration; main() dispatches on the first argument.
struct ToolCommand {
    const char* name;
    const char* usage;   // one line: arguments and options
    int (*run)(const QStringList& arguments); // arguments after the command name
};

struct ToolCommandRegistration {
    explicit ToolCommandRegistration(const ToolCommand& command);
};

const QList<ToolCommand>& RegisteredToolCommands();

// Exit codes shared by all commands.
enum ToolExit { ToolOk = 0, ToolFailed = 1, ToolBadUsage = 2 };
