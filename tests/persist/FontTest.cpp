// A font taken over from what a font dialog returns, and back.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPicture>

#include "persist/Font.h"

TEST(Font, ChosenFontGivesFamilySizeAndStylesAndKeepsTheColour)
{
    const TFont original(QStringLiteral("Times New Roman"), 12, TFont::fsUnderline, TColors::clRed);

    QFont chosen(QStringLiteral("Liberation Sans"), 18);
    chosen.setBold(true);
    chosen.setItalic(true);
    const TFont result = original.WithChosen(chosen);
    EXPECT_EQ(result.Name(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(result.Size(), 18);
    EXPECT_EQ(result.StyleBits(), unsigned(TFont::fsBold | TFont::fsItalic));
    EXPECT_EQ(result.Color(), TColors::clRed);
    EXPECT_EQ(original.Size(), 12);

    // A font measured in pixels has no point size: the size stays; its own
    // QFont comes back unchanged.
    const TFont same = original.WithChosen(original.ToQFont());
    EXPECT_EQ(same.Size(), 12);
    EXPECT_TRUE(same == original);
}

TEST(Font, ANamelessFontFromADamagedFileRecordsIntoADrawing)
{
    // Recording a drawing streams the font, and Qt's streaming reads the
    // first family: a font without one crashed printing.
    TFont nameless;
    nameless.SetName(QString());
    const QFont font = nameless.ToQFont();
    ASSERT_FALSE(font.families().isEmpty());
    QPicture picture;
    QPainter painter(&picture);
    painter.setFont(font);
    painter.fillRect(QRect(0, 0, 10, 10), Qt::red);
    painter.drawText(QPoint(2, 8), QStringLiteral("1"));
    EXPECT_TRUE(painter.end());
}
