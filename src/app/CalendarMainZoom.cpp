// Zoom steps, the caption and the command states.
#include <QAction>
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QFileInfo>
#include <QPushButton>
#include <QToolButton>

#include "app/CalendarMain.h"
#include "page/CalendarPanel32.h"
#include "platform/Rounding.h"
#include "richtext/WPRichText.h"
#include "richtext/WPToolBar.h"

// The factor is single precision and is compared with the decimal limits in
// wider precision: 0.6f lies just above 0.6, so a page at 60 % can still go
// down once, to 50 %, while stepping down from 100 % ends just below 0.6.
void TCalendarMain::zoomBy(bool in)
{
    if (zoomBusy_ || !pageVisible())
        return;
    zoomBusy_ = true;
    struct Release {
        bool& flag;
        ~Release() { flag = false; }
    } release{zoomBusy_};

    const long double factor = calendarPanel_->ZoomFactor();
    const bool acts = in ? factor <= 0.95L : factor > 0.6L;
    if (!acts)
        return;
    DoSaveRichtext();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    calendarPanel_->SetZoom(float(in ? factor + 0.1L : factor - 0.1L));
    SetCaption();
}

void TCalendarMain::ZoomInClick()
{
    zoomBy(true);
}

void TCalendarMain::ZoomOutClick()
{
    zoomBy(false);
}

void TCalendarMain::SetCaption()
{
    QString caption = QStringLiteral("Vellumy");
    if (!currentFile_.isEmpty())
        caption += QStringLiteral("  [") + QFileInfo(currentFile_).fileName() + QStringLiteral("]");
    const int percent = roundHalfEven(double(calendarPanel_->ZoomFactor()) * 100.0);
    caption += QStringLiteral("    [") + QString::number(percent) + QStringLiteral("%]");
    setWindowTitle(caption);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TCalendarMain::SetModified(bool modified)
{
    if (modified == modified_)
        return;
    modified_ = modified;
    SetButtons();
}

void TCalendarMain::SetButtons()
{
    const bool visible = pageVisible();
    const bool cells = visible && calendarPanel_->UsesDayCells();
    const bool titled = !currentFile_.isEmpty();

    userTitleItem_->setEnabled(cells);
    clearCellsItem_->setEnabled(cells);
    iconToolButton_->setEnabled(cells);
    fillRecurringItem_->setEnabled(cells);

    saveItem_->setEnabled(titled);
    toolBar_->setEnabled(visible && cellEditor_->isVisible() && cellEditor_->hasFocus());

    saveAsItem_->setEnabled(visible);
    propertiesItem_->setEnabled(visible);
    propertiesButton_->setEnabled(visible);
    zoomInButton_->setEnabled(visible);
    zoomOutButton_->setEnabled(visible);
    // Printing waits for the printing commands to be plugged in.
    printSetupItem_->setEnabled(visible && bool(OnPrintSetup));
    // Exports need no printer.
    exportPdfItem_->setEnabled(visible && bool(OnExportPdf));
    exportImageItem_->setEnabled(visible && bool(OnExportImage));
    const bool canPrint = visible && printerAvailable_ && bool(OnPrintCalendar);
    printItem_->setEnabled(canPrint);
    printButton_->setEnabled(canPrint);
    cancelChangesItem_->setEnabled(visible && titled);

    // The drawing tools need a page to draw on.
    for (QAbstractButton* tool : tools_->buttons())
        tool->setEnabled(visible);
    emptyHint_->setVisible(!visible);

    saveButton_->setVisible(modified_);
    cancelButton_->setVisible(modified_ && titled);
    iconToolButton_->setText(paletteShowing() ? QStringLiteral("Hide Icon Tool") : QStringLiteral("Show Icon Tool"));
}
