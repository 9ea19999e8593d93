#include "page/CalendarDates.h"

#include <algorithm>
#include <limits>

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int month, int year)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

int DayOfWeek(int year, int month, int day)
{
    // Days since 1970-01-01 (a Thursday) by the civil-from-days inverse: the
    // year is shifted to start in March so that leap days come last.
    const long long y = (long long)year - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long mp = (month + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long days = era * 146097 + doe - 719468;
    // 1970-01-01 is day 5 (Thursday) counting Sunday as 1.
    long long weekday = (days + 4) % 7;
    if (weekday < 0)
        weekday += 7;
    return int(weekday) + 1;
}

MonthYear AddMonths(int month, int year, int k)
{
    // Months counted from January of year 0, in 64 bits: no int input overflows.
    const long long months = (long long)year * 12 + (std::clamp(month, 1, 12) - 1) + k;
    long long y = months / 12;
    long long m = months % 12;
    if (m < 0) {
        m += 12;
        --y;
    }
    if (y > std::numeric_limits<int>::max())
        return {12, std::numeric_limits<int>::max()};
    if (y < std::numeric_limits<int>::min())
        return {1, std::numeric_limits<int>::min()};
    return {int(m) + 1, int(y)};
}
