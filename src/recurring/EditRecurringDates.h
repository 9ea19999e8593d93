#pragma once
// TEditRecurringDates: the "Recurring Dates" dialog, where the user keeps the
// list of recurring dates: new entries, edits of their formulas, deletions
// and holidays taken from the built-in list. The store file is read when the
// dialog is made and written only on Ok.
#include <QDialog>
#include <functional>

class QPushButton;
class TEntryList;

class TEditRecurringDates : public QDialog {
    Q_OBJECT
public:
    // `path`: the store file; empty for the user's QXRECUR.DAX.
    explicit TEditRecurringDates(QWidget* parent = nullptr, const QString& path = QString());

    TEntryList* DatesList() const { return datesList_; }
    QString StorePath() const { return path_; }

    // Places the dialogs this one opens (the formula editor, the holidays);
    // unset, they open where the window system puts them.
    std::function<void(QWidget&)> CenterDialog;

    // Edit and Delete need a selected row.
    void setbuttons();
    void NewClick();
    void EditClick();
    void DeleteClick();
    void HolidaysClick();
    void OkClick();

private:
    void DoEditRecurringFormula(int row);
    // Replaces the rows by the lines sorted; selects the row of `select`.
    void showSorted(QStringList lines, const QString& select);
    void center(QWidget& dialog);

    QString path_;
    TEntryList* datesList_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QPushButton* newButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* holidaysButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
