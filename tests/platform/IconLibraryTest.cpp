// The icon-library reader against programs we did not write: icoutils'
// wrestool and icotool take the same NE and PE files apart, and binutils for
// Windows (windres, ld) build 32- and 64-bit libraries from .ico files that
// icotool made. Counts and pixels must agree.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/IconLibrary.h"

namespace {

const QStringList ShippedLibraries = {"activity.icl", "events.icl", "holiday.icl", "misc1.icl", "misc2.icl"};

bool have(const char* program)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
}

QString run(const QString& program, const QStringList& args, const QString& folder = QString())
{
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << qPrintable(program) << " " << qPrintable(args.join(' ')) << ": "
                      << process.readAllStandardError().constData();
        return QString();
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Differing pixels; fully transparent pixels match whatever their colour.
int differingPixels(const QImage& ours, const QImage& theirs)
{
    if (ours.size() != theirs.size())
        return -1;
    const QImage a = ours.convertToFormat(QImage::Format_ARGB32);
    const QImage b = theirs.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAlpha(p) == 0 && qAlpha(q) == 0)
                continue;
            differing += p != q;
        }
    }
    return differing;
}

// icotool's picture of the one image of `ico` that has this size and depth.
QImage icotoolImage(const QString& ico, int side, int bits, const QString& folder)
{
    const QString png = QDir(folder).filePath(QStringLiteral("icotool-%1-%2.png").arg(side).arg(bits));
    QFile::remove(png);
    run(QStringLiteral("icotool"), {"-x", "-w", QString::number(side), "-h", QString::number(side), "-b",
                                    QString::number(bits), "-o", png, ico});
    return QImage(png);
}

class IconLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!have("wrestool") || !have("icotool"))
            GTEST_SKIP() << "icoutils (wrestool, icotool) is not installed";
    }
    QTemporaryDir temp;
};

} // namespace

TEST_F(IconLibraryTest, ShippedLibrariesAgreeWithWrestoolAndIcotool)
{
    for (const QString& name : ShippedLibraries) {
        SCOPED_TRACE(name.toStdString());
        const QString path = QStringLiteral(VELLUMY_BIN_DIR "/") + name;
        const TIconLibrary library = TIconLibrary::FromFile(path);
        const QString listing = run(QStringLiteral("wrestool"), {"-l", "--type=14", path});
        const int groups = int(listing.count(QStringLiteral("type=group_icon")));
        EXPECT_GE(groups, 20);
        ASSERT_EQ(library.Count(), groups);

        const QString out = temp.filePath(name);
        QDir().mkpath(out);
        for (int i = 0; i < groups; ++i) {
            const QString ico = QDir(out).filePath(QStringLiteral("%1.ico").arg(i));
            run(QStringLiteral("wrestool"), {"-x", "--type=14", QStringLiteral("--name=%1").arg(i + 1), "-o", ico, path});
            for (const int side : {32, 16}) {
                const QImage theirs = icotoolImage(ico, side, 32, out);
                ASSERT_FALSE(theirs.isNull()) << "icon " << i;
                EXPECT_EQ(differingPixels(library.Image(i, side), theirs), 0) << "icon " << i << " at " << side;
            }
        }
        // The system icon size is 32 at 96 ppi: the icon itself is that image.
        EXPECT_EQ(library.Icon(0), library.Image(0, 32));
    }
    // Names are matched without regard to case, the content tells the kind:
    // a library renamed to a Norton .nil file still reads.
    const QString shipped = QStringLiteral(VELLUMY_BIN_DIR "/holiday.icl");
    EXPECT_EQ(ExtractIconCount(QStringLiteral(VELLUMY_BIN_DIR "/HOLIDAY.ICL")), 20);
    ASSERT_TRUE(QFile::copy(shipped, temp.filePath("holiday.nil")));
    EXPECT_EQ(ExtractIconCount(temp.filePath("holiday.nil")), 20);
}

TEST_F(IconLibraryTest, PeLibrariesBuiltByBinutilsAgreeWithIcotool)
{
    if (!have("convert") || !have("cpp"))
        GTEST_SKIP() << "ImageMagick or the C preprocessor is not installed";
    const QString dir = temp.path();
    // A picture without half-transparent pixels, so that icotool can store it
    // with 16 and 256 colours; and a 48-pixel one stored as PNG.
    run(QStringLiteral("convert"), {"-size", "32x32", "xc:none", "+antialias", "-fill", "red", "-draw", "circle 16,16 16,4",
                                    "-fill", "blue", "-draw", "rectangle 2,2 10,10", "-depth", "8", "p32.png"}, dir);
    run(QStringLiteral("convert"), {"p32.png", "-sample", "16x16", "p16.png"}, dir);
    run(QStringLiteral("convert"), {"-size", "48x48", "gradient:yellow-green", "-depth", "8", "p48.png"}, dir);
    run(QStringLiteral("icotool"), {"-c", "-o", "mixed.ico", "-b", "32", "p16.png", "-b", "4", "p32.png", "-b", "8", "p32.png",
                                    "-b", "32", "p32.png"}, dir);
    run(QStringLiteral("icotool"), {"-c", "-b", "8", "-o", "eight.ico", "p32.png"}, dir);
    run(QStringLiteral("icotool"), {"-c", "-r", "p48.png", "-o", "png.ico"}, dir);
    QFile rc(temp.filePath("icons.rc"));
    ASSERT_TRUE(rc.open(QIODevice::WriteOnly));
    rc.write("7 ICON \"mixed.ico\"\n8 ICON \"eight.ico\"\n9 ICON \"png.ico\"\n");
    rc.close();

    // The .ico files read alone: one icon each, the deepest 32-pixel image.
    const TIconLibrary mixed = TIconLibrary::FromFile(temp.filePath("mixed.ico"));
    ASSERT_EQ(mixed.Count(), 1);
    EXPECT_EQ(differingPixels(mixed.Icon(0), icotoolImage(temp.filePath("mixed.ico"), 32, 32, dir)), 0);
    EXPECT_EQ(differingPixels(mixed.Image(0, 16), icotoolImage(temp.filePath("mixed.ico"), 16, 32, dir)), 0);

    int built = 0;
    for (const char* target : {"i686-w64-mingw32", "x86_64-w64-mingw32"}) {
        const QString windres = QString::fromLatin1(target) + QStringLiteral("-windres");
        const QString ld = QString::fromLatin1(target) + QStringLiteral("-ld");
        if (!have(qPrintable(windres)) || !have(qPrintable(ld)))
            continue;
        SCOPED_TRACE(target);
        run(windres, {"--preprocessor=cpp", "icons.rc", "-O", "coff", "-o", "icons.o"}, dir);
        run(ld, {"--dll", "-e", "0", "-o", "icons.dll", "icons.o"}, dir);
        const TIconLibrary library = TIconLibrary::FromFile(temp.filePath("icons.dll"));
        ASSERT_EQ(library.Count(), 3);
        EXPECT_EQ(differingPixels(library.Icon(0), icotoolImage(temp.filePath("mixed.ico"), 32, 32, dir)), 0);
        EXPECT_EQ(differingPixels(library.Image(0, 16), icotoolImage(temp.filePath("mixed.ico"), 16, 32, dir)), 0);
        EXPECT_EQ(differingPixels(library.Icon(1), icotoolImage(temp.filePath("eight.ico"), 32, 8, dir)), 0);
        // The PNG image at its own size, and shrunk to the system icon size.
        EXPECT_EQ(differingPixels(library.Image(2, 48), QImage(temp.filePath("p48.png"))), 0);
        EXPECT_EQ(library.Icon(2).size(), QSize(32, 32));
        QFile::remove(temp.filePath("icons.dll"));
        ++built;
    }
    if (!built)
        GTEST_SKIP() << "binutils-mingw-w64 (windres, ld) is not installed";
}

TEST(IconLibrary, DamagedFilesGiveFewerIconsNeverWrongOnes)
{
    QFile file(QStringLiteral(VELLUMY_BIN_DIR "/events.icl"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    const TIconLibrary intact = TIconLibrary::FromData(whole);
    ASSERT_EQ(intact.Count(), 20);
    // Cut anywhere: the icons whose images are still whole come out as before.
    for (qsizetype length = 0; length < whole.size(); length += 997) {
        const TIconLibrary cut = TIconLibrary::FromData(whole.left(length));
        EXPECT_LE(cut.Count(), 20);
        for (int i = 0; i < cut.Count(); ++i) {
            const QImage icon = cut.Icon(i);
            EXPECT_TRUE(icon.isNull() || icon.size() == QSize(32, 32));
        }
    }
    // Huge counts, offsets and alignment shifts in the tables are refused.
    QByteArray damaged = whole;
    const int ne = 0x80;
    const int table = ne + 0x40;
    damaged[table] = char(40);  // alignment shift
    EXPECT_EQ(TIconLibrary::FromData(damaged).Count(), 0);
    damaged = whole;
    damaged[table + 4] = char(0xff);  // the first type's resource count
    damaged[table + 5] = char(0xff);
    EXPECT_EQ(TIconLibrary::FromData(damaged).Count(), 0);
    // Files of other kinds hold no icons.
    EXPECT_EQ(TIconLibrary::FromData(QByteArray("MZ not an executable")).Count(), 0);
    EXPECT_EQ(ExtractIconCount(QStringLiteral(VELLUMY_BIN_DIR "/no such file.icl")), 0);
    EXPECT_TRUE(ExtractIcon(QStringLiteral(VELLUMY_BIN_DIR "/events.icl"), 20).isNull());
}
