#pragma once
// Recurring dates: one text line per entry, the event text padded to 120
// characters followed by a formula whose first character gives its kind:
//   "@MMDD"       a day of one month (MM 00: every month)
//   "$O W M "     the O-th (0 first .. 4 fifth, 5 last) weekday W (0 Sunday ..
//                 6 Saturday, 7 any day) of month M (0: every month); each
//                 field two characters, left-aligned
//   "%digits"     the weekdays named by the digits 1 (Sunday) .. 7 (Saturday)
//   "#EASTER", "#GOODFRIDAY", "#PALMSUNDAY"   the movable feasts
// This file builds, reads and describes entries; RecurringEvaluation.h says
// on which days of a month they fall.
#include <QString>

// Widths of the two parts of an entry this program writes.
constexpr int EventTextWidth = 120;
constexpr int FormulaWidth = 10;

// The kind characters.
constexpr char16_t DayOfMonthKind = u'@';
constexpr char16_t SpecialKind = u'$';
constexpr char16_t WeekdayKind = u'%';
constexpr char16_t FeastKind = u'#';

// Occurrence 5 of a special formula is the last one; weekday 7 any day.
constexpr int LastOccurrence = 5;
constexpr int AnyWeekday = 7;

// Left-aligned in exactly `width` characters: padded with blanks or cut.
QString PadText(const QString& text, int width);
// Without leading and trailing blanks (the space character only).
QString TrimSpaces(const QString& text);
// 1st, 2nd, 3rd, 4th, 11th, 12th, 13th, 21st, ...
QString OrdinalText(int n);

// "@" MM DD with leading zeros.
QString FormatDayOfMonthFormula(int day, int month);
// "$" with occurrence, weekday and month each left-aligned in two characters.
QString FormatSpecialFormula(int occurrence, int weekday, int month);
// Read the fields at their fixed positions (blanks around them removed). A
// field that is no decimal number, or lies outside its range (day 1..31,
// month 0..12, occurrence 0..5, weekday 0..7), fails the whole formula: a
// hand-edited line never gets a value it cannot have.
bool ParseDayOfMonthFormula(const QString& formula, int& day, int& month);
bool ParseSpecialFormula(const QString& formula, int& occurrence, int& weekday, int& month);

// "25th of December", "4th Thu of November", "Last Sun of October",
// "1st Day Each Month", "Mon,Tue,Wed,Thu,Fri"; month names in full, weekdays
// abbreviated, in the regional language. Empty when the formula cannot be
// read, and for feasts and unknown kinds.
QString DescribeFormula(const QString& formula);

// The parts of an entry line: the event text (first 120 characters), the
// formula (the rest) and its kind character (0 for a line without formula).
QString EntryEventText(const QString& line);
QString EntryFormula(const QString& line);
char16_t EntryKind(const QString& line);

// The text every list shows for an entry: the trimmed event text and the
// description in brackets, "Christmas Day (25th of December)"; feasts and
// unknown kinds show their event text as it is.
QString EntryDisplayText(const QString& line);

// The line this program writes for an event and a formula: 120 + 10
// characters. Line breaks inside the event text become blanks, since each
// line of the store is one entry; characters the store's code page lacks
// become '?'.
QString MakeEntryLine(const QString& eventText, const QString& formula);
