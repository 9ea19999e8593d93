#include "recurring/RecurringEvaluation.h"

#include "page/CalendarDates.h"
#include "recurring/RecurringFormula.h"

namespace {

bool validMonth(int year, int month)
{
    return month >= 1 && month <= 12 && year >= 1;
}

// The (occurrence + 1)-th day of the month with weekday `day` (occurrence 5:
// the last one); 0 when the month has fewer.
int nthWeekday(int year, int month, int occurrence, int day)
{
    const int days = DaysInMonth(month, year);
    if (occurrence == LastOccurrence) {
        for (int d = days; d >= 1; --d)
            if (DayOfWeek(year, month, d) == day)
                return d;
        return 0;
    }
    int seen = 0;
    for (int d = 1; d <= days; ++d)
        if (DayOfWeek(year, month, d) == day && seen++ == occurrence)
            return d;
    return 0;
}

} // namespace

QDate EasterSunday(int year)
{
    if (year < 1)
        return QDate();
    // Anonymous Gregorian algorithm (Meeus/Jones/Butcher).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return QDate(year, n / 31, n % 31 + 1);
}

bool IsKnownFeast(const QString& feast)
{
    const QString name = TrimSpaces(feast);
    return name.compare(QLatin1String("#EASTER"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("#GOODFRIDAY"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("#PALMSUNDAY"), Qt::CaseInsensitive) == 0;
}

int FeastDayInMonth(const QString& feast, int year, int month)
{
    const QDate easter = EasterSunday(year);
    if (!easter.isValid())
        return 0;
    const QString name = TrimSpaces(feast);
    QDate date;
    if (name.compare(QLatin1String("#EASTER"), Qt::CaseInsensitive) == 0)
        date = easter;
    else if (name.compare(QLatin1String("#PALMSUNDAY"), Qt::CaseInsensitive) == 0)
        date = easter.addDays(-7);
    else if (name.compare(QLatin1String("#GOODFRIDAY"), Qt::CaseInsensitive) == 0)
        date = easter.addDays(-2);
    return date.isValid() && date.month() == month ? date.day() : 0;
}

bool EntryApplies(const QString& line, int year, int month)
{
    const QString formula = EntryFormula(line);
    switch (EntryKind(line)) {
    case DayOfMonthKind: {
        int day = 0, entryMonth = 0;
        return ParseDayOfMonthFormula(formula, day, entryMonth) && (entryMonth == 0 || entryMonth == month);
    }
    case SpecialKind: {
        int occurrence = 0, weekday = 0, entryMonth = 0;
        return ParseSpecialFormula(formula, occurrence, weekday, entryMonth)
            && (entryMonth == 0 || entryMonth == month);
    }
    case FeastKind:
        return !IsKnownFeast(formula) || FeastDayInMonth(formula, year, month) != 0;
    default:
        // No formula, weekday entries and unknown kinds.
        return true;
    }
}

QList<int> EntryDays(const QString& line, int year, int month)
{
    QList<int> days;
    if (!validMonth(year, month))
        return days;
    const QString formula = EntryFormula(line);
    const int length = DaysInMonth(month, year);
    switch (EntryKind(line)) {
    case DayOfMonthKind: {
        int day = 0, entryMonth = 0;
        if (ParseDayOfMonthFormula(formula, day, entryMonth) && (entryMonth == 0 || entryMonth == month)
            && day <= length)
            days.append(day);
        break;
    }
    case SpecialKind: {
        int occurrence = 0, weekday = 0, entryMonth = 0;
        if (!ParseSpecialFormula(formula, occurrence, weekday, entryMonth)
            || (entryMonth != 0 && entryMonth != month))
            break;
        int day = 0;
        if (weekday == AnyWeekday)
            day = occurrence == LastOccurrence ? length : occurrence + 1;
        else
            day = nthWeekday(year, month, occurrence, weekday + 1);
        if (day >= 1 && day <= length)
            days.append(day);
        break;
    }
    case WeekdayKind: {
        const QString digits = line.mid(EventTextWidth, FormulaWidth);
        for (int day = 1; day <= length; ++day)
            if (digits.contains(QChar(u'0' + DayOfWeek(year, month, day))))
                days.append(day);
        break;
    }
    case FeastKind:
        if (const int day = FeastDayInMonth(formula, year, month))
            days.append(day);
        break;
    default:
        break;
    }
    return days;
}

QString EntryPutText(const QString& line)
{
    const char16_t kind = EntryKind(line);
    if (kind == DayOfMonthKind || kind == SpecialKind)
        return TrimSpaces(EntryEventText(line));
    return EntryEventText(line);
}
