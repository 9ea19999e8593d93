#pragma once
// The texts the page generates: month titles, shortened weekday names, the
// planners' row labels and titles. Names always come from the page's own
// lists, so a calendar keeps the language it was made in.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include "page/CalendarTypes.h"

// dsFirstChar: first character; dsThreeChars: first three; dsWhole: all.
QString ShortenDayName(const QString& name, TCalHeadersStyle style);

// The month name, and a space and the year when showYear is set.
QString GeneratedMonthTitle(const MonthNameList& months, int month, int year, bool showYear);

// First day of a planner: the page's date, with a day outside the month
// (a new page has day 0) taken as the nearest day of the month.
QDate PlannerStartDate(int year, int month, int day);

struct PlannerLabels {
    QStringList Upper;        // N + 1 entries, "Notes" last
    QStringList Lower;
    QList<int> DayNumbers;    // N + 1 entries, 0 for the Notes row
};

// Row r < N is date start + r: upper the shortened day name, lower the day
// of the month, a space and the month name's first three letters.
PlannerLabels WeekPlannerLabels(const QDate& start, int rowCount, const MonthNameList& months,
                                const DayNameList& days, TCalHeadersStyle style);

// Row r < N: the start time plus r hours as "h:mm AM"; lower labels empty.
PlannerLabels DayPlannerLabels(const QTime& startTime, int rowCount, const QString& amText,
                               const QString& pmText);
// The same with the regional settings' morning and afternoon designators.
PlannerLabels DayPlannerLabels(const QTime& startTime, int rowCount);

// "January 5-11, 1997", "January 29 - February 4, 1997" or
// "December 29, 1997 - January 4, 1998".
QString WeekPlannerTitle(const QDate& start, int rowCount, const MonthNameList& months);
// "Sunday, January 5, 1997".
QString DayPlannerTitle(const QDate& date, const MonthNameList& months, const DayNameList& days);

// A week-planner day number read back from its lower label: the first two
// characters without blanks as an integer, 0 when they are not one.
int DayNumberFromLabel(const QString& label);
