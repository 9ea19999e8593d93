// The document lifecycle: New, Open, Save, Save As, Cancel Changes, the
// properties command and the question before unsaved changes are dropped.
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <exception>

#include "app/CalendarMain.h"
#include "app/CalendarMainDialogs.h"
#include "app/CalendarProperties.h"
#include "app/DialogFolders.h"
#include "app/MRUFileList.h"
#include "app/WindowPlacement.h"
#include "page/CalendarPanel32.h"
#include "persist/ObjectReader.h"
#include "platform/MessageBoxes.h"

namespace {
const QString CalendarFilter = QStringLiteral("Calendar File (*.QXF *.qxf)");
const QString CalendarExtension = QStringLiteral("QXF");
} // namespace

void TCalendarMain::New1Click()
{
    if (!CheckSaveNeeded())
        return;
    {
        BusyCursor busy;
        DoSaveRichtext();
    }
    creatingNew_ = true;
    mnuPropertiesClick();
    if (!propertiesAccepted_)
        return;
    SetModified(true);
    currentFile_.clear();
    calendarPanel_->ClearAllCells();
    calendarPanel_->DeleteAllObjects();
    calendarPanel_->show();
    SetButtons();
    // The caption must not keep the name of the document that was open.
    SetCaption();
}

void TCalendarMain::mnuPropertiesClick()
{
    const bool paletteWasUp = prefs_.IconToolVisible;
    if (paletteWasUp)
        showPalette(false);
    const int month = calendarPanel_->MainCalMonth();
    const int year = calendarPanel_->MainCalYear();
    DoSaveRichtext();

    {
        TCalendarProperties dialog(this);
        CenterForm(dialog, this);
        TCalendarPanel32& example = dialog.ExampleCalendar();
        example.SetZoom(ZoomPercentToFactor(prefs_.PropZoomPercent));
        if (creatingNew_) {
            dialog.SetResetOnOpen(true);
            dialog.SetWarnOnClassChange(false);
        } else if (pageVisible()) {
            dialog.SetLayoutClassAtOpening(calendarPanel_->LayoutKind());
            dialog.SetMonthYearAtOpening(month, year);
            dialog.SetWarnOnClassChange(calendarPanel_->HasCellText());
        }
        example.AssignStyle(*calendarPanel_);
        const int result = dialog.exec();
        propertiesAccepted_ = false;
        prefs_.PropZoomPercent = ZoomFactorToPercent(example.ZoomFactor());
        if (result == QDialog::Accepted) {
            if (!example.SameStyle(*calendarPanel_))
                SetModified(true);
            propertiesAccepted_ = true;
            const int layoutClass = calendarPanel_->LayoutKind();
            calendarPanel_->AssignStyle(example);
            if (calendarPanel_->LayoutKind() != layoutClass) {
                calendarPanel_->ClearAllCells();
                calendarPanel_->DeleteAllObjects();
            }
            // Cell texts belong to slots, not dates: a new month starts empty.
            const bool dateChanged =
                calendarPanel_->MainCalMonth() != month || calendarPanel_->MainCalYear() != year;
            if (dateChanged && calendarPanel_->UsesDayCells())
                calendarPanel_->ClearAllCells();
        }
        creatingNew_ = false;
    }
    repaintPage();
    CheckFloaterStatus();
    if (prefs_.IconToolVisible)
        showPalette(true);
    SetButtons();
    SavePreferences();
}

void TCalendarMain::Open1Click()
{
    DoSaveRichtext();
    if (!CheckSaveNeeded())
        return;
    const QString chosen = AskOpenFileName(this, QStringLiteral("Open Calendar File"),
                                           DialogStartFolder(TDialogFolder::Calendars), CalendarFilter);
    if (chosen.isEmpty())
        return;
    RememberDialogFolder(TDialogFolder::Calendars, chosen);
    if (QFileInfo(chosen).suffix().toUpper() != CalendarExtension) {
        ShowInfo(QStringLiteral("Must be a Calendar file (*.QXF)"));
        return;
    }
    OpenCalendarFile(chosen);
}

bool TCalendarMain::documentReads(const QByteArray& content)
{
    if (!trialOwner_) {
        trialOwner_ = std::make_unique<TComponent>();
        trialPage_ = new TCalendarPanel32(trialOwner_.get());
        // Whether a border picture loads does not decide whether the file reads.
        trialPage_->BorderPictureLoader = [](const QString&) { return true; };
    }
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    bool reads = true;
    try {
        TObjectReader reader(buffer);
        trialPage_->ReadDocument(reader, trialOwner_.get());
    } catch (const std::exception&) {
        reads = false;
    }
    trialPage_->DeleteAllObjects();
    trialPage_->ClearAllCells();
    return reads;
}

bool TCalendarMain::OpenCalendarFile(const QString& pathArgument)
{
    // The argument may be CurrentFile itself, which is cleared below.
    const QString path = pathArgument;
    DoSaveRichtext();
    // A file that is gone or does not read changes nothing: the calendar
    // shown, its objects and Modified stay as they were.
    if (!QFileInfo::exists(path)) {
        ShowInfo(QStringLiteral("File ") + path + QStringLiteral(" no longer exists"));
        return false;
    }
    const QString unreadable = QStringLiteral("Unable to open ") + path + QStringLiteral(". Possibly ")
                               + QStringLiteral("\r") + QStringLiteral("corrupted, possibly not a Calendar file");
    QByteArray content;
    bool reads = false;
    {
        BusyCursor busy;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            content = file.readAll();
            reads = file.error() == QFileDevice::NoError && documentReads(content);
        }
    }
    if (!reads) {
        ShowInfo(unreadable);
        return false;
    }

    calendarPanel_->SetPaintingSuspended(true);
    float rememberedZoom = 0.0f;
    const float zoom = calendarPanel_->ZoomFactor();
    if (zoom != 1.0f) {
        const long double z = zoom;
        rememberedZoom = (z < 0.1L || z > 1.1L) ? 1.0f : zoom;
    }
    starting_ = true;
    currentFile_.clear();

    bool opened = false;
    QString objectListError;
    {
        BusyCursor busy;
        try {
            calendarPanel_->ClearAllCells();
            calendarPanel_->DeleteAllObjects();
            calendarPanel_->SetUserTitle(QString());
            calendarPanel_->SetZoom(1.0f);
            QBuffer buffer(&content);
            buffer.open(QIODevice::ReadOnly);
            TObjectReader reader(buffer);
            calendarPanel_->ReadDocument(reader, this, &objectListError);
            calendarPanel_->AttachAll();
            currentFile_ = path;
            recentFiles_->Add(path);
            recentFiles_->Save();
            opened = true;
        } catch (const std::exception&) {
        }
    }
    if (!opened) {
        // Read once already, so only running out of resources gets here.
        // Nothing half-read stays behind the reset page.
        currentFile_.clear();
        calendarPanel_->ClearAllCells();
        calendarPanel_->DeleteAllObjects();
        calendarPanel_->SetUserTitle(QString());
        calendarPanel_->ResetToDefaults();
        ShowInfo(unreadable);
    }

    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    starting_ = false;
    SetButtons();
    calendarPanel_->setVisible(!currentFile_.isEmpty());
    repaintPage();
    SetModified(false);
    SetButtons();
    CheckFloaterStatus();
    if (rememberedZoom != 0.0f)
        calendarPanel_->SetZoom(rememberedZoom);
    // After the zoom is back, so that the caption tells the zoom shown.
    SetCaption();
    calendarPanel_->SetPaintingSuspended(false);
    repaintPage();
    // The objects after a damaged record are gone from the page; saving
    // would drop them from the file too, so the user hears of it first.
    if (opened && !objectListError.isEmpty())
        ShowInfo(QStringLiteral("Not every page object of ") + path
                 + QStringLiteral(" could be read. The objects before the damaged one are shown;\r")
                 + QStringLiteral("saving the calendar keeps only these."));
    return opened;
}

bool TCalendarMain::SaveCalendarFile(const QString& pathArgument)
{
    const QString path = pathArgument;
    calendarPanel_->SetPaintingSuspended(true);
    // Documents are always written at 100 %.
    float rememberedZoom = 0.0f;
    const float zoom = calendarPanel_->ZoomFactor();
    if (zoom != 1.0f) {
        rememberedZoom = zoom == 0.0f ? 1.0f : zoom;
        calendarPanel_->SetZoom(1.0f);
    }

    bool saved = false;
    QString error;
    {
        BusyCursor busy;
        DoSaveRichtext();
        saved = calendarPanel_->SaveDocument(path, &error);
        if (saved) {
            currentFile_ = path;
            SetModified(false);
        }
    }

    const long double z = rememberedZoom;
    if (z >= 0.2L && z <= 1.0L)
        calendarPanel_->SetZoom(rememberedZoom);
    calendarPanel_->SetPaintingSuspended(false);
    repaintPage();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    SetButtons();
    SetCaption();
    // The changes are still unsaved and the document keeps its name.
    if (!saved)
        ShowInfo(QStringLiteral("Unable to save ") + path);
    return saved;
}

void TCalendarMain::mnuSaveClick()
{
    if (!currentFile_.isEmpty())
        SaveCalendarFile(currentFile_);
}

QString TCalendarMain::proposedFileName() const
{
    QString month;
    calendarPanel_->GetMonthName(calendarPanel_->MainCalMonth(), month);
    return month.left(3) + QString::number(calendarPanel_->MainCalYear()) + QStringLiteral(".QXF");
}

bool TCalendarMain::saveAs()
{
    const QString proposed = currentFile_.isEmpty() ? proposedFileName() : QFileInfo(currentFile_).fileName();
    const QString chosen =
        AskSaveFileName(this, QStringLiteral("Save Calendar File"),
                        DialogStartFolder(TDialogFolder::Calendars) + proposed, CalendarFilter, CalendarExtension);
    // A cancelled dialog saved nothing: callers must not take it for a save.
    bool ok = false;
    if (!chosen.isEmpty()) {
        RememberDialogFolder(TDialogFolder::Calendars, chosen);
        ok = SaveCalendarFile(chosen);
        if (ok) {
            SetModified(false);
            recentFiles_->Add(chosen);
            recentFiles_->Save();
        }
    }
    SetButtons();
    return ok;
}

void TCalendarMain::mnuSaveAsClick()
{
    saveAs();
}

bool TCalendarMain::CheckSaveNeeded()
{
    DoSaveRichtext();
    if (modified_ && AskYesNo(QStringLiteral("Save changes?"), QStringLiteral("Save"))) {
        const bool saved = currentFile_.isEmpty() ? saveAs() : SaveCalendarFile(currentFile_);
        if (!saved)
            return false;
        SetModified(false);
    }
    return true;
}

void TCalendarMain::mnuCancelChangesClick()
{
    if (!AskYesNo(QStringLiteral("Cancel all changes?"), QStringLiteral("CANCEL")))
        return;
    // When the saved file no longer reads, the changes stay and still count.
    if (!currentFile_.isEmpty() && !OpenCalendarFile(currentFile_))
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    SetModified(false);
}
