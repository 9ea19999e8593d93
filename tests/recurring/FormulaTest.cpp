// Entry formulas: their text forms and descriptions, the days they give, and
// Easter against an independent computus.
#include <QDate>
#include <gtest/gtest.h>

#include "RecurringTestSupport.h"
#include "recurring/RecurringEvaluation.h"
#include "recurring/RecurringFormula.h"

namespace {

QString entry(const char* event, const char* formula)
{
    return MakeEntryLine(QString::fromLatin1(event), QString::fromLatin1(formula));
}

// Gauss's Easter algorithm with its two Gregorian exceptions: a second
// method, written apart from the program's.
QDate gaussEaster(int year)
{
    const int a = year % 19, b = year % 4, c = year % 7;
    const int k = year / 100, p = (13 + 8 * k) / 25, q = k / 4;
    const int M = (15 - p + k - q) % 30, N = (4 + k - q) % 7;
    const int d = (19 * a + M) % 30, e = (2 * b + 4 * c + 6 * d + N) % 7;
    if (d == 29 && e == 6)
        return QDate(year, 4, 19);
    if (d == 28 && e == 6 && (11 * M + 11) % 30 < 19)
        return QDate(year, 4, 18);
    return QDate(year, 3, 22).addDays(d + e);
}

} // namespace

TEST(RecurringFormula, TextFormsAndDescriptions)
{
    for (auto [n, text] : std::initializer_list<std::pair<int, const char*>>{
             {1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {11, "11th"}, {12, "12th"}, {13, "13th"},
             {21, "21st"}, {22, "22nd"}, {23, "23rd"}, {31, "31st"}, {111, "111th"}})
        EXPECT_EQ(OrdinalText(n), QLatin1String(text));

    EXPECT_EQ(FormatDayOfMonthFormula(1, 4), "@0401");
    EXPECT_EQ(FormatSpecialFormula(2, 6, 5), "$2 6 5 ");
    EXPECT_EQ(FormatSpecialFormula(5, 0, 10), "$5 0 10");
    EXPECT_EQ(PadText("abc", 5), "abc  ");
    EXPECT_EQ(PadText("abcdef", 3), "abc");
    EXPECT_EQ(TrimSpaces("  a b\t "), "a b\t");

    // Readable formulas, and hand-edited ones whose fields are out of range
    // (month 13, weekday 8, occurrence 6, day 0) or no numbers at all.
    for (auto [formula, description] : std::initializer_list<std::pair<const char*, const char*>>{
             {"@1225     ", "25th of December"}, {"@0003", "3rd of Each Month"},
             {"$3 4 11", "4th Thu of November"}, {"$5 0 10", "Last Sun of October"},
             {"$0 7 0 ", "1st Day Each Month"}, {"%23456    ", "Mon,Tue,Wed,Thu,Fri"}, {"%71", "Sun,Sat"},
             {"@1301", ""}, {"$0 8 1", ""}, {"$6 0 1", ""}, {"@0100", ""}, {"@-101", ""}, {"@12", ""},
             {"$x 0 1", ""}, {"#EASTER", ""}})
        EXPECT_EQ(DescribeFormula(QLatin1String(formula)), QLatin1String(description)) << formula;

    // Lines: 120 characters of event text, then the formula padded to 10.
    const QString christmas = entry("Christmas Day", "@1225");
    EXPECT_EQ(christmas.size(), 130);
    EXPECT_EQ(EntryDisplayText(christmas), "Christmas Day (25th of December)");
    const QString easter = PadText("Easter", 120) + "#EASTER";
    EXPECT_EQ(EntryDisplayText(easter), PadText("Easter", 120));
    EXPECT_EQ(EntryDisplayText("A short note"), "A short note");
    EXPECT_EQ(MakeEntryLine(QString(130, u'x'), "@0101").left(121), QString(120, u'x') + "@");
    // A line break in the event would split the entry in the file.
    EXPECT_EQ(EntryEventText(MakeEntryLine("two\r\nlines", "@0101")), PadText("two  lines", 120));
}

TEST(RecurringFormula, DaysOfTheMonth)
{
    struct Case {
        QString line;
        int year, month;
        bool applies;
        QList<int> days;
    };
    const QString shortLine = PadText("No formula", 120);
    const Case cases[] = {
        // Feasts: Easter 2000, 2024, 2025; Good Friday and Palm Sunday 2024,
        // none of the three in April 2024.
        {PadText("Easter", 120) + "#EASTER", 2000, 4, true, {23}},
        {PadText("Easter", 120) + "#easter", 2024, 3, true, {31}},
        {PadText("Easter", 120) + "#EASTER", 2025, 4, true, {20}},
        {PadText("Good Friday", 120) + "#GOODFRIDAY", 2024, 3, true, {29}},
        {PadText("Palm Sunday", 120) + "#PALMSUNDAY", 2024, 3, true, {24}},
        {PadText("Easter", 120) + "#EASTER", 2024, 4, false, {}},
        {PadText("Good Friday", 120) + "#GOODFRIDAY", 2024, 4, false, {}},
        {PadText("Palm Sunday", 120) + "#PALMSUNDAY", 2024, 4, false, {}},
        {PadText("Some feast", 120) + "#HARVEST", 2024, 4, true, {}},
        // The 5th Monday of a month with four Mondays (February 2023).
        {entry("Fifth Monday", "$4 1 0"), 2023, 2, true, {}},
        {entry("Fifth Monday", "$4 1 0"), 2023, 1, true, {30}},
        // The last day of February.
        {entry("Month end", "$5 7 2"), 2024, 2, true, {29}},
        {entry("Month end", "$5 7 2"), 2023, 2, true, {28}},
        {entry("Month end", "$5 7 2"), 2023, 3, false, {}},
        {entry("Third day", "$2 7 0"), 2023, 3, true, {3}},
        {entry("Thanksgiving", "$3 4 11"), 2027, 11, true, {25}},
        // Day 31 only where the month has it.
        {entry("Pay day", "@0031"), 2024, 1, true, {31}},
        {entry("Pay day", "@0031"), 2024, 4, true, {}},
        // Every Sunday and Saturday of December 2024.
        {entry("Weekend", "%17"), 2024, 12, true, {1, 7, 8, 14, 15, 21, 22, 28, 29}},
        {shortLine, 2024, 5, true, {}},
        {shortLine.left(60), 2024, 5, true, {}},
        {PadText("Odd", 120) + "?1234", 2024, 5, true, {}},
        // Day 0 and fields out of range give no day (and are not offered).
        {entry("Nothing", "@0500"), 2024, 5, false, {}},
        {entry("Month 13", "@1301"), 2024, 1, false, {}},
        {entry("Weekday 8", "$0 8 1"), 2024, 1, false, {}},
        {entry("Sixth", "$6 0 1"), 2024, 1, false, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EntryApplies(c.line, c.year, c.month), c.applies) << c.line.toStdString() << c.month;
        EXPECT_EQ(EntryDays(c.line, c.year, c.month), c.days) << c.line.toStdString() << c.month;
    }
    EXPECT_EQ(EntryPutText(entry("  Christmas", "@1225")), "Christmas");
    EXPECT_EQ(EntryPutText(entry("Weekend", "%17")), PadText("Weekend", 120));
}

TEST(RecurringFormula, EasterAgreesWithASecondComputus)
{
    for (int year = 1583; year <= 4099; ++year) {
        const QDate easter = EasterSunday(year);
        ASSERT_EQ(easter, gaussEaster(year)) << year;
        ASSERT_EQ(easter.dayOfWeek(), Qt::Sunday) << year;
    }
    // The short rule that holds for 1900-2099 gives the same dates there...
    for (int year = 1900; year <= 2099; ++year) {
        int d = (225 - 11 * (year % 19) - 21) % 30 + 21;
        if (d > 48)
            --d;
        const int q = d + 7 - (year + year / 4 + d + 1) % 7;
        EXPECT_EQ(EasterSunday(year), q < 32 ? QDate(year, 3, q) : QDate(year, 4, q - 31)) << year;
    }
    // ...and a Saturday, 27 March, for 2100: there the computus gives 28 March.
    EXPECT_EQ(EasterSunday(2100), QDate(2100, 3, 28));
    EXPECT_EQ(FeastDayInMonth("#GOODFRIDAY", 2100, 3), 26);
    EXPECT_FALSE(EasterSunday(0).isValid());
}
