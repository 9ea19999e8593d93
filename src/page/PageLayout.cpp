#include "page/PageLayout.h"

#include "platform/Rounding.h"

namespace {

constexpr float BorderAllowanceInch = 0.47f;

// A margin plus a fixed band, rounded to single precision before it is
// converted, so that results match the stored single-precision arithmetic.
float plus(float margin, double inches)
{
    return float(double(margin) + inches);
}

// A margin from a damaged or hand-made file may be millions of inches; no
// margin beyond the paper's long side changes what fits on the page, and
// bounding it keeps every pixel position within range.
float bounded(float margin, double longSide)
{
    const float limit = float(longSide);
    return margin < -limit ? -limit : (margin > limit ? limit : margin);
}

} // namespace

int InchToPixels(float inches, int ppi)
{
    return roundHalfEven(double(ppi) * double(inches));
}

MiniFontSizes MiniFontSizesFor(int titleSize)
{
    const int small = roundHalfEven(titleSize * 0.8);
    return {titleSize, small, small};
}

std::optional<int> LayoutMiniFontSize(TCalendarLayout layout)
{
    switch (layout) {
    case loFCMinisInTitle: case loFCMinisInTitleLS:
    case loFC6Before6After: case loFC6Before6AfterLS:
    case loFC12After: case loFC12AfterLS:
    case loMC48Month: case loMC48MonthLS:
        return 10;
    case lopMC6Month: case lopMC6MonthLS:
    case loMC12Month: case loMC12MonthLS:
        return 18;
    case loMC24Month: case loMC24MonthLS:
        return 12;
    case loMC60Month: case loMC60MonthLS:
        return 8;
    default:
        return std::nullopt;
    }
}

MiniGridShape MiniOnlyGridShape(TCalendarLayout layout)
{
    const bool landscape = OrientationOfLayout(layout) == coLandscape;
    auto shape = [landscape](int rows, int columns) {
        return landscape ? MiniGridShape{columns, rows} : MiniGridShape{rows, columns};
    };
    switch (layout) {
    case lopMC6Month: case lopMC6MonthLS: return shape(3, 2);
    case loMC12Month: case loMC12MonthLS: return shape(4, 3);
    case loMC24Month: case loMC24MonthLS: return shape(6, 4);
    case loMC48Month: case loMC48MonthLS: return shape(8, 6);
    case loMC60Month: case loMC60MonthLS: return shape(10, 6);
    default: return {0, 0};
    }
}

void PlaceMiniCalendars(std::array<PixelRect, MaxMiniCalendars>& rects, int rows, int columns,
                        int first, int last, const PixelRect& area)
{
    if (rows < 1 || columns < 1 || first < 1 || first > last || last > MaxMiniCalendars)
        return;
    const int height = area.bottom - area.top;
    const int width = area.right - area.left;
    const int gv = roundHalfEven(height * 0.01);
    const int gh = roundHalfEven(width * 0.01);
    const int h = roundHalfEven(double(height - gv * (rows - 1)) / rows);
    const int w = roundHalfEven(double(width - gh * (columns - 1)) / columns);
    int k = first;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int left = c == columns - 1 ? area.right - w : area.left + c * (gh + w);
            const int top = r == rows - 1 ? area.bottom - h : area.top + r * (gv + h);
            rects[k - 1] = {left, top, left + w, top + h};
            if (r * columns + c + 1 == rows * columns || k + 1 > last)
                return;
            ++k;
        }
    }
}

PageLayoutResults UpdatePageLayout(const PageLayoutInput& in, const PageLayoutResults& previous)
{
    PageLayoutResults out = previous;
    out.MiniFontSize.reset();
    const int ppi = in.PPI;
    auto px = [ppi](float inches) { return InchToPixels(inches, ppi); };
    // Values past the last layout do not come from the page; draw them as the
    // plain month grid rather than leave the page half laid out.
    const TCalendarLayout layout =
        IsValidCalendarLayout(in.CalendarLayout) ? in.CalendarLayout : loFullCalendar;

    out.CalendarOrientation = OrientationOfLayout(layout);

    const double shortSide = in.PaperSizeA4 ? 8.27 : 8.5;
    const double longSide = in.PaperSizeA4 ? 11.69 : 11.0;
    const float leftMargin = bounded(in.LeftMarginInch, longSide);
    const float topMargin = bounded(in.TopMarginInch, longSide);
    const float rightMargin = bounded(in.RightMarginInch, longSide);
    const float bottomMargin = bounded(in.BottomMarginInch, longSide);

    const float allowance = in.BorderAllowance ? BorderAllowanceInch : 0.0f;
    const float L = plus(leftMargin, allowance);
    const float T = plus(topMargin, allowance);
    const float R = plus(rightMargin, allowance);
    const float B = plus(bottomMargin, allowance);
    const int shortPx = roundHalfEven(ppi * shortSide);
    const int longPx = roundHalfEven(ppi * longSide);
    const bool landscape = out.CalendarOrientation == coLandscape;
    const int W = landscape ? longPx : shortPx;
    const int H = landscape ? shortPx : longPx;
    out.PageWidthPx = W;
    out.PageHeightPx = H;

    out.PageRect = {px(leftMargin), px(topMargin), W - px(rightMargin), H - px(bottomMargin)};
    const PixelRect C{px(L) + 2, px(T) + 2, W - px(R) - 2, H - px(B) - 2};

    if (in.ResetMiniFonts)
        out.MiniFontSize = LayoutMiniFontSize(layout);

    auto setFlags = [&out](bool mainGrid, bool minis, bool planner) {
        out.ShowMainGrid = mainGrid;
        out.ShowMiniCals = minis;
        out.PlannerMode = planner;
    };
    // Mini j (1-based, from `first`) shows the page month moved by
    // `firstOffset` + (j - first) months.
    auto setMonths = [&](int first, int last, int firstOffset) {
        for (int j = first; j <= last; ++j)
            out.MiniCalMonths[j - 1] = AddMonths(in.MainCalMonth, in.MainCalYear, firstOffset + j - first);
    };

    switch (layout) {
    case loFullCalendar:
    case LOFullCalendarLS:
        setFlags(true, false, false);
        out.MainCalRect = C;
        break;

    case loFCMinisInTitle:
    case loFCMinisInTitleLS: {
        setFlags(true, true, false);
        const PixelRect M = C;
        out.MainCalRect = M;
        out.MiniCalCount = 2;
        const int s = roundHalfEven(ppi * 1.5);
        const int e = ppi / 8;
        out.MiniCalRects[0] = {M.left + e, M.top + e, M.left + s - e, M.top + s - e};
        out.MiniCalRects[1] = {M.right - s + e, M.top + e, M.right - e, M.top + s - e};
        out.MiniCalMonths[0] = AddMonths(in.MainCalMonth, in.MainCalYear, -1);
        out.MiniCalMonths[1] = AddMonths(in.MainCalMonth, in.MainCalYear, 1);
        break;
    }

    case loFC6Before6After:
        setFlags(true, true, false);
        out.MainCalRect = PixelRect{px(L) + 2, px(plus(T, 1.3)) + 2, W - px(R) - 2, H - px(plus(B, 1.3)) - 2};
        PlaceMiniCalendars(out.MiniCalRects, 1, 6, 1, 6,
                           {px(L) + 2, px(T) + 2, W - px(R) - 2, px(plus(T, 1.3)) - 2});
        PlaceMiniCalendars(out.MiniCalRects, 1, 6, 7, 12,
                           {px(L) + 2, H - px(plus(B, 1.3)) + 2, W - px(R) - 2, H - px(B) - 2});
        out.MiniCalCount = 12;
        setMonths(1, 6, -6);
        setMonths(7, 12, 1);
        break;

    case loFC6Before6AfterLS:
        setFlags(true, true, false);
        out.MainCalRect = PixelRect{px(plus(L, 1.3)) + 4, px(T) + 2, W - px(plus(R, 1.3)) - 4, H - px(B) - 2};
        PlaceMiniCalendars(out.MiniCalRects, 6, 1, 1, 6,
                           {px(L) + 2, px(T) + 2, px(plus(L, 1.3)), H - px(B) - 2});
        PlaceMiniCalendars(out.MiniCalRects, 6, 1, 7, 12,
                           {W - px(plus(R, 1.3)) + 2, px(T) + 2, W - px(R) - 2, H - px(B) - 2});
        out.MiniCalCount = 12;
        setMonths(1, 6, -6);
        setMonths(7, 12, 1);
        break;

    case loFC12After:
        setFlags(true, true, false);
        out.MainCalRect = PixelRect{px(L) + 2, px(T) + 2, W - px(R) - 2, H - px(plus(B, 2.9)) - 2};
        PlaceMiniCalendars(out.MiniCalRects, 2, 6, 1, 12,
                           {px(L) + 2, H - px(plus(B, 2.8)) + 2, W - px(R) - 2, H - px(B) - 4});
        out.MiniCalCount = 12;
        setMonths(1, 12, 1);
        break;

    case loFC12AfterLS:
        setFlags(true, true, false);
        out.MainCalRect = PixelRect{px(L) + 2, px(T) + 2, W - px(plus(R, 2.9)) + 8, H - px(B) - 2};
        PlaceMiniCalendars(out.MiniCalRects, 6, 2, 1, 12,
                           {W - px(plus(R, 2.8)) + 2, px(T) + 2, W - px(R) - 4, H - px(B) - 2});
        out.MiniCalCount = 12;
        setMonths(1, 12, 1);
        break;

    case lopMC6Month: case lopMC6MonthLS:
    case loMC12Month: case loMC12MonthLS:
    case loMC24Month: case loMC24MonthLS:
    case loMC48Month: case loMC48MonthLS:
    case loMC60Month: case loMC60MonthLS: {
        setFlags(false, true, false);
        const MiniGridShape shape = MiniOnlyGridShape(layout);
        const int count = shape.rows * shape.columns;
        PlaceMiniCalendars(out.MiniCalRects, shape.rows, shape.columns, 1, count, C);
        out.MiniCalCount = count;
        setMonths(1, count, 0);
        break;
    }

    case loWeek:
    case lo2Week:
    case loDay10:
    case loDay15:
        setFlags(false, false, true);
        out.MainCalRect = C;
        break;
    }
    return out;
}
