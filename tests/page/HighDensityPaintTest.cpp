// The page on a high-density screen: drawn at the screen's own resolution, in
// the places the one-pixel-per-pixel page has them, and clicked where drawn.
#include <gtest/gtest.h>

#include <QTest>

#include "RenderTestSupport.h"
#include "TestSupport.h"
#include "persist/Font.h"
#include "richtext/WPRtfText.h"

using namespace vellumy::test;

namespace {

constexpr int NoteCell = 10;   // January 7th, 1997

// A page whose texts carry every decoration the page draws itself (title
// underlined and struck out, day numbers struck out), with a red note in one
// cell.
std::unique_ptr<TCalendarPanel32> decoratedPage()
{
    auto page = JanuaryPage();
    page->TitleFont().SetStyleBits(TFont::fsBold | TFont::fsUnderline | TFont::fsStrikeOut);
    page->CellFont().SetStyleBits(TFont::fsStrikeOut);
    page->SetCellText(NoteCell, TWPRtfText(QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}"
                                                     "{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs20\\cf1 "
                                                     "Dentist at nine, then the long meeting\\par}")));
    page->DrawPage();
    return page;
}

// The page painted through its widget into an image of `ratio` pixels per
// page pixel, as a high-density screen's backing store receives it.
QImage paintAt(TCalendarPanel32& page, qreal ratio)
{
    QImage image((QSizeF(page.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::gray);
    page.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 160 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

// Runs of dark pixels along a column (vertical) or a row: (start, length).
QList<QPair<int, int>> darkRuns(const QImage& image, int fixed, bool vertical)
{
    QList<QPair<int, int>> runs;
    const int n = vertical ? image.height() : image.width();
    for (int i = 0; i < n; ++i) {
        if (!isDark(vertical ? image.pixel(fixed, i) : image.pixel(i, fixed)))
            continue;
        if (!runs.isEmpty() && runs.last().first + runs.last().second == i)
            ++runs.last().second;
        else
            runs.append({i, 1});
    }
    return runs;
}

// Every line crossed at ratio 1 is crossed at ratio 2 at twice its place
// (within a page pixel) and is no more than twice as thick: no soft band.
void expectSameLinesSharper(const QImage& one, const QImage& two, int fixed, bool vertical)
{
    const auto single = darkRuns(one, fixed, vertical);
    const auto doubled = darkRuns(two, 2 * fixed + 1, vertical);
    ASSERT_GE(single.size(), 5) << "fixed " << fixed;
    ASSERT_EQ(doubled.size(), single.size()) << "fixed " << fixed;
    for (qsizetype i = 0; i < single.size(); ++i) {
        EXPECT_NEAR(doubled[i].first, 2 * single[i].first, 2) << "line " << i << " fixed " << fixed;
        EXPECT_LE(doubled[i].second, 2 * single[i].second) << "line " << i << " fixed " << fixed;
    }
}

// Rows of the box in which one dark stretch crosses nearly all of it: the
// underline and strike-out of a word, never its glyphs.
QList<int> decorationRows(const QImage& image, const QRect& box)
{
    QList<int> rows;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        int dark = 0;
        for (int x = box.left(); x <= box.right(); ++x)
            dark += isDark(image.pixel(x, y));
        if (dark >= box.width() * 9 / 10)
            rows.append(y);
    }
    return rows;
}

QRect scaled(const PixelRect& r, int factor)
{
    return QRect(r.left * factor, r.top * factor, r.Width() * factor, r.Height() * factor);
}

} // namespace

TEST(HighDensityPaint, PageAtRatioTwoIsTheSamePageSharper)
{
    auto page = decoratedPage();
    const QImage one = paintAt(*page, 1);
    const QImage two = paintAt(*page, 2);
    ASSERT_EQ(two.size(), one.size() * 2);
    SaveForInspection(two, QStringLiteral("high-density-ratio-2.png"));

    const CalDrawParams& p = page->MainDrawParams();
    const DayCellInfo& emptyRowCell = p.Cell(17);
    // Down the first column (header lines, grid rows, frame) and across an
    // empty row (the column lines).
    expectSameLinesSharper(one, two, p.Cell(1).CellRect.left + 2, true);
    expectSameLinesSharper(one, two, (emptyRowCell.CellRect.top + emptyRowCell.CellRect.bottom) / 2, false);

    // The title's underline and strike-out and a day number's strike-out lie
    // where they lie at ratio 1 (small text is drawn from cached glyphs, large
    // text as outlines: both ways).
    const PixelRect band{p.TitleRect.left + 3, p.TitleRect.top + 3, p.TitleRect.right - 3, p.TitleRect.bottom - 3};
    const QRect title2 = InkBox(two, scaled(band, 2));
    for (const PixelRect& area : {band, p.Cell(NoteCell + 1).CellRect}) {
        const QList<int> rows1 = decorationRows(one, InkBox(one, area.ToQRect()));
        const QList<int> rows2 = decorationRows(two, InkBox(two, scaled(area, 2)));
        ASSERT_FALSE(rows1.isEmpty());
        auto near = [](const QList<int>& rows, double y) {
            return std::any_of(rows.begin(), rows.end(), [&](int r) { return std::abs(r - y) <= 2; });
        };
        for (int y : rows1)
            EXPECT_TRUE(near(rows2, 2 * y)) << "decoration row " << y << " in " << area.left << "," << area.top;
        for (int y : rows2)
            EXPECT_TRUE(near(rows1, y / 2.0)) << "ratio-2 decoration row " << y << " in " << area.left << ","
                                              << area.top;
    }

    // Drawn at its own resolution, not the ratio-1 page blown up: the title's
    // glyph edges do not come in 2 x 2 blocks.
    int inkBlocks = 0, unevenBlocks = 0;
    for (int y = title2.top() & ~1; y < title2.bottom(); y += 2)
        for (int x = title2.left() & ~1; x < title2.right(); x += 2) {
            const QRgb a = two.pixel(x, y);
            const bool even = two.pixel(x + 1, y) == a && two.pixel(x, y + 1) == a && two.pixel(x + 1, y + 1) == a;
            inkBlocks += !even || a != qRgb(255, 255, 255);
            unevenBlocks += !even;
        }
    EXPECT_GT(unevenBlocks * 5, inkBlocks);
}

TEST(HighDensityPaint, ClickAtRatioOneAndAHalfOpensTheCellDrawnThere)
{
    auto page = decoratedPage();
    const QImage image = paintAt(*page, 1.5);
    SaveForInspection(image, QStringLiteral("high-density-ratio-1.5.png"));

    // The red note, found in the image's own pixels.
    QRect note;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isRed(image.pixel(x, y)))
                note |= QRect(x, y, 1, 1);
    ASSERT_FALSE(note.isEmpty());
    // The column lines either side of it, unbroken down the whole cell.
    const int row = note.center().y();
    int leftLine = note.left(), rightLine = note.right();
    while (leftLine > 0 && !isDark(image.pixel(leftLine, row)))
        --leftLine;
    while (rightLine < image.width() - 1 && !isDark(image.pixel(rightLine, row)))
        ++rightLine;

    int index = 0;
    PixelRect textRect;
    page->ClickedInCellEvent = [&](QObject*, const QFont&, PixelRect&, TWPRtfStorage*&, int, int i, PixelRect& r) {
        index = i;
        textRect = r;
    };
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPointF(note.center() / 1.5).toPoint());
    EXPECT_EQ(index, NoteCell);
    // The cell editor goes over the text rectangle: it covers the drawn note
    // and stays between the drawn lines.
    const QRectF editor(textRect.left * 1.5, textRect.top * 1.5, textRect.Width() * 1.5, textRect.Height() * 1.5);
    EXPECT_TRUE(editor.adjusted(-1, -1, 1, 1).contains(QRectF(note))) << note.x() << "," << note.y();
    EXPECT_LT(leftLine, editor.left());
    EXPECT_GT(rightLine, editor.right());
    // Every column line is as thick as every other (two device pixels).
    const auto columnLines = darkRuns(image, note.bottom() + 3, false);
    EXPECT_EQ(columnLines.size(), 8);
    for (const auto& line : columnLines)
        EXPECT_EQ(line.second, 2) << "line at " << line.first;
    for (int y = int(editor.top()); y < int(editor.bottom()); ++y) {
        EXPECT_TRUE(isDark(image.pixel(leftLine, y)) || isDark(image.pixel(leftLine - 1, y))) << y;
        EXPECT_TRUE(isDark(image.pixel(rightLine, y)) || isDark(image.pixel(rightLine + 1, y))) << y;
    }
}
