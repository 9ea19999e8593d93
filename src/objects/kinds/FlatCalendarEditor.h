#pragma once
// TFlatCalendarEditor: "Floating Calendar Properties". Every control acts at
// once on the sample calendar it shows; the caller copies its settings in
// before showing it and out again on OK.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class TGFlatCalendar;

class TFlatCalendarEditor : public QDialog {
    Q_OBJECT
public:
    // Owned (and freed) by the calendar whose properties it edits, when given.
    explicit TFlatCalendarEditor(QWidget* owner = nullptr);
    ~TFlatCalendarEditor() override;

    TGFlatCalendar* Sample() const { return sample_; }
    // Sets every control from the sample (control changes are not passed on
    // meanwhile).
    void LoadFromSample();

    static constexpr int HelpTopic = 40015;

private:
    void buildControls();
    QComboBox* combo(const char* name, const QStringList& items);
    QPushButton* colorButton(const QString& caption, const char* name);
    void refreshColorButtons();
    template <class F>
    void whenChanged(F apply);

    TGFlatCalendar* sample_ = nullptr;
    QScrollArea* sampleBox_ = nullptr;
    QComboBox* monthCombo_ = nullptr;
    QSpinBox* yearSpinner_ = nullptr;
    QRadioButton* sundayFirst_ = nullptr;
    QRadioButton* mondayFirst_ = nullptr;
    QCheckBox* showYear_ = nullptr;
    QComboBox* headerStyle_ = nullptr;
    QComboBox* language_ = nullptr;
    QComboBox* calendarBorder_ = nullptr;
    QComboBox* headerBorder_ = nullptr;
    QComboBox* cellBorder_ = nullptr;
    QPushButton* titleColor_ = nullptr;
    QPushButton* headerColor_ = nullptr;
    QPushButton* bodyColor_ = nullptr;
    QCheckBox* transparent_ = nullptr;
    QPushButton* shadowColor_ = nullptr;
    QComboBox* orientation_ = nullptr;
    QSpinBox* depth_ = nullptr;
    bool filling_ = true;  // creating the dialog or loading the controls
};
