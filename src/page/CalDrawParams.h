#pragma once
// The record every drawing routine of the page reads, and the day-cell
// records that drawing writes back (click targets and text areas).
#include <QFont>
#include <QString>
#include <QTime>
#include <array>

#include "page/CalendarTypes.h"
#include "page/PixelRect.h"
#include "persist/Color.h"

class TFont;

// One day cell as the last drawing left it.
struct DayCellInfo {
    PixelRect CellRect;   // the click target
    int DayNumber = 0;    // 0: blank cell, Notes row, day-planner row
    PixelRect TextRect;   // (0, 0, 0, 0): no text area
    constexpr bool operator==(const DayCellInfo&) const = default;
};

constexpr int DayCellCount = 42;

// A font as a drawing uses it: the size is already zoomed (points).
struct CalFontParams {
    QString Name;
    int Size = 0;
    unsigned Style = 0;   // TFont::Style bits
    TColor Color = TColors::clBlack;

    // The attributes of `font` with its point size times the zoom, rounded.
    static CalFontParams FromFont(const TFont& font, float zoom);
    // The drawing font for a device of `dpi` dots per inch.
    QFont ToQFont(int dpi) const;
};

struct CalDrawParams {
    TColor PaperColor = TColors::clWhite;
    TColor TitleBGColor = TColors::clWhite;
    int MinTitleHeight = 0;        // pixels; month grid of the main calendar only
    int Month = 1;
    int Year = 1997;
    int Day = 0;
    PixelRect Rect;                // zoomed
    TCalendarNumberPosition NumberPosition = cnpUpperRight;
    int StartOfWeek = 1;
    TCalBorderStyle OuterBorder = cbAll;
    CalFontParams TitleFont;
    bool ShowYear = true;
    CalFontParams HeadersFont;
    TCalBorderStyle HeadersBorder = cbAll;
    TCalHeadersStyle HeadersStyle = dsThreeChars;
    TColor HeadersBGColor = TColors::clWhite;
    CalFontParams CellFont;
    TCalBorderStyle CellBorder = cbAll;
    MonthNameList MonthNames;      // [0] = January
    DayNameList DayNames;          // [0] = Sunday
    std::array<DayCellInfo, DayCellCount> Cells{};  // [0] = cell 1
    PixelRect TitleRect;
    PixelRect HeadersRect;
    int PlannerDayCount = 0;       // 7 or 14 (week planners)
    int PlannerHourCount = 0;      // 10 or 15 (day planners)
    QTime PlannerStartTime;        // day planners

    // 1-based accessors as the page and its callers count.
    DayCellInfo& Cell(int index) { return Cells[index - 1]; }
    const DayCellInfo& Cell(int index) const { return Cells[index - 1]; }
    const QString& MonthName(int month) const { return MonthNames[month - 1]; }
    const QString& DayName(int day) const { return DayNames[day - 1]; }
    // Every cell rectangle and text rectangle back to (0, 0, 0, 0).
    void ClearCells() { Cells.fill(DayCellInfo{}); }
};
