// vellumy-tool print: prints a calendar (a document, or a new calendar made
// from the page options) into a PDF file through the program's own print
// job: one sheet per month of the range, each copy after the other. The
// paper (Letter or A4) and its orientation come from the page; texts stay
// texts in the PDF.
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "PageOptions.h"
#include "ToolCommand.h"
#include "ToolPage.h"
#include "app/PrintCommands.h"
#include "page/CalendarPanel32.h"
#include "persist/FilerError.h"
#include "platform/ScreenMetrics.h"
#include "print/PdfDevice.h"

namespace {

struct PrintOptions {
    PageOptions page;
    QString file;
    QString output;
    QString styleSheet;
    TMonthRange months;
    int copies = 1;
};

// "FIRST-LAST" or one month, counted from 1 = the page's own month.
TMonthRange parseMonths(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() > 2)
        throw UsageError{QStringLiteral("--months is FIRST-LAST, such as 1-12, not '%1'").arg(text)};
    const QString option = QStringLiteral("--months");
    const int first = IntOptionValue(option, parts.first(), 1, TMonthRange::MaxCount);
    const int last = parts.size() == 2 ? IntOptionValue(option, parts.last(), 1, TMonthRange::MaxCount) : first;
    if (last < first)
        throw UsageError{QStringLiteral("--months: %1 comes after %2").arg(first).arg(last)};
    return {first - 1, last - first + 1};
}

PrintOptions parse(const QStringList& args)
{
    PrintOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (ParsePageOption(args, i, o.page))
            continue;
        if (option == QLatin1String("-o"))
            o.output = TakeOptionValue(args, i);
        else if (option == QLatin1String("--copies"))
            o.copies = IntOptionValue(option, TakeOptionValue(args, i), 1, 999);
        else if (option == QLatin1String("--months"))
            o.months = parseMonths(TakeOptionValue(args, i));
        else if (option == QLatin1String("--style"))
            o.styleSheet = TakeOptionValue(args, i);
        else
            TakeDocumentArgument(option, o.file);
    }
    if (o.output.isEmpty())
        throw UsageError{QStringLiteral("-o OUT.pdf is required")};
    return o;
}

// The page to print: the document or a new calendar, its style sheet, then
// the page options.
bool preparePage(const PrintOptions& o, ToolPage& opened)
{
    if (o.file.isEmpty()) {
        opened = NewToolPage();
    } else {
        if (!OpenToolPage("print", o.file, opened))
            return false;
        if (!opened.objectListError.isEmpty())
            std::fprintf(stderr, "vellumy-tool print: the page objects of %s could not all be read (%s)\n",
                         qPrintable(o.file), qPrintable(opened.objectListError));
    }
    TCalendarPanel32& page = *opened.page;
    if (!o.styleSheet.isEmpty()) {
        if (!QFileInfo(o.styleSheet).isFile()) {
            std::fprintf(stderr, "vellumy-tool print: no such file: %s\n", qPrintable(o.styleSheet));
            return false;
        }
        try {
            page.LoadStyleSheet(o.styleSheet);
        } catch (const EFilerError&) {
            std::fprintf(stderr, "Unable to open %s. Possibly\ncorrupted, possibly not a Calendar Style file\n",
                         qPrintable(o.styleSheet));
            return false;
        }
    }
    PageOptions options = o.page;
    // A year of a new calendar starts in January.
    if (o.file.isEmpty() && options.year && !options.month)
        options.month = 1;
    ApplyPageOptions(page, options);
    return true;
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

    SetScreenPPIForTesting(o.page.ppi);
    ToolPage opened;
    if (!preparePage(o, opened))
        return ToolFailed;
    TCalendarPanel32* page = opened.page;

    const QPageSize paper(page->PaperSizeA4() ? QPageSize::A4 : QPageSize::Letter);
    TPrintCommands commands(*page,
                            std::make_unique<TPdfDevice>(o.output, paper, TPrintCommands::PdfDotsPerInch));
    commands.ReportPrinter1().SetShowStatus(false);
    commands.SetMonthRange(o.months);
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

const QByteArray usage =
    QByteArray("[FILE.QXF] -o OUT.pdf [--months FIRST-LAST] [--style SHEET.QXS] [--copies N] ") + PageOptionsUsage
    + ": the calendar printed into a PDF, one sheet per month (month 1 is the page's own; a new calendar "
      "given --year alone starts in January), the months again for each copy";
ToolCommandRegistration reg({"print", usage.constData(), &run});

} // namespace
