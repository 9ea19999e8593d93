#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalSettings.h"
#include "platform/Rounding.h"

using namespace vellumy::test;

TEST(Rounding, HalvesGoToEvenAndTruncCutsTowardZero)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.51), 3);
    EXPECT_EQ(truncToInt(-2.7), -2);
    EXPECT_EQ(truncToInt(2.7), 2);
}

TEST(PlatformSeams, ProgramFolderClockMessagesAndNames)
{
    EXPECT_TRUE(ProgramFolder().endsWith(QLatin1Char('/')));
    EXPECT_EQ(ProgramFolder(), DefaultProgramFolder() + QLatin1Char('/'));

    {
        ManualClock clock(5000);
        EXPECT_EQ(MillisecondsSinceStart(), 5000);
        clock.advance(150);
        EXPECT_EQ(MillisecondsSinceStart(), 5150);
    }
    EXPECT_GT(MillisecondsSinceStart(), 0);

    MessageBoxScript boxes;
    boxes.answer(false);
    EXPECT_FALSE(AskYesNo(QStringLiteral("Save changes?"), QStringLiteral("Save")));
    EXPECT_TRUE(AskYesNo(QStringLiteral("Again?"), QStringLiteral("Q")));
    ShowInfo(QStringLiteral("Done"));
    ASSERT_EQ(boxes.shown().size(), 3);
    EXPECT_EQ(boxes.shown()[0].caption, QStringLiteral("Save"));
    EXPECT_EQ(boxes.shown()[2].caption, QStringLiteral("Information"));

    EXPECT_EQ(LongMonthName(1), QStringLiteral("January"));
    EXPECT_EQ(LongDayName(1), QStringLiteral("Sunday"));
    EXPECT_EQ(LongDayName(7), QStringLiteral("Saturday"));
}
