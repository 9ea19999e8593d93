// Loading: headers, the record chain, and damaged or hostile files, which
// must fail cleanly or play without reading past their records.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtEndian>

#include "TestSupport.h"
#include "WmfTestSupport.h"
#include "platform/WmfPlayer.h"

using namespace wmftest;
using namespace wmf;

namespace {

// Loads and, when that succeeds, plays onto a small image.
bool loadAndPlay(const QByteArray& bytes)
{
    TWmfPicture picture;
    if (!picture.LoadFromBytes(bytes)) {
        EXPECT_TRUE(picture.IsEmpty());
        EXPECT_FALSE(picture.ErrorString().isEmpty());
        return false;
    }
    Render(picture, QSize(48, 48));
    return true;
}

QByteArray withRecord(quint16 function, const std::vector<quint16>& params)
{
    TWmfWriter w;
    w.Record(function, params);
    return w.PlaceableBytes(QRect(0, 0, 100, 100), 96);
}

} // namespace

TEST(WmfLoad, HeadersAndTheRecordChain)
{
    TWmfPicture picture;
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_FALSE(picture.LoadFromBytes(QByteArray()));
    EXPECT_FALSE(picture.LoadFromBytes("not a metafile at all, just some text"));
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_FALSE(picture.LoadFromFile(QStringLiteral("/nonexistent/border.wpo")));
    EXPECT_TRUE(picture.ErrorString().contains(QLatin1String("border.wpo")));

    const QByteArray rich = RichMetafile();
    ASSERT_TRUE(picture.LoadFromBytes(rich)) << picture.ErrorString().toStdString();
    EXPECT_GT(picture.RecordCount(), 50);
    EXPECT_GE(picture.ObjectCount(), 6);
    EXPECT_TRUE(picture.ErrorString().isEmpty());
    vellumy::test::SaveForInspection(Render(picture, QSize(400, 400)), QStringLiteral("wmf-every-record.png"));

    // A plain metafile is the same bytes without the 22-byte placeable header.
    ASSERT_TRUE(picture.LoadFromBytes(rich.mid(22)));
    EXPECT_FALSE(picture.IsPlaceable());
    EXPECT_EQ(picture.Width(), 200); // from its window
    // Header type and size are checked.
    QByteArray wrongType = rich.mid(22);
    wrongType[0] = 7;
    EXPECT_FALSE(picture.LoadFromBytes(wrongType));
    QByteArray wrongHeaderSize = rich.mid(22);
    wrongHeaderSize[2] = 12;
    EXPECT_FALSE(picture.LoadFromBytes(wrongHeaderSize));

    // The chain may end exactly at the data's end without an end record, or
    // be followed by a few zero bytes; a record that runs past the end, or
    // claims fewer than three words, spoils the file.
    const QByteArray withoutEnd = rich.left(rich.size() - 6);
    EXPECT_TRUE(picture.LoadFromBytes(withoutEnd));
    EXPECT_TRUE(picture.LoadFromBytes(withoutEnd + QByteArray(4, '\0')));
    EXPECT_FALSE(picture.LoadFromBytes(withoutEnd + QByteArray("\x05\x00\x00", 3)));
    EXPECT_EQ(picture.Data(), withoutEnd + QByteArray(4, '\0')); // a failed load keeps the picture it had
    QByteArray shortRecord = withRecord(META_SAVEDC, {});
    qToLittleEndian<quint32>(2, shortRecord.data() + 22 + 18);
    EXPECT_FALSE(picture.LoadFromBytes(shortRecord));
    EXPECT_TRUE(picture.ErrorString().contains(QLatin1String("offset 40")));
    QByteArray longRecord = withRecord(META_SAVEDC, {});
    qToLittleEndian<quint32>(0xFFFFFFFF, longRecord.data() + 22 + 18);
    EXPECT_FALSE(picture.LoadFromBytes(longRecord));

    // Saving writes the bytes back unchanged; Clear empties.
    QTemporaryDir dir;
    ASSERT_TRUE(picture.LoadFromBytes(rich));
    ASSERT_TRUE(picture.SaveToFile(dir.filePath(QStringLiteral("copy.wmf"))));
    TWmfPicture copy;
    ASSERT_TRUE(copy.LoadFromFile(dir.filePath(QStringLiteral("copy.wmf"))));
    EXPECT_EQ(copy.Data(), rich);
    copy.Clear();
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_EQ(copy.Width(), 0);
}

TEST(WmfLoad, EveryTruncationAndEveryCorruptedByteIsSafe)
{
    const QByteArray rich = RichMetafile();
    int loaded = 0;
    for (qsizetype n = 0; n <= rich.size(); n += 1)
        loaded += loadAndPlay(rich.left(n));
    // Only cuts at record boundaries load.
    EXPECT_GT(loaded, 40);
    EXPECT_LT(loaded, 200);

    // Each byte in turn set to 0xFF and to 0x80: sizes, counts, indices and
    // lengths all go wild somewhere in here.
    for (qsizetype i = 0; i < rich.size(); ++i) {
        for (char value : {char(0xFF), char(0x80)}) {
            QByteArray damaged = rich;
            damaged[i] = value;
            loadAndPlay(damaged);
        }
    }
}

TEST(WmfLoad, HostileParametersAreBoundedByTheRecord)
{
    // Counts far beyond the parameters that follow.
    EXPECT_TRUE(loadAndPlay(withRecord(META_POLYGON, {32767, 1, 2})));
    EXPECT_TRUE(loadAndPlay(withRecord(META_POLYLINE, {0xFFFF, 1, 2})));
    EXPECT_TRUE(loadAndPlay(withRecord(META_POLYPOLYGON, {3, 0xFFFF, 0xFFFF, 0xFFFF, 1, 2})));
    EXPECT_TRUE(loadAndPlay(withRecord(META_POLYPOLYGON, {0x8000})));
    EXPECT_TRUE(loadAndPlay(withRecord(META_TEXTOUT, {32767, 0x4141})));
    EXPECT_TRUE(loadAndPlay(withRecord(META_EXTTEXTOUT, {10, 10, 32767, 0, 0x4141})));
    EXPECT_TRUE(loadAndPlay(withRecord(META_EXTTEXTOUT, {10, 10, 2, ETO_CLIPPED})));
    EXPECT_TRUE(loadAndPlay(withRecord(META_CREATEREGION, {0, 6, 0, 0, 0, 0xFFFF, 1, 0, 0, 10, 10, 0xFFFF, 1})));
    EXPECT_TRUE(loadAndPlay(withRecord(META_CREATEFONTINDIRECT, {})));
    EXPECT_TRUE(loadAndPlay(withRecord(META_SETTEXTALIGN, {})));
    // Bitmaps that claim to be enormous.
    std::vector<quint16> stretch{0x0020, 0x00CC, 0, 100, 100, 0, 0, 100, 100, 0, 0,
                                 40, 0, 0x7FFF, 0x7FFF, 0x7FFF, 0x7FFF, 1, 24, 0, 0};
    EXPECT_TRUE(loadAndPlay(withRecord(META_STRETCHDIB, stretch)));
    EXPECT_TRUE(loadAndPlay(withRecord(META_DIBCREATEPATTERNBRUSH, {BS_DIBPATTERN, 0, 40, 0, 0xFFFF, 0x7FFF})));
    EXPECT_TRUE(loadAndPlay(withRecord(META_BITBLT, {0x0020, 0x00CC, 0, 0, 10, 10, 0, 0, 1, 0x7FFF, 0x7FFF, 0x7FFF, 0x0101})));
    // Extreme mapping: zero and huge extents, huge coordinates and pens.
    {
        TWmfWriter w;
        w.SetWindowExt(0, 0);
        w.ScaleWindowExt(0, 0, 1, 0);
        w.SetViewportExt(32767, -32768);
        w.SetWindowExt(1, -1);
        w.SelectObject(w.CreatePen(PS_DASHDOTDOT, 1, Qt::black));
        w.Ellipse(-32768, -32768, 32767, 32767);
        w.SelectObject(w.CreatePen(PS_SOLID, 32767, Qt::black));
        w.LineTo(32767, 32767);
        TWmfWriter::FontSpec big;
        big.height = -32768;
        w.SelectObject(w.CreateFont(big));
        w.TextOut(0, 0, "Huge");
        EXPECT_TRUE(loadAndPlay(w.PlaceableBytes(QRect(0, 0, 100, 100), 96)));
    }
}

TEST(WmfLoad, SavedStatesAndObjectsStayWithinTheirLimits)
{
    TWmfWriter w;
    for (int i = 0; i < TWmfPlayer::MaxSavedStates + 100; ++i)
        w.SaveDC();
    for (int i = 0; i < TWmfPlayer::MaxObjects + 10; ++i)
        w.Record(META_CREATEPALETTE, {0x300, 0});
    w.RestoreDC(-(TWmfPlayer::MaxSavedStates + 50)); // reaches into the kept levels
    TWmfPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(w.PlaceableBytes(QRect(0, 0, 10, 10), 96)));
    TWmfPlayer player(picture, picture.Frame(), nullptr, QRectF(0, 0, 10, 10));
    player.Play();
    EXPECT_EQ(player.Objects().size(), size_t(TWmfPlayer::MaxObjects));
    EXPECT_EQ(player.SavedStates(), 50);
}

TEST(WmfLoad, UnknownRecordsEscapesAndPalettesAreSkipped)
{
    TWmfWriter w;
    const int palette = w.CreatePalette();
    w.Record(META_SELECTPALETTE, {quint16(palette)});
    w.Record(META_REALIZEPALETTE, {});
    w.SelectObject(w.CreatePen(PS_NULL, 0, Qt::black));
    const int red = w.CreateBrush(BS_SOLID, Qt::red);
    ASSERT_EQ(red, 2); // the palette holds slot 0
    w.SelectObject(red);
    w.Rectangle(0, 0, 50, 100);
    w.Escape(0x1234, QByteArray(100, 'x'));
    w.Record(0x0ABC, {1, 2, 3, 4});
    w.Record(META_FLOODFILL, {0, 0, 10, 10});
    w.SelectObject(palette); // a palette is not selected this way
    w.Rectangle(50, 0, 100, 100);
    const QImage image = Render(Placeable(w, 100, 100), QSize(100, 100));
    EXPECT_TRUE(Near(image.pixel(25, 50), Qt::red));
    EXPECT_TRUE(Near(image.pixel(75, 50), Qt::red));
}
