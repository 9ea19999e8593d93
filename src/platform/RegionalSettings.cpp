#include "platform/RegionalSettings.h"

#include <optional>

namespace {
std::optional<QLocale>& testLocale()
{
    static std::optional<QLocale> locale;
    return locale;
}
} // namespace

QLocale RegionalLocale()
{
    return testLocale() ? *testLocale() : QLocale::system();
}

void SetRegionalLocaleForTesting(const QLocale& locale)
{
    testLocale() = locale;
}

void ResetRegionalLocaleForTesting()
{
    testLocale().reset();
}

QString LongMonthName(int month)
{
    return RegionalLocale().standaloneMonthName(month, QLocale::LongFormat);
}

QString LongDayName(int day)
{
    // Qt numbers days Monday = 1 .. Sunday = 7.
    const int qtDay = day == 1 ? 7 : day - 1;
    return RegionalLocale().standaloneDayName(qtDay, QLocale::LongFormat);
}
