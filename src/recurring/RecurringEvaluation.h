#pragma once
// On which days of a month a recurring entry falls, and the movable feasts.
// Weekdays are numbered 1 (Sunday) .. 7 (Saturday).
#include <QDate>
#include <QList>
#include <QString>

// Easter Sunday by the Gregorian computus; an invalid date for years before 1.
QDate EasterSunday(int year);
// The day of `month` on which the feast ("#EASTER", "#GOODFRIDAY",
// "#PALMSUNDAY", any case) falls in `year`; 0 when it falls in another month
// or the name is none of the three.
int FeastDayInMonth(const QString& feast, int year, int month);
// True for one of the three feast names (any case, blanks around ignored).
bool IsKnownFeast(const QString& feast);

// Whether an entry is offered for month `month` of `year`: entries without a
// formula, weekday entries and unknown kinds always are; day-of-month and
// special entries when their month is 0 or `month` (an unreadable one never);
// feasts when they fall in the month, unknown feast names always.
bool EntryApplies(const QString& line, int year, int month);

// The days of the month the entry falls on, ascending. Unreadable formulas,
// feasts of other months and days the month does not have give none.
QList<int> EntryDays(const QString& line, int year, int month);

// What filling puts into a day cell for an entry: the trimmed event text for
// day-of-month and special entries, the event text as it is for the others.
QString EntryPutText(const QString& line);
