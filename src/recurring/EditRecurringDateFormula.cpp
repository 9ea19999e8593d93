#include "recurring/EditRecurringDateFormula.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/MessageBoxes.h"
#include "recurring/RecurringFormula.h"

namespace {

const char* const MonthHint = "Select the month, or 'Each Month' \rfor all months";
const char* const DayBoxHint = "Check to use this reminder on this day of \reach week";

QString hint(const char* text)
{
    return QString::fromLatin1(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QComboBox* list(QWidget* parent, const char* name, const QStringList& items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setCurrentIndex(0);
    return box;
}

QStringList monthItems()
{
    return {QStringLiteral("Each Month"), QStringLiteral("January"), QStringLiteral("February"),
            QStringLiteral("March"), QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"),
            QStringLiteral("July"), QStringLiteral("August"), QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

QLabel* ofLabel(QWidget* parent)
{
    return new QLabel(QStringLiteral("of"), parent);
}

} // namespace

TEditRecurringDateFormula::TEditRecurringDateFormula(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EditRecurringDateFormula"));
    setWindowTitle(QStringLiteral("Recurring Date - Formulas"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* kinds = new QButtonGroup(this);
    auto* grid = new QGridLayout;

    rbDayOfMonth_ = new QRadioButton(QStringLiteral("Day of the &Month"), this);
    rbDayOfMonth_->setObjectName(QStringLiteral("rbDayOfMonth"));
    rbDayOfMonth_->setToolTip(hint("Check here to choose a 'Day of the Month' \rstyle Repeating Reminder"));
    dayOfMonthDay_ = new QSpinBox(this);
    dayOfMonthDay_->setObjectName(QStringLiteral("DayOfMonthDay"));
    dayOfMonthDay_->setRange(1, 31);
    dayOfMonthDay_->setToolTip(hint("Select the day of the month (1-31)"));
    dayOfMonthMonth_ = list(this, "DayOfMonthMonth", monthItems());
    dayOfMonthMonth_->setToolTip(hint(MonthHint));
    auto* dayOfMonthRow = new QHBoxLayout;
    dayOfMonthRow->addWidget(dayOfMonthDay_);
    dayOfMonthRow->addWidget(ofLabel(this));
    dayOfMonthRow->addWidget(dayOfMonthMonth_);
    dayOfMonthRow->addStretch(1);
    grid->addWidget(rbDayOfMonth_, 0, 0);
    grid->addLayout(dayOfMonthRow, 0, 1);

    rbDayOfweek_ = new QRadioButton(QStringLiteral("Day of the &Week"), this);
    rbDayOfweek_->setObjectName(QStringLiteral("rbDayOfweek"));
    rbDayOfweek_->setToolTip(hint("Check here to choose a 'Days of the Week' \rstyle Repeating Reminder"));
    auto dayBox = [this](const char* name, const char* caption, bool ticked) {
        auto* box = new QCheckBox(QString::fromLatin1(caption), this);
        box->setObjectName(QString::fromLatin1(name));
        box->setToolTip(hint(DayBoxHint));
        box->setChecked(ticked);
        return box;
    };
    monday_ = dayBox("Monday", "Mon", true);
    tuesday_ = dayBox("Tuesday", "Tues", true);
    wednesday_ = dayBox("Wednesday", "Wed", true);
    thursday_ = dayBox("Thursday", "Thu", true);
    friday_ = dayBox("Friday", "Fri", true);
    saturday_ = dayBox("Saturday", "Sat", false);
    sunday_ = dayBox("Sunday", "Sun", false);
    allDaysCheck_ = new QCheckBox(QStringLiteral("All Days"), this);
    allDaysCheck_->setObjectName(QStringLiteral("AllDaysCheck"));
    allDaysCheck_->setToolTip(hint("Check to include all days"));
    auto* daysRow = new QHBoxLayout;
    for (QCheckBox* box : {monday_, tuesday_, wednesday_, thursday_, friday_, saturday_, sunday_, allDaysCheck_})
        daysRow->addWidget(box);
    daysRow->addStretch(1);
    grid->addWidget(rbDayOfweek_, 1, 0);
    grid->addLayout(daysRow, 1, 1);

    rbSpecial_ = new QRadioButton(QStringLiteral("&Special"), this);
    rbSpecial_->setObjectName(QStringLiteral("rbSpecial"));
    rbSpecial_->setToolTip(hint("Check here to choose a 'nth Day of Month' \rstyle Repeating Reminder"));
    specialOccurrance_ = list(this, "SpecialOccurrance",
                              {QStringLiteral("1st"), QStringLiteral("2nd"), QStringLiteral("3rd"),
                               QStringLiteral("4th"), QStringLiteral("5th"), QStringLiteral("Last")});
    specialDayOfWeek_ = list(this, "SpecialDayOfWeek",
                             {QStringLiteral("Sunday"), QStringLiteral("Monday"), QStringLiteral("Tuesday"),
                              QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"),
                              QStringLiteral("Saturday"), QStringLiteral("Day (any day)")});
    specialMonth_ = list(this, "SpecialMonth", monthItems());
    specialMonth_->setToolTip(hint(MonthHint));
    auto* specialRow = new QHBoxLayout;
    specialRow->addWidget(specialOccurrance_);
    specialRow->addWidget(specialDayOfWeek_);
    specialRow->addWidget(ofLabel(this));
    specialRow->addWidget(specialMonth_);
    specialRow->addStretch(1);
    grid->addWidget(rbSpecial_, 2, 0);
    grid->addLayout(specialRow, 2, 1);

    for (QRadioButton* radio : {rbDayOfMonth_, rbDayOfweek_, rbSpecial_}) {
        kinds->addButton(radio);
        connect(radio, &QRadioButton::clicked, this, &TEditRecurringDateFormula::SetRecurType);
    }
    connect(allDaysCheck_, &QCheckBox::clicked, this, &TEditRecurringDateFormula::allDaysClicked);

    auto* eventLabel = new QLabel(QStringLiteral("Recurring event (birthday, anniversary, etc)"), this);
    event_ = new QLineEdit(this);
    event_->setObjectName(QStringLiteral("Event"));
    event_->setMinimumWidth(420);
    eventLabel->setBuddy(event_);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(ok, &QPushButton::clicked, this, &TEditRecurringDateFormula::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addSpacing(8);
    column->addWidget(eventLabel);
    column->addWidget(event_);
    column->addLayout(buttons);

    // Room for whichever caption turns bold.
    for (QRadioButton* radio : {rbDayOfMonth_, rbDayOfweek_, rbSpecial_}) {
        QFont bold = radio->font();
        bold.setBold(true);
        const QFont normal = radio->font();
        radio->setFont(bold);
        radio->setMinimumWidth(radio->sizeHint().width());
        radio->setFont(normal);
    }
    rbDayOfMonth_->setChecked(true);
    SetRecurType();
    setFixedSize(sizeHint());
}

QString TEditRecurringDateFormula::EventText() const
{
    return event_->text();
}

void TEditRecurringDateFormula::SetEventText(const QString& text)
{
    event_->setText(text);
}

std::array<QCheckBox*, 7> TEditRecurringDateFormula::dayBoxes() const
{
    return {sunday_, monday_, tuesday_, wednesday_, thursday_, friday_, saturday_};
}

void TEditRecurringDateFormula::SetRecurType()
{
    const bool weekdays = rbDayOfweek_->isChecked();
    for (QCheckBox* box : dayBoxes())
        box->setEnabled(weekdays);
    allDaysCheck_->setEnabled(weekdays);
    dayOfMonthDay_->setEnabled(rbDayOfMonth_->isChecked());
    dayOfMonthMonth_->setEnabled(rbDayOfMonth_->isChecked());
    for (QComboBox* box : {specialOccurrance_, specialDayOfWeek_, specialMonth_})
        box->setEnabled(rbSpecial_->isChecked());
    for (QRadioButton* radio : {rbDayOfMonth_, rbDayOfweek_, rbSpecial_}) {
        QFont font = radio->font();
        font.setBold(radio->isChecked());
        radio->setFont(font);
    }
}

void TEditRecurringDateFormula::SetEmUp()
{
    if (formula_.startsWith(SpecialKind)) {
        int occurrence = 0, weekday = 0, month = 0;
        if (ParseSpecialFormula(formula_, occurrence, weekday, month)) {
            rbSpecial_->setChecked(true);
            specialOccurrance_->setCurrentIndex(occurrence);
            specialDayOfWeek_->setCurrentIndex(weekday);
            specialMonth_->setCurrentIndex(month);
        }
    } else if (formula_.startsWith(DayOfMonthKind)) {
        int day = 0, month = 0;
        if (ParseDayOfMonthFormula(formula_, day, month)) {
            rbDayOfMonth_->setChecked(true);
            dayOfMonthDay_->setValue(day);
            dayOfMonthMonth_->setCurrentIndex(month);
        }
    } else {
        rbDayOfweek_->setChecked(true);
        const auto boxes = dayBoxes();
        for (int day = 1; day <= 7; ++day)
            boxes[day - 1]->setChecked(formula_.contains(QChar(u'0' + day)));
    }
    SetRecurType();
}

bool TEditRecurringDateFormula::DetermineFormulaString()
{
    if (rbDayOfMonth_->isChecked()) {
        const int day = dayOfMonthDay_->value();
        if (day < 1 || day > 31) {
            ShowInfo(QStringLiteral("Invalid day of month entered "));
            return false;
        }
        if (dayOfMonthMonth_->currentIndex() < 0) {
            ShowInfo(QStringLiteral("Invalid month entered "));
            return false;
        }
        formula_ = FormatDayOfMonthFormula(day, dayOfMonthMonth_->currentIndex());
        return true;
    }
    if (rbSpecial_->isChecked()) {
        if (specialOccurrance_->currentIndex() < 0 || specialDayOfWeek_->currentIndex() < 0
            || specialMonth_->currentIndex() < 0) {
            ShowInfo(QStringLiteral("Invalid value entered for Special category"));
            return false;
        }
        formula_ = FormatSpecialFormula(specialOccurrance_->currentIndex(), specialDayOfWeek_->currentIndex(),
                                        specialMonth_->currentIndex());
        return true;
    }
    QString digits;
    const auto boxes = dayBoxes();
    for (int day = 1; day <= 7; ++day)
        if (boxes[day - 1]->isChecked())
            digits += QChar(u'0' + day);
    if (digits.isEmpty()) {
        ShowInfo(QStringLiteral("You must select at least one day for this \rreminder to occur on"));
        return false;
    }
    formula_ = WeekdayKind + digits;
    return true;
}

void TEditRecurringDateFormula::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Filled once, when first shown: later activations keep what the user set.
    if (!filled_) {
        filled_ = true;
        SetEmUp();
    }
    event_->setFocus(Qt::OtherFocusReason);
}

void TEditRecurringDateFormula::okClicked()
{
    if (DetermineFormulaString())
        accept();
}

void TEditRecurringDateFormula::allDaysClicked(bool checked)
{
    for (QCheckBox* box : dayBoxes())
        box->setChecked(checked);
}
