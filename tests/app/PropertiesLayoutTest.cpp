// The layout page of the properties dialog: list rows and orientation to
// page layouts and back, paper, and which controls each layout enables.
#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "PropertiesKit.h"
#include "app/ColorSwatchButton.h"

using namespace props;

TEST(PropertiesLayout, EveryRowAndOrientationGivesItsLayoutAndEveryLayoutShowsItsRow)
{
    auto dialog = openDialog();
    for (int row = 0; row < 13; ++row) {
        for (const char* orientation : {"PortraitRadio", "LandscapeRadio"}) {
            clickRow(*dialog, "LayoutList", row);
            // Planners disable the orientation group: the click changes nothing.
            click(*dialog, orientation);
            const bool landscape = QByteArray(orientation) == "LandscapeRadio";
            const int wanted = row < 9 ? row * 2 + (landscape ? 1 : 0) : row + 9;
            EXPECT_EQ(dialog->ExampleCalendar().CalendarLayout(), wanted) << "row " << row << ' ' << orientation;
            EXPECT_EQ(dialog->PlannerFlag(), wanted > 17);
        }
    }

    for (int layout = 0; layout < CalendarLayoutCount; ++layout) {
        auto shown = openDialog(TCalendarLayout(layout));
        const int row = layout < 18 ? layout / 2 : layout - 9;
        EXPECT_EQ(find<QListWidget>(*shown, "LayoutList")->currentRow(), row) << "layout " << layout;
        const bool landscape = layout < 18 && layout % 2 == 1;
        EXPECT_EQ(find<QRadioButton>(*shown, "LandscapeRadio")->isChecked(), landscape) << "layout " << layout;
        EXPECT_EQ(find<QRadioButton>(*shown, "PortraitRadio")->isChecked(), !landscape);
        // Activation applies the selection again: the example keeps its layout.
        EXPECT_EQ(shown->ExampleCalendar().CalendarLayout(), layout);
    }
}

TEST(PropertiesLayout, TwoWeekPlannerThenLandscapeKeepsThePlanner)
{
    auto dialog = openDialog(loFCMinisInTitle);
    clickRow(*dialog, "LayoutList", 10);
    EXPECT_EQ(dialog->ExampleCalendar().CalendarLayout(), lo2Week);
    EXPECT_FALSE(find<QGroupBox>(*dialog, "rOrientation")->isEnabled());
    // Even set from code, landscape has no effect on a planner.
    find<QRadioButton>(*dialog, "LandscapeRadio")->setChecked(true);
    EXPECT_EQ(dialog->ExampleCalendar().CalendarLayout(), lo2Week);
    EXPECT_EQ(dialog->ExampleCalendar().CalendarOrientation(), coPortrait);
}

TEST(PropertiesLayout, PaperGroupSetsTheExamplesPaper)
{
    auto dialog = openDialog(loMC12Month);
    TCalendarPanel32& example = dialog->ExampleCalendar();
    const int letterHeight = example.PageHeightPx();
    click(*dialog, "A4Radio");
    EXPECT_TRUE(example.PaperSizeA4());
    EXPECT_GT(example.PageHeightPx(), letterHeight);
    EXPECT_EQ(example.CalendarLayout(), loMC12Month) << "the paper leaves the layout as it was";
    click(*dialog, "LetterRadio");
    EXPECT_FALSE(example.PaperSizeA4());
}

TEST(PropertiesLayout, ControlsAreEnabledForWhatTheLayoutDraws)
{
    for (int layout = 0; layout < CalendarLayoutCount; ++layout) {
        auto dialog = openDialog(TCalendarLayout(layout));
        const int kind = LayoutKindOf(TCalendarLayout(layout));
        auto enabled = [&](const char* name) { return find<QWidget>(*dialog, name)->isEnabled(); };
        SCOPED_TRACE(layout);
        EXPECT_EQ(enabled("rOrientation"), kind <= 1);
        EXPECT_EQ(enabled("WeekStartsOn"), layout < 18);
        EXPECT_EQ(find<QGroupBox>(*dialog, "DateCaption")->title(),
                  layout < 18 ? QStringLiteral("Select Month && Year") : QStringLiteral("Select Starting Date"));
        for (const char* name : {"TitleShowYearCheck", "TitleColorButton", "CellFontButton", "CalendarLineLayoutCombo"})
            EXPECT_EQ(enabled(name), layout < 8) << name;
        for (const char* name : {"TitleFontButton", "HeadersFontButton", "HeadersColorButton", "CalHeaderStyleCombo"})
            EXPECT_EQ(enabled(name), layout < 8 || layout > 17) << name;
        for (const char* name : {"MiniShowYearCheck", "MiniTitleFontButton", "MiniHeadersFontButton",
                                 "MiniCellFontButton", "MiniHeadersColorButton", "MiniCalColorButton",
                                 "MiniHeadersStyleCombo", "MiniCalendarLineLayoutCombo"})
            EXPECT_EQ(enabled(name), layout >= 2 && layout <= 17) << name;
        EXPECT_EQ(enabled("StartTimeButton"), kind == 4 || kind == 5);
    }
}

TEST(PropertiesLayout, DateButtonsMoveTheExamplesDateAndTheLabelFollowsThePlannerFlag)
{
    auto dialog = openDialog();
    TCalendarPanel32& example = dialog->ExampleCalendar();
    auto* label = find<QLabel>(*dialog, "DateLabel");
    auto* calendar = find<QCalendarWidget>(*dialog, "Calendar");
    calendar->setSelectedDate(QDate(2024, 1, 31));
    EXPECT_EQ(example.MainCalMonth(), 1);
    EXPECT_EQ(example.MainCalYear(), 2024);
    EXPECT_EQ(example.MainCalDay(), 31);
    EXPECT_EQ(label->text(), QStringLiteral("January 2024"));

    click(*dialog, "MonthForwardButton");
    EXPECT_EQ(calendar->selectedDate(), QDate(2024, 2, 29)) << "the day is cut to the month's end";
    EXPECT_EQ(example.MainCalMonth(), 2);
    EXPECT_EQ(example.MainCalDay(), 29);
    click(*dialog, "YearForwardButton");
    EXPECT_EQ(example.MainCalYear(), 2025);
    EXPECT_EQ(example.MainCalDay(), 28);
    click(*dialog, "YearBackButton");
    click(*dialog, "YearBackButton");
    click(*dialog, "MonthBackButton");
    EXPECT_EQ(calendar->selectedDate(), QDate(2023, 1, 28));
    EXPECT_EQ(label->text(), QStringLiteral("January 2023"));
    EXPECT_EQ(example.MainCalYear(), 2023);
    EXPECT_EQ(example.MainCalMonth(), 1);

    // Paging the calendar itself moves the date as well.
    calendar->showNextMonth();
    EXPECT_EQ(example.MainCalMonth(), 2);

    click(*dialog, "NowButton");
    EXPECT_EQ(calendar->selectedDate(), QDate::currentDate());
    EXPECT_EQ(example.MainCalYear(), QDate::currentDate().year());

    // A planner shows the long date of its starting day.
    calendar->setSelectedDate(QDate(1997, 1, 1));
    clickRow(*dialog, "LayoutList", 9);
    EXPECT_EQ(label->text(), QStringLiteral("Wednesday, January 1, 1997"));
    clickRow(*dialog, "LayoutList", 0);
    EXPECT_EQ(label->text(), QStringLiteral("January 1997"));
}

TEST(PropertiesLayout, OpeningFillsTheDateWithoutTouchingTheExample)
{
    auto dialog = std::make_unique<TCalendarProperties>();
    TCalendarPanel32& example = dialog->ExampleCalendar();
    example.SetMainCalYear(2031);
    example.SetMainCalMonth(7);
    example.SetMainCalDay(0);  // a new page's day: no day chosen yet
    dialog->show();
    EXPECT_EQ(find<QCalendarWidget>(*dialog, "Calendar")->selectedDate(), QDate(2031, 7, 1));
    EXPECT_EQ(find<QLabel>(*dialog, "DateLabel")->text(), QStringLiteral("July 2031"));
    EXPECT_EQ(example.MainCalDay(), 0) << "filling the controls leaves the example alone";
}
