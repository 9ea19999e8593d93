// The day cells: storages, hit tests, clicks and the editor's stepping.
#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>

#include "RenderTestSupport.h"
#include "objects/GGraphicControl.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"
#include "richtext/WPRtfText.h"

using namespace vellumy::test;

namespace {

TWPRtfText note(const char* text)
{
    return TWPRtfText(QByteArray("{\\rtf1\\ansi ") + text + "\\par}");
}

struct CellEvents {
    QList<int> indices;
    QList<PixelRect> textRects;
    QList<int> days;
    void attach(TCalendarPanel32& page)
    {
        page.ClickedInCellEvent = [this](QObject*, const QFont&, PixelRect&, TWPRtfStorage*& storage, int day,
                                         int index, PixelRect& textRect) {
            EXPECT_NE(storage, nullptr);
            indices.append(index);
            days.append(day);
            textRects.append(textRect);
        };
    }
};

} // namespace

TEST(CellTexts, ThePageOwnsItsStoragesAndCellPainter)
{
    auto page = JanuaryPage();
    QSet<TWPRtfStorage*> seen;
    for (int i = 1; i <= DayCellCount; ++i) {
        TWPRtfStorage* storage = page->CellTexts(i);
        ASSERT_NE(storage, nullptr);
        EXPECT_EQ(storage->Owner(), page.get());
        EXPECT_TRUE(storage->IsEmpty());
        seen.insert(storage);
    }
    seen.insert(page->EmptyCellText());
    EXPECT_EQ(seen.size(), DayCellCount + 1);
    EXPECT_EQ(page->EmptyCellText()->Owner(), page.get());

    QPointer<TWPRichText> painter = page->CellPainter();
    ASSERT_TRUE(painter);
    EXPECT_EQ(painter->parentWidget(), page.get());
    EXPECT_EQ(painter->geometry(), QRect(1300, 0, 50, 50));
    EXPECT_TRUE(painter->isHidden());
    // Not a page object: the object operations never see it.
    EXPECT_TRUE(page->PageObjects().isEmpty());
    page.reset();
    EXPECT_FALSE(painter);
}

TEST(CellTexts, TextsByIndexClearingAndHasCellText)
{
    auto page = JanuaryPage();
    const TWPRtfText fallback = note("fallback");
    EXPECT_FALSE(page->HasCellText());
    page->SetCellText(0, note("ignored"));
    page->SetCellText(43, note("ignored"));
    EXPECT_FALSE(page->HasCellText());
    EXPECT_EQ(page->GetCellText(43, fallback).RtfBytes(), fallback.RtfBytes());
    EXPECT_EQ(page->GetCellText(0, fallback).RtfBytes(), fallback.RtfBytes());

    page->SetCellText(42, note("last"));
    EXPECT_TRUE(page->HasCellText());
    EXPECT_EQ(page->GetCellText(42, fallback).RtfBytes(), note("last").RtfBytes());
    // A copy: changing the source later does not reach the cell.
    TWPRtfText source = note("first");
    page->SetCellText(1, source);
    source.SetRtfBytes("{\\rtf1 changed}");
    EXPECT_EQ(page->GetCellText(1, fallback).RtfBytes(), note("first").RtfBytes());

    page->DrawPage();
    const PixelRect cell = page->MainDrawParams().Cell(12).CellRect;
    EXPECT_TRUE(page->PointInAnyCell(cell.left, cell.top));
    EXPECT_FALSE(page->PointInAnyCell(cell.right, cell.top));   // half-open
    page->ClearAllCells();
    EXPECT_FALSE(page->HasCellText());
    EXPECT_TRUE(page->CellTexts(42)->IsEmpty());
    for (int i = 1; i <= DayCellCount; ++i) {
        EXPECT_TRUE(page->MainDrawParams().Cell(i).CellRect.IsZero());
        EXPECT_TRUE(page->MainDrawParams().Cell(i).TextRect.IsZero());
    }
    for (int y = 0; y < page->height(); y += 7)
        for (int x = 0; x < page->width(); x += 7)
            ASSERT_FALSE(page->PointInAnyCell(x, y)) << x << "," << y;
    // Until the next drawing.
    page->DrawPage();
    EXPECT_TRUE(page->PointInAnyCell(cell.left, cell.top));
}

TEST(CellTexts, DaysAndCells)
{
    auto page = JanuaryPage();   // January 1997 starts on a Wednesday
    page->DrawPage();
    EXPECT_EQ(page->FindCellByDay(1), 4);
    EXPECT_EQ(page->GetCellDay(4), 1);
    EXPECT_EQ(page->FindCellByDay(31), 34);
    EXPECT_EQ(page->GetCellDay(0), 0);
    EXPECT_EQ(page->GetCellDay(43), 0);
    page->SetMainCalMonth(4);   // 30 days
    page->DrawPage();
    EXPECT_EQ(page->FindCellByDay(31), -1);
    page->SetStartOfWeek(2);    // April 1997 starts on a Tuesday
    page->DrawPage();
    EXPECT_EQ(page->FindCellByDay(1), 2);
}

TEST(CellTexts, ClicksReachTheCellUnlessAnObjectCoversIt)
{
    auto page = JanuaryPage();
    page->DrawPage();
    CellEvents events;
    events.attach(*page);
    int plainClicks = 0;
    page->OnClick = [&](QObject*) { ++plainClicks; };

    const PixelRect free = page->MainDrawParams().Cell(11).CellRect;
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPoint(free.left + 3, free.top + 3));
    EXPECT_EQ(events.indices, QList<int>{11});
    EXPECT_EQ(events.days, QList<int>{8});
    EXPECT_EQ(events.textRects.last(), page->MainDrawParams().Cell(11).TextRect);

    // A page object over cell 12 takes the click: no cell, no OnClick.
    const PixelRect covered = page->MainDrawParams().Cell(12).CellRect;
    auto* object = new TGGraphicControl(nullptr, page.get());
    object->SetBounds(covered.left, covered.top, 40, 40);
    object->show();
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPoint(covered.left + 10, covered.top + 10));
    EXPECT_EQ(events.indices, QList<int>{11});
    EXPECT_EQ(plainClicks, 0);
    // The rest of the cell still opens it, and ClickCellAt does not look at
    // objects (a dropped picture goes into the cell under it).
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPoint(covered.left + 60, covered.bottom - 5));
    page->ClickCellAt(covered.left + 10, covered.top + 10);
    EXPECT_EQ(events.indices, (QList<int>{11, 12, 12}));
    page->ClickCellAt(1, 1);
    EXPECT_EQ(events.indices.size(), 3);

    // Without a cell handler a cell click goes nowhere, not to OnClick.
    page->ClickedInCellEvent = nullptr;
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPoint(free.left + 3, free.top + 3));
    EXPECT_EQ(plainClicks, 0);
    // Outside the cells it is a plain click; tools take no clicks at all.
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(plainClicks, 1);
    page->SetPanelState(psLabel);
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(plainClicks, 1);
    page->SetPanelState(psPointing);

    // A mini-only page raises OnClick, never the cell event.
    events.attach(*page);
    page->SetCalendarLayout(loMC12Month);
    page->DrawPage();
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPoint(free.left + 3, free.top + 3));
    EXPECT_EQ(events.indices.size(), 3);
    EXPECT_EQ(plainClicks, 2);
}

TEST(CellTexts, TabSteppingSkipsCellsWithoutTextArea)
{
    auto page = JanuaryPage();
    CellEvents events;
    events.attach(*page);
    page->SetCalendarLayout(loWeek);   // 7 days and Notes: cells 1..8
    page->DrawPage();
    page->ActivateNextCell(3);
    page->ActivatePreviousCell(3);
    page->ActivateNextCell(8);         // cell 9 has no text area
    page->ActivatePreviousCell(1);     // nothing before the first
    page->ActivateNextCell(42);        // nothing after the last
    page->ActivatePreviousCell(43);
    page->ActivateCell(8);
    EXPECT_EQ(events.indices, (QList<int>{4, 2, 8}));
    EXPECT_EQ(events.days.last(), 0);  // the Notes row

    // Centred numbers: no text areas, so Tab goes nowhere, while a click on
    // a cell still raises the event with an empty text rectangle.
    page->SetCalendarLayout(loFullCalendar);
    page->SetNumberPosition(cnpCenter);
    page->DrawPage();
    events.indices.clear();
    page->ActivateNextCell(10);
    page->ActivatePreviousCell(10);
    EXPECT_TRUE(events.indices.isEmpty());
    const PixelRect cell = page->MainDrawParams().Cell(10).CellRect;
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPoint(cell.left + 2, cell.top + 2));
    EXPECT_EQ(events.indices, QList<int>{10});
    EXPECT_TRUE(events.textRects.last().IsZero());
}
