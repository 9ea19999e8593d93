// The 42 day cells of the calendar page: their text storages, the hidden
// painter of cell text, hit tests, clicks and the cell editor's stepping.
#include <QPoint>

#include "page/CalendarPanel32.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

namespace {
bool validCell(int index)
{
    return index >= 1 && index <= DayCellCount;
}
} // namespace

void TCalendarPanel32::createDayCells()
{
    emptyCellText_ = new TWPRtfStorage(this);
    for (TWPRtfStorage*& storage : cellTexts_)
        storage = new TWPRtfStorage(this);
    // Never shown: it only lays out and paints cell text, off to the right
    // of any page.
    cellPainter_ = new TWPRichText(this);
    cellPainter_->setObjectName(QStringLiteral("CellPainter"));
    cellPainter_->setGeometry(1300, 0, 50, 50);
    cellPainter_->hide();
}

void TCalendarPanel32::destroyDayCells()
{
    for (TWPRtfStorage*& storage : cellTexts_) {
        delete storage;
        storage = nullptr;
    }
    delete emptyCellText_;
    emptyCellText_ = nullptr;
}

const TWPRtfText& TCalendarPanel32::GetCellText(int index, const TWPRtfText& fallback) const
{
    return validCell(index) ? cellTexts_[index - 1]->RtfText() : fallback;
}

void TCalendarPanel32::SetCellText(int index, const TWPRtfText& text)
{
    if (!validCell(index))
        return;
    cellTexts_[index - 1]->SetRtfText(text);
    repaintPage();
}

int TCalendarPanel32::GetCellDay(int index) const
{
    return validCell(index) ? mainDrawParams_.Cell(index).DayNumber : 0;
}

int TCalendarPanel32::FindCellByDay(int day) const
{
    // Day 0 marks blank cells; no date falls on them.
    if (day < 1)
        return -1;
    for (int i = 1; i <= DayCellCount; ++i)
        if (mainDrawParams_.Cell(i).DayNumber == day)
            return i;
    return -1;
}

bool TCalendarPanel32::PointInAnyCell(int x, int y) const
{
    return CellAtPoint(x, y) > 0;
}

int TCalendarPanel32::CellAtPoint(int x, int y) const
{
    for (int i = 1; i <= DayCellCount; ++i)
        if (mainDrawParams_.Cell(i).CellRect.Contains(x, y))
            return i;
    return 0;
}

QFont TCalendarPanel32::CanvasFont() const
{
    return CalFontParams::FromFont(cellFont_, ZoomFactor()).ToQFont(TFont::PixelsPerInch);
}

void TCalendarPanel32::raiseCellEvent(int index)
{
    if (!ClickedInCellEvent || !validCell(index))
        return;
    DayCellInfo& cell = mainDrawParams_.Cell(index);
    ClickedInCellEvent(this, CanvasFont(), cell.CellRect, cellTexts_[index - 1], cell.DayNumber, index,
                       cell.TextRect);
}

void TCalendarPanel32::ClickCellAt(int x, int y)
{
    const int hit = CellAtPoint(x, y);
    if (hit > 0)
        raiseCellEvent(hit);
}

void TCalendarPanel32::ActivateCell(int index)
{
    raiseCellEvent(index);
}

void TCalendarPanel32::ActivatePreviousCell(int index)
{
    if (index <= 1 || index > DayCellCount)
        return;
    if (!mainDrawParams_.Cell(index - 1).TextRect.IsZero())
        raiseCellEvent(index - 1);
}

void TCalendarPanel32::ActivateNextCell(int index)
{
    if (index < 1 || index >= DayCellCount)
        return;
    if (!mainDrawParams_.Cell(index + 1).TextRect.IsZero())
        raiseCellEvent(index + 1);
}

void TCalendarPanel32::ClearAllCells()
{
    for (TWPRtfStorage* storage : cellTexts_)
        storage->Assign(*emptyCellText_);
    for (DayCellInfo& cell : mainDrawParams_.Cells) {
        cell.CellRect = PixelRect{};
        cell.TextRect = PixelRect{};
    }
}

bool TCalendarPanel32::HasCellText() const
{
    for (const TWPRtfStorage* storage : cellTexts_)
        if (!storage->IsEmpty())
            return true;
    return false;
}

void TCalendarPanel32::Click()
{
    if (panelState_ != psPointing)
        return;
    const QPoint point = ClickPos();
    const int hit = CellAtPoint(point.x(), point.y());
    if (mainDrawParams_.TitleRect.Contains(point.x(), point.y()) && OnClickedHeader)
        OnClickedHeader(this);
    if (mainDrawParams_.HeadersRect.Contains(point.x(), point.y()) && OnClickedDaysArea)
        OnClickedDaysArea(this);
    if (hit > 0 && (ShowMainGrid() || PlannerMode())) {
        // No cell editor, or a page object over the cell takes the click.
        if (!ClickedInCellEvent || ObjectAtPoint(point.x(), point.y()))
            return;
        raiseCellEvent(hit);
    } else if (OnClick) {
        OnClick(this);
    }
}
