#pragma once
// Gregorian calendar arithmetic for the page's grids and mini calendars,
// kept free of QDate so that the grids can be checked against it.

struct MonthYear {
    int month = 1;  // 1..12
    int year = 1997;
    constexpr bool operator==(const MonthYear&) const = default;
};

// The years a document may carry; others read from a file are ignored.
constexpr int FirstCalendarYear = 1;
constexpr int LastCalendarYear = 9999;

// Divisible by 4, except centuries not divisible by 400.
bool IsLeapYear(int year);
// 28..31; 0 for a month outside 1..12.
int DaysInMonth(int month, int year);
// 1 = Sunday .. 7 = Saturday, proleptic Gregorian.
int DayOfWeek(int year, int month, int day);
// (month, year) moved by k months, k negative goes back. Defined for any
// int: a year beyond int's range stops at its first or last month.
MonthYear AddMonths(int month, int year, int k);
