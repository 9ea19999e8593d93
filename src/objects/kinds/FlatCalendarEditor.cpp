#include "objects/kinds/FlatCalendarEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "objects/FontChooser.h"
#include "objects/kinds/GFlatCalendar.h"
#include "objects/kinds/KindDialogs.h"
#include "platform/HelpViewer.h"

namespace {

const QStringList& englishMonths()
{
    static const QStringList names{QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
                                   QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
                                   QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
                                   QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

const QStringList& borderChoices()
{
    static const QStringList names{QStringLiteral("None"), QStringLiteral("All"), QStringLiteral("Top"),
                                   QStringLiteral("Bottom"), QStringLiteral("Top & Bottom")};
    return names;
}

void showSwatch(QPushButton* button, TColor color)
{
    QPixmap swatch(24, 12);
    swatch.fill(ToQColor(color));
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 23, 11);
    painter.end();
    button->setIconSize(swatch.size());
    button->setIcon(QIcon(swatch));
    button->setProperty("swatchColor", uint(color));
}

} // namespace

TFlatCalendarEditor::TFlatCalendarEditor(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("FlatCalendarEditor"));
    setWindowTitle(QStringLiteral("Floating Calendar Properties"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    buildControls();
    // The classic 578 x 393 is the least size; the desktop's fonts may need
    // more, and a caption is never cut.
    setFixedSize(sizeHint().expandedTo(QSize(578, 393)));
    filling_ = false;
}

TFlatCalendarEditor::~TFlatCalendarEditor() = default;

template <class F>
void TFlatCalendarEditor::whenChanged(F apply)
{
    if (filling_)
        return;
    apply();
}

QComboBox* TFlatCalendarEditor::combo(const char* name, const QStringList& items)
{
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    return box;
}

QPushButton* TFlatCalendarEditor::colorButton(const QString& caption, const char* name)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void TFlatCalendarEditor::buildControls()
{
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    auto* outer = new QHBoxLayout;
    page->addLayout(outer, 1);
    auto* left = new QGridLayout;
    left->setSpacing(4);
    outer->addLayout(left, 1);

    // Month and year.
    auto* dateGroup = new QGroupBox(QStringLiteral("Month and Year"), this);
    auto* dateForm = new QFormLayout(dateGroup);
    monthCombo_ = combo("MonthCombo", englishMonths());
    yearSpinner_ = new QSpinBox(this);
    yearSpinner_->setObjectName(QStringLiteral("YearSpinner"));
    yearSpinner_->setRange(1950, 2500);
    const int thisYear = QDate::currentDate().year();
    yearSpinner_->setValue(thisYear > 0 ? thisYear : 1998);
    dateForm->addRow(QStringLiteral("Month"), monthCombo_);
    dateForm->addRow(QStringLiteral("Year"), yearSpinner_);
    left->addWidget(dateGroup, 0, 0);

    auto* weekGroup = new QGroupBox(QStringLiteral("Week Starts On"), this);
    weekGroup->setObjectName(QStringLiteral("WeekStartsOn"));
    weekGroup->setToolTip(QStringLiteral("Select the day that the calendar week starts on"));
    auto* weekBox = new QVBoxLayout(weekGroup);
    sundayFirst_ = new QRadioButton(QStringLiteral("Sunday"), weekGroup);
    sundayFirst_->setObjectName(QStringLiteral("SundayButton"));
    mondayFirst_ = new QRadioButton(QStringLiteral("Monday"), weekGroup);
    mondayFirst_->setObjectName(QStringLiteral("MondayButton"));
    sundayFirst_->setChecked(true);
    weekBox->addWidget(sundayFirst_);
    weekBox->addWidget(mondayFirst_);
    left->addWidget(weekGroup, 0, 1);

    auto* miscGroup = new QGroupBox(QStringLiteral("Miscellaneous"), this);
    auto* miscForm = new QFormLayout(miscGroup);
    showYear_ = new QCheckBox(QStringLiteral("Show Year in Title"), this);
    showYear_->setObjectName(QStringLiteral("ShowYearCheck"));
    headerStyle_ = combo("HeaderStyleCombo", {QStringLiteral("First Character"),
                                              QStringLiteral("First Three Characters"), QStringLiteral("Whole Word")});
    language_ = combo("LanguageCombo", {QStringLiteral("English"), QStringLiteral("Deutsch"),
                                        QStringLiteral("Fran\u00e7ais"), QStringLiteral("L'italiano"),
                                        QStringLiteral("Espa\u00f1ol")});
    miscForm->addRow(showYear_);
    miscForm->addRow(QStringLiteral("Header Style"), headerStyle_);
    miscForm->addRow(QStringLiteral("Language"), language_);
    left->addWidget(miscGroup, 1, 0);

    auto* fontGroup = new QGroupBox(QStringLiteral("Fonts"), this);
    auto* fontBox = new QVBoxLayout(fontGroup);
    struct FontButton {
        const char* caption;
        const char* name;
        const TFont& (TGFlatCalendar::*get)() const;
        void (TGFlatCalendar::*set)(const TFont&);
    };
    const FontButton fontButtons[] = {
        {"Title Font", "TitleFontButton", &TGFlatCalendar::TitleFont, &TGFlatCalendar::SetTitleFont},
        {"Header Font", "HeaderFontButton", &TGFlatCalendar::DayNameFont, &TGFlatCalendar::SetDayNameFont},
        {"Cell Font", "CellFontButton", &TGFlatCalendar::CellFont, &TGFlatCalendar::SetCellFont},
    };
    for (const FontButton& entry : fontButtons) {
        auto* button = new QPushButton(QString::fromLatin1(entry.caption), this);
        button->setObjectName(QString::fromLatin1(entry.name));
        fontBox->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, entry] {
            TFont font = (sample_->*entry.get)();
            if (ChooseFont(font, this))
                (sample_->*entry.set)(font);
        });
    }
    left->addWidget(fontGroup, 1, 1);

    auto* borderGroup = new QGroupBox(QStringLiteral("Borders"), this);
    auto* borderForm = new QFormLayout(borderGroup);
    calendarBorder_ = combo("CalendarBorderCombo", borderChoices());
    headerBorder_ = combo("HeaderBorderCombo", borderChoices());
    cellBorder_ = combo("CellBorderCombo", borderChoices());
    borderForm->addRow(QStringLiteral("Calendar "), calendarBorder_);
    borderForm->addRow(QStringLiteral("Header"), headerBorder_);
    borderForm->addRow(QStringLiteral("Cell "), cellBorder_);
    left->addWidget(borderGroup, 2, 0);

    auto* colorGroup = new QGroupBox(QStringLiteral("Colors"), this);
    auto* colorBox = new QVBoxLayout(colorGroup);
    titleColor_ = colorButton(QStringLiteral("Title Background"), "TitleColorButton");
    headerColor_ = colorButton(QStringLiteral("Header Background "), "HeaderColorButton");
    bodyColor_ = colorButton(QStringLiteral("Body Background "), "BodyColorButton");
    transparent_ = new QCheckBox(QStringLiteral("Transparent"), this);
    transparent_->setObjectName(QStringLiteral("TransparentCheck"));
    for (QWidget* w : {static_cast<QWidget*>(titleColor_), static_cast<QWidget*>(headerColor_),
                       static_cast<QWidget*>(bodyColor_), static_cast<QWidget*>(transparent_)})
        colorBox->addWidget(w);
    left->addWidget(colorGroup, 2, 1);

    auto* shadowGroup = new QGroupBox(QStringLiteral("Shadow"), this);
    auto* shadowRow = new QHBoxLayout(shadowGroup);
    shadowColor_ = colorButton(QStringLiteral("Color"), "ShadowColorButton");
    orientation_ = combo("OrientationCombo", {QStringLiteral("Lower Right"), QStringLiteral("Lower Left"),
                                              QStringLiteral("UpperRight"), QStringLiteral("UpperLeft")});
    depth_ = new QSpinBox(this);
    depth_->setObjectName(QStringLiteral("DepthSpinner"));
    depth_->setRange(0, 10);
    shadowRow->addWidget(shadowColor_);
    shadowRow->addWidget(new QLabel(QStringLiteral("Orientation"), this));
    shadowRow->addWidget(orientation_, 1);
    shadowRow->addWidget(new QLabel(QStringLiteral("Depth"), this));
    shadowRow->addWidget(depth_);
    left->addWidget(shadowGroup, 3, 0, 1, 2);
    for (QGroupBox* group : {dateGroup, weekGroup, miscGroup, fontGroup, borderGroup, colorGroup, shadowGroup})
        group->layout()->setContentsMargins(4, 2, 4, 2);

    // The sample and the buttons.
    auto* right = new QVBoxLayout;
    outer->addLayout(right, 0);
    sampleBox_ = new QScrollArea(this);
    sampleBox_->setObjectName(QStringLiteral("SampleBox"));
    sampleBox_->setBackgroundRole(QPalette::Base);
    sampleBox_->setStyleSheet(QStringLiteral("QScrollArea { background: white; }"));
    auto* sampleHolder = new QWidget;
    sampleHolder->setObjectName(QStringLiteral("SampleHolder"));
    sampleHolder->setAutoFillBackground(true);
    QPalette white = sampleHolder->palette();
    white.setColor(QPalette::Window, Qt::white);
    sampleHolder->setPalette(white);
    sample_ = new TGFlatCalendar(nullptr, sampleHolder);
    sample_->SetName(QStringLiteral("SampleCalendar"));
    sample_->move(4, 4);
    sample_->resize(150, 130);
    sampleHolder->resize(158, 138);
    sampleBox_->setWidget(sampleHolder);
    sampleBox_->setFixedWidth(200);
    right->addWidget(sampleBox_, 1);
    page->addLayout(MakeDialogButtonRow(*this, HelpTopic).row);

    // Every change goes to the sample at once.
    auto comboApplies = [this](QComboBox* box, auto apply) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, apply](int index) {
            whenChanged([&] { apply(index); });
        });
    };
    comboApplies(monthCombo_, [this](int i) { sample_->SetMonth(i + 1); });
    comboApplies(headerStyle_, [this](int i) { sample_->SetDayNameStyle(TFlatCalHeadersStyle(i)); });
    comboApplies(language_, [this](int i) { sample_->SetLanguage(TFlatCalLanguage(i)); });
    comboApplies(calendarBorder_, [this](int i) { sample_->SetCalendarBorderStyle(TFlatCalBorderStyle(i)); });
    comboApplies(headerBorder_, [this](int i) { sample_->SetDayNameBorderStyle(TFlatCalBorderStyle(i)); });
    comboApplies(cellBorder_, [this](int i) { sample_->SetCellBorderStyle(TFlatCalBorderStyle(i)); });
    comboApplies(orientation_, [this](int i) { sample_->SetShadowPosition(TFlatShadowPosition(i)); });
    connect(yearSpinner_, &QSpinBox::valueChanged, this,
            [this](int year) { whenChanged([&] { sample_->SetYear(year); }); });
    connect(depth_, &QSpinBox::valueChanged, this,
            [this](int depth) { whenChanged([&] { sample_->SetShadowDepth(depth); }); });
    connect(sundayFirst_, &QRadioButton::toggled, this,
            [this](bool on) { whenChanged([&] { sample_->SetStartOfWeek(on ? 1 : 2); }); });
    connect(showYear_, &QCheckBox::toggled, this,
            [this](bool on) { whenChanged([&] { sample_->SetShowYear(on); }); });
    connect(transparent_, &QCheckBox::toggled, this,
            [this](bool on) { whenChanged([&] { sample_->SetCalTransparent(on); }); });

    struct ColorButton {
        QPushButton* button;
        TColor (TGFlatCalendar::*get)() const;
        void (TGFlatCalendar::*set)(TColor);
    };
    const ColorButton colorButtons[] = {
        {titleColor_, &TGFlatCalendar::TitleBGcolor, &TGFlatCalendar::SetTitleBGcolor},
        {headerColor_, &TGFlatCalendar::DayNameBGColor, &TGFlatCalendar::SetDayNameBGColor},
        {bodyColor_, &TGFlatCalendar::Backgroundcolor, &TGFlatCalendar::SetBackgroundcolor},
        {shadowColor_, &TGFlatCalendar::ShadowColor, &TGFlatCalendar::SetShadowColor},
    };
    for (const ColorButton& entry : colorButtons) {
        connect(entry.button, &QPushButton::clicked, this, [this, entry] {
            TColor color = (sample_->*entry.get)();
            if (!ChooseKindColor(color, this))
                return;
            (sample_->*entry.set)(color);
            showSwatch(entry.button, color);
        });
    }

    // Hints for "What's this?".
    monthCombo_->setWhatsThis(QStringLiteral("The month the calendar shows."));
    yearSpinner_->setWhatsThis(QStringLiteral("The year the calendar shows."));
    weekGroup->setWhatsThis(QStringLiteral("Select the day that the calendar week starts on."));
    showYear_->setWhatsThis(QStringLiteral("Show the year after the month's name in the title."));
    headerStyle_->setWhatsThis(QStringLiteral("How much of each weekday's name the header shows."));
    language_->setWhatsThis(QStringLiteral("The language of the month and weekday names."));
    fontGroup->setWhatsThis(QStringLiteral("Choose the fonts of the title, the weekday names and the day numbers."));
    borderGroup->setWhatsThis(QStringLiteral("The lines round the calendar, the weekday names and the days."));
    colorGroup->setWhatsThis(QStringLiteral("Background colours; a transparent calendar fills nothing."));
    shadowGroup->setWhatsThis(QStringLiteral("A drop shadow of up to 10 pixels on one side."));
    sampleBox_->setWhatsThis(QStringLiteral("How the calendar will look."));
    refreshColorButtons();
}

void TFlatCalendarEditor::refreshColorButtons()
{
    showSwatch(titleColor_, sample_->TitleBGcolor());
    showSwatch(headerColor_, sample_->DayNameBGColor());
    showSwatch(bodyColor_, sample_->Backgroundcolor());
    showSwatch(shadowColor_, sample_->ShadowColor());
}

void TFlatCalendarEditor::LoadFromSample()
{
    filling_ = true;
    monthCombo_->setCurrentIndex(sample_->Month() - 1);
    yearSpinner_->setValue(sample_->Year());
    (sample_->StartOfWeek() == 2 ? mondayFirst_ : sundayFirst_)->setChecked(true);
    showYear_->setChecked(sample_->ShowYear());
    headerStyle_->setCurrentIndex(sample_->DayNameStyle());
    language_->setCurrentIndex(sample_->Language());
    calendarBorder_->setCurrentIndex(sample_->CalendarBorderStyle());
    headerBorder_->setCurrentIndex(sample_->DayNameBorderStyle());
    cellBorder_->setCurrentIndex(sample_->CellBorderStyle());
    transparent_->setChecked(sample_->CalTransparent());
    orientation_->setCurrentIndex(sample_->ShadowPosition());
    depth_->setValue(std::max(0, sample_->ShadowDepth()));
    refreshColorButtons();
    if (QWidget* holder = sample_->parentWidget())
        holder->resize(sample_->width() + 8, sample_->height() + 8);
    filling_ = false;
}
