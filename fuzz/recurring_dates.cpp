// Reads arbitrary bytes as a recurring-dates file, then describes, offers and
// evaluates every entry for a few months (the page's year taken from the
// input), and checks that the file writes back byte for byte, that days lie
// within their month and that the old file's conversion gives entries.
#include <QDate>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "common/FuzzSupport.h"
#include "recurring/RecurringEvaluation.h"
#include "recurring/RecurringFormula.h"
#include "recurring/RecurringStore.h"

namespace {
void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartGuiApplication();

    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = ParseRecurringDates(input);
    const int year = size >= 2 ? 1 + (data[0] << 8 | data[1]) % 9999 : 2027;
    for (const QString& line : lines) {
        (void)EntryDisplayText(line);
        (void)EntryPutText(line);
        for (int month : {2, 3, 4, 12}) {
            const bool applies = EntryApplies(line, year, month);
            int previous = 0;
            for (int day : EntryDays(line, year, month)) {
                if (!QDate(year, month, day).isValid() || day <= previous)
                    fail("a day outside the month, or out of order");
                if (!applies && EntryKind(line) != u'%')
                    fail("days for an entry not offered");
                previous = day;
            }
        }
        if (EntryKind(ConvertOldRecurringLine(line)) != DayOfMonthKind)
            fail("a converted line is no day-of-month entry");
    }
    // Lines without a line break inside come back as they were.
    const QByteArray written = FormatRecurringDates(lines);
    if (ParseRecurringDates(written) != lines)
        fail("write, read differ");
    return 0;
}
