#pragma once
// TCalendarProperties: the modal "Calendar Properties" dialog. It edits a
// private example page (ExampleCalendar) that previews every change; the
// caller copies the document page's style into the example before showing
// the dialog and copies it back on OK, so Cancel leaves the document alone.
// It also saves and loads the example's look as a style sheet and resets it
// to the default style.
#include <QDialog>
#include <functional>
#include <vector>

#include "app/LanguageNames.h"
#include "page/CalendarTypes.h"
#include "persist/Font.h"

class QButtonGroup;
class QCalendarWidget;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QCheckBox;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class QVBoxLayout;
class TCalendarPanel32;
class TColorSwatchButton;

class TCalendarProperties : public QDialog {
    Q_OBJECT
public:
    // The placement section's class name in QX.ini.
    static constexpr const char* PlacementClassName = "TCalendarProperties";
    // Help topics: the shown page's index is added.
    static constexpr int FirstHelpTopic = 2100;

    explicit TCalendarProperties(QWidget* parent = nullptr);
    ~TCalendarProperties() override;

    // The live example the dialog edits; its zoom factor is the caller's to
    // set before showing and to read back afterwards.
    TCalendarPanel32& ExampleCalendar() { return *example_; }

    // Given by the caller before showing. A new calendar resets the example
    // to the default style on opening; with the warning set, OK asks before
    // accepting a layout of another class than the one at opening.
    void SetResetOnOpen(bool reset) { resetOnOpen_ = reset; }
    bool ResetOnOpen() const { return resetOnOpen_; }
    void SetWarnOnClassChange(bool warn) { warnOnClassChange_ = warn; }
    bool WarnOnClassChange() const { return warnOnClassChange_; }
    void SetLayoutClassAtOpening(int layoutClass) { classAtOpening_ = layoutClass; }
    int LayoutClassAtOpening() const { return classAtOpening_; }
    // With the warning set, OK also asks before a change of month or year
    // (the day cells are slots of the month and start empty in another one).
    void SetMonthYearAtOpening(int month, int year)
    {
        monthAtOpening_ = month;
        yearAtOpening_ = year;
    }

    // True while the controls are being filled from the example (from
    // creation to the end of the first activation, and around each refill);
    // control handlers then leave the example alone.
    bool Initialising() const { return initialising_; }
    // The example shows a planner (layout above 17).
    bool PlannerFlag() const { return planner_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction of the notebook pages (PropertiesPages.cpp).
    void buildControls();
    QWidget* newPage(const QString& caption, QVBoxLayout*& layout);
    QWidget* buildLayoutPage();
    QWidget* buildDatePage();
    QWidget* buildFontsPage();
    QWidget* buildMiniFontsPage();
    QWidget* buildHeadersPage();
    QWidget* buildLinesPage();
    QWidget* buildPlannerPage();
    QWidget* buildLanguagePage();
    QWidget* buildMarginsPage();
    QWidget* buildBordersPage();
    QWidget* buildExampleArea();
    QWidget* buildButtonRow();
    // A "Font" button that opens the font dialog on the example's font
    // `font` and gives the example the chosen one through `assign`, with a
    // description of the font beside it; `button` receives the button.
    QWidget* fontRow(QPushButton*& button, const QString& name, const QString& whatsThis,
                     std::function<const TFont&()> font, std::function<void(const TFont&)> assign);
    void describeFonts();
    TColorSwatchButton* colorButton(const QString& name, const QString& whatsThis,
                                    void (TCalendarPanel32::*setter)(TColor));
    void fillBorderList();

    // Behaviour (CalendarProperties.cpp).
    void fillFromExample();
    void fitAllPages();
    void applyLayoutSelection();
    void enableControls();
    void refreshDateLabel();
    void calendarDateChanged();
    void calendarPageChanged(int year, int month);
    void moveDate(int years, int months);
    void goToToday();
    void storeMonthNames();
    void storeDayNames();
    void useLanguage(TCalendarLanguage language);
    void marginChosen(int box);
    void switchMarginUnits(bool millimetres);
    void chooseStartTime();
    void zoomIn();
    void zoomOut();
    void showZoom();
    void saveStyleSheet();
    void loadStyleSheet();
    void defaultStyle();
    void okClicked();
    void helpClicked();
    void borderChosen(int row);
    // The list row of a border name: 0 for none, -1 when not listed.
    int borderRowOf(const QString& name) const;
    void commitFocusedMemo();
    // Runs `change` on the example unless initialising.
    void whenInteractive(const std::function<void()>& change);

    TCalendarPanel32* example_ = nullptr;

    bool initialising_ = true;
    bool planner_ = false;
    bool resetOnOpen_ = false;
    bool warnOnClassChange_ = false;
    int classAtOpening_ = 0;
    int monthAtOpening_ = 0;
    int yearAtOpening_ = 0;
    bool activated_ = false;

    QTabBar* tabs_ = nullptr;
    QStackedWidget* notebook_ = nullptr;

    QListWidget* layoutList_ = nullptr;
    QGroupBox* orientationGroup_ = nullptr;
    QButtonGroup* orientationButtons_ = nullptr;
    QGroupBox* paperGroup_ = nullptr;
    QButtonGroup* paperButtons_ = nullptr;

    QGroupBox* dateGroup_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QGroupBox* weekStartGroup_ = nullptr;
    QButtonGroup* weekStartButtons_ = nullptr;

    QCheckBox* titleShowYear_ = nullptr;
    QPushButton* titleFontButton_ = nullptr;
    TColorSwatchButton* titleColor_ = nullptr;
    QPushButton* headersFontButton_ = nullptr;
    TColorSwatchButton* headersColor_ = nullptr;
    QPushButton* cellFontButton_ = nullptr;

    QCheckBox* miniShowYear_ = nullptr;
    QPushButton* miniTitleFontButton_ = nullptr;
    QPushButton* miniHeadersFontButton_ = nullptr;
    TColorSwatchButton* miniHeadersColor_ = nullptr;
    QPushButton* miniCellFontButton_ = nullptr;
    TColorSwatchButton* miniCalColor_ = nullptr;

    QComboBox* headerStyle_ = nullptr;
    QComboBox* miniHeaderStyle_ = nullptr;
    QComboBox* lineLayout_ = nullptr;
    QComboBox* miniLineLayout_ = nullptr;

    QPushButton* startTimeButton_ = nullptr;
    QLabel* timeLabel_ = nullptr;

    QPlainTextEdit* monthMemo_ = nullptr;
    QPlainTextEdit* dayMemo_ = nullptr;

    QComboBox* marginBoxes_[4] = {};
    QButtonGroup* unitButtons_ = nullptr;

    QListWidget* borderList_ = nullptr;

    struct FontDescription {
        QLabel* label;
        std::function<const TFont&()> font;
    };
    std::vector<FontDescription> fontDescriptions_;

    QScrollArea* exampleBox_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
};
