// The border pictures shipped in the program folder's Borders/: every one
// loads, has its page shape, and draws only in the band along the edges
// that the page keeps free for it.
#include <gtest/gtest.h>

#include <QDir>

#include "TestSupport.h"
#include "WmfTestSupport.h"
#include "platform/ProgramFolder.h"

using namespace wmftest;
using vellumy::test::SaveForInspection;

namespace {

constexpr int Dpi = 48;
// The page keeps its calendar 0.47 inch inside the border picture's frame.
constexpr double Allowance = 0.47;

QStringList borderNames()
{
    QStringList names;
    const QDir folder(ProgramFolder() + QStringLiteral("Borders"));
    for (const QString& file : folder.entryList({QStringLiteral("*.wpo")}, QDir::Files, QDir::Name))
        names << QFileInfo(file).completeBaseName();
    return names;
}

// Share of pixels in the strip that are not white.
double coverage(const QImage& image, const QRect& strip)
{
    const QRect area = strip.intersected(image.rect());
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return double(ink) / (area.width() * area.height());
}

} // namespace

TEST(WmfBorders, EveryBorderDrawsOnlyInTheEdgeBandInBothOrientations)
{
    const QStringList names = borderNames();
    ASSERT_GE(names.size(), 6) << "the border_pictures target writes Borders/ into the program folder";
    QImage sheet(names.size() * (8 * Dpi / 2 + 8), (21 * Dpi / 4) + 4 * Dpi + 16, QImage::Format_RGB32);
    sheet.fill(Qt::lightGray);
    QPainter sheetPainter(&sheet);
    int column = 0;
    for (const QString& name : names) {
        for (const bool portrait : {true, false}) {
            const QString path = ProgramFolder() + QStringLiteral("Borders/") + name +
                                 (portrait ? QStringLiteral(".wpo") : QStringLiteral(".wls"));
            TWmfPicture picture;
            ASSERT_TRUE(picture.LoadFromFile(path)) << path.toStdString() << ": " << picture.ErrorString().toStdString();
            ASSERT_TRUE(picture.IsPlaceable());
            const QSizeF inches(double(picture.BoundingBox().width()) / picture.Inch(),
                                double(picture.BoundingBox().height()) / picture.Inch());
            EXPECT_EQ(inches, portrait ? QSizeF(8.0, 10.5) : QSizeF(10.5, 8.0)) << name.toStdString();

            const QSize size(int(inches.width() * Dpi), int(inches.height() * Dpi));
            const QImage image = Render(picture, size);
            SaveForInspection(image, QStringLiteral("wmf-border-%1.%2.png").arg(name, portrait ? "wpo" : "wls"));
            sheetPainter.drawImage(column * (8 * Dpi / 2 + 8) + 4, portrait ? 4 : 21 * Dpi / 4 + 12,
                                   image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

            // Nothing inside the allowance; a little ink is tolerated at its
            // very edge from antialiasing.
            const int inset = int(Allowance * Dpi);
            const QRect middle(inset, inset, size.width() - 2 * inset, size.height() - 2 * inset);
            EXPECT_EQ(coverage(image, middle.adjusted(1, 1, -1, -1)), 0.0) << name.toStdString();
            // Each edge band carries the ornament: a good share of it is drawn.
            const int band = int(0.45 * Dpi);
            const QRect strips[] = {QRect(0, 0, size.width(), band), QRect(0, size.height() - band, size.width(), band),
                                    QRect(0, 0, band, size.height()), QRect(size.width() - band, 0, band, size.height())};
            for (const QRect& strip : strips)
                EXPECT_GT(coverage(image, strip), 0.15) << name.toStdString() << (portrait ? " portrait" : " landscape");
        }
        ++column;
    }
    sheetPainter.end();
    SaveForInspection(sheet, QStringLiteral("wmf-borders.png"));
}
