// stream-dump FILE: lists every value of an object stream (a document, a style
// sheet, the object clipboard file) with its kind, one per line.
#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "ToolCommand.h"
#include "persist/StreamDumper.h"

namespace {
int run(const QStringList& arguments)
{
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: vellumy-tool stream-dump FILE\n");
        return ToolBadUsage;
    }
    QFile file(arguments.first());
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "stream-dump: cannot open %s: %s\n", qPrintable(arguments.first()),
                     qPrintable(file.errorString()));
        return ToolFailed;
    }
    QTextStream out(stdout);
    const TStreamDumper::Result result = TStreamDumper::Dump(file, out);
    if (!result.ok()) {
        std::fprintf(stderr, "%s (at byte %lld)\n", qPrintable(result.error), (long long)result.offset);
        return ToolFailed;
    }
    return ToolOk;
}

ToolCommandRegistration reg({"stream-dump", "FILE: every value of an object stream (.QXF, .QXS, clipboard), one per line", &run});
} // namespace
