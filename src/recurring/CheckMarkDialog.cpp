#include "recurring/CheckMarkDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "recurring/CheckMarkList.h"
#include "recurring/RecurringStore.h"

TCheckMarkDialog::TCheckMarkDialog(const QString& caption, const QString& listName, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    list_ = new TCheckMarkList(this);
    list_->setObjectName(listName);
    list_->setMinimumSize(420, 300);

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    QPushButton* ok = button("OkBtn", "&Ok");
    ok->setDefault(true);
    QPushButton* all = button("AllBtn", "&All");
    QPushButton* none = button("NoneBtn", "&None");
    QPushButton* cancel = button("CancelBtn", "&Cancel");
    connect(ok, &QPushButton::clicked, this, &TCheckMarkDialog::okClicked);
    connect(all, &QPushButton::clicked, this, &TCheckMarkDialog::SelectAll);
    connect(none, &QPushButton::clicked, this, &TCheckMarkDialog::SelectNone);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ok, all, none, cancel})
        buttons->addWidget(b);
    auto* column = new QVBoxLayout(this);
    column->addWidget(list_);
    column->addLayout(buttons);
    setFixedSize(sizeHint());
}

void TCheckMarkDialog::SelectAll()
{
    list_->selectAll();
}

void TCheckMarkDialog::SelectNone()
{
    list_->clearSelection();
}

void TCheckMarkDialog::okClicked()
{
    if (list_->SelectedRows().isEmpty()) {
        QApplication::beep();
        return;
    }
    accept();
}

TGetHolidays::TGetHolidays(QWidget* parent)
    : TCheckMarkDialog(QStringLiteral("Holidays"), QStringLiteral("Holidays"), parent)
{
    setObjectName(QStringLiteral("GetHolidays"));
    QStringList holidays = BuiltInHolidays();
    TEntryList::SortLines(holidays);
    List()->SetLines(holidays);
}

TSelectRecurringDates::TSelectRecurringDates(QWidget* parent)
    : TCheckMarkDialog(QStringLiteral("Select Recurring Dates To Use"), QStringLiteral("Dates"), parent)
{
    setObjectName(QStringLiteral("SelectRecurringDates"));
}

void TSelectRecurringDates::SetDates(const QStringList& lines)
{
    List()->SetLines(lines);
}

void TSelectRecurringDates::showEvent(QShowEvent* event)
{
    TCheckMarkDialog::showEvent(event);
    SelectAll();
}
