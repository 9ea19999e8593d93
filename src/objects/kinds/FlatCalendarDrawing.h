#pragma once
// The floating mini calendar's own calendar: its date arithmetic, its five
// tables of month and weekday names, and the drawing of one month from a
// settings record onto any painter (screen, image or recorded picture).
#include <QFont>
#include <QRect>
#include <QString>
#include <array>

#include "persist/Color.h"

class QPainter;

enum TFlatCalBorderStyle : int { fcbNone, fcbAll, fcbTop, fcbBottom, fcbTopBottom };
enum TFlatCalHeadersStyle : int { fdsFirstChar, fdsThreeChars, fdsWhole };
enum TFlatShadowPosition : int { fcpLowerRight, fcpLowerLeft, fcpUpperRight, fcpUpperLeft };
enum TFlatCalLanguage : int { fclEnglish, fclGerman, fclFrench, fclItalian, fclSpanish };

// 12 month names, then 7 weekday names from Sunday.
using TFlatNameTable = std::array<QString, 19>;

// The names of one language exactly as the calendar stores them.
const TFlatNameTable& FlatCalendarNames(TFlatCalLanguage language);

bool FlatIsLeapYear(int year);
// 28 to 31; 0 for a month outside 1..12.
int FlatDaysInMonth(int year, int month);
// Weekday of a date in the proleptic Gregorian calendar, 1 = Sunday to
// 7 = Saturday; any year, month 1..12.
int FlatDayOfWeek(int year, int month, int day);

// One font as drawn: name, pixel size at the zoom, style bits, colour.
struct TFlatFontSettings {
    QString name;
    int size = 8;  // points, already scaled by the zoom
    unsigned style = 0;
    TColor color = TColors::clBlack;

    QFont ToQFont() const;
};

// Everything one month drawing needs besides the painter.
struct TFlatCalendarSettings {
    QRect rect;  // the calendar rectangle (right and bottom excluded)
    TColor titleBGColor = TColors::clWhite;
    TColor dayNameBGColor = TColors::clWhite;
    TColor backgroundColor = TColors::clWhite;
    int month = 1;
    int year = 2000;
    int startOfWeek = 1;  // 1 Sunday, 2 Monday
    TFlatFontSettings titleFont;
    TFlatFontSettings dayNameFont;
    TFlatFontSettings cellFont;
    bool showYear = false;
    TFlatCalBorderStyle calendarBorder = fcbAll;
    TFlatCalBorderStyle dayNameBorder = fcbAll;
    TFlatCalBorderStyle cellBorder = fcbNone;
    TFlatCalHeadersStyle dayNameStyle = fdsFirstChar;
    bool transparent = false;
    TFlatNameTable names;
};

// Column (1..7) of the month's first day: its weekday with Sunday first, one
// less with Monday first (Sunday then being 7).
int FlatFirstColumn(int year, int month, int startOfWeek);

// The weekday name shown in a header: first letter, first three or whole.
QString FlatDayNameText(const QString& name, TFlatCalHeadersStyle style);

// Draws the month: title, weekday row, six week rows of day numbers, and the
// lines the three border styles ask for.
void DrawFlatMonth(QPainter& painter, const TFlatCalendarSettings& settings);
