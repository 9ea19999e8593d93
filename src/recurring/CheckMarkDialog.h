#pragma once
// The dialogs that let the user tick recurring entries: a check-mark list and
// the buttons "&Ok" (beeps and stays open while nothing is ticked), "&All",
// "&None" and "&Cancel". TGetHolidays offers the built-in holidays;
// TSelectRecurringDates the entries that fall in the page's month, all ticked.
#include <QDialog>

class TCheckMarkList;

class TCheckMarkDialog : public QDialog {
    Q_OBJECT
public:
    TCheckMarkList* List() const { return list_; }

    void SelectAll();
    void SelectNone();

protected:
    TCheckMarkDialog(const QString& caption, const QString& listName, QWidget* parent);

private:
    void okClicked();

    TCheckMarkList* list_ = nullptr;
};

class TGetHolidays : public TCheckMarkDialog {
    Q_OBJECT
public:
    explicit TGetHolidays(QWidget* parent = nullptr);
};

class TSelectRecurringDates : public TCheckMarkDialog {
    Q_OBJECT
public:
    explicit TSelectRecurringDates(QWidget* parent = nullptr);

    // The caller's lines, shown in its order.
    void SetDates(const QStringList& lines);

protected:
    void showEvent(QShowEvent* event) override;
};
