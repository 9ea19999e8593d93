#pragma once
// TExportPdfDialog: which months "Export as PDF..." puts into the file, one
// page each: the page's own month, or every month from one to another.
#include <QDialog>

#include "app/MonthStepper.h"

class QDateEdit;
class QRadioButton;

class TExportPdfDialog : public QDialog {
    Q_OBJECT
public:
    // `month`/`year`: the page's own month.
    TExportPdfDialog(int month, int year, QWidget* parent = nullptr);

    // Counted from the page's own month; from and to may be given either way
    // round; at most TMonthRange::MaxCount months.
    TMonthRange Range() const;

private:
    int month_;
    int year_;
    QRadioButton* thisMonth_ = nullptr;
    QRadioButton* fromTo_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
};
