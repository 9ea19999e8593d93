#include "recurring/EditRecurringDates.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/MessageBoxes.h"
#include "recurring/CheckMarkDialog.h"
#include "recurring/CheckMarkList.h"
#include "recurring/EditRecurringDateFormula.h"
#include "recurring/RecurringFormula.h"
#include "recurring/RecurringStore.h"

namespace {
bool containsCaseless(const QStringList& lines, const QString& line)
{
    for (const QString& existing : lines)
        if (existing.compare(line, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
} // namespace

TEditRecurringDates::TEditRecurringDates(QWidget* parent, const QString& path)
    : QDialog(parent), path_(path.isEmpty() ? RecurringDatesPath() : path)
{
    setObjectName(QStringLiteral("EditRecurringDates"));
    setWindowTitle(QStringLiteral("Recurring Dates"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    datesList_ = new TEntryList(this);
    datesList_->setObjectName(QStringLiteral("DatesList"));
    datesList_->setMinimumSize(460, 320);
    connect(datesList_, &QListWidget::itemSelectionChanged, this, &TEditRecurringDates::setbuttons);
    connect(datesList_, &QListWidget::itemDoubleClicked, this, &TEditRecurringDates::EditClick);

    auto button = [this](const char* name, const char* caption, void (TEditRecurringDates::*command)()) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, command);
        return b;
    };
    okButton_ = button("OkBtn", "Ok", &TEditRecurringDates::OkClick);
    okButton_->setDefault(true);
    editButton_ = button("EditBtn", "Edit", &TEditRecurringDates::EditClick);
    newButton_ = button("NewBtn", "New", &TEditRecurringDates::NewClick);
    deleteButton_ = button("DeleteBtn", "Delete", &TEditRecurringDates::DeleteClick);
    holidaysButton_ = button("HolidaysBtn", "Holidays", &TEditRecurringDates::HolidaysClick);
    cancelButton_ = button("CancelBtn", "Cancel", &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {okButton_, editButton_, newButton_, deleteButton_, holidaysButton_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton_);
    auto* row = new QHBoxLayout(this);
    row->addWidget(datesList_, 1);
    row->addLayout(buttons);
    setFixedSize(sizeHint());

    QStringList lines = LoadRecurringDates(path_);
    TEntryList::SortLines(lines);
    datesList_->SetLines(lines);
    if (datesList_->count() > 0)
        datesList_->setCurrentRow(0);
    setbuttons();
}

void TEditRecurringDates::setbuttons()
{
    const bool selected = !datesList_->selectedItems().isEmpty();
    editButton_->setEnabled(selected);
    deleteButton_->setEnabled(selected);
}

void TEditRecurringDates::center(QWidget& dialog)
{
    if (CenterDialog)
        CenterDialog(dialog);
}

void TEditRecurringDates::showSorted(QStringList lines, const QString& select)
{
    TEntryList::SortLines(lines);
    datesList_->SetLines(lines);
    const int row = int(lines.indexOf(select));
    if (row >= 0)
        datesList_->setCurrentRow(row);
}

void TEditRecurringDates::NewClick()
{
    TEditRecurringDateFormula editor(this);
    editor.setWindowTitle(QStringLiteral("Add Recurring Date"));
    editor.SetFormula(QStringLiteral("@"));
    editor.SetEventText(QStringLiteral("[Enter event]"));
    center(editor);
    if (editor.exec() == QDialog::Accepted) {
        const QString line = MakeEntryLine(editor.EventText(), editor.Formula());
        QStringList lines = datesList_->Lines();
        lines.append(line);
        showSorted(lines, line);
    }
    setbuttons();
}

void TEditRecurringDates::EditClick()
{
    const int row = datesList_->currentRow();
    if (row < 0 || !datesList_->item(row)->isSelected()) {
        QApplication::beep();
        return;
    }
    switch (EntryKind(datesList_->LineAt(row))) {
    case FeastKind:
        ShowInfo(QStringLiteral("This entry cannot be edited"));
        break;
    case SpecialKind:
    case WeekdayKind:
    case DayOfMonthKind:
        DoEditRecurringFormula(row);
        break;
    default:
        break;
    }
}

void TEditRecurringDates::DoEditRecurringFormula(int row)
{
    const QString old = datesList_->LineAt(row);
    TEditRecurringDateFormula editor(this);
    editor.setWindowTitle(QStringLiteral("Edit Recurring Date Formula"));
    editor.SetEventText(EntryEventText(old));
    editor.SetFormula(old.mid(EventTextWidth, FormulaWidth));
    center(editor);
    if (editor.exec() == QDialog::Accepted) {
        QStringList lines = datesList_->Lines();
        lines.removeAt(row);
        const QString line = MakeEntryLine(editor.EventText(), editor.Formula());
        lines.append(line);
        showSorted(lines, line);
    }
    setbuttons();
}

void TEditRecurringDates::DeleteClick()
{
    const int row = datesList_->currentRow();
    if (row < 0)
        return;
    delete datesList_->takeItem(row);
    if (datesList_->count() > 0)
        datesList_->setCurrentRow(0);
    setbuttons();
}

void TEditRecurringDates::HolidaysClick()
{
    TGetHolidays holidays(this);
    center(holidays);
    if (holidays.exec() == QDialog::Accepted) {
        QStringList lines = datesList_->Lines();
        const QString current = datesList_->currentRow() >= 0 ? datesList_->LineAt(datesList_->currentRow())
                                                              : QString();
        for (const QString& holiday : holidays.List()->SelectedLines())
            if (!containsCaseless(lines, holiday))
                lines.append(holiday);
        showSorted(lines, current);
    }
    if (datesList_->count() > 0 && datesList_->selectedItems().isEmpty())
        datesList_->setCurrentRow(0);
    setbuttons();
}

void TEditRecurringDates::OkClick()
{
    // A list that could not be written is not given up: the dialog stays.
    if (!SaveRecurringDates(path_, datesList_->Lines())) {
        ShowInfo(QStringLiteral("Unable to save ") + path_);
        return;
    }
    accept();
}
