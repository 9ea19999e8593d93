// The page as drawn on screen: pixels where the layout says something must be.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include "RenderTestSupport.h"
#include "TestSupport.h"
#include "persist/Font.h"
#include "platform/ProgramFolder.h"
#include "platform/WmfWriter.h"
#include "richtext/WPRtfStorage.h"
#include "richtext/WPRtfText.h"

using namespace vellumy::test;

namespace {

constexpr TColor Yellow = 0x0000FFFF;     // 0x00BBGGRR
constexpr TColor LightGreen = 0x00C0FFC0;
constexpr TColor Red = 0x000000FF;

PixelRect gridQ(const CalDrawParams& p)
{
    return {p.Rect.left, p.Rect.top, p.Rect.right - 1, p.Rect.bottom - 1};
}

// A glyph drawn alone on white, cut to its ink.
QImage glyphAlone(const QFont& font, const QString& text)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(50, 70), text);
    }
    return image.copy(InkBox(image, image.rect()));
}

TWPRtfText plainRtf(const char* text)
{
    return TWPRtfText(QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ") + text + "\\par}");
}

} // namespace

TEST(RenderPage, TitleBandIsFilledAndUserTitleKeepsItsAmpersand)
{
    auto page = JanuaryPage();
    page->SetTitleBGColor(Yellow);
    const QImage plain = page->DrawPage().copy();
    const CalDrawParams& p = page->MainDrawParams();
    const PixelRect band = p.TitleRect;
    // The band inside the grid's outer border lines.
    const QRect bandArea(gridQ(p).left + 1, band.top, gridQ(p).Width() - 1, band.Height() + 1);
    // The whole band is yellow except the title's ink.
    const QRect titleInk = InkBox(plain, bandArea, QColor(255, 255, 0));
    EXPECT_FALSE(titleInk.isEmpty());
    EXPECT_GT(CountPixels(plain, bandArea, QColor(255, 255, 0)), bandArea.width() * bandArea.height() * 8 / 10);
    // The generated title is centred.
    EXPECT_NEAR(titleInk.center().x(), bandArea.center().x(), 3);
    EXPECT_NEAR(titleInk.center().y(), bandArea.center().y(), 6);

    page->SetUserTitle(QStringLiteral("A B"));
    const int plainWidth = InkBox(page->DrawPage(), bandArea, QColor(255, 255, 0)).width();
    page->SetUserTitle(QStringLiteral("A & B"));
    const QImage withAmpersand = page->DrawPage().copy();
    const QRect ampInk = InkBox(withAmpersand, bandArea, QColor(255, 255, 0));
    // The ampersand is drawn as a character (about as wide as "& "), nothing
    // is taken as a mnemonic.
    const QFont titleFont = p.TitleFont.ToQFont(96);
    const int ampersandAdvance = QFontMetrics(titleFont).horizontalAdvance(QStringLiteral("& "));
    EXPECT_NEAR(ampInk.width() - plainWidth, ampersandAdvance, 3);
    const QImage expected = glyphAlone(titleFont, QStringLiteral("A & B"));
    EXPECT_EQ(withAmpersand.copy(ampInk).convertToFormat(QImage::Format_RGB32).size(), expected.size());
    SaveForInspection(withAmpersand.copy(bandArea), QStringLiteral("render-title-ampersand.png"));
}

TEST(RenderPage, FirstCharHeadersShowOneLetterPerColumn)
{
    auto page = JanuaryPage();
    page->SetHeadersStyle(dsFirstChar);
    const QImage image = page->DrawPage().copy();
    const CalDrawParams& p = page->MainDrawParams();
    const PixelRect Q = gridQ(p);
    const int cw = Q.Width() / 7;
    const QFont font = p.HeadersFont.ToQFont(96);
    const QString letters = QStringLiteral("SMTWTFS");
    for (int c = 0; c < 7; ++c) {
        // Inside the header cell, clear of the row's border lines.
        const QRect cell(Q.left + c * cw + 1, p.HeadersRect.top + 1, cw - 2, p.HeadersRect.Height() - 1);
        const QRect ink = InkBox(image, cell);
        ASSERT_FALSE(ink.isEmpty()) << c;
        EXPECT_EQ(image.copy(ink), glyphAlone(font, letters.mid(c, 1))) << "column " << c;
        EXPECT_NEAR(ink.center().x(), cell.center().x(), 2) << c;
    }

    // Weeks from Monday move the letters along.
    page->SetStartOfWeek(2);
    const QImage monday = page->DrawPage().copy();
    const QRect first(Q.left + 1, p.HeadersRect.top + 1, cw - 2, p.HeadersRect.Height() - 1);
    EXPECT_EQ(monday.copy(InkBox(monday, first)), glyphAlone(font, QStringLiteral("M")));
}

TEST(RenderPage, GridLinesFollowTheCellBorderStyle)
{
    auto page = JanuaryPage();
    // Only the day grid draws lines here.
    page->SetHeadersBorder(cbNone);
    page->SetCalendarBorder(cbNone);
    struct Expect {
        TCalBorderStyle style;
        bool rows[7];
        bool columns;
    };
    const Expect cases[] = {
        {cbAll, {true, true, true, true, true, true, true}, true},
        {cbTopBottom, {true, true, true, true, true, true, true}, false},
        {cbTop, {true, true, true, true, true, true, false}, false},
        {cbBottom, {false, true, true, true, true, true, true}, false},
        {cbNone, {false, false, false, false, false, false, false}, false},
    };
    for (const Expect& e : cases) {
        page->SetCellBorder(e.style);
        const QImage image = page->DrawPage().copy();
        const CalDrawParams& p = page->MainDrawParams();
        const PixelRect Q = gridQ(p);
        const int cw = Q.Width() / 7;
        const int dayTop = p.Cell(1).CellRect.top - 1;
        const int rh = p.Cell(8).CellRect.top - p.Cell(1).CellRect.top;
        const int midX = Q.left + cw / 2;
        for (int k = 0; k <= 6; ++k) {
            const int y = k == 6 ? Q.bottom : dayTop + k * rh;
            EXPECT_EQ(IsBlack(image, midX, y), e.rows[k]) << "style " << e.style << " row line " << k;
        }
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(IsBlack(image, Q.left + c * cw, dayTop + rh / 2), e.columns) << "style " << e.style << " column " << c;
        EXPECT_EQ(IsBlack(image, Q.right, dayTop + rh / 2), e.columns) << e.style;
        if (e.style == cbTopBottom) {
            // A line stops one pixel before its end point.
            EXPECT_TRUE(IsBlack(image, Q.right - 1, dayTop + rh));
            EXPECT_FALSE(IsBlack(image, Q.right, dayTop + rh));
        }
        if (e.style == cbBottom)
            SaveForInspection(image, QStringLiteral("render-cells-bottom.png"));
    }
}

TEST(RenderPage, DayNumbersSitWhereTheNumberPositionPutsThem)
{
    auto page = JanuaryPage();
    page->SetCellBorder(cbNone);
    const QImage upperRight = page->DrawPage().copy();
    const CalDrawParams& p = page->MainDrawParams();
    ASSERT_EQ(p.Cell(4).DayNumber, 1);
    const PixelRect cell = p.Cell(4).CellRect;
    const QRect ink = InkBox(upperRight, cell.ToQRect());
    ASSERT_FALSE(ink.isEmpty());
    const int lineHeight = p.Cell(4).TextRect.top - cell.top;
    EXPECT_GE(ink.right(), cell.right - 4);
    EXPECT_LT(ink.right(), cell.right);
    EXPECT_GE(ink.top(), cell.top);
    EXPECT_LT(ink.bottom(), cell.top + lineHeight);
    // Blank cells stay blank.
    EXPECT_TRUE(InkBox(upperRight, p.Cell(3).CellRect.ToQRect()).isEmpty());

    page->SetNumberPosition(cnpCenter);
    const QImage centred = page->DrawPage().copy();
    const PixelRect wide = page->MainDrawParams().Cell(4).CellRect;
    const QRect centredInk = InkBox(centred, wide.ToQRect());
    EXPECT_NEAR(centredInk.center().x(), wide.ToQRect().center().x(), 2);
    EXPECT_NEAR(centredInk.center().y(), wide.ToQRect().center().y(), 4);
    // A centred number leaves no room for cell text.
    for (int i = 1; i <= DayCellCount; ++i)
        EXPECT_TRUE(page->MainDrawParams().Cell(i).TextRect.IsZero()) << i;
}

TEST(RenderPage, MiniCalendarsLieOnTopOfTheMainGrid)
{
    auto page = JanuaryPage();
    page->SetCalendarLayout(loFCMinisInTitle);
    page->SetTitleBGColor(Yellow);
    page->SetMiniCalBGColor(LightGreen);
    const QImage image = page->DrawPage().copy();
    for (int j = 1; j <= 2; ++j) {
        const QRect mini = page->MiniCalRect(j).ToQRect().adjusted(2, 2, -2, -2);
        EXPECT_EQ(CountPixels(image, mini, QColor(255, 255, 0)), 0) << j;
        EXPECT_GT(CountPixels(image, mini, QColor(0xC0, 0xFF, 0xC0)), mini.width() * mini.height() / 2) << j;
        EXPECT_FALSE(InkBox(image, mini, QColor(0xC0, 0xFF, 0xC0)).isEmpty()) << j;
    }
    // The band around them is the main title's.
    const PixelRect m1 = page->MiniCalRect(1);
    EXPECT_EQ(QColor(image.pixel(m1.right + 5, m1.top + 5)), QColor(255, 255, 0));
    SaveForInspection(image, QStringLiteral("render-minis-in-title.png"));
}

TEST(RenderPage, CellTextIsPaintedInsideItsTextRectangle)
{
    auto page = JanuaryPage();
    const QImage empty = page->DrawPage().copy();
    page->SetCellText(10, plainRtf("Dentist at nine, then the long meeting"));
    for (float zoom : {1.0f, 0.6f}) {
        page->SetZoom(zoom);
        const QImage before = zoom == 1.0f ? empty : [&] {
            TWPRtfText none;
            const TWPRtfText kept = page->GetCellText(10, none);
            page->SetCellText(10, none);
            QImage blank = page->DrawPage().copy();
            page->SetCellText(10, kept);
            return blank;
        }();
        const QImage with = page->DrawPage().copy();
        ASSERT_EQ(with.size(), before.size());
        const PixelRect text = page->MainDrawParams().Cell(10).TextRect;
        QRect changed;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                if (with.pixel(x, y) != before.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        ASSERT_FALSE(changed.isEmpty()) << zoom;
        EXPECT_TRUE(text.ToQRect().contains(changed)) << zoom;
        // The same page drawn again is the same image, from the same parsed
        // text.
        const auto parsed = page->CellTexts(10)->RtfText().SharedDocument();
        EXPECT_EQ(page->DrawPage(), with) << zoom;
        EXPECT_EQ(page->CellTexts(10)->RtfText().SharedDocument(), parsed);
        if (zoom != 1.0f)
            SaveForInspection(with, QStringLiteral("render-cell-text-60.png"));
    }
}

TEST(RenderPage, ThePagePaintsItselfOnlyWhenNotSuspended)
{
    auto page = JanuaryPage();
    page->grab();
    EXPECT_FALSE(page->MainDrawParams().Cell(10).TextRect.IsZero());

    // The container's own snap grid is not part of the calendar page.
    page->SetShowGrid(true);
    const QImage shown = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(CountPixels(shown, shown.rect(), QColor(0, 0x80, 0)), 0);
    EXPECT_EQ(shown, page->DrawPage());

    // While painting is suspended nothing is drawn, so the records stay.
    page->SetPaintingSuspended(true);
    page->SetNumberPosition(cnpCenter);
    page->grab();
    EXPECT_FALSE(page->MainDrawParams().Cell(10).TextRect.IsZero());
    page->SetPaintingSuspended(false);
    page->grab();
    EXPECT_TRUE(page->MainDrawParams().Cell(10).TextRect.IsZero());
}

TEST(RenderPage, PlannersDrawTheirRowsAndLabels)
{
    auto page = JanuaryPage();
    page->SetHeadersBGColor(LightGreen);
    for (TCalendarLayout layout : {loWeek, loDay10}) {
        page->SetCalendarLayout(layout);
        const QImage image = page->DrawPage().copy();
        const CalDrawParams& p = page->MainDrawParams();
        const int rows = layout == loWeek ? 8 : 11;
        for (int r = 1; r <= rows; ++r) {
            const PixelRect cell = p.Cell(r).CellRect;
            EXPECT_FALSE(cell.IsZero()) << r;
            // The label column left of each row holds its label.
            const QRect label(p.Rect.left + 2, cell.top - 3, cell.left - p.Rect.left - 8, cell.Height() + 6);
            EXPECT_FALSE(InkBox(image, label, QColor(0xC0, 0xFF, 0xC0)).isEmpty()) << layout << " row " << r;
            // A line separates it from the next row.
            if (r < rows) {
                EXPECT_TRUE(IsBlack(image, cell.left + 10, cell.bottom + 4)) << layout << " row " << r;
            }
        }
        EXPECT_TRUE(p.Cell(rows + 1).CellRect.IsZero());
        SaveForInspection(image, QStringLiteral("render-planner-%1.png").arg(int(layout)));
    }
}

TEST(RenderPage, BorderPictureIsStretchedOverThePage)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("Borders"));
    {
        TWmfWriter frame;
        frame.SelectObject(frame.CreateBrush(0, QColor(255, 0, 0)));
        frame.SelectObject(frame.CreatePen(5, 0, QColor(0, 0, 0)));   // PS_NULL
        frame.Rectangle(0, 0, 1000, 1000);
        ASSERT_TRUE(frame.Save(folder.filePath(QStringLiteral("Borders/Frame.wpo")), QRect(0, 0, 1000, 1000), 1000));
        QFile bad(folder.filePath(QStringLiteral("Borders/Bad.wpo")));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("no metafile");
    }
    SetProgramFolderForTesting(folder.path());
    auto page = JanuaryPage();
    page->SetWMFBorderFile(QStringLiteral("Frame"));
    ASSERT_EQ(page->WMFBorderFile(), "Frame");
    const auto redAt = [&](const QImage& image, int x, int y) { return QColor(image.pixel(x, y)) == QColor(255, 0, 0); };
    QImage image = page->DrawPage().copy();
    const PixelRect pageRect = page->PageRect();
    EXPECT_TRUE(redAt(image, pageRect.left + 2, pageRect.top + 2));
    EXPECT_TRUE(redAt(image, pageRect.right - 3, pageRect.bottom - 3));
    EXPECT_FALSE(redAt(image, pageRect.left - 2, pageRect.top - 2));
    // The grid lies inside the picture, on its own white paper.
    const PixelRect main = page->MainCalRect();
    EXPECT_FALSE(redAt(image, main.left + 20, (main.top + main.bottom) / 2));

    // A name without a file leaves the picture; a damaged file clears it.
    page->SetWMFBorderFile(QStringLiteral("Missing"));
    EXPECT_EQ(page->WMFBorderFile(), "Frame");
    EXPECT_TRUE(redAt(page->DrawPage(), pageRect.left + 2, pageRect.top + 2));
    page->SetWMFBorderFile(QStringLiteral("Bad"));
    EXPECT_TRUE(page->WMFBorderFile().isEmpty());
    EXPECT_FALSE(redAt(page->DrawPage(), pageRect.left + 2, pageRect.top + 2));

    // At 60 % the picture covers the zoomed page rectangle.
    page->SetWMFBorderFile(QStringLiteral("Frame"));
    page->SetZoom(0.6f);
    image = page->DrawPage().copy();
    EXPECT_EQ(image.size(), QSize(490, 634));
    const PixelRect zoomed = ZoomedRect(pageRect, 0.6f);
    EXPECT_TRUE(redAt(image, zoomed.left + 1, zoomed.top + 1));
    EXPECT_FALSE(redAt(image, zoomed.left - 2, zoomed.top + 10));
    SetProgramFolderForTesting(DefaultProgramFolder());
}
