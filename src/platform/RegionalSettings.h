#pragma once
#include <QLocale>
#include <QString>

// The operating system's regional settings: month and day names, the morning
// and afternoon designators, date and time formats.
QLocale RegionalLocale();

// Tests pin the regional settings (English); the reset restores the system's.
void SetRegionalLocaleForTesting(const QLocale& locale);
void ResetRegionalLocaleForTesting();

// Long names: month 1 = January .. 12, day 1 = Sunday .. 7 = Saturday.
QString LongMonthName(int month);
QString LongDayName(int day);
