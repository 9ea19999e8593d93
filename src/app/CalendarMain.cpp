// The main window's construction, first activation and closing, its
// preferences and the routing of the events it watches.
#include "app/CalendarMain.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/MRUFileList.h"
#include "app/WindowPlacement.h"
#include "objects/kinds/FloatingPalette.h"
#include "objects/kinds/IconListBox.h"
#include "objects/kinds/PageObjectKinds.h"
#include "page/CalendarPanel32.h"
#include "recurring/RecurringStore.h"
#include "richtext/WPRichText.h"
#include "richtext/WPToolBar.h"

namespace {
// Where the page sits in the scroll box, and the margin kept right and below it.
constexpr int PageOffset = 5;

struct ToolDescription {
    const char* name;
    const char* icon;
    const char* hint;
    TLPanelState state;
};

// The six drawing tools, in the order of the tool row.
const ToolDescription Tools[] = {
    {"Pointerbutton", "pointer", "Selection tool", psPointing},
    {"DrawLabelButton", "label", "Text tool", psLabel},
    {"DrawImageButton", "image", "Clip Art Tool", psImage},
    {"DrawRichText", "richtext", "Rich Text tool \rMixed fonts, colors and styles", psRichLabel},
    {"DrawSuperText", "supertext", "SuperText tool \rSpecial Effects Text - fill with gradients or bitmaps",
     psSuperText},
    {"PSpeedButton1", "minicalendar", "Floating Calendar tool \rMini Calendar that you can place anywhere",
     psFlatCalendar},
};

// Hints keep the old "\r" line breaks; tool tips want "\n".
QString hintText(const char* hint)
{
    return QString::fromLatin1(hint).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
} // namespace

// The icons are compiled into the app library, which needs asking for them.
static void initMainWindowResources()
{
    Q_INIT_RESOURCE(CalendarMain);
}

TCalendarMain::BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TCalendarMain::BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

TCalendarMain::TCalendarMain(QWidget* parent) : QMainWindow(parent)
{
    initMainWindowResources();
    BusyCursor busy;
    SetName(QStringLiteral("CalendarMain"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vellumy.png")));

    toolBar_ = new TWPToolBar(this);
    toolBar_->setObjectName(QStringLiteral("WPToolBar1"));
    toolBar_->setMovable(false);
    addToolBar(Qt::TopToolBarArea, toolBar_);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);
    buildToolRow();
    column->addWidget(toolRow_);
    InstallPageObjectKinds();
    buildScrollBox();
    column->addWidget(scrollBox_, 1);
    buildMenus();

    // The page starts hidden and unpainted; the first activation shows it
    // when there is a document.
    wirePage();
    calendarPanel_->SetPaintingSuspended(true);
    calendarPanel_->hide();
    calendarPanel_->move(PageOffset, PageOffset);
    starting_ = true;
    currentCell_ = 0;

    LoadPreferences();
    SetModified(false);
    calendarPanel_->SetZoom(ZoomPercentToFactor(prefs_.MainZoomPercent));
    calendarPanel_->SetCalendarLayout(LOFullCalendarLS);
    placeContents();

    buildRecentFiles();

    applyHints();
    // The key hook and the drops: every event passes here first.
    qApp->installEventFilter(this);

    // Recurring dates kept in the old format become the new store once.
    ConvertOldRecurringFile();

    onlineMenu_->menuAction()->setVisible(true);

    // A size that shows a landscape month at the stored zoom, within the screen.
    QSize size(1024, 768);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
    SetButtons();
    SetCaption();
}

TCalendarMain::~TCalendarMain()
{
    qApp->removeEventFilter(this);
    // The page and the page objects go while the window is still whole: their
    // destruction sends events that the window's handlers must not see half
    // destroyed.
    calendarPanel_->ClickedInCellEvent = nullptr;
    calendarPanel_->DroppedObjectEvent = nullptr;
    calendarPanel_->OnToolEnded = nullptr;
    calendarPanel_->LabelChangedEvent = nullptr;
    cellEditor_->OnChange = nullptr;
    editedCellText_ = nullptr;
    while (!Components().isEmpty())
        delete Components().last();
    calendarPanel_ = nullptr;
}

void TCalendarMain::SetName(const QString& name)
{
    TComponent::SetName(name);
    setObjectName(name);
}

// ---- construction ----

QToolButton* TCalendarMain::toolButton(const QString& name, const QString& icon, const QString& hint)
{
    auto* button = new QToolButton(toolRow_);
    button->setObjectName(name);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(icon)));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    toolRow_->layout()->addWidget(button);
    return button;
}

void TCalendarMain::buildToolRow()
{
    toolRow_ = new QFrame(this);
    toolRow_->setObjectName(QStringLiteral("Panel3"));
    toolRow_->setFrameShape(QFrame::StyledPanel);
    toolRow_->setMouseTracking(true);
    auto* row = new QHBoxLayout(toolRow_);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);

    zoomInButton_ = toolButton(QStringLiteral("ZoomInBtn"), QStringLiteral("zoomin"), QStringLiteral("Zoom In"));
    connect(zoomInButton_, &QToolButton::clicked, this, &TCalendarMain::ZoomInClick);
    zoomOutButton_ = toolButton(QStringLiteral("ZoomOutBtn"), QStringLiteral("zoomout"), QStringLiteral("Zoom Out"));
    connect(zoomOutButton_, &QToolButton::clicked, this, &TCalendarMain::ZoomOutClick);
    propertiesButton_ = toolButton(QStringLiteral("PropertiesBtn"), QStringLiteral("properties"),
                                   QStringLiteral("Set/change Properties for the calendar"));
    connect(propertiesButton_, &QToolButton::clicked, this, &TCalendarMain::mnuPropertiesClick);
    printButton_ = toolButton(QStringLiteral("PrintBtn"), QStringLiteral("print"), QStringLiteral("Print the calendar"));
    connect(printButton_, &QToolButton::clicked, this, &TCalendarMain::mnuPrintCalendarClick);

    // Shown once an icon palette is there to show and hide.
    iconToolButton_ = toolButton(QStringLiteral("ShowHideIconTool"), QStringLiteral("icons"), QString());
    iconToolButton_->setText(QStringLiteral("Show Icon Tool"));
    iconToolButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    iconToolButton_->setVisible(false);
    connect(iconToolButton_, &QToolButton::clicked, this, &TCalendarMain::ShowHideIconToolClick);

    auto* gap = new QFrame(toolRow_);
    gap->setFrameShape(QFrame::VLine);
    gap->setFrameShadow(QFrame::Sunken);
    row->addSpacing(6);
    row->addWidget(gap);
    row->addSpacing(6);

    tools_ = new QButtonGroup(this);
    tools_->setExclusive(true);
    for (const ToolDescription& tool : Tools) {
        QToolButton* button = toolButton(QString::fromLatin1(tool.name), QString::fromLatin1(tool.icon), hintText(tool.hint));
        button->setCheckable(true);
        tools_->addButton(button, tool.state);
    }
    tools_->button(psPointing)->setChecked(true);
    connect(tools_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && calendarPanel_)
            calendarPanel_->SetPanelState(TLPanelState(id));
    });

    row->addStretch(1);

    // The master control rich-text page objects paint through; never shown.
    masterRichText_ = new TWPRichText(toolRow_);
    masterRichText_->setObjectName(QStringLiteral("MASTERWPRICHTEXT"));
    masterRichText_->setFixedSize(40, 20);
    masterRichText_->hide();

    saveButton_ = new QPushButton(QStringLiteral("&Save"), toolRow_);
    saveButton_->setObjectName(QStringLiteral("Savebutton"));
    saveButton_->setToolTip(QStringLiteral("Save changes to the calendar"));
    saveButton_->setStyleSheet(QStringLiteral("QPushButton { color: #008000; font-weight: bold; }"));
    saveButton_->setFocusPolicy(Qt::NoFocus);
    saveButton_->hide();
    row->addWidget(saveButton_);
    connect(saveButton_, &QPushButton::clicked, this, &TCalendarMain::SavebuttonClick);

    cancelButton_ = new QPushButton(QStringLiteral("&Cancel"), toolRow_);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setToolTip(QStringLiteral("Cancel all changes"));
    cancelButton_->setStyleSheet(QStringLiteral("QPushButton { color: #C00000; font-weight: bold; }"));
    cancelButton_->setFocusPolicy(Qt::NoFocus);
    cancelButton_->hide();
    row->addWidget(cancelButton_);
    connect(cancelButton_, &QPushButton::clicked, this, &TCalendarMain::CancelButtonClick);
}

void TCalendarMain::buildScrollBox()
{
    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox_->setWidgetResizable(false);
    scrollBox_->setBackgroundRole(QPalette::Button);
    scrollContents_ = new QWidget;
    scrollContents_->setObjectName(QStringLiteral("ScrollContents"));
    scrollContents_->setBackgroundRole(QPalette::Button);
    scrollContents_->setAutoFillBackground(true);

    calendarPanel_ = new TCalendarPanel32(this, scrollContents_);
    calendarPanel_->SetName(QStringLiteral("CalendarPanel"));
    // What was cut or copied stays for the next document; it goes at program end.
    calendarPanel_->SetOwnsClipboardFile(true);
    calendarPanel_->setAcceptDrops(true);

    cellEditor_ = new TWPRichText(scrollContents_);
    cellEditor_->setObjectName(QStringLiteral("WPRichText1"));
    cellEditor_->SetWordWrap(true);
    cellEditor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cellEditor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cellEditor_->setFrameShape(QFrame::Box);
    cellEditor_->setLineWidth(1);
    cellEditor_->SetColor(TColors::clWhite);
    cellEditor_->SetWantTabs(false);
    cellEditor_->setAcceptDrops(true);
    cellEditor_->hide();
    cellEditor_->OnChange = [this] {
        if (trackEditorChanges_)
            SetModified(true);
    };
    toolBar_->SetEditor(cellEditor_);
    toolBar_->setEnabled(false);

    scrollBox_->setWidget(scrollContents_);

    // Without a document the scroll box says how to get one.
    emptyHint_ = new QLabel(QStringLiteral("Choose File, New to design a calendar, or File, Open to open one."),
                            scrollBox_->viewport());
    emptyHint_->setObjectName(QStringLiteral("EmptyHint"));
    emptyHint_->setAlignment(Qt::AlignCenter);
    emptyHint_->setWordWrap(true);
    emptyHint_->setForegroundRole(QPalette::PlaceholderText);
    emptyHint_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TCalendarMain::wirePage()
{
    calendarPanel_->ClickedInCellEvent = [this](QObject*, const QFont&, PixelRect&, TWPRtfStorage*& storage, int,
                                                int index, PixelRect& textRect) {
        CalendarPanelClickedInCellEvent(textRect, storage, index);
    };
    calendarPanel_->DroppedObjectEvent = [this](QObject*, const QRect&) { CalendarPanelDroppedObjectEvent(); };
    calendarPanel_->OnToolEnded = [this](QObject*) { tools_->button(psPointing)->setChecked(true); };
    calendarPanel_->LabelChangedEvent = [this](QObject*) { CalendarPanelLabelChangedEvent(); };
}

// The scroll box's contents follow the page's size.
void TCalendarMain::placeContents()
{
    if (!calendarPanel_ || !scrollContents_)
        return;
    const QRect page = calendarPanel_->geometry();
    scrollContents_->resize(page.x() + page.width() + PageOffset, page.y() + page.height() + PageOffset);
}

void TCalendarMain::buildRecentFiles()
{
    recentFiles_ = new TMRUFileList(this);
    recentFiles_->SetName(QStringLiteral("MRUFileList1"));
    recentFiles_->SetRemoveOnClick(true);
    recentFiles_->SetMaximum(5);
    recentFiles_->SetAutoSaveName(IniFileName());
    recentFiles_->SetAutoSaveKey(QStringLiteral("MRU"));
    recentFiles_->SetAutoSave(false);
    // Another document replaces this one only after the save question; a
    // cancel keeps both the work and the entry.
    recentFiles_->CanOpenItem = [this](const QString&) { return CheckSaveNeeded(); };
    // Opened after the menu has closed: the click's entry is being removed.
    recentFiles_->OnMRUItemClick = [this](const QString& path) { OpenCalendarFile(path); };
    recentFiles_->SetFileMenu(fileMenu_);
    recentFiles_->Load();
}

// ---- first activation and closing ----

void TCalendarMain::FormActivate()
{
    if (activated_)
        return;
    activated_ = true;
    {
        BusyCursor busy;
        if (TFloatingPalette* palette = floatingPalette())
            palette->SelectIconFile(prefs_.IconLibraryFile);
        RestorePlacement(*this, QString::fromLatin1(PlacementClassName));
        show();
        printerAvailable_ = CheckPrinters ? CheckPrinters() : false;
        calendarPanel_->ResetToDefaults();
        const QStringList& recent = recentFiles_->Items();
        if (!startupFile_.isEmpty())
            OpenCalendarFile(startupFile_);
        else if (!recent.isEmpty() && QFileInfo::exists(recent.first()))
            OpenCalendarFile(recent.first());
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        calendarPanel_->setVisible(!currentFile_.isEmpty());
        saveItem_->setEnabled(false);
        SetModified(false);
        starting_ = false;
        SetButtons();
        SetCaption();
    }
    CheckFloaterStatus();
    if (prefs_.IconToolVisible)
        showPalette(true);
    SetButtons();
    calendarPanel_->SetPaintingSuspended(false);
    repaintPage();
}

void TCalendarMain::OpenFromOutside(const QString& path)
{
    if (!activated_) {
        startupFile_ = path;
        return;
    }
    DoSaveRichtext();
    if (!CheckSaveNeeded())
        return;
    OpenCalendarFile(path);
}

void TCalendarMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // A window shown without FormActivate (as tests do) still gets its first
    // activation, after the show has been handled.
    if (!activated_ && !activationQueued_) {
        activationQueued_ = true;
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
}

bool TCalendarMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !activated_ && isVisible() && !activationQueued_) {
        activationQueued_ = true;
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
    return QMainWindow::event(event);
}

void TCalendarMain::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        event->ignore();
        return;
    }
    closing_ = true;
    const bool mayClose = CheckSaveNeeded();
    closing_ = false;
    // A failed save keeps the window open: closing would lose the changes.
    if (!mayClose) {
        event->ignore();
        return;
    }
    prefs_.MainZoomPercent = ZoomFactorToPercent(calendarPanel_->ZoomFactor());
    SavePreferences();
    SavePlacement(*this, QString::fromLatin1(PlacementClassName));
    if (iconPalette_)
        SavePlacement(*iconPalette_, QString::fromLatin1(TFloatingPalette::PlacementClassName));
    showPalette(false);
    event->accept();
}

// ---- preferences ----

void TCalendarMain::LoadPreferences()
{
    prefs_ = ::LoadPreferences();
    defaultEditorFont_.Assign(prefs_.DefaultEditorFont());
    if (showHintItem_)
        showHintItem_->setChecked(prefs_.ShowHints);
}

void TCalendarMain::SavePreferences()
{
    prefs_.SetDefaultEditorFont(defaultEditorFont_);
    // Without a palette window there is nothing to follow: the stored choice stays.
    if (iconPalette_)
        prefs_.IconToolVisible = paletteShowing();
    if (TFloatingPalette* palette = floatingPalette())
        prefs_.IconLibraryFile = palette->IconListBox()->FileName();
    if (showHintItem_)
        prefs_.ShowHints = showHintItem_->isChecked();
    ::SavePreferences(prefs_);
}

// ---- the icon palette ----

void TCalendarMain::SetIconPalette(QWidget* palette)
{
    iconPalette_ = palette;
    iconToolButton_->setVisible(palette != nullptr);
    if (TFloatingPalette* floating = floatingPalette())
        RestorePlacement(*floating, QString::fromLatin1(TFloatingPalette::PlacementClassName), this);
    SetButtons();
}

TFloatingPalette* TCalendarMain::floatingPalette() const
{
    return qobject_cast<TFloatingPalette*>(iconPalette_.data());
}

void TCalendarMain::SetIconPaletteShown(bool shown)
{
    showPalette(shown);
}

bool TCalendarMain::paletteShowing() const
{
    return iconPalette_ && iconPalette_->isVisible();
}

void TCalendarMain::showPalette(bool show)
{
    if (iconPalette_)
        iconPalette_->setVisible(show);
}

void TCalendarMain::CheckFloaterStatus()
{
    if (!iconPalette_)
        return;
    if (!pageVisible() || !calendarPanel_->UsesDayCells()) {
        prefs_.IconToolVisible = false;
        showPalette(false);
    } else if (prefs_.IconToolVisible && !paletteShowing()) {
        showPalette(true);
    }
}

void TCalendarMain::ShowHideIconToolClick()
{
    if (!iconPalette_)
        return;
    const bool show = !paletteShowing();
    showPalette(show);
    prefs_.IconToolVisible = show;
    SetButtons();
}

// ---- small helpers ----

bool TCalendarMain::pageVisible() const
{
    return calendarPanel_ && !calendarPanel_->isHidden();
}

void TCalendarMain::repaintPage()
{
    calendarPanel_->update();
}

void TCalendarMain::applyHints()
{
    // Menus show their items' hints too when hints are on.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->setToolTipsVisible(prefs_.ShowHints);
}

// ---- the events the window watches ----

bool TCalendarMain::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (hookKey(watched, static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::ToolTip:
        // Hints switched off: no tool tips anywhere in the program.
        if (!prefs_.ShowHints)
            return true;
        break;
    case QEvent::Resize:
        if (watched == calendarPanel_)
            placeContents();
        else if (scrollBox_ && watched == scrollBox_->viewport())
            emptyHint_->setGeometry(scrollBox_->viewport()->rect());
        break;
    case QEvent::Hide:
    case QEvent::Show:
        // The tool button says what a click on it will do.
        if (iconPalette_ && watched == iconPalette_.data())
            SetButtons();
        break;
    case QEvent::FocusIn:
        if (watched == cellEditor_)
            editorGotFocus();
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (cellEditor_ && (watched == cellEditor_ || watched == cellEditor_->viewport()))
            return editorEvent(watched, event);
        if (watched == calendarPanel_)
            return pageDragEvent(event);
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
