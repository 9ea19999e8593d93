#include <gtest/gtest.h>

#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QProcess>
#include <QStandardPaths>

#include "RichTextTestSupport.h"
#include "TestSupport.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

using namespace richtext_test;
using vellumy::test::SaveForInspection;

namespace {
const QByteArray kCellText =
    "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Liberation Sans;}}{\\colortbl;\\red0\\green0\\blue160;}"
    "\\f0\\fs20 Monday meeting with the {\\b whole team} about the \\cf1 calendar design\\cf0\\par"
    "\\qc Lunch}";

// A cell's text painted as the page paints it: white scratch image, text at
// the zoom into the cell's (zoomed) text rectangle.
QImage paintCell(TWPRichText& painter, const QRect& target, QSize canvasSize)
{
    QImage canvas(canvasSize, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    painter.PaintTo(p, target);
    return canvas;
}
} // namespace

TEST(RichTextPaint, CellTextStaysInItsRectangleAndWrapsAtThePageWidthAtEveryZoom)
{
    TWPRtfStorage storage;
    storage.RtfText().SetRtfBytes(kCellText);
    TWPRichText painter;   // hidden
    painter.SetPageSize(150 * 15, 100 * 15);   // a 150 x 100 pixel cell in twips
    painter.LoadFromStorage(storage);

    painter.SetZoom(100);
    const QRect full(20, 30, 150, 100);
    const QImage atFull = paintCell(painter, full, QSize(220, 160));
    SaveForInspection(atFull, QStringLiteral("richtext-cell-100.png"));
    const QRect inkFull = InkBounds(atFull);
    ASSERT_FALSE(inkFull.isNull());
    EXPECT_TRUE(full.contains(inkFull)) << inkFull.x() << "," << inkFull.y() << " " << inkFull.width() << "x" << inkFull.height();
    const auto linesFull = InkBands(atFull);
    EXPECT_GE(linesFull.size(), 4);   // the first paragraph wraps, then "Lunch"
    EXPECT_GT(inkFull.width(), 110);  // wrapped near the page width, not at a word or two

    painter.SetZoom(50);
    const QRect half(10, 15, 75, 50);
    const QImage atHalf = paintCell(painter, half, QSize(110, 80));
    SaveForInspection(atHalf, QStringLiteral("richtext-cell-50.png"));
    const QRect inkHalf = InkBounds(atHalf);
    ASSERT_FALSE(inkHalf.isNull());
    EXPECT_TRUE(half.contains(inkHalf));
    // Same page, same line breaks, half the size.
    EXPECT_NEAR(inkHalf.width(), inkFull.width() / 2.0, 4);
    EXPECT_NEAR(inkHalf.height(), inkFull.height() / 2.0, 4);
    EXPECT_NEAR(inkHalf.left() - half.left(), (inkFull.left() - full.left()) / 2.0, 2);

    // The blue words are painted in blue, on the third line.
    int blue = 0;
    for (int y = 0; y < atFull.height(); ++y)
        for (int x = 0; x < atFull.width(); ++x) {
            const QRgb pixel = atFull.pixel(x, y);
            if (qBlue(pixel) > qRed(pixel) + 60 && qBlue(pixel) > qGreen(pixel) + 60) {
                ++blue;
                EXPECT_GE(y, linesFull[2].first);
                EXPECT_LE(y, linesFull[2].second);
            }
        }
    EXPECT_GT(blue, 40);

    // A rectangle smaller than the text clips it.
    painter.SetZoom(100);
    const QImage clipped = paintCell(painter, QRect(20, 30, 150, 20), QSize(220, 160));
    EXPECT_TRUE(QRect(20, 30, 150, 20).contains(InkBounds(clipped)));
}

TEST(RichTextPaint, PrintModeRecordsVectorTextIntoPicturesAndPdf)
{
    TWPRtfStorage storage;
    storage.RtfText().SetRtfBytes(kCellText);
    TWPRichText painter;
    painter.SetPageSize(150 * 15, 100 * 15);
    painter.SetPrintMode(true);
    painter.LoadFromStorage(storage);

    // Into a recorded picture (the page prints cell texts through one).
    QPicture picture;
    {
        QPainter p(&picture);
        painter.PaintTo(p, 0, 0, 150, 100);
    }
    QImage replay(150, 100, QImage::Format_RGB32);
    replay.fill(Qt::white);
    {
        QPainter p(&replay);
        p.drawPicture(0, 0, picture);
    }
    SaveForInspection(replay, QStringLiteral("richtext-cell-print.png"));
    EXPECT_GE(InkBands(replay).size(), 4);
    EXPECT_LT(InkBounds(replay).bottom(), 90);

    // Straight onto a 1200 dpi PDF, and the recorded picture replayed onto
    // it: the words stay text that a PDF reader extracts.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdf = SaveBytesForInspection(QByteArray(), QStringLiteral("richtext-cell.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setResolution(1200);
        QPainter p(&writer);
        const double scale = 1200.0 / 96;
        painter.PaintTo(p, QRect(1200, 1200, int(150 * scale), int(100 * scale)));
        // Qt replays a picture scaled by the device's resolution over the
        // screen's already.
        p.translate(1200, 4000);
        p.drawPicture(0, 0, picture);
    }
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (apt-get install poppler-utils)";
    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    EXPECT_EQ(text.count(QStringLiteral("whole team")), 2) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("Lunch")), 2) << text.toStdString();
}
