#include "page/CalendarTypes.h"

const TEnumNames& CalendarOrientationNames()
{
    static const TEnumNames names = {"coPortrait", "coLandscape"};
    return names;
}

const TEnumNames& CalendarLayoutNames()
{
    static const TEnumNames names = {
        "loFullCalendar", "LOFullCalendarLS", "loFCMinisInTitle", "loFCMinisInTitleLS",
        "loFC6Before6After", "loFC6Before6AfterLS", "loFC12After", "loFC12AfterLS",
        "lopMC6Month", "lopMC6MonthLS", "loMC12Month", "loMC12MonthLS",
        "loMC24Month", "loMC24MonthLS", "loMC48Month", "loMC48MonthLS",
        "loMC60Month", "loMC60MonthLS", "loWeek", "lo2Week", "loDay10", "loDay15",
    };
    return names;
}

const TEnumNames& CalendarLineLayoutNames()
{
    static const TEnumNames names = {"llFull", "llHeadersAndCells", "llCellsOnly"};
    return names;
}

const TEnumNames& MiniCalendarLineLayoutNames()
{
    static const TEnumNames names = {"mllFull", "mllBoxed", "mllMinimal"};
    return names;
}

const TEnumNames& CalBorderStyleNames()
{
    static const TEnumNames names = {"cbNone", "cbAll", "cbTop", "cbBottom", "cbTopBottom"};
    return names;
}

const TEnumNames& CalHeadersStyleNames()
{
    static const TEnumNames names = {"dsFirstChar", "dsThreeChars", "dsWhole"};
    return names;
}

const TEnumNames& CalendarNumberPositionNames()
{
    static const TEnumNames names = {"cnpCenter", "cnpUpperRight"};
    return names;
}

const TEnumNames& LPanelStateNames()
{
    static const TEnumNames names = {"psPointing", "psLabel", "psImage",
                                     "psRichLabel", "psSuperText", "psFlatCalendar"};
    return names;
}

bool IsValidCalendarLayout(int layout)
{
    return layout >= 0 && layout < CalendarLayoutCount;
}

TCalendarOrientation OrientationOfLayout(TCalendarLayout layout)
{
    return (layout <= loMC60MonthLS && layout % 2 == 1) ? coLandscape : coPortrait;
}

int LayoutKindOf(TCalendarLayout layout)
{
    if (layout <= loFC12AfterLS)
        return 0;
    if (layout <= loMC60MonthLS)
        return 1;
    return 2 + (layout - loWeek);
}

bool IsMiniOnlyLayout(TCalendarLayout layout)
{
    return layout >= lopMC6Month && layout <= loMC60MonthLS;
}

bool IsPlannerLayout(TCalendarLayout layout)
{
    return layout >= loWeek && layout <= loDay15;
}

int PlannerRowCount(TCalendarLayout layout)
{
    switch (layout) {
    case loWeek: return 7;
    case lo2Week: return 14;
    case loDay10: return 10;
    case loDay15: return 15;
    default: return 0;
    }
}
