// Writes the shipped icon libraries: each one a 16-bit NE library of icons
// drawn in code, every icon at 32 x 32 and 16 x 16 pixels.
//   gen-icons OUTPUT_FOLDER
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "IconArt.h"
#include "NeIconWriter.h"

namespace {

QImage render(const IconDrawing& draw, int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    draw(p);
    p.end();
    // Icons are masked, not blended: each pixel is either shown or not.
    for (int y = 0; y < side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < side; ++x) {
            const QColor c = QColor::fromRgba(line[x]);
            line[x] = qAlpha(line[x]) < 128 ? 0 : qRgb(c.red(), c.green(), c.blue());
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    // Glyphs come from the font system: a headless application suffices.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: gen-icons OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(args[0]);
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "gen-icons: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    for (const IconSet& set : IconSets()) {
        QList<IconPictures> icons;
        for (const IconDrawing& draw : set.icons)
            icons.append({render(draw, 32), render(draw, 16)});
        const QString path = out.filePath(set.fileName);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(WriteNeIconLibrary(QFileInfo(path).baseName(), icons)) < 0 || !file.flush()) {
            std::fprintf(stderr, "gen-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
