// vellumy-tool image: a picture file decoded exactly as the image browser
// decodes it for its preview, saved as a PNG image of the picture's size.
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cstdio>

#include "PageOptions.h"
#include "ToolCommand.h"
#include "objects/kinds/GImageBrowser.h"
#include "objects/kinds/Picture.h"

namespace {

int run(const QStringList& arguments)
{
    QString file;
    QString output;
    try {
        for (int i = 0; i < arguments.size(); ++i) {
            if (arguments[i] == QLatin1String("-o"))
                output = TakeOptionValue(arguments, i);
            else
                TakeDocumentArgument(arguments[i], file);
        }
        if (file.isEmpty() || output.isEmpty())
            throw UsageError{QStringLiteral("FILE and -o OUT.png are required")};
    } catch (const UsageError& error) {
        std::fprintf(stderr, "vellumy-tool image: %s\n", qPrintable(error.message));
        return ToolBadUsage;
    }

    if (!QFileInfo(file).isFile()) {
        std::fprintf(stderr, "vellumy-tool image: %s: no such file\n", qPrintable(file));
        return ToolFailed;
    }
    TPicture picture;
    if (!TGImageBrowser::LoadPreview(file, picture, nullptr) || !picture.CanDraw()
        || picture.Width() <= 0 || picture.Height() <= 0) {
        std::fprintf(stderr, "vellumy-tool image: %s cannot be decoded as a picture\n", qPrintable(file));
        return ToolFailed;
    }
    QImage image(picture.Width(), picture.Height(), QImage::Format_ARGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "vellumy-tool image: %s is too large to draw\n", qPrintable(file));
        return ToolFailed;
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        picture.Draw(painter, QRectF(0, 0, picture.Width(), picture.Height()));
    }
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "vellumy-tool image: cannot write '%s'\n", qPrintable(output));
        return ToolFailed;
    }
    std::printf("%s: %d x %d\n", qPrintable(QFileInfo(file).fileName()), picture.Width(), picture.Height());
    return ToolOk;
}

ToolCommandRegistration reg({"image", "FILE -o OUT.png: a picture file (BMP, DIB, RLE, JPG, JIF, GIF, PCX, TGA, "
                                      "WMF, ICO) decoded as the image browser does, as a PNG image",
                             &run});

} // namespace
