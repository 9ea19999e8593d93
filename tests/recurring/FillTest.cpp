// Filling day cells: the cell that shows each date, planners that run into
// the next month, and vellumy-tool dates and fill over a whole year of
// built-in holidays, checked against dates worked out apart from the program.
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTextDocument>
#include <map>

#include "RecurringTestSupport.h"
#include "page/CalendarPanel32.h"
#include "page/CellDates.h"
#include "recurring/RecurringFill.h"
#include "recurring/RecurringFormula.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

using namespace vellumy::test;

namespace {

// The built-in holidays of 2027 from python's calendar module and ncal -e.
const std::map<QString, QString> Holidays2027 = {
    {"2027-01-01", "New Year's Day"}, {"2027-01-18", "Martin Luther King Day"},
    {"2027-02-02", "Groundhog Day"}, {"2027-02-12", "Lincoln's Birthday"}, {"2027-02-14", "Valentine's Day"},
    {"2027-02-15", "President's Day"}, {"2027-02-22", "Washington's Birthday"},
    {"2027-03-14", "Daylight Savings time begins"}, {"2027-03-17", "St. Patrick's Day"},
    {"2027-03-21", "Palm Sunday"}, {"2027-03-26", "Good Friday"}, {"2027-03-28", "Easter"},
    {"2027-04-01", "April Fools's Day"}, {"2027-05-09", "Mother's Day"}, {"2027-05-15", "Armed Forces Day"},
    {"2027-05-31", "Memorial Day"}, {"2027-06-14", "Flag Day"}, {"2027-06-20", "Father's Day"},
    {"2027-07-04", "Independence Day"}, {"2027-09-06", "Labor Day"}, {"2027-10-24", "United Nations Day"},
    {"2027-10-31", "Halloween"}, {"2027-11-07", "Daylight Savings Time ends"}, {"2027-11-11", "Veterans Day"},
    {"2027-11-25", "Thanksgiving Day"}, {"2027-12-25", "Christmas Day"}};

QStringList cellLines(const TCalendarPanel32& page, int cell)
{
    return page.CellTexts(cell)->RtfText().ToDocument()->toPlainText().split(u'\n', Qt::SkipEmptyParts);
}

QByteArray runTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VELLUMY_BIN_DIR "/vellumy-tool"), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    return process.readAllStandardOutput();
}

} // namespace

TEST_F(RecurringTest, FillingPutsEachTextOnTheCellShowingItsDate)
{
    // A week planner from Thursday 28 January 2027 shows 1 February too.
    TCalendarPanel32 page(nullptr);
    page.ResetToDefaults();
    page.SetCalendarLayout(loWeek);
    page.SetMainCalYear(2027);
    page.SetMainCalMonth(1);
    page.SetMainCalDay(28);
    EXPECT_EQ(MonthsShownByCells(page), (QList<MonthYear>{{1, 2027}, {2, 2027}}));
    const QStringList lines{MakeEntryLine("January first", "@0101"), MakeEntryLine("Every first", "@0001"),
                            MakeEntryLine("Feb first", "@0201"), MakeEntryLine("Mondays", "%2"),
                            MakeEntryLine("In March", "@0301")};
    const QStringList offered = FillCandidates(lines, MonthsShownByCells(page));
    EXPECT_EQ(offered, lines.mid(0, 4));
    TWPRichText editor;
    EXPECT_EQ(FillPageWith(page, editor, offered), 3);
    EXPECT_EQ(cellLines(page, 5), QStringList({"Every first", "Feb first", PadText("Mondays", 120)}));
    for (int cell = 1; cell <= DayCellCount; ++cell) {
        if (cell != 5) {
            EXPECT_TRUE(page.CellTexts(cell)->IsEmpty()) << cell;
        }
    }
    EXPECT_EQ(FindCellByDate(page, QDate(2027, 1, 1)), -1);
    SaveForInspection(page.DrawPage(), QStringLiteral("recurring-filled-week-planner.png"));

    // A date set field by field may pass through 31 February: the planner
    // starts on the last day of February, as it is drawn.
    page.SetMainCalDay(31);
    page.SetMainCalYear(2024);
    page.SetMainCalMonth(2);
    EXPECT_EQ(CellDate(page, 1), QDate(2024, 2, 29));
    EXPECT_EQ(CellDate(page, 2), QDate(2024, 3, 1));
    EXPECT_FALSE(CellDate(page, 8).isValid());  // the Notes row

    // In a month grid blank cells show no date and day 0 finds no cell.
    page.SetCalendarLayout(loFullCalendar);
    page.SetStartOfWeek(1);
    page.DrawPage();
    EXPECT_FALSE(CellDate(page, 1).isValid());  // February 2024 starts on a Thursday
    EXPECT_EQ(CellDate(page, 5), QDate(2024, 2, 1));
    EXPECT_EQ(page.FindCellByDay(0), -1);
    EXPECT_EQ(page.FindCellByDay(1), 5);
}

TEST_F(RecurringTest, ToolDatesAndFillOverTheHolidaysOf2027)
{
    if (!QFileInfo::exists(QStringLiteral(VELLUMY_BIN_DIR "/vellumy-tool")))
        GTEST_SKIP() << "vellumy-tool is not built";
    ASSERT_TRUE(SaveRecurringDates(userFile("holidays.DAX"), BuiltInHolidays()));
    std::map<QString, QString> fromDates, fromFill;
    for (int month = 1; month <= 12; ++month) {
        const QJsonArray entries = QJsonDocument::fromJson(
            runTool({"dates", userFile("holidays.DAX"), "--month", QString::number(month), "--year", "2027"})).array();
        ASSERT_EQ(entries.size(), 26);
        for (const QJsonValue& value : entries) {
            const QJsonObject entry = value.toObject();
            const QJsonArray days = entry["days"].toArray();
            EXPECT_EQ(entry["applies"].toBool(), !days.isEmpty()) << entry["text"].toString().toStdString();
            for (const QJsonValue& day : days)
                fromDates[QDate(2027, month, day.toInt()).toString(Qt::ISODate)] =
                    entry["text"].toString().section(" (", 0, 0).trimmed();
        }

        // The same month filled in a document, read back through info.
        TCalendarPanel32 page(nullptr);
        page.ResetToDefaults();
        page.SetMainCalYear(2027);
        page.SetMainCalMonth(month);
        const QString in = userFile(QStringLiteral("in%1.QXF").arg(month));
        const QString out = userFile(QStringLiteral("out%1.QXF").arg(month));
        ASSERT_TRUE(page.SaveDocument(in));
        runTool({"fill", in, "-o", out, "--dates", userFile("holidays.DAX")});
        if (month == 3) {
            runTool({"render", out, "-o", userFile("march.png")});
            SaveForInspection(QImage(userFile("march.png")), QStringLiteral("recurring-filled-march-2027.png"));
        }
        const QJsonArray cells = QJsonDocument::fromJson(runTool({"info", out})).object()["cells"].toArray();
        for (const QJsonValue& value : cells) {
            const QJsonObject cell = value.toObject();
            const QString date = cell["date"].toString();
            EXPECT_EQ(QDate::fromString(date, Qt::ISODate).day(), cell["day"].toInt());
            for (const QString& text : cell["text"].toString().split(u'\n', Qt::SkipEmptyParts))
                fromFill[date] = text.trimmed();
        }
    }
    EXPECT_EQ(fromDates, Holidays2027);
    EXPECT_EQ(fromFill, Holidays2027);
}
