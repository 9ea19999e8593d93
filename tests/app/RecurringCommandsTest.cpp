// The recurring-dates commands of the main window, end to end: entries made
// in the Recurring Dates dialog (a new one and the holidays) fill the month
// through the select dialog, in the editor's writing attributes.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextDocument>

#include "MainTestSupport.h"
#include "recurring/CheckMarkDialog.h"
#include "recurring/CheckMarkList.h"
#include "recurring/EditRecurringDateFormula.h"
#include "recurring/EditRecurringDates.h"
#include "recurring/RecurringFormula.h"
#include "recurring/RecurringStore.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

using namespace vellumy::test;

namespace {
void click(const QWidget& dialog, const char* name)
{
    QPushButton* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

QStringList paragraphs(const TCalendarPanel32& page, int day)
{
    return page.CellTexts(page.FindCellByDay(day))->RtfText().ToDocument()->toPlainText().split(
        u'\n', Qt::SkipEmptyParts);
}

// The character format of the paragraph of `day`'s cell that reads `text`.
QTextCharFormat formatOf(const TCalendarPanel32& page, int day, const QString& text)
{
    const auto document = page.CellTexts(page.FindCellByDay(day))->RtfText().ToDocument();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        if (block.text().trimmed() == text && block.begin() != block.end())
            return block.begin().fragment().charFormat();
    ADD_FAILURE() << "no paragraph " << text.toStdString();
    return QTextCharFormat();
}
} // namespace

TEST_F(MainWindowTest, RecurringDatesAreKeptOnceAndFillTheMonth)
{
    TCalendarMain& window = start();
    EXPECT_TRUE(item(window, "mnuEditrecurringDates")->isEnabled());
    newCalendar(window, 0, true, 2027, 11);
    TCalendarPanel32& page = *window.CalendarPanel();
    // The icon palette steps aside while the commands run.
    QWidget palette;
    window.SetIconPalette(&palette);
    window.ShowHideIconToolClick();
    ASSERT_TRUE(palette.isVisible());

    // Without a store the command does nothing at all.
    choose(window, "mnuFillCalendarwithRecurringDates");
    EXPECT_TRUE(boxes.shown().isEmpty());

    // A note of the user's in the Thanksgiving cell, bold and large.
    clickCell(window, page.FindCellByDay(25));
    TWPWritingAttributes attributes = window.CellEditor()->WritingAttributes();
    attributes.style = TFont::fsBold;
    attributes.size = 16;
    window.CellEditor()->SetWritingAttributes(attributes);
    typeIntoEditor(window, QStringLiteral("Dinner"));
    clickCell(window, page.FindCellByDay(3));

    // A new entry for every Monday, then all the holidays.
    WhenModal<TEditRecurringDates>([&palette](TEditRecurringDates& dialog) {
        EXPECT_FALSE(palette.isVisible());
        WhenModal<TEditRecurringDateFormula>([](TEditRecurringDateFormula& editor) {
            editor.findChild<QRadioButton*>("rbDayOfweek")->click();
            for (const char* day : {"Tuesday", "Wednesday", "Thursday", "Friday"})
                editor.findChild<QCheckBox*>(day)->setChecked(false);
            editor.findChild<QLineEdit*>("Event")->setText("Team meeting");
            click(editor, "OkBtn");
        });
        click(dialog, "NewBtn");
        WhenModal<TGetHolidays>([](TGetHolidays& holidays) {
            click(holidays, "AllBtn");
            click(holidays, "OkBtn");
        });
        click(dialog, "HolidaysBtn");
        click(dialog, "OkBtn");
    });
    choose(window, "mnuEditrecurringDates");
    ASSERT_EQ(LoadRecurringDates(RecurringDatesPath()).size(), 27);

    auto fill = [&] {
        WhenModal<TSelectRecurringDates>([&palette](TSelectRecurringDates& select) {
            EXPECT_FALSE(palette.isVisible());
            // November's entries only, in file order, all ticked.
            TCheckMarkList& list = *select.List();
            EXPECT_EQ(list.Lines().size(), 4);
            EXPECT_EQ(list.SelectedRows().size(), 4);
            EXPECT_EQ(list.item(0)->text(), "Daylight Savings Time ends (1st Sun of November)");
            list.setCurrentRow(1, QItemSelectionModel::NoUpdate);
            SaveForInspection(select.grab().toImage(), QStringLiteral("recurring-select-dialog.png"));
            click(select, "OkBtn");
        });
        choose(window, "mnuFillCalendarwithRecurringDates");
    };
    fill();
    EXPECT_EQ(paragraphs(page, 7), QStringList({"Daylight Savings Time ends"}));
    EXPECT_EQ(paragraphs(page, 11), QStringList({"Veterans Day"}));
    EXPECT_EQ(paragraphs(page, 25), QStringList({"Dinner", "Thanksgiving Day"}));
    for (int monday : {1, 8, 15, 22, 29})
        EXPECT_EQ(paragraphs(page, monday), QStringList({PadText("Team meeting", 120)})) << monday;
    const QTextCharFormat put = formatOf(page, 25, "Thanksgiving Day");
    EXPECT_TRUE(put.font().bold());
    EXPECT_EQ(put.fontPointSize(), 16);
    // The editor is back on the cell the user was in; the change shows.
    EXPECT_EQ(window.CurrentCell(), page.FindCellByDay(3));
    EXPECT_TRUE(window.Modified());
    EXPECT_TRUE(window.findChild<QPushButton*>("Savebutton")->isVisible());
    EXPECT_TRUE(palette.isVisible());

    // Nothing spots duplicates: a second fill puts every text again.
    fill();
    EXPECT_EQ(paragraphs(page, 25), QStringList({"Dinner", "Thanksgiving Day", "Thanksgiving Day"}));
    EXPECT_EQ(paragraphs(page, 29).size(), 2);

    // A month no entry falls in says so.
    ASSERT_TRUE(SaveRecurringDates(RecurringDatesPath(), {MakeEntryLine("Christmas", "@1225")}));
    choose(window, "mnuFillCalendarwithRecurringDates");
    EXPECT_EQ(boxes.lastText(), "No predefined dates match the current month");
    EXPECT_TRUE(palette.isVisible());
    window.SetIconPalette(nullptr);
}
