#include "page/CalendarTitles.h"

#include <cmath>

#include "page/CalendarDates.h"
#include "platform/RegionalSettings.h"

namespace {
// QDate numbers Monday 1 .. Sunday 7; the page's day names start at Sunday.
QString dayNameOf(const QDate& date, const DayNameList& days)
{
    return date.isValid() ? days[date.dayOfWeek() % 7] : QString();
}

QString monthNameOf(const QDate& date, const MonthNameList& months)
{
    return date.isValid() ? months[date.month() - 1] : QString();
}

QString number(int value)
{
    return QString::number(value);
}
} // namespace

QString ShortenDayName(const QString& name, TCalHeadersStyle style)
{
    switch (style) {
    case dsFirstChar: return name.left(1);
    case dsThreeChars: return name.left(3);
    case dsWhole: break;
    }
    return name;
}

QString GeneratedMonthTitle(const MonthNameList& months, int month, int year, bool showYear)
{
    const QString name = month >= 1 && month <= 12 ? months[month - 1] : QString();
    return showYear ? name + QLatin1Char(' ') + number(year) : name;
}

QDate PlannerStartDate(int year, int month, int day)
{
    month = qBound(1, month, 12);
    if (year == 0) // no year 0 in the Gregorian count
        year = 1;
    day = qBound(1, day, DaysInMonth(month, year));
    return QDate(year, month, day);
}

PlannerLabels WeekPlannerLabels(const QDate& start, int rowCount, const MonthNameList& months,
                                const DayNameList& days, TCalHeadersStyle style)
{
    PlannerLabels labels;
    for (int r = 0; r < rowCount; ++r) {
        const QDate date = start.addDays(r);
        labels.Upper.append(ShortenDayName(dayNameOf(date, days), style));
        const QString lower = number(date.day()) + QLatin1Char(' ') + monthNameOf(date, months).left(3);
        labels.Lower.append(lower);
        labels.DayNumbers.append(DayNumberFromLabel(lower));
    }
    labels.Upper.append(QStringLiteral("Notes"));
    labels.Lower.append(QString());
    labels.DayNumbers.append(0);
    return labels;
}

PlannerLabels DayPlannerLabels(const QTime& startTime, int rowCount, const QString& amText,
                               const QString& pmText)
{
    constexpr double MsecsPerDay = 86400000.0;
    // One minute counted as 0.000694445 day, as the stored times were made;
    // the small excess never reaches a whole minute within a day.
    constexpr double HourAsDay = 60 * 0.000694445;
    PlannerLabels labels;
    double time = startTime.isValid() ? startTime.msecsSinceStartOfDay() / MsecsPerDay : 0.0;
    for (int r = 0; r < rowCount; ++r) {
        if (r > 0)
            time += HourAsDay;
        if (time < 0)
            time = 0;
        long long ms = std::llround((time - std::floor(time)) * MsecsPerDay);
        if (ms >= 86400000LL)
            ms -= 86400000LL;
        const int hour = int(ms / 3600000);
        const int minute = int(ms / 60000 % 60);
        const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
        labels.Upper.append(QStringLiteral("%1:%2 %3")
                                .arg(hour12)
                                .arg(minute, 2, 10, QLatin1Char('0'))
                                .arg(hour < 12 ? amText : pmText));
        labels.Lower.append(QString());
        labels.DayNumbers.append(0);
    }
    labels.Upper.append(QStringLiteral("Notes"));
    labels.Lower.append(QString());
    labels.DayNumbers.append(0);
    return labels;
}

PlannerLabels DayPlannerLabels(const QTime& startTime, int rowCount)
{
    const QLocale locale = RegionalLocale();
    return DayPlannerLabels(startTime, rowCount, locale.amText(), locale.pmText());
}

QString WeekPlannerTitle(const QDate& start, int rowCount, const MonthNameList& months)
{
    const QDate end = start.addDays(qMax(1, rowCount) - 1);
    const QString sMonth = monthNameOf(start, months);
    const QString eMonth = monthNameOf(end, months);
    if (start.year() == end.year() && start.month() == end.month())
        return sMonth + QLatin1Char(' ') + number(start.day()) + QLatin1Char('-') + number(end.day())
            + QStringLiteral(", ") + number(start.year());
    if (start.year() == end.year())
        return sMonth + QLatin1Char(' ') + number(start.day()) + QStringLiteral(" - ") + eMonth
            + QLatin1Char(' ') + number(end.day()) + QStringLiteral(", ") + number(start.year());
    return sMonth + QLatin1Char(' ') + number(start.day()) + QStringLiteral(", ") + number(start.year())
        + QStringLiteral(" - ") + eMonth + QLatin1Char(' ') + number(end.day()) + QStringLiteral(", ")
        + number(end.year());
}

QString DayPlannerTitle(const QDate& date, const MonthNameList& months, const DayNameList& days)
{
    return dayNameOf(date, days) + QStringLiteral(", ") + monthNameOf(date, months) + QLatin1Char(' ')
        + number(date.day()) + QStringLiteral(", ") + number(date.year());
}

int DayNumberFromLabel(const QString& label)
{
    bool ok = false;
    const int value = label.left(2).trimmed().toInt(&ok);
    return ok ? value : 0;
}
