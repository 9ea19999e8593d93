#include <gtest/gtest.h>

#include <QDate>
#include <QProcess>
#include <QStandardPaths>

#include "page/CalendarDates.h"
#include "page/GridGeometry.h"

namespace {

MonthGridInput gridInput(int month, int year, int startOfWeek = 1,
                         TCalendarNumberPosition position = cnpUpperRight)
{
    MonthGridInput in;
    in.Rect = {26, 26, 790, 1030};
    in.MinTitleHeight = 144;
    in.Month = month;
    in.Year = year;
    in.StartOfWeek = startOfWeek;
    in.NumberPosition = position;
    in.HeadersFontPixelHeight = 21;
    in.CellDigitTextHeight = 24;
    return in;
}

// The day numbers of the 42 cells, as one list.
QList<int> days(const MonthGridGeometry& g)
{
    QList<int> result;
    for (const DayCellInfo& cell : g.Cells)
        result.append(cell.DayNumber);
    return result;
}

} // namespace

TEST(GridGeometry, TitleHeaderAndCellRectanglesOfAPortraitLetterGrid)
{
    // P = (26, 26, 790, 1030): Q = (26, 26, 789, 1029), 1003 high, 763 wide.
    const MonthGridGeometry g = ComputeMonthGrid(gridInput(1, 1997));
    // 17 % of 1003 is 170.51 -> 171; taller than the 144-pixel minimum.
    EXPECT_EQ(g.TitleRect, (PixelRect{26, 27, 789, 198}));
    EXPECT_EQ(g.TitleBand, g.TitleRect);
    // Header row: Round(21 x 1.5) = 32 high (31.5 to even).
    EXPECT_EQ(g.HeadersRect, (PixelRect{26, 199, 789, 231}));
    EXPECT_EQ(g.ColumnWidth, 109);
    EXPECT_EQ(g.HeaderCells[0], (PixelRect{27, 199, 134, 231}));
    EXPECT_EQ(g.HeaderCells[6], (PixelRect{681, 199, 788, 231}));
    // Rows (1029 - 231) div 6 = 133; upper-right narrows by 4 and 5.
    EXPECT_EQ(g.RowHeight, 133);
    EXPECT_EQ(g.Cell(1).CellRect, (PixelRect{31, 232, 129, 363}));
    EXPECT_EQ(g.Cell(1).TextRect, (PixelRect{31, 256, 129, 363}));
    EXPECT_EQ(g.Cell(42).CellRect, (PixelRect{685, 897, 783, 1028}));
    // 1 January 1997 was a Wednesday.
    EXPECT_EQ(g.FirstColumn, 4);
    EXPECT_EQ(g.Cell(4).DayNumber, 1);
    EXPECT_EQ(g.Cell(34).DayNumber, 31);
    EXPECT_EQ(g.Cell(35).DayNumber, 0);
}

TEST(GridGeometry, ShortBandsGrowToTheMinimumWhileTitleRectKeepsSeventeenPercent)
{
    // Landscape content (26, 26, 1030, 790): 17 % of 763 is 129.71 -> 130.
    MonthGridInput in = gridInput(1, 1997);
    in.Rect = {26, 26, 1030, 790};
    const MonthGridGeometry g = ComputeMonthGrid(in);
    EXPECT_EQ(g.TitleRect, (PixelRect{26, 27, 1029, 157}));
    EXPECT_EQ(g.TitleBand, (PixelRect{26, 27, 1029, 171}));
    EXPECT_EQ(g.HeadersRect.top, 172);

    // Mini calendars have no minimum.
    in.MinTitleHeight = 0;
    EXPECT_EQ(ComputeMonthGrid(in).TitleBand, ComputeMonthGrid(in).TitleRect);
}

TEST(GridGeometry, NumberPositionDecidesCellNarrowingAndTextArea)
{
    const MonthGridGeometry centred = ComputeMonthGrid(gridInput(6, 2010, 1, cnpCenter));
    const MonthGridGeometry upper = ComputeMonthGrid(gridInput(6, 2010, 1, cnpUpperRight));
    for (int i = 1; i <= DayCellCount; ++i) {
        EXPECT_TRUE(centred.Cell(i).TextRect.IsZero()) << i;
        const PixelRect& c = centred.Cell(i).CellRect;
        const PixelRect& u = upper.Cell(i).CellRect;
        EXPECT_EQ(u, (PixelRect{c.left + 4, c.top, c.right - 5, c.bottom})) << i;
        EXPECT_EQ(upper.Cell(i).TextRect, (PixelRect{u.left, u.top + 24, u.right, u.bottom})) << i;
    }
    // Cells do not overlap: neighbouring columns and rows leave a gap.
    EXPECT_LT(centred.Cell(1).CellRect.right, centred.Cell(2).CellRect.left);
    EXPECT_LT(centred.Cell(1).CellRect.bottom, centred.Cell(8).CellRect.top);
}

TEST(GridGeometry, SaturdayFirstMonthsAndLeapFebruaries)
{
    // March 1997 begins on a Saturday and has 31 days.
    const MonthGridGeometry sunday = ComputeMonthGrid(gridInput(3, 1997, 1));
    const MonthGridGeometry monday = ComputeMonthGrid(gridInput(3, 1997, 2));
    for (int i = 1; i <= DayCellCount; ++i) {
        EXPECT_EQ(sunday.Cell(i).DayNumber, i >= 7 && i <= 37 ? i - 6 : 0) << i;
        EXPECT_EQ(monday.Cell(i).DayNumber, i >= 6 && i <= 36 ? i - 5 : 0) << i;
    }

    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 2024), 29);
    EXPECT_EQ(DaysInMonth(2, 2100), 28);
    EXPECT_EQ(days(ComputeMonthGrid(gridInput(2, 1900))).count(0), 42 - 28);
    EXPECT_EQ(days(ComputeMonthGrid(gridInput(2, 2000))).count(0), 42 - 29);
    // February 2015 starts on a Sunday: four full rows with Sunday weeks, the
    // first in the last column with Monday weeks.
    EXPECT_EQ(FirstDayColumn(2, 2015, 1), 1);
    EXPECT_EQ(FirstDayColumn(2, 2015, 2), 7);
    EXPECT_EQ(ComputeMonthGrid(gridInput(2, 2015, 2)).Cell(7).DayNumber, 1);
}

TEST(GridGeometry, HeaderColumnsNameTheDaysInWeekOrder)
{
    const MonthGridGeometry sunday = ComputeMonthGrid(gridInput(1, 2000, 1));
    const MonthGridGeometry monday = ComputeMonthGrid(gridInput(1, 2000, 2));
    EXPECT_EQ(sunday.HeaderDays, (std::array<int, 7>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(monday.HeaderDays, (std::array<int, 7>{2, 3, 4, 5, 6, 7, 1}));
}

TEST(GridGeometry, EveryMonthFrom1900To2099MatchesQDate)
{
    for (int year = 1900; year <= 2099; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int startOfWeek : {1, 2}) {
                const MonthGridGeometry g = ComputeMonthGrid(gridInput(month, year, startOfWeek));
                const QDate first(year, month, 1);
                // Column (0-based) of the first under this week start.
                const int firstColumn = startOfWeek == 1 ? first.dayOfWeek() % 7 : first.dayOfWeek() - 1;
                for (int i = 1; i <= DayCellCount; ++i) {
                    const QDate date = first.addDays(i - 1 - firstColumn);
                    const int expected = date.month() == month && date.year() == year ? date.day() : 0;
                    ASSERT_EQ(g.Cell(i).DayNumber, expected)
                        << year << "-" << month << " cell " << i << " week start " << startOfWeek;
                }
                ASSERT_EQ(g.DaysInMonth, first.daysInMonth());
            }
        }
    }
}

TEST(GridGeometry, AgreesWithTheCalProgram)
{
    const QString cal = QStandardPaths::findExecutable(QStringLiteral("ncal"));
    if (cal.isEmpty())
        GTEST_SKIP() << "ncal (package ncal) is not installed";
    const int samples[][2] = {{1, 1900}, {2, 1900}, {2, 2000}, {3, 1997}, {9, 1975},
                              {12, 1999}, {2, 2015}, {7, 2041}, {12, 2099}};
    for (const auto& sample : samples) {
        for (int startOfWeek : {1, 2}) {
            // ncal -b prints the month like cal: a title line, a weekday line,
            // then weeks of seven 3-character columns; -M starts weeks on Monday.
            QStringList args{QStringLiteral("-b"), QString::number(sample[0]), QString::number(sample[1])};
            if (startOfWeek == 2)
                args.prepend(QStringLiteral("-M"));
            else
                args.prepend(QStringLiteral("-S"));
            QProcess process;
            process.start(cal, args);
            ASSERT_TRUE(process.waitForFinished(10000));
            const QStringList lines = QString::fromLocal8Bit(process.readAllStandardOutput()).split(QLatin1Char('\n'));
            ASSERT_GE(lines.size(), 8);
            const MonthGridGeometry g = ComputeMonthGrid(gridInput(sample[0], sample[1], startOfWeek));
            for (int w = 0; w < 6; ++w) {
                const QString line = lines[2 + w];
                for (int c = 0; c < 7; ++c) {
                    const int day = line.mid(3 * c, 2).trimmed().toInt();
                    EXPECT_EQ(g.Cell(7 * w + c + 1).DayNumber, day)
                        << sample[1] << "-" << sample[0] << " week " << w << " column " << c;
                }
            }
        }
    }
}
