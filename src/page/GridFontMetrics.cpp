#include "page/GridFontMetrics.h"

#include <QFontMetrics>

int TextLineHeight(const CalFontParams& font, const QString& text, int dpi)
{
    return QFontMetrics(font.ToQFont(dpi)).size(Qt::TextSingleLine, text).height();
}

GridFontHeights MeasureGridFonts(const CalFontParams& titleFont, const CalFontParams& headersFont,
                                 const CalFontParams& cellFont, int dpi)
{
    GridFontHeights heights;
    heights.HeadersPixelHeight = MulDiv(headersFont.Size, dpi, 72);
    heights.CellDigitTextHeight = TextLineHeight(cellFont, QStringLiteral("9"), dpi);
    heights.PlannerTitleTextHeight = TextLineHeight(titleFont, QStringLiteral("Weekly Planner"), dpi);
    return heights;
}

GridFontHeights MeasureGridFonts(const CalDrawParams& params, int dpi)
{
    return MeasureGridFonts(params.TitleFont, params.HeadersFont, params.CellFont, dpi);
}
