#include "page/PagePrintRenderer.h"

#include <QPainter>
#include <QPicture>

#include "page/CalendarPanel32.h"
#include "page/CalendarTitles.h"
#include "page/CellTextPainter.h"
#include "page/GridGeometry.h"
#include "page/GridLayout.h"
#include "page/PlannerGeometry.h"
#include "platform/Rounding.h"
#include "platform/ScreenMetrics.h"
#include "platform/WmfPicture.h"
#include "print/ReportPrinter.h"
#include "richtext/WPRtfStorage.h"

namespace {

QRectF dotsOf(const PixelRect& r)
{
    return QRectF(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void selectFont(TReportPrinter& report, const CalFontParams& font)
{
    report.SetFont(font.Name, font.Size, font.Style, font.Color);
}

void fill(TReportPrinter& report, const PixelRect& rect, TColor color)
{
    report.SetBrush(color);
    report.FillRect(dotsOf(rect));
}

// Centred horizontally with the line's bottom on the rectangle's bottom.
void textCenteredAtBottom(TReportPrinter& report, const PixelRect& rect, const QString& text)
{
    const QString fitted = report.FitTextDots(text, rect.Width());
    if (fitted.isEmpty())
        return;
    const double line = (report.LineHeight() + report.LineSpacing()) * report.YDPI();
    const double x = rect.left + (rect.Width() - report.TextWidthDots(fitted)) / 2;
    const double baseline = rect.bottom - line + report.AscentDots();
    report.TextOutBaseline(x / report.XDPI(), baseline / report.YDPI(), fitted);
}

} // namespace

int TPagePrintRenderer::PrintedLineDots(TReportPrinter& report, const CalFontParams& font)
{
    selectFont(report, font);
    return roundHalfEven((report.LineHeight() + report.LineSpacing()) * report.YDPI());
}

void TPagePrintRenderer::DrawBorder(TReportPrinter& report, const PixelRect& r, TCalBorderStyle style)
{
    report.SetPen(TColors::clBlack);
    const QPointF topLeft(r.left, r.top), topRight(r.right, r.top);
    const QPointF bottomLeft(r.left, r.bottom), bottomRight(r.right, r.bottom);
    switch (style) {
    case cbNone:
        break;
    case cbAll:
        report.Line(topLeft, topRight);
        report.Line(topRight, bottomRight);
        report.Line(bottomRight, bottomLeft);
        report.Line(bottomLeft, topLeft);
        break;
    case cbTop:
        report.Line(topLeft, topRight);
        break;
    case cbBottom:
        report.Line(bottomLeft, bottomRight);
        break;
    case cbTopBottom:
        report.Line(topLeft, topRight);
        report.Line(bottomLeft, bottomRight);
        break;
    }
}

void TPagePrintRenderer::DrawMonthGrid(TReportPrinter& report, CalDrawParams& params, const QString& userTitle)
{
    selectFont(report, params.HeadersFont);
    MonthGridInput input;
    input.Rect = params.Rect;
    input.MinTitleHeight = params.MinTitleHeight;
    input.Month = params.Month;
    input.Year = params.Year;
    input.StartOfWeek = params.StartOfWeek;
    input.NumberPosition = params.NumberPosition;
    input.HeaderRowHeight = roundHalfEven(report.LineHeight() * 1.5 * report.YDPI());
    input.CellDigitTextHeight = PrintedLineDots(report, params.CellFont);
    const MonthGridGeometry g = ComputeMonthGrid(input);
    params.Cells = g.Cells;
    params.TitleRect = g.TitleRect;
    params.HeadersRect = g.HeadersRect;
    const PixelRect& Q = g.Q;

    report.SetPen(TColors::clBlack);
    fill(report, params.Rect, params.PaperColor);
    fill(report, Q, params.PaperColor);

    // On paper, white is no colour: a white band is left unprinted.
    const PixelRect band{Q.left, g.TitleBand.top, Q.right, g.TitleBand.bottom};
    if (params.TitleBGColor != TColors::clWhite)
        fill(report, {band.left, band.top, band.right, band.bottom + 1}, params.TitleBGColor);
    selectFont(report, params.TitleFont);
    const QString title = userTitle.isEmpty()
        ? GeneratedMonthTitle(params.MonthNames, params.Month, params.Year, params.ShowYear)
        : userTitle;
    report.TextCentered(dotsOf(band), title);

    const PixelRect& hr = g.HeadersRect;
    fill(report, {Q.left, hr.top, Q.right, hr.bottom + 1}, params.HeadersBGColor);
    DrawBorder(report, hr, params.HeadersBorder);
    selectFont(report, params.HeadersFont);
    for (int c = 0; c < 7; ++c)
        report.TextCentered(dotsOf(g.HeaderCells[c]),
                            ShortenDayName(params.DayName(g.HeaderDays[c]), params.HeadersStyle));

    // Each cell's own border on its full grid rectangle.
    for (int w = 0; w < 6; ++w) {
        for (int c = 0; c < 7; ++c) {
            const int left = Q.left + c * g.ColumnWidth;
            const int top = g.DayAreaTop + w * g.RowHeight;
            const PixelRect cell{left, top, c == 6 ? Q.right : left + g.ColumnWidth,
                                 w == 5 ? Q.bottom : top + g.RowHeight};
            DrawBorder(report, cell, params.CellBorder);
        }
    }

    selectFont(report, params.CellFont);
    for (const DayCellInfo& cell : g.Cells) {
        if (cell.DayNumber == 0)
            continue;
        const QString number = QString::number(cell.DayNumber);
        if (params.NumberPosition == cnpCenter)
            report.TextCenteredAtTop(dotsOf(cell.CellRect), number);
        else
            report.TextRightAtTop(dotsOf(cell.CellRect), number, 0.05);
    }

    DrawBorder(report, Q, params.OuterBorder);
}

namespace {

PlannerGeometry printedPlannerGeometry(TReportPrinter& report, const CalDrawParams& params, int rows)
{
    selectFont(report, params.TitleFont);
    PlannerInput input;
    input.Rect = params.Rect;
    input.RowCount = rows;
    input.TitleTextHeight = roundHalfEven(report.LineHeight() * report.YDPI() * 1.6);
    return ComputePlannerGeometry(input);
}

} // namespace

void TPagePrintRenderer::DrawWeekPlanner(TReportPrinter& report, CalDrawParams& params, const QString& userTitle)
{
    const int rows = qBound(1, params.PlannerDayCount, DayCellCount - 1);
    const QDate start = PlannerStartDate(params.Year, params.Month, params.Day);
    PlannerLayout layout;
    layout.Geometry = printedPlannerGeometry(report, params, rows);
    layout.Labels = WeekPlannerLabels(start, rows, params.MonthNames, params.DayNames, params.HeadersStyle);
    layout.Title = userTitle.isEmpty() ? WeekPlannerTitle(start, rows, params.MonthNames) : userTitle;
    StorePlannerCells(params, layout);
    DrawPlannerRows(report, params, layout);
}

void TPagePrintRenderer::DrawDayPlanner(TReportPrinter& report, CalDrawParams& params, const QString& userTitle)
{
    const int rows = qBound(1, params.PlannerHourCount, DayCellCount - 1);
    const QDate date = PlannerStartDate(params.Year, params.Month, params.Day);
    PlannerLayout layout;
    layout.Geometry = printedPlannerGeometry(report, params, rows);
    layout.Labels = DayPlannerLabels(params.PlannerStartTime, rows);
    layout.Title = userTitle.isEmpty() ? DayPlannerTitle(date, params.MonthNames, params.DayNames) : userTitle;
    StorePlannerCells(params, layout);
    DrawPlannerRows(report, params, layout);
}

void TPagePrintRenderer::DrawPlannerRows(TReportPrinter& report, const CalDrawParams& params,
                                         const PlannerLayout& layout)
{
    const PlannerGeometry& g = layout.Geometry;
    report.SetPen(TColors::clBlack);
    fill(report, params.Rect, params.PaperColor);
    fill(report, g.Q, params.PaperColor);

    selectFont(report, params.TitleFont);
    report.TextCenteredAtTop(dotsOf(g.TitleRect), layout.Title);

    // The label column first: at printer resolution the outline is wider
    // than the column's one-dot inset and would be painted over.
    fill(report, g.LabelArea, params.HeadersBGColor);
    DrawBorder(report, g.Body, cbAll);

    selectFont(report, params.HeadersFont);
    for (int r = 0; r < g.Rows.size(); ++r) {
        textCenteredAtBottom(report, g.Rows[r].UpperLabel, layout.Labels.Upper.value(r));
        report.TextCenteredAtTop(dotsOf(g.Rows[r].LowerLabel), layout.Labels.Lower.value(r));
    }

    report.SetPen(TColors::clBlack);
    report.Line(QPointF(g.LabelRight, g.Body.top), QPointF(g.LabelRight, g.Body.bottom));
    for (int r = 1; r < g.Rows.size(); ++r) {
        const double y = g.Body.top + r * g.RowHeight;
        report.Line(QPointF(g.Body.left, y), QPointF(g.Body.right, y));
    }
}

// --- The page ------------------------------------------------------------------

PixelRect TCalendarPanel32::ReferenceCellTextRect()
{
    const bool weekPlanner = layout_ == loWeek || layout_ == lo2Week;
    const bool dayPlanner = layout_ == loDay10 || layout_ == loDay15;
    if (!weekPlanner && !dayPlanner && !ShowMainGrid())
        return PixelRect{};
    FillMainDrawParams();
    CalDrawParams screen = mainDrawParams_;
    screen.Rect = MainCalRect();
    screen.MinTitleHeight = roundHalfEven(ScreenPPI() * 1.5);
    screen.TitleFont = CalFontParams::FromFont(titleFont_, 1.0f);
    screen.HeadersFont = CalFontParams::FromFont(headersFont_, 1.0f);
    screen.CellFont = CalFontParams::FromFont(cellFont_, 1.0f);
    if (weekPlanner)
        LayOutWeekPlanner(screen, userTitle_);
    else if (dayPlanner)
        LayOutDayPlanner(screen, userTitle_);
    else
        LayOutMonthGrid(screen, userTitle_);
    return screen.Cell(1).TextRect;
}

void TCalendarPanel32::PrintPage(TReportPrinter& report, double x, double y)
{
    const double ppi = ScreenPPI();
    auto toDots = [&](const PixelRect& r) {
        return PixelRect::FromQRect(report.InchRect(r.left / ppi + x, r.top / ppi + y, r.right / ppi + x,
                                                    r.bottom / ppi + y));
    };
    auto printFonts = [&](CalDrawParams& p, const TFont& title, const TFont& headers, const TFont& cell) {
        p.TitleFont = CalFontParams::FromFont(title, 1.0f);
        p.HeadersFont = CalFontParams::FromFont(headers, 1.0f);
        p.CellFont = CalFontParams::FromFont(cell, 1.0f);
    };

    if (!wmfBorderFile_.isEmpty() && !borderPicture_->IsEmpty() && report.Canvas())
        borderPicture_->Draw(*report.Canvas(), dotsOf(toDots(PageRect())));

    report.SetPen(TColors::clBlack);
    report.SetBrush(TColors::clWhite);

    const bool weekPlanner = layout_ == loWeek || layout_ == lo2Week;
    const bool dayPlanner = layout_ == loDay10 || layout_ == loDay15;
    if (weekPlanner || dayPlanner || ShowMainGrid()) {
        // The frame the cell texts are laid out in: the text rectangle of cell
        // 1 as the screen shows it at 100 %, whatever the zoom is now.
        const PixelRect reference = ReferenceCellTextRect();
        const QSize frame(reference.Width() + 5 + 1, reference.Height() + 5 + 1);

        CalDrawParams& p = mainDrawParams_;
        p.Rect = toDots(MainCalRect());
        p.MinTitleHeight = roundHalfEven(report.YDPI() * 1.5);
        printFonts(p, titleFont_, headersFont_, cellFont_);
        if (weekPlanner)
            TPagePrintRenderer::DrawWeekPlanner(report, p, userTitle_);
        else if (dayPlanner)
            TPagePrintRenderer::DrawDayPlanner(report, p, userTitle_);
        else
            TPagePrintRenderer::DrawMonthGrid(report, p, userTitle_);

        TCellTextPainter cells(*cellPainter_, cellScratch_);
        for (int i = 1; i <= DayCellCount; ++i) {
            const TWPRtfStorage& text = *cellTexts_[i - 1];
            const PixelRect& rect = p.Cell(i).TextRect;
            if (text.IsEmpty() || rect.Width() <= 0 || rect.Height() <= 0)
                continue;
            report.StretchPicture(dotsOf(rect), cells.RecordCell(text, frame, reference.Width() + 1));
        }
    }

    if (ShowMiniCals()) {
        for (int j = 1; j <= MiniCalCount(); ++j) {
            FillMiniDrawParams(j);
            miniDrawParams_.Rect = toDots(MiniCalRect(j));
            printFonts(miniDrawParams_, miniTitleFont_, miniHeadersFont_, miniCellFont_);
            TPagePrintRenderer::DrawMonthGrid(report, miniDrawParams_, QString());
        }
    }

    for (TGGraphicControl* object : PageObjects())
        object->PrintTo(report, x, y);
}
