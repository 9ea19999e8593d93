#include <gtest/gtest.h>

#include "page/CalendarTitles.h"
#include "page/GridFontMetrics.h"
#include "page/GridLayout.h"
#include "page/PlannerGeometry.h"
#include "platform/RegionalSettings.h"

namespace {

MonthNameList englishMonths()
{
    MonthNameList names;
    for (int m = 1; m <= 12; ++m)
        names[m - 1] = LongMonthName(m);
    return names;
}

DayNameList englishDays()
{
    DayNameList names;
    for (int d = 1; d <= 7; ++d)
        names[d - 1] = LongDayName(d);
    return names;
}

CalDrawParams pageParams()
{
    CalDrawParams p;
    p.Rect = {26, 26, 790, 1030};
    p.MinTitleHeight = 144;
    const QString times = QStringLiteral("Times New Roman");
    p.TitleFont = {times, 26, TFont::fsBold, TColors::clBlack};
    p.HeadersFont = {times, 16, TFont::fsBold, TColors::clBlack};
    p.CellFont = {times, 16, TFont::fsBold, TColors::clBlack};
    p.MonthNames = englishMonths();
    p.DayNames = englishDays();
    p.PlannerStartTime = QTime(8, 0);
    return p;
}

} // namespace

TEST(PlannerGeometry, RowsLabelsAndWritingAreas)
{
    // Q = (26, 26, 789, 1029); a 40-pixel title line; body 961 high in 8 rows.
    const PlannerGeometry g = ComputePlannerGeometry({{26, 26, 790, 1030}, 7, 40});
    EXPECT_EQ(g.TitleRect, (PixelRect{31, 27, 784, 67}));
    EXPECT_EQ(g.Body, (PixelRect{26, 68, 789, 1029}));
    EXPECT_EQ(g.RowHeight, 120);
    EXPECT_EQ(g.LabelRight, 26 + 114);   // 15 % of 763 = 114.45
    EXPECT_EQ(g.LabelArea, (PixelRect{27, 69, 140, 1028}));
    ASSERT_EQ(g.Rows.size(), 8);
    EXPECT_EQ(g.Rows[0].UpperLabel, (PixelRect{27, 69, 140, 129}));
    EXPECT_EQ(g.Rows[0].LowerLabel, (PixelRect{27, 129, 140, 189}));
    EXPECT_EQ(g.Rows[0].Cell, (PixelRect{144, 72, 785, 184}));
    EXPECT_EQ(g.Rows[6].Cell, (PixelRect{144, 792, 785, 904}));
    // The Notes row reaches down to the body's bottom.
    EXPECT_EQ(g.Rows[7].Cell, (PixelRect{144, 912, 785, 1025}));
}

TEST(PlannerLabels, WeekRowsCrossMonthsAndYearsAndTitlesSayHow)
{
    const MonthNameList months = englishMonths();
    const DayNameList days = englishDays();
    const PlannerLabels week = WeekPlannerLabels(QDate(1997, 1, 29), 7, months, days, dsThreeChars);
    EXPECT_EQ(week.Upper, (QStringList{"Wed", "Thu", "Fri", "Sat", "Sun", "Mon", "Tue", "Notes"}));
    EXPECT_EQ(week.Lower, (QStringList{"29 Jan", "30 Jan", "31 Jan", "1 Feb", "2 Feb", "3 Feb", "4 Feb", ""}));
    EXPECT_EQ(week.DayNumbers, (QList<int>{29, 30, 31, 1, 2, 3, 4, 0}));
    EXPECT_EQ(WeekPlannerLabels(QDate(1997, 1, 5), 7, months, days, dsWhole).Upper.first(), "Sunday");
    EXPECT_EQ(WeekPlannerLabels(QDate(1997, 1, 5), 7, months, days, dsFirstChar).Upper.first(), "S");

    EXPECT_EQ(WeekPlannerTitle(QDate(1997, 1, 5), 7, months), "January 5-11, 1997");
    EXPECT_EQ(WeekPlannerTitle(QDate(1997, 1, 29), 7, months), "January 29 - February 4, 1997");
    EXPECT_EQ(WeekPlannerTitle(QDate(1997, 12, 29), 7, months), "December 29, 1997 - January 4, 1998");
    EXPECT_EQ(WeekPlannerTitle(QDate(1997, 1, 5), 14, months), "January 5-18, 1997");
    EXPECT_EQ(DayPlannerTitle(QDate(1997, 1, 5), months, days), "Sunday, January 5, 1997");

    // Names travel with the page, whatever the regional settings say.
    MonthNameList german = months;
    german[0] = QStringLiteral("Januar");
    EXPECT_EQ(WeekPlannerTitle(QDate(1997, 1, 5), 7, german), "Januar 5-11, 1997");
    EXPECT_EQ(WeekPlannerLabels(QDate(1997, 1, 5), 1, german, days, dsWhole).Lower.first(), "5 Jan");

    EXPECT_EQ(DayNumberFromLabel("5 Jan"), 5);
    EXPECT_EQ(DayNumberFromLabel("15 Jan"), 15);
    EXPECT_EQ(DayNumberFromLabel("Notes"), 0);
    EXPECT_EQ(DayNumberFromLabel(""), 0);
}

TEST(PlannerLabels, DayRowsCountHoursInTwelveHourTime)
{
    const PlannerLabels day = DayPlannerLabels(QTime(8, 0), 15);
    ASSERT_EQ(day.Upper.size(), 16);
    EXPECT_EQ(day.Upper[0], "8:00 AM");
    EXPECT_EQ(day.Upper[3], "11:00 AM");
    EXPECT_EQ(day.Upper[4], "12:00 PM");
    EXPECT_EQ(day.Upper[5], "1:00 PM");
    EXPECT_EQ(day.Upper[14], "10:00 PM");
    EXPECT_EQ(day.Upper[15], "Notes");
    EXPECT_EQ(day.DayNumbers, QList<int>(16, 0));
    EXPECT_TRUE(day.Lower.join(QString()).isEmpty());

    EXPECT_EQ(DayPlannerLabels(QTime(23, 0), 2).Upper.mid(0, 2), (QStringList{"11:00 PM", "12:00 AM"}));
    EXPECT_EQ(DayPlannerLabels(QTime(11, 30), 2).Upper.mid(0, 2), (QStringList{"11:30 AM", "12:30 PM"}));
    EXPECT_EQ(DayPlannerLabels(QTime(0, 5), 1, "vorm.", "nachm.").Upper[0], "12:05 vorm.");
}

TEST(PlannerLabels, StartDateStaysInsideItsMonth)
{
    // A new page has day 0; a stored date may say 31 February.
    EXPECT_EQ(PlannerStartDate(1997, 1, 0), QDate(1997, 1, 1));
    EXPECT_EQ(PlannerStartDate(2000, 2, 31), QDate(2000, 2, 29));
    EXPECT_EQ(PlannerStartDate(2000, 13, 5), QDate(2000, 12, 5));
}

TEST(GridLayout, MonthGridTextsAndMeasuredFonts)
{
    CalDrawParams p = pageParams();
    p.Month = 3;
    p.Year = 1997;
    p.HeadersStyle = dsFirstChar;
    MonthGridLayout grid = LayOutMonthGrid(p, QString());
    EXPECT_EQ(grid.Title, "March 1997");
    EXPECT_EQ(grid.HeaderTexts, (QStringList{"S", "M", "T", "W", "T", "F", "S"}));
    // A 16-point headers font is 21 pixels: a 32-pixel header row.
    EXPECT_EQ(p.HeadersRect.Height(), 32);
    const int digit = TextLineHeight(p.CellFont, QStringLiteral("9"));
    EXPECT_GE(digit, 21);
    EXPECT_EQ(p.Cell(7).TextRect.top - p.Cell(7).CellRect.top, digit);
    EXPECT_EQ(p.Cell(7).DayNumber, 1);

    p.ShowYear = false;
    p.StartOfWeek = 2;
    p.HeadersStyle = dsThreeChars;
    grid = LayOutMonthGrid(p, QString());
    EXPECT_EQ(grid.Title, "March");
    EXPECT_EQ(grid.HeaderTexts.first(), "Mon");
    EXPECT_EQ(grid.HeaderTexts.last(), "Sun");
    EXPECT_EQ(LayOutMonthGrid(p, QStringLiteral("Fish & Chips")).Title, "Fish & Chips");
}

TEST(GridLayout, PlannersLeaveNoStaleCellsBehind)
{
    CalDrawParams p = pageParams();
    p.Month = 1;
    p.Year = 1997;
    p.Day = 29;
    LayOutMonthGrid(p, QString());
    ASSERT_FALSE(p.Cell(42).CellRect.IsZero());
    ASSERT_FALSE(p.HeadersRect.IsZero());

    p.PlannerDayCount = 7;
    const PlannerLayout week = LayOutWeekPlanner(p, QString());
    EXPECT_EQ(week.Title, "January 29 - February 4, 1997");
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(p.Cell(i).CellRect, week.Geometry.Rows[i - 1].Cell);
        EXPECT_EQ(p.Cell(i).TextRect, p.Cell(i).CellRect);
    }
    EXPECT_EQ(p.Cell(4).DayNumber, 1);
    EXPECT_EQ(p.Cell(8).DayNumber, 0);
    for (int i = 9; i <= 42; ++i)
        EXPECT_EQ(p.Cell(i), DayCellInfo{}) << i;
    EXPECT_TRUE(p.HeadersRect.IsZero());
    EXPECT_EQ(p.TitleRect, week.Geometry.TitleRect);

    p.PlannerHourCount = 10;
    const PlannerLayout day = LayOutDayPlanner(p, QStringLiteral("Trip"));
    EXPECT_EQ(day.Title, "Trip");
    EXPECT_EQ(day.Labels.Upper.first(), "8:00 AM");
    EXPECT_EQ(p.Cell(4).DayNumber, 0);
    EXPECT_FALSE(p.Cell(11).CellRect.IsZero());
    EXPECT_TRUE(p.Cell(12).CellRect.IsZero());
}
