// Device-independent bitmaps: decoded from bytes built here and checked
// pixel by pixel, and against Qt's own BMP reader for the same bytes with a
// file header; then drawn by the blit records of a metafile.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include "TestSupport.h"
#include "WmfTestSupport.h"
#include "platform/DibImage.h"
#include "platform/WmfObjects.h"
#include "platform/WmfRecords.h"

using namespace wmftest;
using namespace wmf;
using vellumy::test::CountPixels;

namespace {

void put16(QByteArray& b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray& b, qint64 v)
{
    put16(b, int(v & 0xFFFF));
    put16(b, int((v >> 16) & 0xFFFF));
}

// A BITMAPINFOHEADER, the palette and the bits.
QByteArray dib(int width, int height, int bitCount, int compression, const QList<QRgb>& palette,
               const QByteArray& bits)
{
    QByteArray b;
    put32(b, 40);
    put32(b, width);
    put32(b, height);
    put16(b, 1);
    put16(b, bitCount);
    put32(b, compression);
    put32(b, bits.size());
    put32(b, 3780);
    put32(b, 3780);
    put32(b, palette.size());
    put32(b, 0);
    for (QRgb c : palette) {
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append('\0');
    }
    return b + bits;
}

QByteArray bmpFile(const QByteArray& dibBytes, int paletteSize)
{
    QByteArray b("BM");
    put32(b, 14 + dibBytes.size());
    put32(b, 0);
    put32(b, 14 + 40 + 4 * paletteSize);
    return b + dibBytes;
}

QImage qtReads(const QByteArray& file)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// Rows of `bytes` padded to four bytes each.
QByteArray rows(const QList<QByteArray>& lines)
{
    QByteArray b;
    for (QByteArray line : lines) {
        while (line.size() % 4)
            line.append('\0');
        b += line;
    }
    return b;
}

const QList<QRgb> Palette16 = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                               qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255), qRgb(255, 255, 255),
                               qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 128), qRgb(128, 128, 0),
                               qRgb(0, 128, 128), qRgb(128, 0, 128), qRgb(128, 128, 128), qRgb(64, 64, 64)};

void expectSame(const TDibImage& ours, const QImage& expected, const char* what)
{
    ASSERT_FALSE(ours.IsNull()) << what << ": " << ours.error.toStdString();
    ASSERT_EQ(ours.image.size(), expected.size()) << what;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            ASSERT_EQ(ours.image.pixel(x, y) | 0xFF000000u, expected.pixel(x, y) | 0xFF000000u)
                << what << " at " << x << "," << y;
}

} // namespace

TEST(WmfDibImage, PaletteAndTrueColourDepthsBothRowOrders)
{
    // 1 bpp, 10 x 2, bottom-up: the file's first row is the image's last.
    {
        const QByteArray bits = rows({QByteArray("\xF0\x00", 2), QByteArray("\x0F\xC0", 2)});
        const QByteArray d = dib(10, 2, 1, 0, {qRgb(255, 255, 255), qRgb(200, 0, 0)}, bits);
        const TDibImage ours = TDibImage::FromDib(d);
        ASSERT_FALSE(ours.IsNull());
        EXPECT_TRUE(ours.bottomUp);
        EXPECT_EQ(ours.image.pixel(0, 1), qRgb(200, 0, 0));   // stored first, shown last
        EXPECT_EQ(ours.image.pixel(4, 1), qRgb(255, 255, 255));
        EXPECT_EQ(ours.image.pixel(4, 0), qRgb(200, 0, 0));
        EXPECT_EQ(ours.image.pixel(9, 0), qRgb(200, 0, 0));
        expectSame(ours, qtReads(bmpFile(d, 2)), "1 bpp");
    }
    // 4 bpp, 5 x 3 (odd width: the last nibble pads).
    {
        const QByteArray bits = rows({QByteArray("\x01\x23\x40", 3), QByteArray("\x56\x78\x90", 3),
                                      QByteArray("\xAB\xCD\xE0", 3)});
        const QByteArray d = dib(5, 3, 4, 0, Palette16, bits);
        const TDibImage ours = TDibImage::FromDib(d);
        EXPECT_EQ(ours.image.pixel(0, 2), Palette16[0]);
        EXPECT_EQ(ours.image.pixel(4, 2), Palette16[4]);
        EXPECT_EQ(ours.image.pixel(1, 0), Palette16[11]);
        expectSame(ours, qtReads(bmpFile(d, 16)), "4 bpp");
    }
    // 8 bpp with a short palette; top-down (negative height).
    {
        const QByteArray bits = rows({QByteArray("\x00\x01\x02", 3), QByteArray("\x02\x01\x00", 3)});
        const QList<QRgb> palette = {qRgb(10, 20, 30), qRgb(40, 50, 60), qRgb(70, 80, 90)};
        const TDibImage ours = TDibImage::FromDib(dib(3, -2, 8, 0, palette, bits));
        ASSERT_FALSE(ours.IsNull());
        EXPECT_FALSE(ours.bottomUp);
        EXPECT_EQ(ours.image.pixel(0, 0), palette[0]);
        EXPECT_EQ(ours.image.pixel(0, 1), palette[2]);
        const QByteArray up = dib(3, 2, 8, 0, palette, bits);
        expectSame(TDibImage::FromDib(up), qtReads(bmpFile(up, 3)), "8 bpp");
    }
    // 24 bpp: blue, green, red byte order, rows padded.
    {
        const QByteArray bits = rows({QByteArray("\x00\x00\xFF\x00\xFF\x00", 6), QByteArray("\xFF\x00\x00\x80\x80\x80", 6)});
        const QByteArray d = dib(2, 2, 24, 0, {}, bits);
        const TDibImage ours = TDibImage::FromDib(d);
        EXPECT_EQ(ours.image.pixel(0, 1), qRgb(255, 0, 0));
        EXPECT_EQ(ours.image.pixel(1, 1), qRgb(0, 255, 0));
        EXPECT_EQ(ours.image.pixel(0, 0), qRgb(0, 0, 255));
        expectSame(ours, qtReads(bmpFile(d, 0)), "24 bpp");
    }
    // 16 bpp 5-5-5 and 32 bpp with bit-field masks.
    {
        QByteArray bits;
        put16(bits, 0x7C00); // red
        put16(bits, 0x03E0); // green
        const TDibImage five = TDibImage::FromDib(dib(2, 1, 16, 0, {}, bits));
        EXPECT_EQ(five.image.pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(five.image.pixel(1, 0), qRgb(0, 255, 0));

        QByteArray header = dib(1, 1, 32, 3, {}, {});
        put32(header, 0x000000FF); // red in the low byte
        put32(header, 0x0000FF00);
        put32(header, 0x00FF0000);
        put32(header, 0x00402010);
        const TDibImage masked = TDibImage::FromDib(header);
        ASSERT_FALSE(masked.IsNull()) << masked.error.toStdString();
        EXPECT_EQ(masked.image.pixel(0, 0), qRgb(0x10, 0x20, 0x40));
    }
    // Our own writer's output decodes to the same picture.
    {
        QImage picture(7, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x)
                picture.setPixel(x, y, qRgb(x * 30, y * 80, 255 - x * 30));
        expectSame(TDibImage::FromDib(TDibImage::ToDib(picture)), picture, "written");
    }
}

TEST(WmfDibImage, RunLengthCompressedBitmaps)
{
    // RLE8, 6 x 3: a run, an absolute run, end of line, a delta, end of bitmap.
    {
        const QByteArray bits("\x03\x01"            // 1 1 1
                              "\x00\x03\x02\x00\x02\x00" // absolute: 2 0 2 (padded)
                              "\x00\x00"            // end of line
                              "\x00\x02\x02\x00"    // delta: x + 2
                              "\x02\x02"            // 2 2
                              "\x00\x00"            // end of line
                              "\x06\x01"            // 1 x 6
                              "\x00\x01",           // end of bitmap
                              22);
        const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255)};
        const QByteArray d = dib(6, 3, 8, 1, palette, bits);
        const TDibImage ours = TDibImage::FromDib(d);
        ASSERT_FALSE(ours.IsNull()) << ours.error.toStdString();
        EXPECT_EQ(ours.image.pixel(0, 2), palette[1]);
        EXPECT_EQ(ours.image.pixel(3, 2), palette[2]);
        EXPECT_EQ(ours.image.pixel(4, 2), palette[0]);
        EXPECT_EQ(ours.image.pixel(1, 1), palette[0]); // skipped by the delta
        EXPECT_EQ(ours.image.pixel(2, 1), palette[2]);
        EXPECT_EQ(ours.image.pixel(5, 0), palette[1]);
        expectSame(ours, qtReads(bmpFile(d, 3)), "RLE8");
    }
    // RLE4, 7 x 2: runs alternate two nibbles; absolute runs pad to words;
    // what runs past the width is dropped.
    {
        const QByteArray bits("\x05\x12"            // 1 2 1 2 1
                              "\x00\x03\x34\x50"    // absolute 3 4 5 (two bytes, already a word)
                              "\x00\x00"            // end of line
                              "\x07\x66"            // 6 x 7
                              "\x00\x01",
                              12);
        const QByteArray d = dib(7, 2, 4, 2, Palette16, bits);
        const TDibImage ours = TDibImage::FromDib(d);
        ASSERT_FALSE(ours.IsNull()) << ours.error.toStdString();
        EXPECT_EQ(ours.image.pixel(0, 1), Palette16[1]);
        EXPECT_EQ(ours.image.pixel(1, 1), Palette16[2]);
        EXPECT_EQ(ours.image.pixel(6, 1), Palette16[4]);
        EXPECT_EQ(ours.image.pixel(3, 0), Palette16[6]);
        expectSame(ours, qtReads(bmpFile(d, 16)), "RLE4");
    }
}

TEST(WmfDibImage, RunLengthPositionStaysInsideTheBitmap)
{
    // RLE8, 8 x 4. Row 0: two pixels, then enough deltas to carry an
    // unbounded column past the range of int (about 34 MB of records), then
    // an absolute run: everything past the row's end is dropped. Row 1 is
    // whole; a delta far past the top ends the picture.
    const qint64 deltas = (qint64(INT_MAX) / 255) + 16;
    QByteArray bits("\x02\x01", 2);
    bits += QByteArray("\x00\x02\xFF\x00", 4).repeated(qsizetype(deltas));
    bits += QByteArray("\x00\x04\x02\x02\x02\x02" // absolute 2 2 2 2
                       "\x00\x00"                     // end of line
                       "\x08\x01"                     // row 1: eight 1s
                       "\x00\x02\x00\xFF"           // up 255 rows
                       "\x03\x02",                    // nowhere to go
                       16);
    const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255)};
    const TDibImage ours = TDibImage::FromDib(dib(8, 4, 8, 1, palette, bits));
    bits = {};
    ASSERT_FALSE(ours.IsNull()) << ours.error.toStdString();
    QImage expected(8, 4, QImage::Format_RGB32);
    expected.fill(palette[0]);
    expected.setPixel(0, 3, palette[1]);
    expected.setPixel(1, 3, palette[1]);
    for (int x = 0; x < 8; ++x)
        expected.setPixel(x, 2, palette[1]);
    expectSame(ours, expected, "RLE8 past the edges");

    // Old-style metafile bitmaps have the same pixel budget as DIBs.
    const int width = 32767, widthBytes = 4096, height = int(TDibImage::MaxPixels / width) + 1;
    QByteArray bitmap16(10 + qsizetype(widthBytes) * height, '\0');
    auto* b = reinterpret_cast<uchar*>(bitmap16.data());
    qToLittleEndian<qint16>(qint16(width), b + 2);
    qToLittleEndian<qint16>(qint16(height), b + 4);
    qToLittleEndian<qint16>(qint16(widthBytes), b + 6);
    b[8] = 1;
    b[9] = 1;
    EXPECT_TRUE(WmfBitmap16(b, bitmap16.size(), 10).isNull());
    qToLittleEndian<qint16>(qint16(8), b + 2);
    EXPECT_EQ(WmfBitmap16(b, bitmap16.size(), 10).size(), QSize(8, height));
}

TEST(WmfDibImage, DamagedBitmapsAreRefused)
{
    const QByteArray bits = rows({QByteArray("\x00\x01\x02", 3), QByteArray("\x02\x01\x00", 3)});
    const QByteArray good = dib(3, 2, 8, 0, {qRgb(1, 2, 3)}, bits);
    ASSERT_FALSE(TDibImage::FromDib(good).IsNull());
    // Every truncation is refused, with a reason, never read past; only the
    // padding of the last row may be missing (some writers drop it).
    ASSERT_FALSE(TDibImage::FromDib(good.left(good.size() - 1)).IsNull());
    for (qsizetype n = 0; n < good.size() - 1; ++n) {
        const QByteArray cut = good.left(n);
        const TDibImage image = TDibImage::FromDib(cut.constData(), cut.size());
        EXPECT_TRUE(image.IsNull()) << n;
        EXPECT_FALSE(image.error.isEmpty()) << n;
    }
    // Sizes that do not fit the data, absurd dimensions, depths and headers.
    EXPECT_TRUE(TDibImage::FromDib(dib(30000, 30000, 24, 0, {}, bits)).IsNull());
    EXPECT_TRUE(TDibImage::FromDib(dib(0x7FFFFFFF, 1, 1, 0, {}, bits)).IsNull());
    EXPECT_TRUE(TDibImage::FromDib(dib(3, 2, 7, 0, {}, bits)).IsNull());
    EXPECT_TRUE(TDibImage::FromDib(dib(3, 2, 8, 9, {}, bits)).IsNull());
    EXPECT_TRUE(TDibImage::FromDib(dib(3, -2, 8, 1, {}, bits)).IsNull()); // top-down RLE
    QByteArray hugeRle = dib(20000, 20000, 8, 1, {qRgb(0, 0, 0)}, QByteArray("\x00\x01", 2));
    EXPECT_TRUE(TDibImage::FromDib(hugeRle).IsNull());
    QByteArray badHeader = good;
    qToLittleEndian<quint32>(0x10000, badHeader.data());
    EXPECT_TRUE(TDibImage::FromDib(badHeader).IsNull());
    EXPECT_TRUE(TDibImage::FromBmpFile("BM").IsNull());
}

TEST(WmfDibImage, BlitRecordsPlaceAndCombineBitmaps)
{
    // A 2 x 2 bitmap: red, green over blue, white.
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(0, 1, qRgb(0, 0, 255));
    picture.setPixel(1, 1, qRgb(255, 255, 255));
    {
        TWmfWriter w;
        w.StretchDIB(QRect(0, 0, 100, 100), picture);
        const QImage image = Render(Placeable(w, 100, 100), QSize(100, 100));
        EXPECT_EQ(image.pixel(25, 25), qRgb(255, 0, 0));
        EXPECT_EQ(image.pixel(75, 25), qRgb(0, 255, 0));
        EXPECT_EQ(image.pixel(25, 75), qRgb(0, 0, 255));
    }
    // Source rectangles: the blits count rows from the top of the bitmap,
    // StretchDIB from the bottom of a bottom-up one.
    // A source reaching past the bitmap draws only the part inside it.
    {
        TWmfWriter w; // 4 x 4 units, 25 pixels each
        w.DIBBitBlt(QRect(0, 0, 1, 1), QPoint(1, 0), picture);
        w.DIBStretchBlt(QRect(1, 0, 1, 1), QRect(0, 1, 1, 1), picture);
        w.StretchDIB(QRect(2, 0, 1, 1), QRect(1, 1, 1, 1), picture);
        w.DIBBitBlt(QRect(0, 1, 2, 2), QPoint(1, 0), picture);
        const QImage image = Render(Placeable(w, 4, 4), QSize(100, 100));
        EXPECT_EQ(image.pixel(12, 12), qRgb(0, 255, 0)); // top right
        EXPECT_EQ(image.pixel(37, 12), qRgb(0, 0, 255)); // bottom left
        EXPECT_EQ(image.pixel(62, 12), qRgb(0, 255, 0)); // second row from the bottom: the top one
        EXPECT_EQ(image.pixel(12, 37), qRgb(0, 255, 0));
        EXPECT_EQ(image.pixel(12, 62), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(37, 37), qRgb(255, 255, 255)); // nothing of the bitmap out here
        EXPECT_EQ(CountPixels(image, QRect(26, 26, 74, 74), Qt::white), 74 * 74);
    }
    // A negative destination width mirrors.
    {
        TWmfWriter w;
        w.StretchDIB(QRect(100, 0, -100, 100), picture);
        const QImage image = Render(Placeable(w, 100, 100), QSize(100, 100));
        EXPECT_EQ(image.pixel(25, 25), qRgb(0, 255, 0));
        EXPECT_EQ(image.pixel(75, 25), qRgb(255, 0, 0));
    }
    // SRCAND over a grey background keeps what both have; SRCPAINT adds.
    for (quint32 rop : {quint32(SRCAND), quint32(SRCPAINT), quint32(SRCINVERT)}) {
        TWmfWriter w;
        w.SelectObject(w.CreatePen(PS_NULL, 0, Qt::black));
        w.SelectObject(w.CreateBrush(BS_SOLID, QColor(128, 128, 128)));
        w.Rectangle(0, 0, 100, 100);
        w.StretchDIB(QRect(0, 0, 100, 100), picture, rop);
        const QImage image = Render(Placeable(w, 100, 100), QSize(100, 100));
        const QRgb red = image.pixel(25, 25), white = image.pixel(75, 75);
        if (rop == SRCAND) {
            EXPECT_EQ(red, qRgb(128, 0, 0));
            EXPECT_EQ(white, qRgb(128, 128, 128));
        } else if (rop == SRCPAINT) {
            EXPECT_EQ(red, qRgb(255, 128, 128));
            EXPECT_EQ(white, qRgb(255, 255, 255));
        } else {
            EXPECT_EQ(red, qRgb(127, 128, 128));
            EXPECT_EQ(white, qRgb(127, 127, 127));
        }
    }
    // Pattern and constant blits need no bitmap.
    {
        TWmfWriter w;
        w.SelectObject(w.CreateBrush(BS_SOLID, Qt::blue));
        w.PatBlt(QRect(0, 0, 50, 50), PATCOPY);
        w.PatBlt(QRect(50, 0, 50, 50), BLACKNESS);
        w.PatBlt(QRect(0, 50, 50, 50), WHITENESS);
        w.PatBlt(QRect(0, 0, 100, 100), DSTINVERT);
        const QImage image = Render(Placeable(w, 100, 100), QSize(100, 100));
        EXPECT_EQ(image.pixel(25, 25), qRgb(255, 255, 0));
        EXPECT_EQ(image.pixel(75, 25), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(25, 75), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(75, 75), qRgb(0, 0, 0));
    }
}
