// vellumy-tool dates: evaluates a recurring-dates file (or the built-in
// holidays) for one month and prints a JSON array, one element per line of
// the file in file order: the line number, the text the lists show, whether
// the entry is offered for the month and the days it falls on.
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>
#include <cstdio>

#include "PageOptions.h"
#include "ToolCommand.h"
#include "recurring/RecurringEvaluation.h"
#include "recurring/RecurringFormula.h"
#include "recurring/RecurringStore.h"

namespace {

struct DatesOptions {
    QString file;
    bool holidays = false;
    int month = 0;
    int year = 0;
};

DatesOptions parse(const QStringList& args)
{
    DatesOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == QLatin1String("--month"))
            o.month = IntOptionValue(option, TakeOptionValue(args, i), 1, 12);
        else if (option == QLatin1String("--year"))
            o.year = IntOptionValue(option, TakeOptionValue(args, i), 1, 9999);
        else if (option == QLatin1String("--holidays"))
            o.holidays = true;
        else
            TakeDocumentArgument(option, o.file);
    }
    if (o.holidays == !o.file.isEmpty())
        throw UsageError{QStringLiteral("give a recurring-dates FILE or --holidays")};
    if (o.month == 0 || o.year == 0)
        throw UsageError{QStringLiteral("--month M and --year Y are required")};
    return o;
}

int run(const QStringList& arguments)
{
    DatesOptions o;
    try {
        o = parse(arguments);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "vellumy-tool dates: %s\n", qPrintable(error.message));
        return ToolBadUsage;
    }
    QStringList lines;
    if (o.holidays) {
        lines = BuiltInHolidays();
    } else {
        const QFileInfo file(o.file);
        if (!file.isFile() || !file.isReadable()) {
            std::fprintf(stderr, "vellumy-tool dates: cannot read %s\n", qPrintable(o.file));
            return ToolFailed;
        }
        lines = LoadRecurringDates(o.file);
    }

    std::fputs("[", stdout);
    for (int n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        QStringList days;
        for (int day : EntryDays(line, o.year, o.month))
            days.append(QString::number(day));
        // Keys in the order a reader expects them, not sorted.
        const QByteArray text = QJsonDocument(QJsonArray{EntryDisplayText(line)}).toJson(QJsonDocument::Compact);
        // One pass over the pattern: a "%1" in the event text stays as it is.
        const QString entry = QStringLiteral("{\"line\": %1, \"text\": %2, \"applies\": %3, \"days\": [%4]}")
                                  .arg(QString::number(n + 1), QString::fromUtf8(text.mid(1, text.size() - 2)),
                                       EntryApplies(line, o.year, o.month) ? QStringLiteral("true")
                                                                           : QStringLiteral("false"),
                                       days.join(QStringLiteral(", ")));
        std::fputs(n == 0 ? "\n" : ",\n", stdout);
        std::fputs(entry.toUtf8().constData(), stdout);
    }
    std::fputs("\n]\n", stdout);
    return ToolOk;
}

ToolCommandRegistration reg({"dates", "FILE|--holidays --month M --year Y: a recurring-dates file's days, as JSON",
                             &run});

} // namespace
