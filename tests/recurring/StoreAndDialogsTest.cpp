// The store file, the old file's conversion, the built-in holidays and the
// dialogs that edit and pick entries.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "RecurringTestSupport.h"
#include "recurring/CheckMarkDialog.h"
#include "recurring/CheckMarkList.h"
#include "recurring/EditRecurringDateFormula.h"
#include "recurring/EditRecurringDates.h"
#include "recurring/RecurringFormula.h"

using namespace vellumy::test;

namespace {
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

template <class T>
T* child(const QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void click(const QWidget& parent, const char* name)
{
    child<QPushButton>(parent, name)->click();
}
} // namespace

TEST_F(RecurringTest, StoreFileAndOldFileConversion)
{
    // Windows-1252 text, CR LF after every line; a bare LF ends a line too.
    // A character the code page lacks (here a surrogate pair) must not shift
    // the formula once written.
    const QStringList lines{MakeEntryLine(QString::fromUtf8("Café opening"), "@0601"),
                            MakeEntryLine(QString::fromUtf8("Weekend \U0001F382"), "%17")};
    ASSERT_TRUE(SaveRecurringDates(RecurringDatesPath(), lines));
    const QByteArray bytes = readAll(RecurringDatesPath());
    EXPECT_EQ(bytes.size(), 2 * 132);
    EXPECT_EQ(bytes.mid(3, 1), QByteArray("\xE9"));
    EXPECT_EQ(bytes.mid(130, 2), QByteArray("\r\n"));
    EXPECT_EQ(LoadRecurringDates(RecurringDatesPath()), lines);
    EXPECT_EQ(EntryDisplayText(lines[1]), "Weekend ? (Sun,Sat)");
    EXPECT_EQ(ParseRecurringDates("a\r\nb\n\r\nc"), QStringList({"a", "b", "", "c"}));
    EXPECT_TRUE(LoadRecurringDates(userFile("none.DAX")).isEmpty());
    // A folder that cannot be written to keeps the file it has.
    EXPECT_FALSE(SaveRecurringDates(userFile("no/such/folder/QXRECUR.DAX"), lines));

    EXPECT_EQ(ConvertOldRecurringLine("1225Christmas"), PadText("Christmas", 120) + "@1225      ");
    // The old file's entries join those already kept, once each.
    writeAll(OldRecurringDatesPath(), "1225Christmas\r\n\r\n0704Picnic\r\n");
    ASSERT_TRUE(SaveRecurringDates(RecurringDatesPath(), {ConvertOldRecurringLine("0704Picnic")}));
    EXPECT_TRUE(ConvertOldRecurringFile());
    EXPECT_FALSE(QFile::exists(OldRecurringDatesPath()));
    EXPECT_EQ(LoadRecurringDates(RecurringDatesPath()),
              QStringList({ConvertOldRecurringLine("0704Picnic"), ConvertOldRecurringLine("1225Christmas")}));
    EXPECT_EQ(EntryDisplayText(ConvertOldRecurringLine("1225Christmas")), "Christmas (25th of December)");
    EXPECT_FALSE(ConvertOldRecurringFile());
}

TEST_F(RecurringTest, BuiltInHolidays)
{
    const QStringList holidays = BuiltInHolidays();
    ASSERT_EQ(holidays.size(), 26);
    for (const QString& line : holidays) {
        const bool feast = EntryKind(line) == FeastKind;
        EXPECT_TRUE(feast ? line.size() >= 127 && line.size() <= 131 : line.size() == 130) << line.toStdString();
    }
    // Daylight saving time as the rules have been since 2007.
    EXPECT_TRUE(holidays.contains(MakeEntryLine("Daylight Savings time begins", "$1 0 3")));
    EXPECT_TRUE(holidays.contains(MakeEntryLine("Daylight Savings Time ends", "$0 0 11")));
    EXPECT_TRUE(holidays.contains(PadText("Palm Sunday", 120) + "#PALMSUNDAY"));
}

TEST_F(RecurringTest, FormulaDialog)
{
    TEditRecurringDateFormula dialog;
    auto* special = child<QRadioButton>(dialog, "rbSpecial");
    auto* weekdays = child<QRadioButton>(dialog, "rbDayOfweek");
    auto* dayOfMonth = child<QRadioButton>(dialog, "rbDayOfMonth");
    EXPECT_TRUE(dayOfMonth->isChecked());
    EXPECT_TRUE(dayOfMonth->font().bold());
    EXPECT_FALSE(child<QCheckBox>(dialog, "Monday")->isEnabled());

    dialog.SetFormula("$3 4 11   ");
    dialog.SetEmUp();
    EXPECT_TRUE(special->isChecked());
    EXPECT_TRUE(special->font().bold());
    EXPECT_FALSE(dayOfMonth->font().bold());
    EXPECT_EQ(child<QComboBox>(dialog, "SpecialOccurrance")->currentIndex(), 3);
    EXPECT_EQ(child<QComboBox>(dialog, "SpecialDayOfWeek")->currentIndex(), 4);
    EXPECT_EQ(child<QComboBox>(dialog, "SpecialMonth")->currentIndex(), 11);
    EXPECT_TRUE(child<QComboBox>(dialog, "SpecialMonth")->isEnabled());
    EXPECT_FALSE(child<QSpinBox>(dialog, "DayOfMonthDay")->isEnabled());
    ASSERT_TRUE(dialog.DetermineFormulaString());
    EXPECT_EQ(dialog.Formula(), "$3 4 11");
    SaveForInspection(dialog.grab().toImage(), QStringLiteral("recurring-formula-dialog.png"));

    // Weekdays: from the digits; none ticked is refused with a message.
    dialog.SetFormula("%17");
    dialog.SetEmUp();
    EXPECT_TRUE(weekdays->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "Sunday")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog, "Monday")->isChecked());
    child<QCheckBox>(dialog, "AllDaysCheck")->click();
    ASSERT_TRUE(dialog.DetermineFormulaString());
    EXPECT_EQ(dialog.Formula(), "%1234567");
    child<QCheckBox>(dialog, "AllDaysCheck")->click();
    EXPECT_FALSE(dialog.DetermineFormulaString());
    EXPECT_EQ(boxes.lastText(), "You must select at least one day for this \rreminder to occur on");

    // An unreadable day-of-month formula leaves the controls as they were.
    dialog.SetFormula("@1399");
    dialog.SetEmUp();
    EXPECT_TRUE(weekdays->isChecked());
    dayOfMonth->click();
    child<QSpinBox>(dialog, "DayOfMonthDay")->setValue(9);
    child<QComboBox>(dialog, "DayOfMonthMonth")->setCurrentIndex(0);
    ASSERT_TRUE(dialog.DetermineFormulaString());
    EXPECT_EQ(dialog.Formula(), "@0009");
    child<QComboBox>(dialog, "DayOfMonthMonth")->setCurrentIndex(-1);
    EXPECT_FALSE(dialog.DetermineFormulaString());
    EXPECT_EQ(boxes.lastText(), "Invalid month entered ");
}

TEST_F(RecurringTest, RecurringDatesDialog)
{
    const QString path = RecurringDatesPath();
    const QString mine = MakeEntryLine("Mum's birthday", "@0312");
    ASSERT_TRUE(SaveRecurringDates(path, {mine, PadText("Easter", 120) + "#EASTER"}));
    const QByteArray before = readAll(path);
    auto addHolidays = [](const QList<int>& rows) {
        WhenModal<TGetHolidays>([rows](TGetHolidays& holidays) {
            click(holidays, "OkBtn");  // nothing ticked: stays open
            EXPECT_TRUE(holidays.isVisible());
            for (int row : rows)
                holidays.List()->item(row)->setSelected(true);
            SaveForInspection(holidays.grab().toImage(), QStringLiteral("recurring-holidays-dialog.png"));
            click(holidays, "OkBtn");
        });
    };

    {
        // New, Delete and Holidays, then Cancel: the file stays as it was.
        TEditRecurringDates dialog;
        TEntryList& list = *dialog.DatesList();
        ASSERT_EQ(list.count(), 2);
        EXPECT_EQ(list.currentRow(), 0);
        WhenModal<TEditRecurringDateFormula>([](TEditRecurringDateFormula& editor) {
            EXPECT_EQ(editor.windowTitle(), "Add Recurring Date");
            EXPECT_EQ(editor.EventText(), "[Enter event]");
            editor.findChild<QLineEdit*>("Event")->setText(QString(130, u'z'));
            click(editor, "OkBtn");
        });
        dialog.NewClick();
        ASSERT_EQ(list.count(), 3);
        EXPECT_EQ(list.LineAt(list.currentRow()), QString(120, u'z') + "@0001     ");
        dialog.DeleteClick();
        addHolidays({0});
        dialog.HolidaysClick();
        EXPECT_EQ(list.count(), 3);
        dialog.reject();
        EXPECT_EQ(readAll(path), before);
    }

    TEditRecurringDates dialog;
    TEntryList& list = *dialog.DatesList();
    // Feasts cannot be edited.
    list.setCurrentRow(0);
    ASSERT_EQ(EntryKind(list.LineAt(0)), FeastKind);
    dialog.EditClick();
    EXPECT_EQ(boxes.lastText(), "This entry cannot be edited");
    // An edit keeps 120 characters of event text and sorts the list again.
    list.setCurrentRow(1);
    WhenModal<TEditRecurringDateFormula>([](TEditRecurringDateFormula& editor) {
        EXPECT_EQ(editor.windowTitle(), "Edit Recurring Date Formula");
        EXPECT_TRUE(editor.findChild<QRadioButton*>("rbDayOfMonth")->isChecked());
        EXPECT_EQ(editor.findChild<QSpinBox*>("DayOfMonthDay")->value(), 12);
        editor.findChild<QLineEdit*>("Event")->setText("A birthday" + QString(120, u'!'));
        click(editor, "OkBtn");
    });
    dialog.EditClick();
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.LineAt(0), MakeEntryLine("A birthday" + QString(110, u'!'), "@0312"));
    EXPECT_EQ(list.currentRow(), 0);
    // A holiday taken twice is kept once (Easter was there already).
    addHolidays({0, 5});
    dialog.HolidaysClick();
    addHolidays({0});
    dialog.HolidaysClick();
    const QStringList lines = list.Lines();
    SaveForInspection(dialog.grab().toImage(), QStringLiteral("recurring-dates-dialog.png"));
    EXPECT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.count(BuiltInHolidays().at(0)), 1);
    EXPECT_EQ(lines.count(PadText("Easter", 120) + "#EASTER"), 1);
    click(dialog, "OkBtn");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(LoadRecurringDates(path), lines);

    // Deleting every row leaves Edit and Delete disabled.
    while (list.count() > 0)
        dialog.DeleteClick();
    EXPECT_FALSE(child<QPushButton>(dialog, "EditBtn")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(dialog, "DeleteBtn")->isEnabled());

    // A list that cannot be written is said so, and the dialog stays open.
    TEditRecurringDates unwritable(nullptr, userFile("no/such/folder/QXRECUR.DAX"));
    unwritable.OkClick();
    EXPECT_EQ(boxes.lastText(), "Unable to save " + userFile("no/such/folder/QXRECUR.DAX"));
    EXPECT_NE(unwritable.result(), QDialog::Accepted);
}
