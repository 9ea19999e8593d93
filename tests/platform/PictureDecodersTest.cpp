// Picture decoders against ImageMagick: every committed variant decodes to
// the pixels ImageMagick itself reads from the same file, and damaged or
// truncated copies of each are refused rather than half decoded.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QtEndian>

#include "TestSupport.h"
#include "platform/LoadPicture.h"

using vellumy::test::DataPath;

namespace {

QStringList fixtures()
{
    return QDir(DataPath("pictures")).entryList({"*.pcx", "*.tga", "*.bmp", "*.gif", "*.jpg", "*.ico"}, QDir::Files);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Largest channel difference over the visible pixels, and whether the
// transparent parts agree.
int worstDifference(const QImage& ours, const QImage& peer, QString& where)
{
    const QImage a = ours.convertToFormat(QImage::Format_ARGB32);
    const QImage b = peer.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            int d = std::abs(qAlpha(p) - qAlpha(q));
            if (qAlpha(p) && qAlpha(q))
                d = std::max({d, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
            if (d > worst) {
                worst = d;
                where = QStringLiteral("(%1, %2): ours %3, ImageMagick %4")
                            .arg(x).arg(y).arg(p, 8, 16, QChar('0')).arg(q, 8, 16, QChar('0'));
            }
        }
    return worst;
}

} // namespace

TEST(PictureDecoders, EveryVariantMatchesImageMagicksDecoding)
{
    const QStringList files = fixtures();
    ASSERT_GE(files.size(), 25);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString path = DataPath("pictures/" + name);
        const TDecodedImage ours = LoadPicture(path);
        ASSERT_FALSE(ours.IsNull()) << ours.error.toStdString();
        QImage peer(path.left(path.lastIndexOf('.')) + ".peer.png");
        ASSERT_FALSE(peer.isNull());
        // ImageMagick shows a set bit of a one-bit PCX as black, ignoring the
        // header's palette; the format (and that palette, black then white)
        // makes it white.
        if (name == "pcx-1.pcx")
            peer.invertPixels();
        ASSERT_EQ(ours.image.size(), peer.size());
        // JPEG is lossy and ImageMagick's colour conversion rounds its own way;
        // 5- and 6-bit channels are widened to 8 bits with a rounding of its own too.
        const int tolerance = name.endsWith(".jpg") ? 4 : name.startsWith("tga-1") || name == "bmp-565.bmp" ? 1 : 0;
        QString where;
        EXPECT_LE(worstDifference(ours.image, peer, where), tolerance) << where.toStdString();
    }
}

TEST(PictureDecoders, TransparencyAndChoiceOfIconImage)
{
    // The icon's second, larger image is chosen; its AND mask clears the rectangle.
    const TDecodedImage icon = LoadPicture(DataPath("pictures/ico-mask.ico"));
    ASSERT_EQ(icon.image.size(), QSize(37, 23));
    EXPECT_EQ(qAlpha(icon.image.pixel(5, 5)), 0);
    EXPECT_EQ(qAlpha(icon.image.pixel(20, 15)), 255);
    EXPECT_EQ(LoadPicture(DataPath("pictures/ico-png-sizes.ico")).image.size(), QSize(32, 32));
    // Opaque files stay opaque; an alpha channel survives.
    EXPECT_FALSE(LoadPicture(DataPath("pictures/tga-24.tga")).image.hasAlphaChannel());
    EXPECT_TRUE(LoadPicture(DataPath("pictures/tga-32.tga")).image.hasAlphaChannel());
    // Extensions are matched without regard to case.
    EXPECT_EQ(PictureFormatOf("/x/PHOTO.JPG"), TPictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatOf("a.Jif"), TPictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatOf("a.rle"), TPictureFormat::Bmp);
    EXPECT_EQ(PictureFormatOf("a.wmf"), TPictureFormat::Unknown);
}

TEST(PictureDecoders, DamagedAndTruncatedFilesAreRefused)
{
    for (const QString& name : fixtures()) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray whole = readAll(DataPath("pictures/" + name));
        const TPictureFormat format = PictureFormatOf(name);
        // Cut inside the header, inside the pixels, and just short of the end
        // (files whose last bytes are optional trailers excepted).
        QList<qsizetype> cuts{0, 5, 17, whole.size() / 2};
        if (!name.contains("footer") && !name.endsWith(".gif"))
            cuts.append(whole.size() - 3);
        for (qsizetype cut : cuts) {
            const TDecodedImage decoded = DecodePicture(whole.left(cut), format);
            EXPECT_TRUE(decoded.IsNull()) << "cut at " << cut;
            EXPECT_FALSE(decoded.error.isEmpty());
        }
    }
    // Sizes are checked before anything is allocated: a header claiming
    // 65535 x 65535 pixels is refused at once.
    QByteArray tga = readAll(DataPath("pictures/tga-24-rle.tga"));
    qToLittleEndian<quint16>(0xFFFF, tga.data() + 12);
    qToLittleEndian<quint16>(0xFFFF, tga.data() + 14);
    EXPECT_TRUE(DecodePicture(tga, TPictureFormat::Tga).error.contains("not valid"));
    QByteArray pcx = readAll(DataPath("pictures/pcx-24.pcx"));
    qToLittleEndian<quint16>(0xF000, pcx.data() + 8);
    qToLittleEndian<quint16>(0x1000, pcx.data() + 10);
    EXPECT_TRUE(DecodePicture(pcx, TPictureFormat::Pcx).IsNull());
    QByteArray ico = readAll(DataPath("pictures/ico-mask.ico"));
    ico[4] = char(0xFF); // more directory entries than the file holds
    EXPECT_TRUE(DecodePicture(ico, TPictureFormat::Ico).IsNull());
    EXPECT_TRUE(LoadPicture(DataPath("pictures/missing.pcx")).error.contains("cannot open"));
}
