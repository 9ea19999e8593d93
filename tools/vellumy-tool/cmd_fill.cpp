// vellumy-tool fill: fills a calendar document's day cells from a
// recurring-dates file (or the built-in holidays) as the program's fill
// command does when every entry offered is chosen, and writes the result.
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "PageOptions.h"
#include "ToolCommand.h"
#include "ToolPage.h"
#include "page/CalendarPanel32.h"
#include "page/CellDates.h"
#include "recurring/RecurringFill.h"
#include "recurring/RecurringStore.h"
#include "richtext/WPRichText.h"

namespace {

struct FillOptions {
    QString in;
    QString out;
    QString dates;
    bool holidays = false;
};

FillOptions parse(const QStringList& args)
{
    FillOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == QLatin1String("-o"))
            o.out = TakeOptionValue(args, i);
        else if (option == QLatin1String("--dates"))
            o.dates = TakeOptionValue(args, i);
        else if (option == QLatin1String("--holidays"))
            o.holidays = true;
        else
            TakeDocumentArgument(option, o.in);
    }
    if (o.in.isEmpty() || o.out.isEmpty())
        throw UsageError{QStringLiteral("IN.QXF and -o OUT.QXF are required")};
    if (o.holidays == !o.dates.isEmpty())
        throw UsageError{QStringLiteral("give --dates FILE or --holidays")};
    return o;
}

int run(const QStringList& arguments)
{
    FillOptions o;
    try {
        o = parse(arguments);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "vellumy-tool fill: %s\n", qPrintable(error.message));
        return ToolBadUsage;
    }
    QStringList lines;
    if (o.holidays) {
        lines = BuiltInHolidays();
    } else {
        const QFileInfo file(o.dates);
        if (!file.isFile() || !file.isReadable()) {
            std::fprintf(stderr, "vellumy-tool fill: cannot read %s\n", qPrintable(o.dates));
            return ToolFailed;
        }
        lines = LoadRecurringDates(o.dates);
    }

    ToolPage opened;
    if (!OpenToolPage("fill", o.in, opened))
        return ToolFailed;
    // Writing the page now would lose the objects that could not be read.
    if (!opened.objectListError.isEmpty()) {
        std::fprintf(stderr, "vellumy-tool fill: the page objects of %s could not all be read (%s); %s was not written\n",
                     qPrintable(o.in), qPrintable(opened.objectListError), qPrintable(o.out));
        return ToolFailed;
    }
    TCalendarPanel32& page = *opened.page;
    if (!page.UsesDayCells()) {
        std::fprintf(stderr, "vellumy-tool fill: the layout of %s has no day cells\n", qPrintable(o.in));
        return ToolFailed;
    }
    const QStringList offered = FillCandidates(lines, MonthsShownByCells(page));
    TWPRichText editor;
    FillPageWith(page, editor, offered);

    QString error;
    if (!page.SaveDocument(o.out, &error)) {
        std::fprintf(stderr, "Unable to save %s\n%s\n", qPrintable(o.out), qPrintable(error));
        return ToolFailed;
    }
    return ToolOk;
}

ToolCommandRegistration reg({"fill", "IN.QXF -o OUT.QXF --dates FILE|--holidays: fill the day cells with recurring dates",
                             &run});

} // namespace
