// gen-textures FOLDER NAME...: draws the named texture bitmaps as FOLDER/NAME.bmp.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstdio>

#include "TextureDesigns.h"
#include "platform/DibImage.h"

namespace {

constexpr int TextureSize = 128;

QByteArray bmpFile(const QImage& image)
{
    const QByteArray dib = TDibImage::ToDib(image);
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(14 + 40, file.data() + 10);  // 40-byte header, no colour table
    return file + dib;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: gen-textures FOLDER NAME...\n");
        return 2;
    }
    const QDir folder(args[1]);
    for (int i = 2; i < args.size(); ++i) {
        const QImage texture = DrawTexture(args[i], TextureSize);
        if (texture.isNull()) {
            std::fprintf(stderr, "gen-textures: unknown texture %s\n", qPrintable(args[i]));
            return 1;
        }
        QFile out(folder.filePath(args[i] + QStringLiteral(".bmp")));
        if (!out.open(QIODevice::WriteOnly) || out.write(bmpFile(texture)) < 0) {
            std::fprintf(stderr, "gen-textures: cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}
