// Text records: where the ink of a string lands for each alignment, rotated
// fonts, the current position, backgrounds, character spacing and clipping.
#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "TestSupport.h"
#include "WmfTestSupport.h"
#include "platform/WmfCharset.h"
#include "platform/WmfRecords.h"

using namespace wmftest;
using namespace wmf;
using vellumy::test::CountPixels;

namespace {

// Draws "HHHH" at (200, 200) in 40-pixel Arial with the given alignment and
// returns the ink box; H has no descender and flat sides.
QRect textInk(int align, int escapement = 0, const char* text = "HHHH")
{
    TWmfWriter w;
    TWmfWriter::FontSpec font;
    font.height = -40;
    font.escapement = escapement;
    w.SelectObject(w.CreateFont(font));
    w.SetBkMode(TRANSPARENT);
    w.SetTextAlign(align);
    w.TextOut(200, 200, text);
    return InkBounds(Render(Placeable(w, 400, 400), QSize(400, 400)));
}

QFont arial40()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(40);
    return f;
}

} // namespace

TEST(WmfText, AlignmentPlacesTheReferencePoint)
{
    const QFontMetricsF m(arial40());
    const double width = m.horizontalAdvance(QStringLiteral("HHHH"));
    const double capHeight = m.capHeight();

    const QRect topLeft = textInk(TA_TOP | TA_LEFT);
    EXPECT_NEAR(topLeft.top(), 200 + m.ascent() - capHeight, 2);
    EXPECT_NEAR(topLeft.left(), 200, 4);
    EXPECT_NEAR(topLeft.width(), width, 8);

    const QRect baseline = textInk(TA_BASELINE | TA_LEFT);
    EXPECT_NEAR(baseline.bottom(), 199, 1);

    const QRect bottom = textInk(TA_BOTTOM | TA_LEFT);
    EXPECT_NEAR(bottom.bottom(), 199 - m.descent(), 2);

    const QRect right = textInk(TA_TOP | TA_RIGHT);
    EXPECT_NEAR(right.right(), 199, 4);
    EXPECT_EQ(right.top(), topLeft.top());

    const QRect centre = textInk(TA_BASELINE | TA_CENTER);
    EXPECT_NEAR(centre.center().x(), 200, 2);
}

TEST(WmfText, EscapementTurnsTextCounterClockwise)
{
    // 90 degrees: the text runs upwards from the reference point on its
    // baseline, and the letters stand to the left of it.
    const QRect up = textInk(TA_BASELINE | TA_LEFT, 900);
    EXPECT_GT(up.height(), 2 * up.width());
    EXPECT_NEAR(up.bottom(), 199, 4);
    EXPECT_LT(up.top(), 100);
    EXPECT_LE(up.right(), 200);

    // 180 degrees: upside down, running to the left.
    const QRect down = textInk(TA_BASELINE | TA_LEFT, 1800);
    EXPECT_NEAR(down.right(), 200, 4);
    EXPECT_GE(down.top(), 199);

    // 45 degrees: up and to the right, as wide as tall.
    const QRect slanted = textInk(TA_BASELINE | TA_LEFT, 450, "HHHHHH");
    EXPECT_NEAR(double(slanted.width()) / slanted.height(), 1.0, 0.25);
    EXPECT_LT(slanted.top(), 120);
    EXPECT_GT(slanted.right(), 300);
}

TEST(WmfText, UpdateCurrentPositionChainsStrings)
{
    auto ink = [](bool chained) {
        TWmfWriter w;
        TWmfWriter::FontSpec font;
        font.height = -40;
        w.SelectObject(w.CreateFont(font));
        w.SetBkMode(TRANSPARENT);
        w.MoveTo(20, 100);
        if (chained) {
            w.SetTextAlign(TA_UPDATECP | TA_TOP);
            w.TextOut(999, 999, "HH"); // coordinates are ignored
            w.TextOut(999, 999, "HH");
        } else {
            w.TextOut(20, 100, "HHHH");
        }
        return InkBounds(Render(Placeable(w, 400, 400), QSize(400, 400)));
    };
    const QRect together = ink(false);
    const QRect chained = ink(true);
    EXPECT_NEAR(chained.left(), together.left(), 1);
    EXPECT_NEAR(chained.right(), together.right(), 2);
    EXPECT_EQ(chained.top(), together.top());
}

TEST(WmfText, BackgroundColourSpacingAndClipping)
{
    TWmfWriter::FontSpec font;
    font.height = -40;
    // Opaque background paints the text cell; transparent does not.
    for (int mode : {OPAQUE, TRANSPARENT}) {
        TWmfWriter w;
        w.SelectObject(w.CreateFont(font));
        w.SetBkMode(mode);
        w.SetBkColor(Qt::yellow);
        w.SetTextColor(Qt::blue);
        w.TextOut(10, 10, "HI");
        const QImage image = Render(Placeable(w, 200, 100), QSize(200, 100));
        EXPECT_EQ(CountPixels(image, image.rect(), Qt::yellow) > 500, mode == OPAQUE) << mode;
        EXPECT_GT(CountPixels(image, image.rect(), Qt::blue), 50);
    }
    // A dx array places every character: four letters 50 units apart.
    {
        TWmfWriter w;
        w.SelectObject(w.CreateFont(font));
        w.SetBkMode(TRANSPARENT);
        w.ExtTextOut(10, 10, 0, nullptr, "IIII", {50, 50, 50, 50});
        const QRect ink = InkBounds(Render(Placeable(w, 400, 100), QSize(400, 100)));
        EXPECT_NEAR(ink.width(), 150 + QFontMetricsF(arial40()).boundingRect(QLatin1Char('I')).width(), 4);
    }
    // Character spacing adds to every advance.
    {
        TWmfWriter plain, spaced;
        for (TWmfWriter* w : {&plain, &spaced}) {
            w->SelectObject(w->CreateFont(font));
            w->SetBkMode(TRANSPARENT);
        }
        spaced.SetTextCharExtra(20);
        plain.TextOut(10, 10, "IIII");
        spaced.TextOut(10, 10, "IIII");
        const int a = InkBounds(Render(Placeable(plain, 400, 100), QSize(400, 100))).width();
        const int b = InkBounds(Render(Placeable(spaced, 400, 100), QSize(400, 100))).width();
        EXPECT_NEAR(b - a, 60, 3);
    }
    // ETO_CLIPPED keeps the text inside its rectangle; ETO_OPAQUE fills it.
    {
        TWmfWriter w;
        w.SelectObject(w.CreateFont(font));
        w.SetBkColor(Qt::yellow);
        const QRect clip(0, 0, 60, 100);
        w.ExtTextOut(10, 10, ETO_CLIPPED | ETO_OPAQUE, &clip, "HHHHHH");
        const QImage image = Render(Placeable(w, 400, 100), QSize(400, 100));
        EXPECT_LE(InkBounds(image).right(), 60);
        EXPECT_GT(CountPixels(image, QRect(0, 0, 60, 100), Qt::yellow), 3000);
    }
}

TEST(WmfText, FontStyleAndSize)
{
    auto ink = [](TWmfWriter::FontSpec font, const char* text) {
        TWmfWriter w;
        w.SelectObject(w.CreateFont(font));
        w.SetBkMode(TRANSPARENT);
        w.TextOut(10, 10, text);
        return Render(Placeable(w, 400, 100), QSize(400, 100));
    };
    TWmfWriter::FontSpec font;
    font.height = -40;
    const QImage regular = ink(font, "HHHH");
    font.weight = 700;
    const QImage bold = ink(font, "HHHH");
    EXPECT_GT(CountPixelsNotWhite(bold), CountPixelsNotWhite(regular) * 1.2);
    // A positive height is the cell (ascent + descent), so the letters are smaller.
    font.weight = 400;
    font.height = 40;
    const QImage cell = ink(font, "HHHH");
    EXPECT_LT(InkBounds(cell).height(), InkBounds(regular).height());
    // Underline and strike-out add lines below and through the letters.
    font.height = -40;
    font.underline = true;
    EXPECT_GT(InkBounds(ink(font, "HHHH")).bottom(), InkBounds(regular).bottom() + 2);
    // Stretching the width makes the text wider.
    font.underline = false;
    font.width = 40;
    EXPECT_GT(InkBounds(ink(font, "HHHH")).width(), InkBounds(regular).width() * 1.3);
}

TEST(WmfText, CharacterSetsDecodeToUnicode)
{
    EXPECT_EQ(DecodeWmfText("\x80 caf\xE9", ANSI_CHARSET), QStringLiteral(u"\u20AC caf\u00E9"));
    EXPECT_EQ(DecodeWmfText("\xC0\xE0", RUSSIAN_CHARSET), QStringLiteral(u"\u0410\u0430"));
    EXPECT_EQ(DecodeWmfText("abp", SYMBOL_CHARSET, QStringLiteral("Symbol")), QStringLiteral(u"\u03B1\u03B2\u03C0"));
    EXPECT_EQ(DecodeWmfText("\xA5", SYMBOL_CHARSET, QStringLiteral("Symbol")), QStringLiteral(u"\u221E"));
}

TEST(WmfText, SizeAndPlaceDoNotDependOnThePainterUnits)
{
    // The same picture drawn into pixels and into a painter working in inches
    // (as the print surface does) lands on the same pixels.
    TWmfWriter w;
    TWmfWriter::FontSpec font;
    font.height = -30;
    w.SelectObject(w.CreateFont(font));
    w.SetBkMode(TRANSPARENT);
    w.TextOut(20, 40, "Wednesday 17");
    TWmfPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(Placeable(w, 300, 100)));
    const QImage pixels = Render(picture, QSize(300, 100));
    QImage inches(300, 100, QImage::Format_RGB32);
    inches.fill(Qt::white);
    {
        QPainter painter(&inches);
        painter.scale(96, 96);
        picture.Draw(painter, QRectF(0, 0, 300 / 96.0, 100 / 96.0));
    }
    const QRect a = InkBounds(pixels);
    const QRect b = InkBounds(inches);
    EXPECT_NEAR(a.left(), b.left(), 1);
    EXPECT_NEAR(a.right(), b.right(), 2);
    EXPECT_NEAR(a.top(), b.top(), 1);
    EXPECT_NEAR(a.bottom(), b.bottom(), 1);
}
