#include <gtest/gtest.h>

#include <limits>

#include <cstdlib>
#include <vector>

#include "page/PageLayout.h"

namespace {

PageLayoutResults layOut(TCalendarLayout layout, bool a4 = false, bool border = false, int month = 1,
                         int year = 1997, float margin = 0.25f)
{
    PageLayoutInput in;
    in.CalendarLayout = layout;
    in.PaperSizeA4 = a4;
    in.BorderAllowance = border;
    in.MainCalMonth = month;
    in.MainCalYear = year;
    in.LeftMarginInch = in.TopMarginInch = in.RightMarginInch = in.BottomMarginInch = margin;
    return UpdatePageLayout(in, PageLayoutResults{});
}

bool inside(const PixelRect& inner, const PixelRect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right
        && inner.bottom <= outer.bottom && inner.left < inner.right && inner.top < inner.bottom;
}

} // namespace

TEST(PageLayout, PaperSizeAndOrientationFollowTheLayout)
{
    const PageLayoutResults portrait = layOut(loFullCalendar);
    EXPECT_EQ(portrait.CalendarOrientation, coPortrait);
    EXPECT_EQ(portrait.PageWidthPx, 816);
    EXPECT_EQ(portrait.PageHeightPx, 1056);

    const PageLayoutResults landscape = layOut(LOFullCalendarLS);
    EXPECT_EQ(landscape.CalendarOrientation, coLandscape);
    EXPECT_EQ(landscape.PageWidthPx, 1056);
    EXPECT_EQ(landscape.PageHeightPx, 816);

    // 8.27 x 11.69 inches: 793.92 and 1122.24 pixels.
    const PageLayoutResults a4 = layOut(loMC12MonthLS, true);
    EXPECT_EQ(a4.PageWidthPx, 1122);
    EXPECT_EQ(a4.PageHeightPx, 794);

    for (int layout = 0; layout < CalendarLayoutCount; ++layout) {
        const bool landscapeLayout = layout <= 17 && layout % 2 == 1;
        EXPECT_EQ(layOut(TCalendarLayout(layout)).CalendarOrientation, landscapeLayout ? coLandscape : coPortrait)
            << layout;
    }
}

TEST(PageLayout, HandComputedRectangles)
{
    // Letter portrait, 0.25 inch margins: L' = 24, content (26, 26, 790, 1030).
    const PageLayoutResults full = layOut(loFullCalendar);
    EXPECT_EQ(full.PageRect, (PixelRect{24, 24, 792, 1032}));
    EXPECT_EQ(*full.MainCalRect, (PixelRect{26, 26, 790, 1030}));
    EXPECT_EQ(full.MiniCalCount, 0);
    EXPECT_TRUE(full.ShowMainGrid);
    EXPECT_FALSE(full.ShowMiniCals);

    // Minis in the title corners: s = 144, e = 12.
    const PageLayoutResults title = layOut(loFCMinisInTitle);
    EXPECT_EQ(title.MiniCalRect(1), (PixelRect{38, 38, 158, 158}));
    EXPECT_EQ(title.MiniCalRect(2), (PixelRect{658, 38, 778, 158}));

    // Six before, six after: (T + 1.3)' = Round(96 x 1.55) = 149. Top strip
    // (26, 26, 790, 147): gaps 1 and 8, minis 121 x 121, the last flush right.
    const PageLayoutResults six = layOut(loFC6Before6After);
    EXPECT_EQ(*six.MainCalRect, (PixelRect{26, 151, 790, 905}));
    EXPECT_EQ(six.MiniCalRect(1), (PixelRect{26, 26, 147, 147}));
    EXPECT_EQ(six.MiniCalRect(2), (PixelRect{155, 26, 276, 147}));
    EXPECT_EQ(six.MiniCalRect(5), (PixelRect{542, 26, 663, 147}));
    EXPECT_EQ(six.MiniCalRect(6), (PixelRect{669, 26, 790, 147}));
    // Bottom strip (26, 909, 790, 1030).
    EXPECT_EQ(six.MiniCalRect(7), (PixelRect{26, 909, 147, 1030}));

    // Twelve after, landscape: (R + 2.9)' = Round(96 x 3.15) = 302 and
    // (R + 2.8)' = Round(96 x 3.05) = 293.
    const PageLayoutResults after = layOut(loFC12AfterLS);
    EXPECT_EQ(*after.MainCalRect, (PixelRect{26, 26, 1056 - 302 + 8, 790}));
    // Strip (765, 26, 1028, 790): gaps 3 across and 8 down, minis 130 x 121.
    EXPECT_EQ(after.MiniCalRect(1), (PixelRect{765, 26, 895, 147}));
    EXPECT_EQ(after.MiniCalRect(2), (PixelRect{898, 26, 1028, 147}));
    EXPECT_EQ(after.MiniCalRect(3), (PixelRect{765, 155, 895, 276}));
    EXPECT_EQ(after.MiniCalRect(12), (PixelRect{898, 669, 1028, 790}));

    // Planners take the content rectangle.
    const PageLayoutResults week = layOut(loWeek);
    EXPECT_EQ(*week.MainCalRect, (PixelRect{26, 26, 790, 1030}));
    EXPECT_TRUE(week.PlannerMode);
    EXPECT_FALSE(week.ShowMainGrid);
}

TEST(PageLayout, SixtyMonthsSitFlushWithTheContentEdges)
{
    for (bool a4 : {false, true}) {
        for (TCalendarLayout layout : {loMC60Month, loMC60MonthLS}) {
            const PageLayoutResults r = layOut(layout, a4);
            const PixelRect content{26, 26, r.PageWidthPx - 26, r.PageHeightPx - 26};
            ASSERT_EQ(r.MiniCalCount, 60);
            EXPECT_EQ(r.MiniCalRect(60).bottom, content.bottom);
            EXPECT_EQ(r.MiniCalRect(60).right, content.right);
            EXPECT_EQ(r.MiniCalRect(1).left, content.left);
            EXPECT_EQ(r.MiniCalRect(1).top, content.top);
            // 10 x 6 portrait, 6 x 10 landscape: mini 6 (or 10) ends the first row.
            const int firstRowEnd = layout == loMC60Month ? 6 : 10;
            EXPECT_EQ(r.MiniCalRect(firstRowEnd).right, content.right);
            EXPECT_EQ(r.MiniCalRect(firstRowEnd + 1).left, content.left);
        }
    }
}

TEST(PageLayout, EveryLayoutOnLetterAndA4KeepsItsRectanglesApartAndOnThePage)
{
    const int expectedCounts[CalendarLayoutCount] = {0, 0, 2, 2, 12, 12, 12, 12, 6, 6, 12, 12,
                                                     24, 24, 48, 48, 60, 60, 0, 0, 0, 0};
    for (bool a4 : {false, true}) {
        for (bool border : {false, true}) {
            for (int l = 0; l < CalendarLayoutCount; ++l) {
                const auto layout = TCalendarLayout(l);
                SCOPED_TRACE(testing::Message() << "layout " << l << (a4 ? " A4" : " Letter")
                                                << (border ? " with border" : ""));
                const PageLayoutResults r = layOut(layout, a4, border, 12, 2024);
                const PixelRect page{0, 0, r.PageWidthPx, r.PageHeightPx};
                EXPECT_TRUE(inside(r.PageRect, page));
                EXPECT_EQ(r.MiniCalCount, expectedCounts[l]);
                EXPECT_EQ(r.ShowMiniCals, expectedCounts[l] > 0 && !IsPlannerLayout(layout));
                EXPECT_EQ(r.ShowMainGrid, l <= 7);
                EXPECT_EQ(r.PlannerMode, l >= 18);
                if (!IsMiniOnlyLayout(layout)) {
                    ASSERT_TRUE(r.MainCalRect.has_value());
                    EXPECT_TRUE(inside(*r.MainCalRect, r.PageRect));
                } else {
                    EXPECT_FALSE(r.MainCalRect.has_value());
                }
                if (!r.ShowMiniCals)
                    continue;
                for (int i = 1; i <= r.MiniCalCount; ++i) {
                    const PixelRect& mini = r.MiniCalRect(i);
                    EXPECT_TRUE(inside(mini, r.PageRect)) << "mini " << i;
                    for (int j = i + 1; j <= r.MiniCalCount; ++j)
                        EXPECT_FALSE(mini.Intersects(r.MiniCalRect(j))) << "minis " << i << " and " << j;
                    // Only the title-corner minis lie on the main grid.
                    if (r.MainCalRect && layout != loFCMinisInTitle && layout != loFCMinisInTitleLS) {
                        EXPECT_FALSE(mini.Intersects(*r.MainCalRect)) << "mini " << i;
                    }
                }
            }
        }
    }
}

TEST(PageLayout, MiniMonthsRunFromTheLayoutsFirstOffsetAcrossYearEnds)
{
    const PageLayoutResults january = layOut(loFCMinisInTitle, false, false, 1, 2000);
    EXPECT_EQ(january.MiniCalMonth(1), (MonthYear{12, 1999}));
    EXPECT_EQ(january.MiniCalMonth(2), (MonthYear{2, 2000}));
    const PageLayoutResults december = layOut(loFCMinisInTitleLS, false, false, 12, 2000);
    EXPECT_EQ(december.MiniCalMonth(1), (MonthYear{11, 2000}));
    EXPECT_EQ(december.MiniCalMonth(2), (MonthYear{1, 2001}));

    const PageLayoutResults six = layOut(loFC6Before6After, false, false, 3, 2001);
    EXPECT_EQ(six.MiniCalMonth(1), (MonthYear{9, 2000}));
    EXPECT_EQ(six.MiniCalMonth(6), (MonthYear{2, 2001}));
    EXPECT_EQ(six.MiniCalMonth(7), (MonthYear{4, 2001}));
    EXPECT_EQ(six.MiniCalMonth(12), (MonthYear{9, 2001}));

    const PageLayoutResults after = layOut(loFC12After, false, false, 5, 1999);
    EXPECT_EQ(after.MiniCalMonth(1), (MonthYear{6, 1999}));
    EXPECT_EQ(after.MiniCalMonth(12), (MonthYear{5, 2000}));

    const PageLayoutResults sixty = layOut(loMC60MonthLS, false, false, 7, 1998);
    EXPECT_EQ(sixty.MiniCalMonth(1), (MonthYear{7, 1998}));
    EXPECT_EQ(sixty.MiniCalMonth(60), (MonthYear{6, 2003}));

    EXPECT_EQ(AddMonths(3, 2000, -27), (MonthYear{12, 1997}));
    EXPECT_EQ(AddMonths(3, 2000, 0), (MonthYear{3, 2000}));
    // Any int: the count stops at the ends of the year range instead of wrapping.
    constexpr int maxYear = std::numeric_limits<int>::max(), minYear = std::numeric_limits<int>::min();
    EXPECT_EQ(AddMonths(11, maxYear, 1), (MonthYear{12, maxYear}));
    EXPECT_EQ(AddMonths(12, maxYear, 1), (MonthYear{12, maxYear}));
    EXPECT_EQ(AddMonths(2, minYear, -1), (MonthYear{1, minYear}));
    EXPECT_EQ(AddMonths(1, minYear, -5), (MonthYear{1, minYear}));
    EXPECT_EQ(AddMonths(1, -1, -1), (MonthYear{12, -2}));
}

TEST(PageLayout, BorderAllowanceMovesEverythingInwardButNotThePageRect)
{
    // Everything drawn lies in the content rectangle of its margins; with the
    // allowance the plain drawing no longer fits the framed content, the
    // framed one does.
    auto drawnBox = [](const PageLayoutResults& r) {
        PixelRect box = r.MainCalRect.value_or(r.MiniCalRect(1));
        auto grow = [&box](const PixelRect& a) {
            box = {qMin(box.left, a.left), qMin(box.top, a.top), qMax(box.right, a.right),
                   qMax(box.bottom, a.bottom)};
        };
        if (r.ShowMainGrid || r.PlannerMode)
            grow(*r.MainCalRect);
        for (int i = 1; r.ShowMiniCals && i <= r.MiniCalCount; ++i)
            grow(r.MiniCalRect(i));
        return box;
    };
    for (int l = 0; l < CalendarLayoutCount; ++l) {
        const auto layout = TCalendarLayout(l);
        const PageLayoutResults plain = layOut(layout);
        const PageLayoutResults framed = layOut(layout, false, true);
        SCOPED_TRACE(l);
        EXPECT_EQ(plain.PageRect, framed.PageRect);
        // 0.72 inch is 69 pixels; the content starts 2 pixels further in.
        const PixelRect framedContent{71, 71, plain.PageWidthPx - 71, plain.PageHeightPx - 71};
        EXPECT_TRUE(inside(drawnBox(framed), framedContent));
        const PixelRect plainBox = drawnBox(plain);
        EXPECT_TRUE(plainBox.left < 71 && plainBox.top < 71);
        if (plain.MainCalRect && framed.MainCalRect && !IsMiniOnlyLayout(layout)) {
            EXPECT_TRUE(inside(*framed.MainCalRect, *plain.MainCalRect));
        }
    }
    EXPECT_EQ(*layOut(loFullCalendar, false, true).MainCalRect, (PixelRect{71, 71, 816 - 71, 1056 - 71}));
}

TEST(PageLayout, LayoutsKeepWhatTheyDoNotSetAndMiniFontsFollowTheTable)
{
    PageLayoutInput in;
    in.CalendarLayout = loFC12After;
    const PageLayoutResults withMinis = UpdatePageLayout(in, PageLayoutResults{});

    in.CalendarLayout = loWeek;
    const PageLayoutResults planner = UpdatePageLayout(in, withMinis);
    EXPECT_EQ(planner.MiniCalCount, 12);
    EXPECT_EQ(planner.MiniCalRects, withMinis.MiniCalRects);
    EXPECT_FALSE(planner.ShowMiniCals);

    in.CalendarLayout = loMC24Month;
    const PageLayoutResults minisOnly = UpdatePageLayout(in, planner);
    EXPECT_EQ(minisOnly.MainCalRect, planner.MainCalRect);

    EXPECT_FALSE(minisOnly.MiniFontSize.has_value());
    in.ResetMiniFonts = true;
    EXPECT_EQ(UpdatePageLayout(in, planner).MiniFontSize, 12);
    in.CalendarLayout = loDay15;
    EXPECT_FALSE(UpdatePageLayout(in, planner).MiniFontSize.has_value());
    in.CalendarLayout = loMC60MonthLS;
    EXPECT_EQ(UpdatePageLayout(in, planner).MiniFontSize, 8);

    const std::pair<int, int> sizes[] = {{10, 8}, {18, 14}, {12, 10}, {8, 6}};
    for (auto [title, small] : sizes) {
        const MiniFontSizes s = MiniFontSizesFor(title);
        EXPECT_EQ(s.title, title);
        EXPECT_EQ(s.headers, small);
        EXPECT_EQ(s.cell, small);
    }
}

TEST(PageLayout, InchesAndMarginSumsAreSinglePrecisionAndRoundHalfToEven)
{
    EXPECT_EQ(InchToPixels(0.5f, 5), 2);    // 2.5 goes to even
    EXPECT_EQ(InchToPixels(1.5f, 5), 8);    // 7.5 goes to even
    EXPECT_EQ(InchToPixels(0.7f, 5), 3);    // 0.7f is 0.69999999, so 3.4999999

    // 0.45f + 1.3 is 1.74999999 in double but exactly 1.75 once stored as a
    // single: at 2 ppi the band is Round(3.5) = 4 pixels, not 3.
    PageLayoutInput in;
    in.CalendarLayout = loFC6Before6After;
    in.TopMarginInch = 0.45f;
    in.PPI = 2;
    EXPECT_EQ(UpdatePageLayout(in, {}).MainCalRect->top, 4 + 2);
}

TEST(PageLayout, MarginsFarBeyondThePaperKeepEveryPositionNearThePage)
{
    // A file may hold any margin; the page then has no room, but no position
    // runs away (the painter's arithmetic would overflow).
    for (const float margin : {-3.0e7f, 2.0e7f, 1.0e30f}) {
        for (int layout = 0; layout <= loDay15; ++layout) {
            const PageLayoutResults r = layOut(TCalendarLayout(layout), false, true, 1, 1997, margin);
            std::vector<PixelRect> rects(r.MiniCalRects.begin(), r.MiniCalRects.end());
            rects.push_back(r.PageRect);
            rects.push_back(r.MainCalRect.value_or(PixelRect{}));
            for (const PixelRect& rect : rects)
                for (int v : {rect.left, rect.top, rect.right, rect.bottom})
                    EXPECT_LT(std::abs(v), 4 * 1056) << "layout " << layout << " margin " << margin;
        }
    }
    // Margins within the paper are taken as they are.
    EXPECT_EQ(layOut(loFullCalendar, false, false, 1, 1997, 10.5f).PageRect.top, 1008);
}
