// The controls of the properties dialog: the tab strip and its notebook
// pages, the example page with its zoom buttons, and the button row.
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/CalendarProperties.h"
#include "app/ColorSwatchButton.h"
#include "app/LayoutChoices.h"
#include "app/MarginChoices.h"
#include "app/PropertiesChoosers.h"
#include "page/CalendarPanel32.h"
#include "platform/ProgramFolder.h"

namespace {

QRadioButton* radio(const QString& text, const QString& name, QButtonGroup* group, int id, QLayout* layout)
{
    auto* button = new QRadioButton(text);
    button->setObjectName(name);
    group->addButton(button, id);
    layout->addWidget(button);
    return button;
}

QComboBox* comboBox(const QString& name, const QStringList& items)
{
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->addItems(items);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

QPushButton* pushButton(const QString& text, const QString& name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* groupBox(const QString& title, const QString& name)
{
    auto* group = new QGroupBox(title);
    group->setObjectName(name);
    return group;
}

// A control at its own width on the left of a form row.
QWidget* leftAligned(QWidget* control)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control);
    layout->addStretch();
    return row;
}

// The forms of one page share the width of their labels, so that their
// fields line up from group to group.
void alignForms(std::initializer_list<QFormLayout*> forms)
{
    int width = 0;
    for (QFormLayout* form : forms)
        for (int row = 0; row < form->rowCount(); ++row)
            if (QLayoutItem* item = form->itemAt(row, QFormLayout::LabelRole))
                width = std::max(width, item->sizeHint().width());
    for (QFormLayout* form : forms)
        for (int row = 0; row < form->rowCount(); ++row)
            if (QLayoutItem* item = form->itemAt(row, QFormLayout::LabelRole))
                if (item->widget())
                    item->widget()->setMinimumWidth(width);
}

} // namespace

void TCalendarProperties::buildControls()
{
    auto* dialogLayout = new QVBoxLayout(this);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabSet1"));
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(true);
    notebook_ = new QStackedWidget(this);
    notebook_->setObjectName(QStringLiteral("Notebook"));

    const QStringList tabTexts = {QStringLiteral("Layout"),    QStringLiteral("Date"),
                                  QStringLiteral("Fonts, Colors"), QStringLiteral("Mini Fonts, Colors"),
                                  QStringLiteral("Headers"),   QStringLiteral("Lines"),
                                  QStringLiteral("Planners"),  QStringLiteral("Language"),
                                  QStringLiteral("Margins"),   QStringLiteral("Borders")};
    for (const QString& text : tabTexts)
        tabs_->addTab(text);
    notebook_->addWidget(buildLayoutPage());
    notebook_->addWidget(buildDatePage());
    notebook_->addWidget(buildFontsPage());
    notebook_->addWidget(buildMiniFontsPage());
    notebook_->addWidget(buildHeadersPage());
    notebook_->addWidget(buildLinesPage());
    notebook_->addWidget(buildPlannerPage());
    notebook_->addWidget(buildLanguagePage());
    notebook_->addWidget(buildMarginsPage());
    notebook_->addWidget(buildBordersPage());
    connect(tabs_, &QTabBar::currentChanged, notebook_, &QStackedWidget::setCurrentIndex);
    tabs_->setWhatsThis(tr("Choose which group of calendar properties to show."));

    // The tab strip runs over one pane that holds the notebook page and,
    // beside it, the example that every page changes.
    auto* pane = new QFrame(this);
    pane->setObjectName(QStringLiteral("PropertiesPane"));
    pane->setFrameShape(QFrame::StyledPanel);
    auto* body = new QHBoxLayout(pane);
    body->addWidget(notebook_, 1);
    body->addWidget(buildExampleArea());
    auto* strip = new QVBoxLayout;
    strip->setSpacing(0);
    strip->addWidget(tabs_);
    strip->addWidget(pane, 1);
    dialogLayout->addLayout(strip, 1);
    dialogLayout->addWidget(buildButtonRow());
}

QWidget* TCalendarProperties::newPage(const QString& caption, QVBoxLayout*& layout)
{
    auto* page = new QWidget;
    layout = new QVBoxLayout(page);
    auto* heading = new QLabel(caption, page);
    heading->setObjectName(QStringLiteral("PageCaption"));
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    heading->setFont(font);
    layout->addWidget(heading);
    return page;
}

QWidget* TCalendarProperties::buildLayoutPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = newPage(QStringLiteral("Layout"), layout);
    page->setObjectName(QStringLiteral("LayoutPage"));

    layoutList_ = new QListWidget(page);
    layoutList_->setObjectName(QStringLiteral("LayoutList"));
    for (int row = 0; row < LayoutRowCount; ++row)
        layoutList_->addItem(LayoutRowText(row));
    layoutList_->setSelectionMode(QAbstractItemView::SingleSelection);
    layoutList_->setMinimumHeight(layoutList_->sizeHintForRow(0) * LayoutRowCount + 2 * layoutList_->frameWidth());
    layoutList_->setWhatsThis(tr("The design of the page: one month with or without small calendars of other "
                                 "months, pages of small month calendars, or a week or day planner."));
    layout->addWidget(layoutList_);

    auto* row = new QHBoxLayout;
    orientationGroup_ = groupBox(QStringLiteral("Orientation"), QStringLiteral("rOrientation"));
    auto* orientationLayout = new QVBoxLayout(orientationGroup_);
    orientationButtons_ = new QButtonGroup(this);
    radio(QStringLiteral("Portrait"), QStringLiteral("PortraitRadio"), orientationButtons_, coPortrait,
          orientationLayout);
    radio(QStringLiteral("Landscape"), QStringLiteral("LandscapeRadio"), orientationButtons_, coLandscape,
          orientationLayout);
    orientationGroup_->setWhatsThis(tr("Print the page upright or sideways. Planners are always upright."));
    row->addWidget(orientationGroup_);

    paperGroup_ = groupBox(QStringLiteral("Paper Size"), QStringLiteral("PaperSize"));
    auto* paperLayout = new QVBoxLayout(paperGroup_);
    paperButtons_ = new QButtonGroup(this);
    radio(QStringLiteral("Letter"), QStringLiteral("LetterRadio"), paperButtons_, 0, paperLayout);
    radio(QStringLiteral("A4"), QStringLiteral("A4Radio"), paperButtons_, 1, paperLayout);
    paperGroup_->setWhatsThis(tr("US Letter (8\u00BD by 11 inches) or A4 (210 by 297 mm) paper."));
    row->addWidget(paperGroup_);
    layout->addLayout(row);
    layout->addStretch();

    connect(layoutList_, &QListWidget::currentRowChanged, this, [this] {
        if (!initialising_)
            applyLayoutSelection();
    });
    for (QButtonGroup* group : {orientationButtons_, paperButtons_})
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked && !initialising_)
                applyLayoutSelection();
        });
    return page;
}

QWidget* TCalendarProperties::buildDatePage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = newPage(QStringLiteral("Date"), layout);
    page->setObjectName(QStringLiteral("DatePage"));

    // The group's title is the date caption; "&&" shows one ampersand.
    dateGroup_ = groupBox(QStringLiteral("Select Month && Year"), QStringLiteral("DateCaption"));
    auto* dateLayout = new QVBoxLayout(dateGroup_);
    calendar_ = new QCalendarWidget(dateGroup_);
    calendar_->setObjectName(QStringLiteral("Calendar"));
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setGridVisible(true);
    calendar_->setWhatsThis(tr("The month and year the calendar shows. Planners start on the day chosen here."));
    dateLayout->addWidget(calendar_);

    auto* moves = new QHBoxLayout;
    struct Move {
        const char* text;
        const char* name;
        int years;
        int months;
        const char* help;
    };
    const Move buttons[] = {{"<<", "YearBackButton", -1, 0, "Go back one year."},
                            {"<", "MonthBackButton", 0, -1, "Go back one month."},
                            {"Now", "NowButton", 0, 0, "Go to today's date."},
                            {">", "MonthForwardButton", 0, 1, "Go forward one month."},
                            {">>", "YearForwardButton", 1, 0, "Go forward one year."}};
    for (const Move& move : buttons) {
        QPushButton* button = pushButton(QString::fromLatin1(move.text), QString::fromLatin1(move.name));
        button->setWhatsThis(tr(move.help));
        if (move.years == 0 && move.months == 0)
            connect(button, &QPushButton::clicked, this, &TCalendarProperties::goToToday);
        else
            connect(button, &QPushButton::clicked, this,
                    [this, years = move.years, months = move.months] { moveDate(years, months); });
        moves->addWidget(button);
    }
    dateLayout->addLayout(moves);
    dateLabel_ = new QLabel(dateGroup_);
    dateLabel_->setObjectName(QStringLiteral("DateLabel"));
    dateLabel_->setAlignment(Qt::AlignCenter);
    QFont labelFont = dateLabel_->font();
    labelFont.setBold(true);
    dateLabel_->setFont(labelFont);
    dateLabel_->setWhatsThis(tr("The month shown, or for planners the starting date."));
    dateLayout->addWidget(dateLabel_);
    layout->addWidget(dateGroup_);

    weekStartGroup_ = groupBox(QStringLiteral("Week Starts On"), QStringLiteral("WeekStartsOn"));
    auto* weekLayout = new QHBoxLayout(weekStartGroup_);
    weekStartButtons_ = new QButtonGroup(this);
    radio(QStringLiteral("Sunday"), QStringLiteral("SundayRadio"), weekStartButtons_, 0, weekLayout);
    radio(QStringLiteral("Monday"), QStringLiteral("MondayRadio"), weekStartButtons_, 1, weekLayout);
    weekLayout->addStretch();
    weekStartGroup_->setWhatsThis(tr("The weekday in the first column of the month grid."));
    layout->addWidget(weekStartGroup_);
    layout->addStretch();

    connect(calendar_, &QCalendarWidget::selectionChanged, this, &TCalendarProperties::calendarDateChanged);
    connect(calendar_, &QCalendarWidget::currentPageChanged, this, &TCalendarProperties::calendarPageChanged);
    connect(weekStartButtons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            whenInteractive([this, id] { example_->SetStartOfWeek(id + 1); });
        calendar_->setFirstDayOfWeek(weekStartButtons_->checkedId() == 1 ? Qt::Monday : Qt::Sunday);
    });
    return page;
}

QWidget* TCalendarProperties::fontRow(QPushButton*& button, const QString& name, const QString& whatsThis,
                                      std::function<const TFont&()> font, std::function<void(const TFont&)> assign)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    button = pushButton(QStringLiteral("Font"), name);
    button->setMinimumWidth(110);
    button->setWhatsThis(whatsThis);
    auto* description = new QLabel(row);
    description->setObjectName(name + QStringLiteral("Description"));
    layout->addWidget(button);
    layout->addWidget(description, 1);
    fontDescriptions_.push_back({description, font});
    connect(button, &QPushButton::clicked, this, [this, font, assign] {
        TFont chosen(font());
        if (ChooseFontAndColor(chosen, this)) {
            assign(chosen);
            example_->update();
            describeFonts();
        }
    });
    return row;
}

TColorSwatchButton* TCalendarProperties::colorButton(const QString& name, const QString& whatsThis,
                                                     void (TCalendarPanel32::*setter)(TColor))
{
    auto* button = new TColorSwatchButton(QStringLiteral("Color"));
    button->setObjectName(name);
    button->setMinimumWidth(110);
    button->setAutoDefault(false);
    button->setWhatsThis(whatsThis);
    connect(button, &TColorSwatchButton::ColorChosen, this,
            [this, setter](TColor color) { whenInteractive([this, setter, color] { (example_->*setter)(color); }); });
    return button;
}

QWidget* TCalendarProperties::buildFontsPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = newPage(QStringLiteral("Fonts & Colors"), layout);
    page->setObjectName(QStringLiteral("FontsPage"));
    TCalendarPanel32* e = example_;

    QGroupBox* title = groupBox(QStringLiteral("Title"), QStringLiteral("TitleGroup"));
    auto* titleForm = new QFormLayout(title);
    titleForm->addRow(tr("Text:"), fontRow(titleFontButton_, QStringLiteral("TitleFontButton"),
                                           tr("The font of the month title."),
                                           [e]() -> const TFont& { return e->TitleFont(); },
                                           [e](const TFont& f) { e->SetTitleFont(&f); }));
    titleColor_ = colorButton(QStringLiteral("TitleColorButton"), tr("The background colour behind the title."),
                              &TCalendarPanel32::SetTitleBGColor);
    titleForm->addRow(tr("Background:"), leftAligned(titleColor_));
    titleShowYear_ = new QCheckBox(QStringLiteral("Show Year in Title"));
    titleShowYear_->setObjectName(QStringLiteral("TitleShowYearCheck"));
    titleShowYear_->setWhatsThis(tr("Show the year after the month name in the title."));
    titleForm->addRow(titleShowYear_);
    layout->addWidget(title);

    QGroupBox* headers = groupBox(QStringLiteral("Day Name Headers"), QStringLiteral("HeadersGroup"));
    auto* headersForm = new QFormLayout(headers);
    headersForm->addRow(tr("Text:"),
                        fontRow(headersFontButton_, QStringLiteral("HeadersFontButton"),
                                tr("The font of the weekday names above the grid and of the planners' row labels."),
                                [e]() -> const TFont& { return e->HeadersFont(); },
                                [e](const TFont& f) { e->SetHeadersFont(&f); }));
    headersColor_ = colorButton(QStringLiteral("HeadersColorButton"),
                                tr("The background colour of the weekday names and of the planners' label column."),
                                &TCalendarPanel32::SetHeadersBGColor);
    headersForm->addRow(tr("Background:"), leftAligned(headersColor_));
    layout->addWidget(headers);

    QGroupBox* cells = groupBox(QStringLiteral("Number Cells"), QStringLiteral("CellsGroup"));
    auto* cellsForm = new QFormLayout(cells);
    cellsForm->addRow(tr("Day numbers:"), fontRow(cellFontButton_, QStringLiteral("CellFontButton"),
                                                  tr("The font of the day numbers in the cells."),
                                                  [e]() -> const TFont& { return e->CellFont(); },
                                                  [e](const TFont& f) { e->SetCellFont(&f); }));
    layout->addWidget(cells);
    layout->addStretch();
    alignForms({titleForm, headersForm, cellsForm});

    connect(titleShowYear_, &QCheckBox::toggled, this,
            [this](bool on) { whenInteractive([this, on] { example_->SetTitleShowYear(on); }); });
    return page;
}

QWidget* TCalendarProperties::buildMiniFontsPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = newPage(QStringLiteral("Mini Fonts & Colors"), layout);
    page->setObjectName(QStringLiteral("MiniFontsPage"));
    TCalendarPanel32* e = example_;

    QGroupBox* title = groupBox(QStringLiteral("Mini Calendar Titles"), QStringLiteral("MiniTitleGroup"));
    auto* titleForm = new QFormLayout(title);
    titleForm->addRow(tr("Text:"), fontRow(miniTitleFontButton_, QStringLiteral("MiniTitleFontButton"),
                                           tr("The font of the month names above the small calendars."),
                                           [e]() -> const TFont& { return e->MiniTitleFont(); },
                                           [e](const TFont& f) { e->SetMiniTitleFont(&f); }));
    miniShowYear_ = new QCheckBox(QStringLiteral("Show Year in Mini Title"));
    miniShowYear_->setObjectName(QStringLiteral("MiniShowYearCheck"));
    miniShowYear_->setWhatsThis(tr("Show the year after the month name above each small calendar."));
    titleForm->addRow(miniShowYear_);
    layout->addWidget(title);

    QGroupBox* headers = groupBox(QStringLiteral("Mini Day Name Headers"), QStringLiteral("MiniHeadersGroup"));
    auto* headersForm = new QFormLayout(headers);
    headersForm->addRow(tr("Text:"), fontRow(miniHeadersFontButton_, QStringLiteral("MiniHeadersFontButton"),
                                             tr("The font of the weekday letters of the small calendars."),
                                             [e]() -> const TFont& { return e->MiniHeadersFont(); },
                                             [e](const TFont& f) { e->SetMiniHeadersFont(&f); }));
    miniHeadersColor_ = colorButton(QStringLiteral("MiniHeadersColorButton"),
                                    tr("The background colour of the weekday row of the small calendars."),
                                    &TCalendarPanel32::SetMiniHeadersBGColor);
    headersForm->addRow(tr("Background:"), leftAligned(miniHeadersColor_));
    layout->addWidget(headers);

    QGroupBox* cells = groupBox(QStringLiteral("Mini Number Cells"), QStringLiteral("MiniCellsGroup"));
    auto* cellsForm = new QFormLayout(cells);
    cellsForm->addRow(tr("Day numbers:"), fontRow(miniCellFontButton_, QStringLiteral("MiniCellFontButton"),
                                                  tr("The font of the day numbers of the small calendars."),
                                                  [e]() -> const TFont& { return e->MiniCellFont(); },
                                                  [e](const TFont& f) { e->SetMiniCellFont(&f); }));
    miniCalColor_ = colorButton(QStringLiteral("MiniCalColorButton"),
                                tr("The paper colour of the small calendars and their titles."),
                                &TCalendarPanel32::SetMiniCalBGColor);
    cellsForm->addRow(tr("Background:"), leftAligned(miniCalColor_));
    layout->addWidget(cells);
    layout->addStretch();
    alignForms({titleForm, headersForm, cellsForm});

    connect(miniShowYear_, &QCheckBox::toggled, this,
            [this](bool on) { whenInteractive([this, on] { example_->SetMiniShowYear(on); }); });
    return page;
}

QWidget* TCalendarProperties::buildHeadersPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = newPage(QStringLiteral("Header Styles"), layout);
    page->setObjectName(QStringLiteral("HeadersPage"));
    const QStringList styles = {QStringLiteral("First Character"), QStringLiteral("First Three Characters"),
                                QStringLiteral("Whole Word")};

    QGroupBox* group = groupBox(QStringLiteral("Day Names"), QStringLiteral("HeaderStylesGroup"));
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    headerStyle_ = comboBox(QStringLiteral("CalHeaderStyleCombo"), styles);
    headerStyle_->setWhatsThis(tr("How the weekday names above the month grid and in planners are shortened."));
    form->addRow(tr("Calendar:"), headerStyle_);
    miniHeaderStyle_ = comboBox(QStringLiteral("MiniHeadersStyleCombo"), styles);
    miniHeaderStyle_->setWhatsThis(tr("How the weekday names of the small calendars are shortened."));
    form->addRow(tr("Mini calendars:"), miniHeaderStyle_);
    layout->addWidget(group);
    layout->addStretch();

    connect(headerStyle_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            whenInteractive([this, index] { example_->SetHeadersStyle(TCalHeadersStyle(index)); });
    });
    connect(miniHeaderStyle_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            whenInteractive([this, index] { example_->SetMiniHeadersStyle(TCalHeadersStyle(index)); });
    });
    return page;
}

QWidget* TCalendarProperties::buildLinesPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = newPage(QStringLiteral("Line Styles"), layout);
    page->setObjectName(QStringLiteral("LinesPage"));

    QGroupBox* group = groupBox(QStringLiteral("Lines"), QStringLiteral("LineStylesGroup"));
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    lineLayout_ = comboBox(QStringLiteral("CalendarLineLayoutCombo"),
                           {QStringLiteral("Full"), QStringLiteral("Headers & Cells"), QStringLiteral("Cells Only")});
    lineLayout_->setWhatsThis(tr("Which lines the month grid draws: everything, the weekday row and the cells, "
                                 "or the cells only."));
    form->addRow(tr("Calendar:"), lineLayout_);
    miniLineLayout_ = comboBox(QStringLiteral("MiniCalendarLineLayoutCombo"),
                               {QStringLiteral("Full"), QStringLiteral("Boxed"), QStringLiteral("Minimal")});
    miniLineLayout_->setWhatsThis(tr("Which lines the small calendars draw: every cell, a box with lines around "
                                     "the weekday row, or one line under the title."));
    form->addRow(tr("Mini calendars:"), miniLineLayout_);
    layout->addWidget(group);
    layout->addStretch();

    connect(lineLayout_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            whenInteractive([this, index] { example_->SetCalendarLineLayout(TCalendarLineLayout(index)); });
    });
    connect(miniLineLayout_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            whenInteractive([this, index] { example_->SetMiniCalendarLineLayout(TMiniCalendarLineLayout(index)); });
    });
    return page;
}

QWidget* TCalendarProperties::buildPlannerPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = newPage(QStringLiteral("Day Planner"), layout);
    page->setObjectName(QStringLiteral("PlannerPage"));

    QGroupBox* group = groupBox(QStringLiteral("Starting Time"), QStringLiteral("StartTimeGroup"));
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    timeLabel_ = new QLabel(group);
    timeLabel_->setObjectName(QStringLiteral("TimeLabel"));
    timeLabel_->setWhatsThis(tr("The time of the first hour row of the day planners."));
    form->addRow(tr("First hour:"), timeLabel_);
    startTimeButton_ = pushButton(QStringLiteral("Set Starting Time..."), QStringLiteral("StartTimeButton"));
    startTimeButton_->setWhatsThis(tr("Choose the time of the first hour row of the day planners."));
    form->addRow(leftAligned(startTimeButton_));
    auto* note = new QLabel(tr("Day planners of 10 and 15 hours label their rows from this time on."), group);
    note->setWordWrap(true);
    form->addRow(note);
    layout->addWidget(group);
    layout->addStretch();

    connect(startTimeButton_, &QPushButton::clicked, this, &TCalendarProperties::chooseStartTime);
    return page;
}

QWidget* TCalendarProperties::buildLanguagePage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = newPage(QStringLiteral("Language"), layout);
    page->setObjectName(QStringLiteral("LanguagePage"));

    auto* memos = new QHBoxLayout;
    auto memo = [this](const QString& title, const QString& name, const QString& help, int lines,
                       QHBoxLayout* row) {
        QGroupBox* group = groupBox(title, name + QStringLiteral("Group"));
        auto* groupLayout = new QVBoxLayout(group);
        auto* edit = new QPlainTextEdit(group);
        edit->setObjectName(name);
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setTabChangesFocus(true);
        edit->setWhatsThis(help);
        const int lineHeight = edit->fontMetrics().lineSpacing();
        edit->setMinimumHeight(lineHeight * lines + 12);
        edit->installEventFilter(this);
        groupLayout->addWidget(edit);
        row->addWidget(group);
        return edit;
    };
    monthMemo_ = memo(QStringLiteral("Month Names"), QStringLiteral("MonthNamesMemo"),
                      tr("The month names the calendar prints, one per line, January first."), 12, memos);
    dayMemo_ = memo(QStringLiteral("Day Names"), QStringLiteral("DayNamesMemo"),
                    tr("The day names the calendar prints, one per line, Sunday first."), 7, memos);
    layout->addLayout(memos);

    auto* languages = new QHBoxLayout;
    struct Language {
        const char16_t* text;
        const char* name;
        TCalendarLanguage language;
    };
    const Language buttons[] = {{u"English", "EnglishButton", TCalendarLanguage::English},
                                {u"Fran\u00E7ais", "FrenchButton", TCalendarLanguage::French},
                                {u"Deutsch", "GermanButton", TCalendarLanguage::German},
                                {u"L'italiano", "ItalianButton", TCalendarLanguage::Italian},
                                {u"Espa\u00F1ol", "SpanishButton", TCalendarLanguage::Spanish}};
    for (const Language& entry : buttons) {
        QPushButton* button = pushButton(QString::fromUtf16(entry.text), QString::fromLatin1(entry.name));
        button->setWhatsThis(tr("Fill both lists with the month and day names of this language."));
        connect(button, &QPushButton::clicked, this, [this, language = entry.language] { useLanguage(language); });
        languages->addWidget(button);
    }
    layout->addLayout(languages);
    layout->addStretch();
    return page;
}

QWidget* TCalendarProperties::buildMarginsPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = newPage(QStringLiteral("Margins"), layout);
    page->setObjectName(QStringLiteral("MarginsPage"));

    QGroupBox* group = groupBox(QStringLiteral("Page Margins"), QStringLiteral("MarginsGroup"));
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    const char* names[] = {"LeftMarginInchcombo", "TopMarginInchcombo", "RightMarginInchcombo",
                           "BottomMarginInchcombo"};
    const QString labels[] = {tr("Left:"), tr("Top:"), tr("Right:"), tr("Bottom:")};
    const QString sides[] = {tr("left"), tr("top"), tr("right"), tr("bottom")};
    for (int box = 0; box < 4; ++box) {
        marginBoxes_[box] = comboBox(QString::fromLatin1(names[box]), MarginTexts(false));
        marginBoxes_[box]->setWhatsThis(tr("The space between the %1 edge of the paper and the calendar.")
                                            .arg(sides[box]));
        form->addRow(labels[box], marginBoxes_[box]);
        connect(marginBoxes_[box], &QComboBox::currentIndexChanged, this, [this, box] { marginChosen(box); });
    }
    layout->addWidget(group);

    QGroupBox* units = groupBox(QStringLiteral("Units"), QStringLiteral("MarginUnits"));
    auto* unitsLayout = new QHBoxLayout(units);
    unitButtons_ = new QButtonGroup(this);
    radio(QStringLiteral("Use Inches"), QStringLiteral("UseInchesRadio"), unitButtons_, 0, unitsLayout)
        ->setChecked(true);
    radio(QStringLiteral("Use Millimeters"), QStringLiteral("UseMillimetersRadio"), unitButtons_, 1, unitsLayout);
    unitsLayout->addStretch();
    units->setWhatsThis(tr("Show the margins in inches or in millimetres."));
    layout->addWidget(units);
    layout->addStretch();

    connect(unitButtons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            switchMarginUnits(id == 1);
    });
    return page;
}

QWidget* TCalendarProperties::buildBordersPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = newPage(QStringLiteral("Borders"), layout);
    page->setObjectName(QStringLiteral("BordersPage"));

    borderList_ = new QListWidget(page);
    borderList_->setObjectName(QStringLiteral("BorderFiles"));
    borderList_->setWhatsThis(tr("A decorative border drawn around the page, or (none)."));
    fillBorderList();
    layout->addWidget(borderList_, 1);

    connect(borderList_, &QListWidget::currentRowChanged, this, &TCalendarProperties::borderChosen);
    return page;
}

void TCalendarProperties::fillBorderList()
{
    // Each border comes as a portrait (.wpo) and a landscape (.wls) picture;
    // the list shows each name once.
    const QDir folder(ProgramDataFolder() + QStringLiteral("Borders/"));
    QStringList names;
    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("*.wpo"), QStringLiteral("*.wls")}, QDir::Files | QDir::Readable);
    for (const QFileInfo& file : files) {
        const QString name = file.completeBaseName();
        if (!name.isEmpty() && !names.contains(name, Qt::CaseInsensitive))
            names.append(name);
    }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    borderList_->addItem(QStringLiteral("(none)"));
    borderList_->addItems(names);
}

QWidget* TCalendarProperties::buildExampleArea()
{
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("ExampleArea"));
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    exampleBox_ = new QScrollArea(area);
    exampleBox_->setObjectName(QStringLiteral("ExampleScrollBox"));
    exampleBox_->setAlignment(Qt::AlignCenter);
    exampleBox_->setBackgroundRole(QPalette::Dark);
    exampleBox_->setMinimumSize(380, 380);
    // The example only shows the page: it takes no mouse or keys, so the
    // hint belongs to the box around it.
    example_->setAttribute(Qt::WA_TransparentForMouseEvents);
    example_->setFocusPolicy(Qt::NoFocus);
    exampleBox_->setWidget(example_);
    exampleBox_->viewport()->setToolTip(QStringLiteral("This is an example calendar"));
    exampleBox_->setWhatsThis(tr("A preview of the calendar with the properties chosen so far. Nothing reaches "
                                 "your calendar until you press Ok."));
    layout->addWidget(exampleBox_, 1);

    auto* zoomRow = new QHBoxLayout;
    zoomRow->addStretch();
    QPushButton* out = pushButton(QStringLiteral("\u2212"), QStringLiteral("ZoomOutButton"));
    out->setFixedWidth(36);
    out->setToolTip(tr("Zoom out"));
    out->setWhatsThis(tr("Show the example smaller."));
    zoomLabel_ = new QLabel(QStringLiteral("100%"), area);
    zoomLabel_->setObjectName(QStringLiteral("ZoomLabel"));
    zoomLabel_->setAlignment(Qt::AlignCenter);
    zoomLabel_->setMinimumWidth(zoomLabel_->fontMetrics().horizontalAdvance(QStringLiteral("1000%")));
    QPushButton* in = pushButton(QStringLiteral("+"), QStringLiteral("ZoomInButton"));
    in->setFixedWidth(36);
    in->setToolTip(tr("Zoom in"));
    in->setWhatsThis(tr("Show the example larger."));
    zoomRow->addWidget(out);
    zoomRow->addWidget(zoomLabel_);
    zoomRow->addWidget(in);
    zoomRow->addStretch();
    layout->addLayout(zoomRow);

    connect(out, &QPushButton::clicked, this, &TCalendarProperties::zoomOut);
    connect(in, &QPushButton::clicked, this, &TCalendarProperties::zoomIn);
    return area;
}

QWidget* TCalendarProperties::buildButtonRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* save = pushButton(QStringLiteral("&Save As Style Sheet"), QStringLiteral("SaveStyleSheetButton"));
    save->setWhatsThis(tr("Save the look of this calendar as a style sheet (.QXS) to use for other calendars."));
    QPushButton* load = pushButton(QStringLiteral("&Load Style Sheet"), QStringLiteral("LoadStyleSheetButton"));
    load->setWhatsThis(tr("Give the calendar the look saved in a style sheet (.QXS)."));
    QPushButton* reset = pushButton(QStringLiteral("&Default Style"), QStringLiteral("DefaultStyleButton"));
    reset->setWhatsThis(tr("Give the calendar the look of a new calendar."));
    QPushButton* help = pushButton(QStringLiteral("&Help"), QStringLiteral("HelpButton"));
    help->setWhatsThis(tr("Show help for the properties on the page shown."));
    QPushButton* ok = pushButton(QStringLiteral("&Ok"), QStringLiteral("OkButton"));
    ok->setDefault(true);
    ok->setWhatsThis(tr("Give your calendar these properties and close."));
    QPushButton* cancel = pushButton(QStringLiteral("&Cancel"), QStringLiteral("CancelButton"));
    cancel->setWhatsThis(tr("Close without changing your calendar."));
    for (QPushButton* button : {save, load, reset, help})
        layout->addWidget(button);
    layout->addStretch();
    layout->addWidget(ok);
    layout->addWidget(cancel);

    connect(save, &QPushButton::clicked, this, &TCalendarProperties::saveStyleSheet);
    connect(load, &QPushButton::clicked, this, &TCalendarProperties::loadStyleSheet);
    connect(reset, &QPushButton::clicked, this, &TCalendarProperties::defaultStyle);
    connect(help, &QPushButton::clicked, this, &TCalendarProperties::helpClicked);
    connect(ok, &QPushButton::clicked, this, &TCalendarProperties::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return row;
}
