#include "page/PageRenderer.h"

#include <QPainter>

#include "page/ScreenText.h"

namespace {
const QColor LineColor(Qt::black);

// A one-pixel span of a line. On a painter that scales (the page of a
// high-density screen) every line gets the same whole number of device
// pixels across, instead of one or two by where it falls; its length still
// ends where the painter ends fills, so lines and cells meet as at one
// pixel per pixel.
void fillLineSpan(QPainter& canvas, const QRect& span)
{
    const QTransform& toDevice = canvas.deviceTransform();
    if (toDevice.type() != QTransform::TxScale) {
        canvas.fillRect(span, LineColor);
        return;
    }
    const qreal sx = toDevice.m11(), sy = toDevice.m22();
    const QRectF mapped = toDevice.mapRect(QRectF(span));
    QRectF device(qRound(mapped.left()), qRound(mapped.top()), qRound(mapped.right()) - qRound(mapped.left()),
                  qRound(mapped.bottom()) - qRound(mapped.top()));
    if (span.height() == 1)
        device.setHeight(qMax(1, qRound(sy)));
    else
        device.setWidth(qMax(1, qRound(sx)));
    canvas.fillRect(toDevice.inverted().mapRect(device), LineColor);
}

} // namespace

void TPageRenderer::FillRect(QPainter& canvas, const PixelRect& rect, TColor color)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    canvas.fillRect(rect.ToQRect(), ToQColor(color));
}

void TPageRenderer::LineTo(QPainter& canvas, int x1, int y1, int x2, int y2)
{
    // Filled spans instead of stroked lines: exact pixels, and the end point
    // left out as the desktop canvas does.
    if (y1 == y2) {
        if (x2 > x1)
            fillLineSpan(canvas, QRect(x1, y1, x2 - x1, 1));
        else if (x2 < x1)
            fillLineSpan(canvas, QRect(x2 + 1, y1, x1 - x2, 1));
    } else if (x1 == x2) {
        if (y2 > y1)
            fillLineSpan(canvas, QRect(x1, y1, 1, y2 - y1));
        else
            fillLineSpan(canvas, QRect(x1, y2 + 1, 1, y1 - y2));
    } else {
        canvas.setPen(QPen(LineColor, 1));
        canvas.drawLine(x1, y1, x2, y2);
    }
}

void TPageRenderer::DrawBorder(QPainter& canvas, const PixelRect& r, TCalBorderStyle style)
{
    switch (style) {
    case cbNone:
        break;
    case cbAll:
        LineTo(canvas, r.left, r.top, r.right, r.top);
        LineTo(canvas, r.right, r.top, r.right, r.bottom);
        LineTo(canvas, r.right, r.bottom, r.left, r.bottom);
        LineTo(canvas, r.left, r.bottom, r.left, r.top);
        break;
    case cbTop:
        LineTo(canvas, r.left, r.top, r.right, r.top);
        break;
    case cbBottom:
        LineTo(canvas, r.left, r.bottom, r.right, r.bottom);
        break;
    case cbTopBottom:
        LineTo(canvas, r.left, r.top, r.right, r.top);
        LineTo(canvas, r.left, r.bottom, r.right, r.bottom);
        break;
    }
}

void TPageRenderer::DrawMonthGrid(QPainter& canvas, CalDrawParams& params, const QString& userTitle)
{
    const MonthGridLayout layout = LayOutMonthGrid(params, userTitle);
    const MonthGridGeometry& g = layout.Geometry;
    const PixelRect& Q = g.Q;

    FillRect(canvas, params.Rect, params.PaperColor);
    FillRect(canvas, Q, params.PaperColor);

    // Title band (at least the minimum height) and its text.
    const TScreenText title(params.TitleFont);
    FillRect(canvas, {Q.left, g.TitleBand.top, Q.right, g.TitleBand.bottom + 1}, params.TitleBGColor);
    title.Select(canvas);
    title.Draw(canvas, {Q.left, g.TitleBand.top, Q.right, g.TitleBand.bottom}, layout.Title, TScreenText::Center,
               TScreenText::VCenter);

    // Weekday header row.
    const TScreenText headers(params.HeadersFont);
    const PixelRect& hr = g.HeadersRect;
    FillRect(canvas, {Q.left, hr.top, Q.right, hr.bottom + 1}, params.HeadersBGColor);
    DrawBorder(canvas, hr, params.HeadersBorder);
    headers.Select(canvas);
    for (int c = 0; c < 7; ++c)
        headers.Draw(canvas, g.HeaderCells[c], layout.HeaderTexts.value(c), TScreenText::Center,
                     TScreenText::VCenter);

    // Grid lines of the day area.
    const int rh = g.RowHeight;
    int firstRow = 0, lastRow = -1;
    switch (params.CellBorder) {
    case cbAll:
    case cbTopBottom:
        firstRow = 0, lastRow = 6;
        break;
    case cbTop:
        firstRow = 0, lastRow = 5;
        break;
    case cbBottom:
        firstRow = 1, lastRow = 6;
        break;
    case cbNone:
        break;
    }
    for (int k = firstRow; k <= lastRow; ++k) {
        const int y = k == 6 ? Q.bottom : g.DayAreaTop + k * rh;
        LineTo(canvas, Q.left, y, Q.right, y);
    }
    if (params.CellBorder == cbAll) {
        for (int c = 0; c <= 6; ++c)
            LineTo(canvas, Q.left + c * g.ColumnWidth, g.DayAreaTop, Q.left + c * g.ColumnWidth, Q.bottom);
        LineTo(canvas, Q.right, g.DayAreaTop, Q.right, Q.bottom);
    }

    // Day numbers.
    const TScreenText numbers(params.CellFont);
    numbers.Select(canvas);
    const bool centred = params.NumberPosition == cnpCenter;
    for (const DayCellInfo& cell : g.Cells) {
        if (cell.DayNumber == 0)
            continue;
        numbers.Draw(canvas, cell.CellRect, QString::number(cell.DayNumber),
                     centred ? TScreenText::Center : TScreenText::Right,
                     centred ? TScreenText::VCenter : TScreenText::Top);
    }

    DrawBorder(canvas, Q, params.OuterBorder);
}

void TPageRenderer::DrawWeekPlanner(QPainter& canvas, CalDrawParams& params, const QString& userTitle)
{
    DrawPlannerRows(canvas, params, LayOutWeekPlanner(params, userTitle));
}

void TPageRenderer::DrawDayPlanner(QPainter& canvas, CalDrawParams& params, const QString& userTitle)
{
    DrawPlannerRows(canvas, params, LayOutDayPlanner(params, userTitle));
}

void TPageRenderer::DrawPlannerRows(QPainter& canvas, const CalDrawParams& params, const PlannerLayout& layout)
{
    const PlannerGeometry& g = layout.Geometry;
    FillRect(canvas, params.Rect, params.PaperColor);
    FillRect(canvas, g.Q, params.PaperColor);

    const TScreenText title(params.TitleFont);
    title.Select(canvas);
    title.Draw(canvas, g.TitleRect, layout.Title, TScreenText::Center, TScreenText::VCenter);

    // The body as a framed rectangle, then the label column.
    const PixelRect& body = g.Body;
    FillRect(canvas, body, params.PaperColor);
    LineTo(canvas, body.left, body.top, body.right - 1, body.top);
    LineTo(canvas, body.right - 1, body.top, body.right - 1, body.bottom - 1);
    LineTo(canvas, body.right - 1, body.bottom - 1, body.left, body.bottom - 1);
    LineTo(canvas, body.left, body.bottom - 1, body.left, body.top);
    FillRect(canvas, g.LabelArea, params.HeadersBGColor);

    const TScreenText labels(params.HeadersFont);
    labels.Select(canvas);
    for (int r = 0; r < g.Rows.size(); ++r) {
        const PlannerRowGeometry& row = g.Rows[r];
        labels.Draw(canvas, row.UpperLabel, layout.Labels.Upper.value(r), TScreenText::Center, TScreenText::Bottom);
        labels.Draw(canvas, row.LowerLabel, layout.Labels.Lower.value(r), TScreenText::Center, TScreenText::Top);
    }

    LineTo(canvas, g.LabelRight, body.top, g.LabelRight, body.bottom);
    for (int r = 1; r < g.Rows.size(); ++r) {
        const int y = body.top + r * g.RowHeight;
        LineTo(canvas, body.left, y, body.right, y);
    }
}
