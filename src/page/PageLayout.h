#pragma once
// The page-level layout pass: paper, margins and layout become the page size
// and the rectangles of the main grid (or planner) and the mini calendars, in
// unzoomed screen pixels. Pure: the page feeds its settings and its previous
// results in and stores what comes out.
#include <array>
#include <optional>

#include "page/CalendarDates.h"
#include "page/CalendarTypes.h"
#include "page/PixelRect.h"

constexpr int MaxMiniCalendars = 60;

struct PageLayoutInput {
    bool PaperSizeA4 = false;
    TCalendarLayout CalendarLayout = loFullCalendar;
    float LeftMarginInch = 0.25f;
    float TopMarginInch = 0.25f;
    float RightMarginInch = 0.25f;
    float BottomMarginInch = 0.25f;
    // A border picture is set: every working margin grows by 0.47 inch.
    bool BorderAllowance = false;
    int MainCalMonth = 1;
    int MainCalYear = 1997;
    int PPI = 96;
    bool ResetMiniFonts = false;
};

struct PageLayoutResults {
    TCalendarOrientation CalendarOrientation = coPortrait;
    int PageWidthPx = 0;
    int PageHeightPx = 0;
    PixelRect PageRect;
    // Mini-only layouts leave the main rectangle as it was; empty until a
    // layout has set it.
    std::optional<PixelRect> MainCalRect;
    // Index 0 is mini calendar 1. Entries past MiniCalCount keep old values.
    std::array<PixelRect, MaxMiniCalendars> MiniCalRects{};
    std::array<MonthYear, MaxMiniCalendars> MiniCalMonths{};
    int MiniCalCount = 0;
    bool ShowMainGrid = true;
    bool ShowMiniCals = false;
    bool PlannerMode = false;
    // The title size SetMiniFontSizes must apply, when the pass reset the
    // mini fonts for a layout that has a size.
    std::optional<int> MiniFontSize;

    const PixelRect& MiniCalRect(int index) const { return MiniCalRects[index - 1]; }
    const MonthYear& MiniCalMonth(int index) const { return MiniCalMonths[index - 1]; }
};

// Round(ppi * inches), the product taken from the single-precision value.
int InchToPixels(float inches, int ppi);

// The three mini font sizes for a title size s: s, Round(s * 0.8), Round(s * 0.8).
struct MiniFontSizes {
    int title;
    int headers;
    int cell;
};
MiniFontSizes MiniFontSizesFor(int titleSize);

// The mini font size of a layout's table entry; empty where it is "unchanged".
std::optional<int> LayoutMiniFontSize(TCalendarLayout layout);
// Rows and columns of the mini grid of a mini-only layout (8..17).
struct MiniGridShape {
    int rows;
    int columns;
};
MiniGridShape MiniOnlyGridShape(TCalendarLayout layout);

// Fills rectangles first..last (1-based) of `rects` with a rows x columns
// arrangement of `area`; the last row and column sit flush with the area's
// bottom and right edges.
void PlaceMiniCalendars(std::array<PixelRect, MaxMiniCalendars>& rects, int rows, int columns,
                        int first, int last, const PixelRect& area);

// One layout pass. `previous` supplies what a layout leaves as it was.
PageLayoutResults UpdatePageLayout(const PageLayoutInput& input, const PageLayoutResults& previous);
