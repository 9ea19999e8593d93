#include "app/LayoutChoices.h"

#include <algorithm>
#include <array>

namespace {

const std::array<const char*, LayoutRowCount> rowTexts = {
    "1 Month Calendar ",
    "1 Month Calendar, 2 Mini Calendars",
    "1 Month Calendar, 6 Mini Calendars Before & After ",
    "1 Month Calendar, 12 Mini Calendars After ",
    "6 Month Calendar (Mini Calendars)",
    "12 Month Calendar (Mini Calendars)",
    "24 Month Calendar (Mini Calendars)",
    "48 Month Calendar (Mini Calendars)",
    "60 Month Calendar (Mini Calendars)",
    "One Week Planner",
    "Two Week Planner",
    "Day Planner (10 hours) ",
    "Day Planner (15 hours) ",
};

constexpr int firstPlannerRow = 9;

} // namespace

QString LayoutRowText(int row)
{
    if (row < 0 || row >= LayoutRowCount)
        return QString();
    return QString::fromLatin1(rowTexts[row]);
}

TCalendarLayout LayoutForRow(int row, TCalendarOrientation orientation)
{
    row = std::clamp(row, 0, LayoutRowCount - 1);
    if (row >= firstPlannerRow)
        return TCalendarLayout(row + 9);
    return TCalendarLayout(row * 2 + (orientation == coLandscape ? 1 : 0));
}

LayoutRow LayoutRowOf(TCalendarLayout layout)
{
    const int ordinal = std::clamp(int(layout), 0, CalendarLayoutCount - 1);
    if (ordinal < 18)
        return {ordinal / 2, ordinal % 2 == 1 ? coLandscape : coPortrait};
    return {ordinal - 9, coPortrait};
}
