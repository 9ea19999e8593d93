#include "app/ExportPdfDialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

namespace {
QDateEdit* monthEdit(const QDate& date, const QString& name, QWidget* parent)
{
    auto* edit = new QDateEdit(date, parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(QStringLiteral("MMMM yyyy"));
    edit->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 1));
    return edit;
}

int monthIndex(const QDate& date)
{
    return date.year() * 12 + date.month() - 1;
}
} // namespace

TExportPdfDialog::TExportPdfDialog(int month, int year, QWidget* parent) : QDialog(parent), month_(month), year_(year)
{
    setObjectName(QStringLiteral("ExportPdfDialog"));
    setWindowTitle(QStringLiteral("Export as PDF"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("One page for each month:"), this));

    thisMonth_ = new QRadioButton(QStringLiteral("&This month"), this);
    thisMonth_->setObjectName(QStringLiteral("ThisMonth"));
    thisMonth_->setChecked(true);
    column->addWidget(thisMonth_);

    fromTo_ = new QRadioButton(QStringLiteral("&Several months:"), this);
    fromTo_->setObjectName(QStringLiteral("SeveralMonths"));
    column->addWidget(fromTo_);
    const QDate own = QDate(year, month, 1).isValid() ? QDate(year, month, 1) : QDate::currentDate();
    auto* grid = new QGridLayout;
    grid->setContentsMargins(24, 0, 0, 0);
    from_ = monthEdit(own, QStringLiteral("FromMonth"), this);
    to_ = monthEdit(own.addMonths(11), QStringLiteral("ToMonth"), this);
    grid->addWidget(new QLabel(QStringLiteral("&From"), this), 0, 0);
    grid->addWidget(from_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("T&o"), this), 1, 0);
    grid->addWidget(to_, 1, 1);
    static_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget())->setBuddy(from_);
    static_cast<QLabel*>(grid->itemAtPosition(1, 0)->widget())->setBuddy(to_);
    column->addLayout(grid);
    for (QDateEdit* edit : {from_, to_}) {
        edit->setEnabled(false);
        connect(fromTo_, &QRadioButton::toggled, edit, &QWidget::setEnabled);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

TMonthRange TExportPdfDialog::Range() const
{
    if (!fromTo_->isChecked())
        return {};
    const int own = year_ * 12 + month_ - 1;
    int first = monthIndex(from_->date());
    int last = monthIndex(to_->date());
    if (last < first)
        std::swap(first, last);
    return {first - own, qMin(last - first + 1, TMonthRange::MaxCount)};
}
