#pragma once
// The calendar page's enumerations, each with the one name table the object
// stream writes and reads it by.
#include <QString>
#include <array>

#include "persist/ClassInfo.h"

enum TCalendarOrientation { coPortrait, coLandscape };

// Even values 0..16 are portrait designs, the following odd value the same
// design in landscape; 18..21 exist in portrait only.
enum TCalendarLayout {
    loFullCalendar,
    LOFullCalendarLS,
    loFCMinisInTitle,
    loFCMinisInTitleLS,
    loFC6Before6After,
    loFC6Before6AfterLS,
    loFC12After,
    loFC12AfterLS,
    lopMC6Month,
    lopMC6MonthLS,
    loMC12Month,
    loMC12MonthLS,
    loMC24Month,
    loMC24MonthLS,
    loMC48Month,
    loMC48MonthLS,
    loMC60Month,
    loMC60MonthLS,
    loWeek,
    lo2Week,
    loDay10,
    loDay15,
};
constexpr int CalendarLayoutCount = 22;

enum TCalendarLineLayout { llFull, llHeadersAndCells, llCellsOnly };
enum TMiniCalendarLineLayout { mllFull, mllBoxed, mllMinimal };
enum TCalBorderStyle { cbNone, cbAll, cbTop, cbBottom, cbTopBottom };
enum TCalHeadersStyle { dsFirstChar, dsThreeChars, dsWhole };
enum TCalendarNumberPosition { cnpCenter, cnpUpperRight };
enum TLPanelState { psPointing, psLabel, psImage, psRichLabel, psSuperText, psFlatCalendar };

const TEnumNames& CalendarOrientationNames();
const TEnumNames& CalendarLayoutNames();
const TEnumNames& CalendarLineLayoutNames();
const TEnumNames& MiniCalendarLineLayoutNames();
const TEnumNames& CalBorderStyleNames();
const TEnumNames& CalHeadersStyleNames();
const TEnumNames& CalendarNumberPositionNames();
const TEnumNames& LPanelStateNames();

// Facts about a layout value that both the layout pass and the page need.
bool IsValidCalendarLayout(int layout);
// Odd layouts 1..17 are landscape pages; everything else is portrait.
TCalendarOrientation OrientationOfLayout(TCalendarLayout layout);
// 0: one month grid (0..7), 1: mini calendars only (8..17), 2: loWeek,
// 3: lo2Week, 4: loDay10, 5: loDay15.
int LayoutKindOf(TCalendarLayout layout);
bool IsMiniOnlyLayout(TCalendarLayout layout);
bool IsPlannerLayout(TCalendarLayout layout);
// Rows of a planner without its Notes row: 7, 14, 10 or 15; 0 for the others.
int PlannerRowCount(TCalendarLayout layout);

// The page's own month and day names: [0] = January, [0] = Sunday.
using MonthNameList = std::array<QString, 12>;
using DayNameList = std::array<QString, 7>;
