// Metafiles written by another program (LibreOffice's WMF export of the SVG
// drawings in tests/data/wmf), played by us and compared with renderings by
// an independent player (libwmf's wmf2gd). Antialiasing and font hinting
// differ between the two, so the comparison blurs both images a little and
// counts pixels whose colour still differs clearly.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineF>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "WmfTestSupport.h"

using namespace wmftest;
using vellumy::test::DataPath;
using vellumy::test::SaveForInspection;

namespace {

const QSize PeerSize(400, 300);

QImage onWhite(const QImage& image)
{
    QImage result(image.size(), QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter painter(&result);
    painter.drawImage(0, 0, image);
    return result;
}

// Box blur: one-pixel shifts of antialiased edges stop counting.
QImage blurred(const QImage& image, int radius)
{
    QImage result(image.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int dy = -radius; dy <= radius; ++dy) {
                for (int dx = -radius; dx <= radius; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= image.width() || sy >= image.height())
                        continue;
                    const QRgb p = image.pixel(sx, sy);
                    r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
                }
            }
            result.setPixel(x, y, qRgb(r / n, g / n, b / n));
        }
    }
    return result;
}

// Among the pixels that carry ink in either image, the share where some
// channel differs by more than the threshold after blurring; and a picture
// of where they are.
double differingShare(const QImage& ours, const QImage& peer, int radius, QImage* where = nullptr,
                      int threshold = 80)
{
    const QImage a = blurred(ours, radius);
    const QImage b = blurred(peer, radius);
    if (where) {
        *where = QImage(a.size(), QImage::Format_RGB32);
        where->fill(Qt::white);
    }
    int differing = 0;
    int inked = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (p != qRgb(255, 255, 255) || q != qRgb(255, 255, 255))
                ++inked;
            if (std::abs(qRed(p) - qRed(q)) > threshold || std::abs(qGreen(p) - qGreen(q)) > threshold ||
                std::abs(qBlue(p) - qBlue(q)) > threshold) {
                ++differing;
                if (where)
                    where->setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    }
    return inked ? double(differing) / inked : 0.0;
}

// libwmf frames a picture by its own estimate of what the records draw, not
// by the placeable header's box, and its estimate for text is generous. So
// our rendering is registered onto the peer's: the frame is moved and scaled
// (per axis) until our ink box covers theirs, then nudged by up to two pixels
// to where the images agree best (ink boxes are only pixel-exact).
QRect inkBox(const QImage& image) { return InkBounds(image, 60); }

qint64 distance(const QImage& a, const QImage& b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(p[x]) - qRed(q[x])) + std::abs(qGreen(p[x]) - qGreen(q[x])) +
                   std::abs(qBlue(p[x]) - qBlue(q[x]));
    }
    return sum;
}

QImage renderFixture(const QString& name, const QImage& peer)
{
    TWmfPicture picture;
    EXPECT_TRUE(picture.LoadFromFile(DataPath(QStringLiteral("wmf/%1.wmf").arg(name))))
        << picture.ErrorString().toStdString();
    const QImage plain = Render(picture, PeerSize);
    const QRectF ours = inkBox(plain);
    const QRectF theirs = inkBox(peer);
    if (ours.isEmpty() || theirs.isEmpty())
        return plain;
    const double sx = theirs.width() / ours.width();
    const double sy = theirs.height() / ours.height();
    const QRectF target(theirs.left() - ours.left() * sx, theirs.top() - ours.top() * sy, PeerSize.width() * sx,
                        PeerSize.height() * sy);
    QImage best;
    qint64 bestDistance = -1;
    for (double dy = -2; dy <= 2; dy += 0.5) {
        for (double dx = -2; dx <= 2; dx += 0.5) {
            QImage candidate = Render(picture, PeerSize, target.translated(dx, dy));
            const qint64 d = distance(candidate, peer);
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = candidate;
            }
        }
    }
    return best;
}

// The boxes of separate pieces of ink (pixels within a few pixels of each
// other belong together): about one box per word.
QList<QRect> inkPieces(const QImage& image)
{
    const int w = image.width(), h = image.height();
    const int reach = 5;
    std::vector<uchar> ink(size_t(w * h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ink[size_t(y * w + x)] = qGray(image.pixel(x, y)) < 160;
    std::vector<int> label(size_t(w * h), -1);
    QList<QRect> pieces;
    for (int start = 0; start < w * h; ++start) {
        if (!ink[size_t(start)] || label[size_t(start)] >= 0)
            continue;
        QRect box;
        std::vector<int> todo{start};
        label[size_t(start)] = int(pieces.size());
        while (!todo.empty()) {
            const int at = todo.back();
            todo.pop_back();
            const int x0 = at % w, y0 = at / w;
            box = box.united(QRect(x0, y0, 1, 1));
            for (int y = std::max(0, y0 - reach); y <= std::min(h - 1, y0 + reach); ++y) {
                for (int x = std::max(0, x0 - reach); x <= std::min(w - 1, x0 + reach); ++x) {
                    const size_t i = size_t(y * w + x);
                    if (ink[i] && label[i] < 0) {
                        label[i] = int(pieces.size());
                        todo.push_back(int(i));
                    }
                }
            }
        }
        pieces.append(box);
    }
    return pieces;
}

// Largest distance between the edges of each box and the edges of the
// other list's box nearest to it (a large number when the counts differ).
int worstEdge(const QList<QRect>& a, const QList<QRect>& b)
{
    if (a.size() != b.size() || a.isEmpty())
        return 1000;
    int worst = 0;
    for (const QRect& r : a) {
        const QRect* nearest = nullptr;
        double best = 0;
        for (const QRect& q : b) {
            const double d = QLineF(r.center(), q.center()).length();
            if (!nearest || d < best) {
                nearest = &q;
                best = d;
            }
        }
        worst = std::max({worst, std::abs(r.left() - nearest->left()), std::abs(r.right() - nearest->right()),
                          std::abs(r.top() - nearest->top()), std::abs(r.bottom() - nearest->bottom())});
    }
    return worst;
}

// The peer that rendered each fixture, the allowed share of clearly
// differing pixels and the blur radius. libwmf smooths stretched bitmaps
// where GDI (and we) repeat pixels, and it sizes text with fonts of its own,
// so text is compared with LibreOffice's rendering. Glyph pixels of two text
// engines never agree exactly; there every line's box must, within a few
// pixels.
enum class Peer { Libwmf, LibreOffice };
struct Fixture {
    const char* name;
    Peer peer;
    double allowed;
    int blur;
    int textBoxTolerance; // 0: no text to compare box by box
};
const Fixture Fixtures[] = {{"shapes", Peer::Libwmf, 0.015, 1, 0},
                            {"image", Peer::Libwmf, 0.01, 6, 0},
                            {"text", Peer::LibreOffice, 0.07, 2, 2}};

// Runs the fixture's peer the way tests/data/wmf/make-fixtures.sh does; a
// null image when the peer's programs are not installed.
QImage livePeerRendering(const Fixture& f, const QTemporaryDir& dir)
{
    const QString name = QString::fromLatin1(f.name);
    const QString wmf = DataPath(QStringLiteral("wmf/%1.wmf").arg(name));
    const QString png = dir.filePath(name + QStringLiteral(".png"));
    auto run = [](const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(120000) && process.exitCode() == 0;
    };
    if (f.peer == Peer::Libwmf) {
        const QString wmf2gd = QStandardPaths::findExecutable(QStringLiteral("wmf2gd"));
        if (wmf2gd.isEmpty() || !run(wmf2gd, {QStringLiteral("--maxwidth=400"), QStringLiteral("--maxheight=300"),
                                              QStringLiteral("--maxsize"), QStringLiteral("-o"), png, wmf}))
            return {};
        return onWhite(QImage(png));
    }
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    const QString convert = QStringLiteral("/usr/bin/convert");
    if (soffice.isEmpty() || !QFile::exists(convert))
        return {};
    const QString filter = QStringLiteral(
        "png:draw_png_Export:{\"PixelWidth\":{\"type\":\"long\",\"value\":\"853\"},"
        "\"PixelHeight\":{\"type\":\"long\",\"value\":\"1207\"}}");
    const QString page = dir.filePath(QStringLiteral("page/") + name + QStringLiteral(".png"));
    if (!run(soffice, {QStringLiteral("--headless"),
                       QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
                       QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"),
                       dir.filePath(QStringLiteral("page")), wmf}))
        return {};
    if (!run(convert, {page, QStringLiteral("-background"), QStringLiteral("white"), QStringLiteral("-flatten"),
                       QStringLiteral("-trim"), QStringLiteral("+repage"), QStringLiteral("-gravity"),
                       QStringLiteral("center"), QStringLiteral("-extent"), QStringLiteral("400x300"), png}))
        return {};
    return onWhite(QImage(png));
}

void expectAgreement(const Fixture& f, const QImage& ours, const QImage& peer, bool keep)
{
    QImage where;
    const double share = differingShare(ours, peer, f.blur, &where);
    if (keep) {
        SaveForInspection(ours, QStringLiteral("wmf-peer-%1-ours.png").arg(QLatin1String(f.name)));
        SaveForInspection(where, QStringLiteral("wmf-peer-%1-diff.png").arg(QLatin1String(f.name)));
        std::printf("%s: %.4f of the inked pixels differ\n", f.name, share);
    }
    EXPECT_LT(share, f.allowed) << f.name;
    if (f.textBoxTolerance) {
        const int worst = worstEdge(inkPieces(ours), inkPieces(peer));
        if (keep)
            std::printf("%s: word boxes agree within %d pixels\n", f.name, worst);
        EXPECT_LE(worst, f.textBoxTolerance) << f.name;
    }
}

} // namespace

TEST(WmfPeer, LibreOfficeMetafilesMatchTheCommittedPeerRenderings)
{
    for (const Fixture& f : Fixtures) {
        const QString name = QString::fromLatin1(f.name);
        QImage peer(DataPath(QStringLiteral("wmf/%1.peer.png").arg(name)));
        ASSERT_FALSE(peer.isNull()) << f.name;
        peer = onWhite(peer);
        const QImage ours = renderFixture(name, peer);
        ASSERT_EQ(peer.size(), ours.size());
        expectAgreement(f, ours, peer, true);

        // The comparison tells: neither a blank image nor our drawing moved
        // by four pixels would pass.
        QImage blank(PeerSize, QImage::Format_RGB32);
        blank.fill(Qt::white);
        EXPECT_GT(differingShare(blank, peer, f.blur), 4 * f.allowed) << f.name;
        QImage moved(PeerSize, QImage::Format_RGB32);
        moved.fill(Qt::white);
        QPainter(&moved).drawImage(4, 4, ours);
        if (f.textBoxTolerance)
            EXPECT_GT(worstEdge(inkPieces(moved), inkPieces(peer)), f.textBoxTolerance) << f.name;
        else
            EXPECT_GT(differingShare(moved, peer, f.blur), 2 * f.allowed) << f.name;
    }
}

TEST(WmfPeer, LivePeerRenderingAgrees)
{
    QTemporaryDir dir;
    int compared = 0;
    for (const Fixture& f : Fixtures) {
        const QImage peer = livePeerRendering(f, dir);
        if (peer.isNull())
            continue;
        ASSERT_EQ(peer.size(), PeerSize) << f.name;
        expectAgreement(f, renderFixture(QString::fromLatin1(f.name), peer), peer, false);
        ++compared;
    }
    if (compared == 0)
        GTEST_SKIP() << "neither wmf2gd (libwmf-bin) nor soffice with ImageMagick is installed";
}
