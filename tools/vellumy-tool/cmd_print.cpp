// vellumy-tool print: prints a calendar document into a PDF file through the
// program's own print job, one sheet per copy. The paper (Letter or A4) and
// its orientation come from the page; texts stay texts in the PDF.
#include <QFileInfo>
#include <QPageSize>
#include <QStringList>
#include <cstdio>

#include "PageOptions.h"
#include "ToolCommand.h"
#include "ToolPage.h"
#include "app/PrintCommands.h"
#include "page/CalendarPanel32.h"
#include "print/PdfDevice.h"

namespace {

// Fine enough that positions rounded to device dots are exact to 1/600 inch.
constexpr int PdfDotsPerInch = 600;

struct PrintOptions {
    QString file;
    QString output;
    int copies = 1;
};

PrintOptions parse(const QStringList& args)
{
    PrintOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == QLatin1String("-o"))
            o.output = TakeOptionValue(args, i);
        else if (option == QLatin1String("--copies"))
            o.copies = IntOptionValue(option, TakeOptionValue(args, i), 1, 999);
        else
            TakeDocumentArgument(option, o.file);
    }
    if (o.file.isEmpty())
        throw UsageError{QStringLiteral("a document FILE.QXF is required")};
    if (o.output.isEmpty())
        throw UsageError{QStringLiteral("-o OUT.pdf is required")};
    return o;
}

int run(const QStringList& arguments)
{
    PrintOptions o;
    try {
        o = parse(arguments);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "vellumy-tool print: %s\n", qPrintable(error.message));
        return ToolBadUsage;
    }

    ToolPage opened;
    if (!OpenToolPage("print", o.file, opened))
        return ToolFailed;
    if (!opened.objectListError.isEmpty())
        std::fprintf(stderr, "vellumy-tool print: the page objects of %s could not all be read (%s)\n",
                     qPrintable(o.file), qPrintable(opened.objectListError));
    TCalendarPanel32* page = opened.page;

    const QPageSize paper(page->PaperSizeA4() ? QPageSize::A4 : QPageSize::Letter);
    TPrintCommands commands(*page, std::make_unique<TPdfDevice>(o.output, paper, PdfDotsPerInch));
    commands.ReportPrinter1().SetShowStatus(false);
    bool printed = false;
    try {
        printed = commands.PrintJob(o.copies);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vellumy-tool print: drawing the page failed: %s\n", error.what());
        return ToolFailed;
    } catch (...) {
        std::fprintf(stderr, "vellumy-tool print: drawing the page failed\n");
        return ToolFailed;
    }
    if (!printed || !QFileInfo(o.output).isFile()) {
        std::fprintf(stderr, "vellumy-tool print: cannot write '%s'\n", qPrintable(o.output));
        return ToolFailed;
    }
    return ToolOk;
}

ToolCommandRegistration reg({"print", "FILE.QXF -o OUT.pdf [--copies N]: the document printed into a PDF, "
                                      "one sheet per copy",
                             &run});

} // namespace
