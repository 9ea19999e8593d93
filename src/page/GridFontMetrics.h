#pragma once
// The font measurements the grid and planner geometry need, taken from the
// drawing fonts at their zoomed sizes.
#include "page/CalDrawParams.h"
#include "persist/Font.h"

struct GridFontHeights {
    // The headers font's character height: its point size at `dpi`
    // (MulDiv(size, dpi, 72)), as the font is selected for drawing. The
    // header row is 1.5 times this: a 16-point font (21 pixels) gets a
    // 32-pixel row around its 24-pixel line.
    int HeadersPixelHeight = 0;
    // Line height of "9" in the cell font.
    int CellDigitTextHeight = 0;
    // Line height of "Weekly Planner" in the title font.
    int PlannerTitleTextHeight = 0;
};

// dpi: the resolution the fonts are drawn at (96 for on-screen images).
GridFontHeights MeasureGridFonts(const CalFontParams& titleFont, const CalFontParams& headersFont,
                                 const CalFontParams& cellFont, int dpi = TFont::PixelsPerInch);
GridFontHeights MeasureGridFonts(const CalDrawParams& params, int dpi = TFont::PixelsPerInch);

// Line height of a one-line text in a font.
int TextLineHeight(const CalFontParams& font, const QString& text, int dpi = TFont::PixelsPerInch);
