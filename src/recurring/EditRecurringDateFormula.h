#pragma once
// TEditRecurringDateFormula: edits one recurring date, its event text and its
// formula, as a day of the month, days of the week or a "special" day (the
// n-th weekday of a month). The caller sets the caption, the formula and the
// event text; on OK it reads the formula and text back.
#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

class TEditRecurringDateFormula : public QDialog {
    Q_OBJECT
public:
    explicit TEditRecurringDateFormula(QWidget* parent = nullptr);

    QString Formula() const { return formula_; }
    void SetFormula(const QString& formula) { formula_ = formula; }
    QString EventText() const;
    void SetEventText(const QString& text);

    // Fills the controls from the formula (done when the dialog is shown).
    void SetEmUp();
    // Enables the controls of the chosen kind; its caption turns bold.
    void SetRecurType();
    // Builds the formula from the controls; false after saying what is wrong.
    bool DetermineFormulaString();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();
    void allDaysClicked(bool checked);
    // Sunday first, as the formula's digits count.
    std::array<QCheckBox*, 7> dayBoxes() const;

    QString formula_ = QStringLiteral("@");
    bool filled_ = false;

    QRadioButton* rbDayOfMonth_ = nullptr;
    QSpinBox* dayOfMonthDay_ = nullptr;
    QComboBox* dayOfMonthMonth_ = nullptr;
    QRadioButton* rbDayOfweek_ = nullptr;
    QCheckBox* monday_ = nullptr;
    QCheckBox* tuesday_ = nullptr;
    QCheckBox* wednesday_ = nullptr;
    QCheckBox* thursday_ = nullptr;
    QCheckBox* friday_ = nullptr;
    QCheckBox* saturday_ = nullptr;
    QCheckBox* sunday_ = nullptr;
    QCheckBox* allDaysCheck_ = nullptr;
    QRadioButton* rbSpecial_ = nullptr;
    QComboBox* specialOccurrance_ = nullptr;
    QComboBox* specialDayOfWeek_ = nullptr;
    QComboBox* specialMonth_ = nullptr;
    QLineEdit* event_ = nullptr;
};
