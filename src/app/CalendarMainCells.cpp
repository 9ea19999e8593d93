// The in-place editor of day-cell text, the application-wide keys, pictures
// dropped onto cells and the page's change events.
#include <QApplication>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QDate>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollArea>
#include <QTextCursor>
#include <QUrl>
#include <QWindow>

#include "app/CalendarMain.h"
#include "page/CalendarPanel32.h"
#include "page/CellDates.h"
#include "page/CellTextPainter.h"
#include "platform/Rounding.h"
#include "platform/ScreenMetrics.h"
#include "recurring/RecurringFill.h"
#include "richtext/RichTextPainter.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"
#include "richtext/WPToolBar.h"
#include "richtext/WritingAttributes.h"


// ---- the cell editor ----

void TCalendarMain::CalendarPanelClickedInCellEvent(const PixelRect& textRect, TWPRtfStorage* storage, int cellIndex)
{
    currentCell_ = cellIndex;
    trackEditorChanges_ = false;
    DoSaveRichtext();
    // A cell without a text area (day numbers centred) has nowhere to edit:
    // an editor of one pixel in the page's corner would only confuse.
    if (textRect.IsZero())
        return;
    editedCellText_ = storage;
    editorHoldsCell_ = true;

    // The rectangle is in page pixels at the current zoom. The page lays cell
    // text out at 100 % and scales it, so the editor's page is the unzoomed
    // rectangle and its zoom the page's: the text wraps where the page shows it.
    // The editor's page is the width every cell text wraps at (the cell's
    // text width at 100 %), shown at the cell's size: its lines are those of
    // the painted and the printed cell.
    const int width = textRect.right - textRect.left + 1;
    const int height = textRect.bottom - textRect.top + 1;
    int wrapWidth = calendarPanel_->ReferenceCellTextRect().Width() + 1;
    if (wrapWidth <= 1)
        wrapWidth = width;
    const int zoomPercent = TCellTextPainter::ZoomToFit(width, wrapWidth);
    cellEditor_->SetPageSize(TRichTextPainter::PixelsToTwips(wrapWidth),
                             TRichTextPainter::PixelsToTwips(height * 100.0 / zoomPercent));
    cellEditor_->SetPageMargins(QMargins());
    cellEditor_->SetZoom(zoomPercent);
    if (storage)
        cellEditor_->LoadFromStorage(*storage);
    else
        cellEditor_->Clear();

    // The editor's frame lies around the cell's text rectangle, so that its
    // text sits where the page paints it.
    const QPoint page = calendarPanel_->pos();
    const int frame = cellEditor_->frameWidth();
    cellEditor_->setGeometry(textRect.left + page.x() - frame, textRect.top + page.y() - frame, width + 2 * frame,
                             height + 2 * frame);
    cellEditor_->show();
    cellEditor_->raise();
    cellEditor_->setFocus(Qt::OtherFocusReason);
    scrollBox_->ensureWidgetVisible(cellEditor_, 0, 0);
    trackEditorChanges_ = true;
}

void TCalendarMain::DoSaveRichtext()
{
    if (!editorHoldsCell_ || !editedCellText_)
        return;
    cellEditor_->SaveToStorage(*editedCellText_);
    cellEditor_->hide();
    editorHoldsCell_ = false;
    toolBar_->setEnabled(false);
    // The page shows the cell's new text where the editor was.
    repaintPage();
}

void TCalendarMain::editorGotFocus()
{
    toolBar_->SetEditor(cellEditor_);
    toolBar_->setEnabled(pageVisible());
    if (cellEditor_->IsEmpty()) {
        // Typing into an empty cell starts in the default editor font; that is
        // not a change of the document.
        const bool tracking = trackEditorChanges_;
        trackEditorChanges_ = false;
        SetDefaultFontNow();
        trackEditorChanges_ = tracking;
    }
}

void TCalendarMain::SetDefaultFontNow()
{
    TWPWritingAttributes attributes = cellEditor_->WritingAttributes();
    attributes.fontName = defaultEditorFont_.Name();
    attributes.size = defaultEditorFont_.Size();
    // Style bits already set stay set.
    attributes.style |= defaultEditorFont_.StyleBits()
        & (TFont::fsBold | TFont::fsItalic | TFont::fsUnderline | TFont::fsStrikeOut);
    attributes.color = WPColorTable()[WPColorTableIndex(defaultEditorFont_.Color())];
    cellEditor_->SetWritingAttributes(attributes);
}

void TCalendarMain::PuttextOnDay(int day, const QString& text)
{
    PuttextOnDate(QDate(calendarPanel_->MainCalYear(), calendarPanel_->MainCalMonth(), day), text);
}

void TCalendarMain::PuttextOnDate(const QDate& date, const QString& text)
{
    // A date no cell shows leaves everything as it was, the open editor included.
    const int cell = FindCellByDate(*calendarPanel_, date);
    if (cell < 1)
        return;
    const int remembered = currentCell_;
    DoSaveRichtext();
    const bool tracking = trackEditorChanges_;
    trackEditorChanges_ = false;
    AppendParagraphToCell(*calendarPanel_, cell, *cellEditor_, text);
    // The command that puts texts updates the command states when it ends.
    modified_ = true;
    trackEditorChanges_ = tracking;
    if (remembered > 0)
        calendarPanel_->ActivateCell(remembered);
}

// ---- keys ----

bool TCalendarMain::hookKey(QObject* watched, QKeyEvent* key)
{
    // Only for keys meant for this window (the active one), with no menu open.
    bool ours = false;
    if (auto* widget = qobject_cast<QWidget*>(watched))
        ours = widget->window() == this;
    else if (auto* window = qobject_cast<QWindow*>(watched))
        ours = window == windowHandle();
    // Nor while a dialog is up or another window is the active one: a key
    // that reaches the main window then was not typed into it.
    if (!ours || QApplication::activePopupWidget() || QApplication::activeModalWidget() || !isActiveWindow())
        return false;
    switch (key->key()) {
    case Qt::Key_PageDown:
        ZoomInClick();
        return true;
    case Qt::Key_PageUp:
        ZoomOutClick();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!cellEditor_->isVisible() || !cellEditor_->hasFocus())
            return false;
        // Also when there is no cell to move to: Tab never leaves the editor.
        if (key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier))
            calendarPanel_->ActivatePreviousCell(currentCell_);
        else
            calendarPanel_->ActivateNextCell(currentCell_);
        return true;
    default:
        return false;
    }
}

// ---- pictures dropped onto cells ----

QImage TCalendarMain::PictureFrom(const QMimeData& data)
{
    if (data.hasImage()) {
        const QImage image = qvariant_cast<QImage>(data.imageData());
        if (!image.isNull())
            return image;
    }
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile())
            continue;
        QImageReader reader(url.toLocalFile());
        const QImage image = reader.read();
        if (!image.isNull())
            return image;
    }
    return QImage();
}

bool TCalendarMain::HasPicture(const QMimeData& data)
{
    if (data.hasImage())
        return true;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile() && !QImageReader::imageFormat(url.toLocalFile()).isEmpty())
            return true;
    }
    return false;
}

bool TCalendarMain::DropPictureOnPage(const QMimeData& data, const QPoint& pagePoint)
{
    if (!HasPicture(data) || !calendarPanel_->PointInAnyCell(pagePoint.x(), pagePoint.y()))
        return false;
    const QImage picture = PictureFrom(data);
    if (picture.isNull())
        return false;
    DoSaveRichtext();
    calendarPanel_->ClickCellAt(pagePoint.x(), pagePoint.y());
    if (!editorHoldsCell_)
        return false;
    cellEditor_->InsertPicture(picture);
    currentCell_ = calendarPanel_->CellAtPoint(pagePoint.x(), pagePoint.y());
    SetModified(true);
    return true;
}

bool TCalendarMain::DropPictureOnEditor(const QMimeData& data, const QPoint& editorPoint)
{
    const QImage picture = PictureFrom(data);
    if (picture.isNull())
        return false;
    // The caret goes where the picture was let go.
    const double zoom = cellEditor_->Zoom() / 100.0;
    QTextCursor caret = cellEditor_->cursorForPosition(
        QPoint(int(editorPoint.x() / zoom), int(editorPoint.y() / zoom)));
    cellEditor_->setTextCursor(caret);
    cellEditor_->InsertPicture(picture);
    SetModified(true);
    return true;
}

bool TCalendarMain::editorEvent(QObject* watched, QEvent* event)
{
    auto* drag = static_cast<QDropEvent*>(event);
    if (!drag->mimeData() || !HasPicture(*drag->mimeData()))
        return false;  // text and rich text: the editor's own handling
    if (event->type() != QEvent::Drop) {
        drag->acceptProposedAction();
        return true;
    }
    QPoint point = drag->position().toPoint();
    if (watched == cellEditor_)
        point = cellEditor_->viewport()->mapFrom(cellEditor_, point);
    if (DropPictureOnEditor(*drag->mimeData(), point))
        drag->acceptProposedAction();
    else
        drag->ignore();
    return true;
}

bool TCalendarMain::pageDragEvent(QEvent* event)
{
    auto* drag = static_cast<QDropEvent*>(event);
    const QPoint point = drag->position().toPoint();
    // Picture files from the file manager go anywhere on the page, as objects.
    if (drag->mimeData() && !PictureFilesIn(*drag->mimeData()).isEmpty()) {
        if (event->type() != QEvent::Drop || DropPictureFilesAsObjects(PictureFilesIn(*drag->mimeData()), point) > 0)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    const bool acceptable = drag->mimeData() && HasPicture(*drag->mimeData())
        && calendarPanel_->PointInAnyCell(point.x(), point.y());
    if (event->type() == QEvent::DragEnter) {
        // Entering anywhere on the page starts the drag; each move then says
        // whether that point takes the picture.
        if (drag->mimeData() && HasPicture(*drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    if (event->type() == QEvent::DragMove) {
        if (acceptable)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    if (acceptable && DropPictureOnPage(*drag->mimeData(), point))
        drag->acceptProposedAction();
    else
        drag->ignore();
    return true;
}

// ---- page events ----

void TCalendarMain::CalendarPanelDroppedObjectEvent()
{
    SetModified(true);
    tools_->button(psPointing)->setChecked(true);
    calendarPanel_->SetPanelState(psPointing);
}

void TCalendarMain::CalendarPanelLabelChangedEvent()
{
    SetModified(true);
}
