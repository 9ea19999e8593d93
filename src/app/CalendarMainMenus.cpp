// The main window's menus and its smaller commands.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include "app/CalendarMain.h"
#include "app/CalendarMainDialogs.h"
#include "app/SplashForm.h"
#include "app/UserTitleForm.h"
#include "app/WindowPlacement.h"
#include "page/CalendarPanel32.h"
#include "platform/HelpViewer.h"

QAction* TCalendarMain::menuItem(QMenu* menu, const QString& name, const QString& caption,
                                 void (TCalendarMain::*command)())
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    if (command)
        connect(item, &QAction::triggered, this, [this, command] { (this->*command)(); });
    return item;
}

void TCalendarMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    fileMenu_ = bar->addMenu(QStringLiteral("&File"));
    fileMenu_->setObjectName(QStringLiteral("File1"));
    newItem_ = menuItem(fileMenu_, QStringLiteral("New1"), QStringLiteral("&New "), &TCalendarMain::New1Click);
    openItem_ = menuItem(fileMenu_, QStringLiteral("Open1"), QStringLiteral("&Open"), &TCalendarMain::Open1Click);
    fileMenu_->addSeparator();
    saveItem_ = menuItem(fileMenu_, QStringLiteral("mnuSave"), QStringLiteral("&Save "), &TCalendarMain::mnuSaveClick);
    saveItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAsItem_ = menuItem(fileMenu_, QStringLiteral("mnuSaveAs"), QStringLiteral("Save &As..."),
                           &TCalendarMain::mnuSaveAsClick);
    fileMenu_->addSeparator();
    propertiesItem_ = menuItem(fileMenu_, QStringLiteral("mnuProperties"), QStringLiteral("&Properties"),
                               &TCalendarMain::mnuPropertiesClick);
    userTitleItem_ = menuItem(fileMenu_, QStringLiteral("mnuUserTitle"), QStringLiteral("User Defined Title"),
                              &TCalendarMain::mnuUserTitleClick);
    cancelChangesItem_ = menuItem(fileMenu_, QStringLiteral("mnuCancelChanges"), QStringLiteral("&Cancel Changes"),
                                  &TCalendarMain::mnuCancelChangesClick);
    clearCellsItem_ = menuItem(fileMenu_, QStringLiteral("mnuClearAllCellContents"),
                               QStringLiteral("Clear &All Cell Contents"), &TCalendarMain::mnuClearAllCellContentsClick);
    defaultFontItem_ = menuItem(fileMenu_, QStringLiteral("DefaultEditorFont1"), QStringLiteral("&Default Editor Font"),
                                &TCalendarMain::DefaultEditorFont1Click);
    fileMenu_->addSeparator();
    fillRecurringItem_ = menuItem(fileMenu_, QStringLiteral("mnuFillCalendarwithRecurringDates"),
                                  QStringLiteral("Fill Calendar with Recurring Dates"),
                                  &TCalendarMain::mnuFillCalendarwithRecurringDatesClick);
    editRecurringItem_ = menuItem(fileMenu_, QStringLiteral("mnuEditrecurringDates"),
                                  QStringLiteral("Edit Recurring Dates"), &TCalendarMain::mnuEditrecurringDatesClick);
    fileMenu_->addSeparator();
    printItem_ = menuItem(fileMenu_, QStringLiteral("mnuPrintCalendar"), QStringLiteral("P&rint Calendar"),
                          &TCalendarMain::mnuPrintCalendarClick);
    printSetupItem_ = menuItem(fileMenu_, QStringLiteral("mnuPrintSetup"), QStringLiteral("Print Set&up"),
                               &TCalendarMain::mnuPrintSetupClick);
    exportPdfItem_ = menuItem(fileMenu_, QStringLiteral("mnuExportPdf"), QStringLiteral("Export as PDF..."),
                              &TCalendarMain::mnuExportPdfClick);
    exportImageItem_ = menuItem(fileMenu_, QStringLiteral("mnuExportImage"), QStringLiteral("Export as Image..."),
                                &TCalendarMain::mnuExportImageClick);
    fileMenu_->addSeparator();
    exitItem_ = menuItem(fileMenu_, QStringLiteral("Exit1"), QStringLiteral("E&xit"), &TCalendarMain::Exit1Click);

    onlineMenu_ = bar->addMenu(QStringLiteral("&Online"));
    onlineMenu_->setObjectName(QStringLiteral("mnuOnLine"));
    menuItem(onlineMenu_, QStringLiteral("VisitOurInternetW1"), QStringLiteral("Visit Our Internet Website"),
             &TCalendarMain::VisitOurInternetW1Click);
    onlineMenu_->menuAction()->setVisible(false);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    menuItem(help, QStringLiteral("Contents1"), QStringLiteral("&Contents"), &TCalendarMain::Contents1Click);
    menuItem(help, QStringLiteral("About1"), QStringLiteral("&About"), &TCalendarMain::About1Click);
    showHintItem_ = menuItem(help, QStringLiteral("mnuShowHint"), QStringLiteral("&Show Hints"),
                             &TCalendarMain::mnuShowHintClick);
    showHintItem_->setCheckable(true);
    showHintItem_->setChecked(true);
}

// ---- commands ----

void TCalendarMain::mnuUserTitleClick()
{
    DoSaveRichtext();
    TUserTitleForm form(this);
    form.SetTitle(calendarPanel_->UserTitle());
    CenterForm(form, this);
    if (form.exec() != QDialog::Accepted)
        return;
    calendarPanel_->SetUserTitle(form.Title());
    SetModified(true);
}

void TCalendarMain::mnuClearAllCellContentsClick()
{
    DoSaveRichtext();
    calendarPanel_->ClearAllCells();
    repaintPage();
    SetModified(true);
}

void TCalendarMain::DefaultEditorFont1Click()
{
    // The dialog shows the stored font, not one chosen and not kept.
    LoadPreferences();
    if (AskFont(this, defaultEditorFont_))
        SavePreferences();
    SetDefaultFontNow();
}

void TCalendarMain::mnuPrintCalendarClick()
{
    if (OnPrintCalendar && printItem_->isEnabled())
        OnPrintCalendar();
}

void TCalendarMain::mnuPrintSetupClick()
{
    if (OnPrintSetup && printSetupItem_->isEnabled())
        OnPrintSetup();
}

QString TCalendarMain::ExportBaseName() const
{
    return QFileInfo(currentFile_.isEmpty() ? proposedFileName() : currentFile_).completeBaseName();
}

void TCalendarMain::mnuExportPdfClick()
{
    if (OnExportPdf && exportPdfItem_->isEnabled())
        OnExportPdf(ExportBaseName());
}

void TCalendarMain::mnuExportImageClick()
{
    if (OnExportImage && exportImageItem_->isEnabled())
        OnExportImage(ExportBaseName());
}

void TCalendarMain::Exit1Click()
{
    close();
}

QString TCalendarMain::WebsiteAddress()
{
    return QStringLiteral(VELLUMY_WEBSITE);
}

void TCalendarMain::VisitOurInternetW1Click()
{
    const QString address = WebsiteAddress();
    if (address.isEmpty())
        ShowHelpTopic(AboutHelpTopic);
    else
        OpenWebAddress(QUrl(address));
}

void TCalendarMain::Contents1Click()
{
    ShowHelpContents();
}

void TCalendarMain::About1Click()
{
    TSplashform about(this);
    CenterForm(about, this);
    about.exec();
}

void TCalendarMain::mnuShowHintClick()
{
    // The item ticks and unticks itself when triggered.
    prefs_.ShowHints = showHintItem_->isChecked();
    SavePreferences();
    applyHints();
}

void TCalendarMain::SavebuttonClick()
{
    if (saveItem_->isEnabled())
        mnuSaveClick();
    else
        mnuSaveAsClick();
}

void TCalendarMain::CancelButtonClick()
{
    mnuCancelChangesClick();
}
