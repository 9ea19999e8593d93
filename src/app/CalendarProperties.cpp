#include "app/CalendarProperties.h"

#include <QAction>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QLayout>
#include <QStackedWidget>
#include <QTabBar>
#include <QWhatsThis>
#include <algorithm>
#include <exception>

#include "app/ColorSwatchButton.h"
#include "app/LayoutChoices.h"
#include "app/MarginChoices.h"
#include "app/PropertiesChoosers.h"
#include "app/SetTimeDialog.h"
#include "app/WindowPlacement.h"
#include "page/CalendarPanel32.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalSettings.h"
#include "platform/Rounding.h"

namespace {

const QString monthYearCaption = QStringLiteral("Select Month && Year");
const QString startingDateCaption = QStringLiteral("Select Starting Date");
const QString styleSheetFilter = QStringLiteral("Calendar Style Sheet (*.QXS)");

// A memo's lines as a list box would count them: an empty memo has none, and
// a line break at the very end starts no further line.
QStringList memoLines(const QPlainTextEdit& memo)
{
    const QString text = memo.toPlainText();
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool hasStyleSheetExtension(const QString& fileName)
{
    return QLatin1Char('.') + QFileInfo(fileName).suffix().toUpper() == QLatin1String(".QXS");
}

// "WindowText" -> "window text".
QString spacedWords(const QString& name)
{
    QString words;
    for (const QChar c : name) {
        if (c.isUpper() && !words.isEmpty())
            words += QLatin1Char(' ');
        words += c.toLower();
    }
    return words;
}

QString shortTime(const QTime& time)
{
    return RegionalLocale().toString(time, QLocale::ShortFormat);
}

} // namespace

TCalendarProperties::TCalendarProperties(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CalendarProperties"));
    setWindowTitle(QStringLiteral("Calendar Properties"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    // Not every window manager shows the title bar's help button.
    QAction* whatsThis = QWhatsThis::createAction(this);
    whatsThis->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    addAction(whatsThis);

    example_ = new TCalendarPanel32(nullptr);
    example_->SetName(QStringLiteral("ExampleCalendar"));
    buildControls();
}

TCalendarProperties::~TCalendarProperties()
{
    // The memos lose the focus while the dialog is torn down; nothing is
    // stored into an example that is going away.
    monthMemo_->removeEventFilter(this);
    dayMemo_->removeEventFilter(this);
    // The example does not own the object clipboard file: it stays.
    delete example_;
}

void TCalendarProperties::whenInteractive(const std::function<void()>& change)
{
    if (!initialising_)
        change();
}

// --- Activation and filling ------------------------------------------------

void TCalendarProperties::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    showZoom();
    const QWidget* mainWindow = parentWidget() ? parentWidget()->window() : nullptr;
    RestorePlacement(*this, QString::fromLatin1(PlacementClassName), mainWindow);
    if (resetOnOpen_)
        example_->ResetToDefaults();
    fillFromExample();
    initialising_ = false;
    applyLayoutSelection();
    fitAllPages();
}

// Filling sets texts on pages not shown yet, whose growth the layout only
// learns when each page appears; sizing the dialog for all of them at once
// keeps it one size whichever page is shown.
void TCalendarProperties::fitAllPages()
{
    notebook_->updateGeometry();
    layout()->activate();
    resize(size().expandedTo(sizeHint()));
}

void TCalendarProperties::fillFromExample()
{
    const bool wasInitialising = initialising_;
    initialising_ = true;
    TCalendarPanel32& e = *example_;

    const LayoutRow row = LayoutRowOf(e.CalendarLayout());
    layoutList_->setCurrentRow(row.row);
    orientationButtons_->button(row.orientation)->setChecked(true);
    paperButtons_->button(e.PaperSizeA4() ? 1 : 0)->setChecked(true);
    planner_ = e.CalendarLayout() > 17;
    dateGroup_->setTitle(planner_ ? startingDateCaption : monthYearCaption);

    QDate date;
    if (e.MainCalMonth() >= 1 && e.MainCalMonth() <= 12) {
        const QDate first(e.MainCalYear(), e.MainCalMonth(), 1);
        if (first.isValid())
            date = first.addDays(std::clamp(e.MainCalDay(), 1, first.daysInMonth()) - 1);
    }
    calendar_->setSelectedDate(date.isValid() ? date : QDate::currentDate());

    QStringList months;
    for (const QString& name : e.MonthNames())
        months.append(name);
    monthMemo_->setPlainText(months.join(QLatin1Char('\n')));
    QStringList days;
    for (const QString& name : e.DayNames())
        days.append(name);
    dayMemo_->setPlainText(days.join(QLatin1Char('\n')));

    weekStartButtons_->button(e.StartOfWeek() == 1 ? 0 : 1)->setChecked(true);
    titleColor_->SetColor(e.TitleBGColor());
    headersColor_->SetColor(e.HeadersBGColor());
    headerStyle_->setCurrentIndex(e.HeadersStyle());
    lineLayout_->setCurrentIndex(e.CalendarLineLayout());
    miniHeadersColor_->SetColor(e.MiniHeadersBGColor());
    miniHeaderStyle_->setCurrentIndex(e.MiniHeadersStyle());
    miniCalColor_->SetColor(e.MiniCalBGColor());
    miniLineLayout_->setCurrentIndex(e.MiniCalendarLineLayout());
    dateLabel_->setText(RegionalLocale().toString(calendar_->selectedDate(), QStringLiteral("MMMM yyyy")));
    timeLabel_->setText(shortTime(e.DayStartTime()));
    titleShowYear_->setChecked(e.TitleShowYear());
    miniShowYear_->setChecked(e.MiniShowYear());
    marginBoxes_[0]->setCurrentIndex(MarginIndexFor(e.LeftMarginInch()));
    marginBoxes_[1]->setCurrentIndex(MarginIndexFor(e.TopMarginInch()));
    marginBoxes_[2]->setCurrentIndex(MarginIndexFor(e.RightMarginInch()));
    marginBoxes_[3]->setCurrentIndex(MarginIndexFor(e.BottomMarginInch()));

    borderList_->setCurrentRow(borderRowOf(e.WMFBorderFile()));
    describeFonts();

    initialising_ = wasInitialising;
}

// --- Layout ----------------------------------------------------------------

void TCalendarProperties::applyLayoutSelection()
{
    planner_ = false;
    example_->SetPaperSizeA4(paperButtons_->checkedId() == 1);
    const auto orientation = orientationButtons_->checkedId() == coLandscape ? coLandscape : coPortrait;
    const int row = layoutList_->currentRow() >= 0 ? layoutList_->currentRow()
                                                   : LayoutRowOf(example_->CalendarLayout()).row;
    const TCalendarLayout layout = LayoutForRow(row, orientation);
    planner_ = layout > 17;
    refreshDateLabel();
    example_->SetCalendarLayout(layout);
    example_->UpdatePageLayout(false);
    example_->update();
    // The layout pass may give the mini fonts the sizes of the new layout.
    describeFonts();
    enableControls();
}

void TCalendarProperties::describeFonts()
{
    for (const FontDescription& entry : fontDescriptions_) {
        const TFont& font = entry.font();
        QString text = QStringLiteral("%1, %2 pt").arg(font.Name()).arg(font.Size());
        if (font.HasStyle(TFont::fsBold))
            text += QStringLiteral(", bold");
        if (font.HasStyle(TFont::fsItalic))
            text += QStringLiteral(", italic");
        if (font.HasStyle(TFont::fsUnderline))
            text += QStringLiteral(", underlined");
        if (font.HasStyle(TFont::fsStrikeOut))
            text += QStringLiteral(", struck out");
        const QByteArray colorName = ColorToIdent(font.Color());
        text += QStringLiteral(", ")
              + (colorName.startsWith("cl") ? spacedWords(QString::fromLatin1(colorName.mid(2)))
                                             : ToQColor(font.Color()).name());
        entry.label->setText(text);
    }
}

void TCalendarProperties::enableControls()
{
    const int l = example_->CalendarLayout();
    const int c = LayoutKindOf(example_->CalendarLayout());
    orientationGroup_->setEnabled(c == 0 || c == 1);

    dateGroup_->setTitle(l < 18 ? monthYearCaption : startingDateCaption);
    weekStartGroup_->setEnabled(l < 18);

    const bool monthGrid = l < 8;
    const bool titled = l < 8 || l > 17;
    titleShowYear_->setEnabled(monthGrid);
    titleColor_->setEnabled(monthGrid);
    cellFontButton_->setEnabled(monthGrid);
    titleFontButton_->setEnabled(titled);
    headersFontButton_->setEnabled(titled);
    headersColor_->setEnabled(titled);
    headerStyle_->setEnabled(titled);

    const bool minis = l >= 2 && l <= 17;
    for (QWidget* control : std::initializer_list<QWidget*>{miniShowYear_, miniTitleFontButton_, miniHeadersFontButton_,
                                                            miniCellFontButton_, miniHeadersColor_, miniCalColor_,
                                                            miniHeaderStyle_, miniLineLayout_})
        control->setEnabled(minis);

    lineLayout_->setEnabled(monthGrid);
    startTimeButton_->setEnabled(c == 4 || c == 5);
}

// --- Date ------------------------------------------------------------------

void TCalendarProperties::refreshDateLabel()
{
    const QDate date = calendar_->selectedDate();
    dateLabel_->setText(planner_ ? RegionalLocale().toString(date, QLocale::LongFormat)
                                 : RegionalLocale().toString(date, QStringLiteral("MMMM yyyy")));
}

void TCalendarProperties::calendarDateChanged()
{
    refreshDateLabel();
    whenInteractive([this] {
        const QDate date = calendar_->selectedDate();
        example_->SetMainCalMonth(date.month());
        example_->SetMainCalYear(date.year());
        example_->SetMainCalDay(date.day());
    });
}

void TCalendarProperties::calendarPageChanged(int year, int month)
{
    // Paging the calendar with its own arrows moves the chosen date along,
    // as the buttons below it do.
    const QDate selected = calendar_->selectedDate();
    if (selected.year() == year && selected.month() == month)
        return;
    const QDate first(year, month, 1);
    if (first.isValid())
        calendar_->setSelectedDate(first.addDays(std::min(selected.day(), first.daysInMonth()) - 1));
}

void TCalendarProperties::moveDate(int years, int months)
{
    calendar_->setSelectedDate(calendar_->selectedDate().addYears(years).addMonths(months));
}

void TCalendarProperties::goToToday()
{
    calendar_->setSelectedDate(QDate::currentDate());
}

// --- Names -----------------------------------------------------------------

bool TCalendarProperties::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == monthMemo_)
            storeMonthNames();
        else if (watched == dayMemo_)
            storeDayNames();
    }
    return QDialog::eventFilter(watched, event);
}

void TCalendarProperties::storeMonthNames()
{
    const QStringList lines = memoLines(*monthMemo_);
    for (int i = 0; i < std::min<qsizetype>(12, lines.size()); ++i)
        example_->SetMonthName(i + 1, lines[i]);
    example_->update();
}

void TCalendarProperties::storeDayNames()
{
    const QStringList lines = memoLines(*dayMemo_);
    for (int i = 0; i < std::min<qsizetype>(7, lines.size()); ++i)
        example_->SetDayName(i + 1, lines[i]);
    example_->update();
}

void TCalendarProperties::useLanguage(TCalendarLanguage language)
{
    const LanguageNameTable& names = LanguageNames(language);
    QStringList months(names.months.begin(), names.months.end());
    QStringList days(names.days.begin(), names.days.end());
    monthMemo_->setPlainText(months.join(QLatin1Char('\n')));
    dayMemo_->setPlainText(days.join(QLatin1Char('\n')));
    storeMonthNames();
    storeDayNames();
    if (language == TCalendarLanguage::English) {
        monthMemo_->document()->setModified(false);
        dayMemo_->document()->setModified(false);
    }
}

void TCalendarProperties::commitFocusedMemo()
{
    // A shortcut can close the dialog or save a style sheet while the caret
    // is still in a memo: what was typed there counts as if it was left.
    const QWidget* focus = focusWidget();
    if (focus == monthMemo_)
        storeMonthNames();
    else if (focus == dayMemo_)
        storeDayNames();
}

// --- Margins ---------------------------------------------------------------

void TCalendarProperties::marginChosen(int box)
{
    const int index = marginBoxes_[box]->currentIndex();
    if (index < 0)
        return;
    whenInteractive([this, box, index] {
        const float inches = MarginForIndex(index);
        switch (box) {
        case 0: example_->SetLeftMarginInch(inches); break;
        case 1: example_->SetTopMarginInch(inches); break;
        case 2: example_->SetRightMarginInch(inches); break;
        default: example_->SetBottomMarginInch(inches); break;
        }
    });
}

void TCalendarProperties::switchMarginUnits(bool millimetres)
{
    const bool wasInitialising = initialising_;
    initialising_ = true;
    const QStringList texts = MarginTexts(millimetres);
    for (QComboBox* box : marginBoxes_) {
        const int index = box->currentIndex();
        box->clear();
        box->addItems(texts);
        box->setCurrentIndex(index);
    }
    initialising_ = wasInitialising;
}

// --- Planner starting time ---------------------------------------------------

void TCalendarProperties::chooseStartTime()
{
    QTime time = RegionalLocale().toTime(timeLabel_->text(), QLocale::ShortFormat);
    if (!time.isValid()) {
        timeLabel_->setText(shortTime(QTime::currentTime()));
        time = RegionalLocale().toTime(timeLabel_->text(), QLocale::ShortFormat);
    }
    TSetTimeDialog dialog(this);
    dialog.SetTime(time);
    dialog.adjustSize();
    CenterForm(dialog, parentWidget() ? parentWidget()->window() : nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return;
    timeLabel_->setText(shortTime(dialog.Time()));
    example_->SetDayStartTime(dialog.Time());
}

// --- Zoom ------------------------------------------------------------------

// The steps are tenths; a little slack keeps single-precision factors such
// as 0.2 from taking one step too many.
void TCalendarProperties::zoomOut()
{
    const float factor = example_->ZoomFactor();
    if (factor > 0.2 + 0.001)
        example_->SetZoom(float(factor - 0.1));
    showZoom();
}

void TCalendarProperties::zoomIn()
{
    const float factor = example_->ZoomFactor();
    if (factor < 1.0 - 0.001)
        example_->SetZoom(float(factor + 0.1));
    showZoom();
}

void TCalendarProperties::showZoom()
{
    zoomLabel_->setText(QString::number(roundHalfEven(double(example_->ZoomFactor()) * 100)) + QLatin1Char('%'));
}

// --- Style sheets ------------------------------------------------------------

void TCalendarProperties::saveStyleSheet()
{
    commitFocusedMemo();
    const QString fileName = ChooseSaveFileName(this, QStringLiteral("Save As Calendar Style Sheet"), ProgramFolder(),
                                                QStringLiteral("MyStyle.QXS"), styleSheetFilter);
    if (fileName.isEmpty())
        return;
    if (!hasStyleSheetExtension(fileName)) {
        ShowInfo(QStringLiteral("Must save as a Calendar Style Sheet (*.QXS)"));
        return;
    }
    // A failed save leaves any earlier file as it was; the user hears of it
    // rather than believing the style was kept.
    if (!example_->SaveStyleSheet(fileName))
        ShowInfo(QStringLiteral("Unable to save ") + fileName);
}

void TCalendarProperties::loadStyleSheet()
{
    const QString fileName =
        ChooseOpenFileName(this, QStringLiteral("Open Calendar Style Sheet"), ProgramFolder(), styleSheetFilter);
    if (fileName.isEmpty())
        return;
    if (!hasStyleSheetExtension(fileName)) {
        ShowInfo(QStringLiteral("Must be a Calendar Style Sheet (*.QXS)"));
        return;
    }
    initialising_ = true;
    try {
        example_->LoadStyleSheet(fileName);
    } catch (const std::exception&) {
        ShowInfo(QStringLiteral("Unable to open ") + fileName + QStringLiteral(". Possibly ") + QLatin1Char('\r')
                 + QStringLiteral("corrupted, possibly not a Calendar Style file"));
    }
    fillFromExample();
    initialising_ = false;
    applyLayoutSelection();
    fitAllPages();
}

void TCalendarProperties::defaultStyle()
{
    initialising_ = true;
    example_->ResetToDefaults();
    fillFromExample();
    initialising_ = false;
    applyLayoutSelection();
    fitAllPages();
}

// --- Borders -----------------------------------------------------------------

void TCalendarProperties::borderChosen(int row)
{
    if (row < 0 || initialising_)
        return;
    example_->SetWMFBorderFile(row == 0 ? QString() : borderList_->item(row)->text());
    // A border without a picture for this orientation is not taken: show
    // what the example really has.
    const bool wasInitialising = initialising_;
    initialising_ = true;
    borderList_->setCurrentRow(borderRowOf(example_->WMFBorderFile()));
    initialising_ = wasInitialising;
}

int TCalendarProperties::borderRowOf(const QString& name) const
{
    if (name.isEmpty())
        return 0;
    for (int row = 1; row < borderList_->count(); ++row)
        if (borderList_->item(row)->text().compare(name, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

// --- Closing and help --------------------------------------------------------

void TCalendarProperties::okClicked()
{
    commitFocusedMemo();
    if (warnOnClassChange_ && example_->LayoutKind() != classAtOpening_) {
        const QString question = QStringLiteral("Warning: changing to this type of layout\r"
                                                "will erase all text and icons from the current\r"
                                                "calendar. Proceed?");
        if (!AskYesNo(question, QStringLiteral("WARNING")))
            return;
    }
    accept();
}

void TCalendarProperties::helpClicked()
{
    // Each page has a topic of its own; the borders page, which came later,
    // falls back to the contents when its topic is missing from the folder.
    const int index = notebook_->currentIndex();
    const int topic = FirstHelpTopic + index;
    if (index < 9 || QFile::exists(HelpTopicPath(topic)))
        ShowHelpTopic(topic);
    else
        ShowHelpContents();
}

void TCalendarProperties::done(int result)
{
    if (activated_)
        SavePlacement(*this, QString::fromLatin1(PlacementClassName));
    QDialog::done(result);
}
