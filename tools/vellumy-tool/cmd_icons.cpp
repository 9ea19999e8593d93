// vellumy-tool icons: the icons of an icon library, program or icon file as
// the icon palette shows them, as JSON; with -o each icon is written as
// DIR/NNN.png (index from 000).
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cstdio>

#include "PageOptions.h"
#include "ToolCommand.h"
#include "platform/IconLibrary.h"

namespace {

int run(const QStringList& arguments)
{
    QString file;
    QString outputFolder;
    try {
        for (int i = 0; i < arguments.size(); ++i) {
            if (arguments[i] == QLatin1String("-o"))
                outputFolder = TakeOptionValue(arguments, i);
            else
                TakeDocumentArgument(arguments[i], file);
        }
        if (file.isEmpty())
            throw UsageError{QStringLiteral("no icon file given")};
    } catch (const UsageError& error) {
        std::fprintf(stderr, "vellumy-tool icons: %s\nusage: vellumy-tool icons FILE [-o DIR]\n",
                     qPrintable(error.message));
        return ToolBadUsage;
    }

    const QString path = FileNameIgnoringCase(file);
    if (!QFileInfo(path).isFile()) {
        std::fprintf(stderr, "vellumy-tool icons: %s does not exist\n", qPrintable(file));
        return ToolFailed;
    }
    if (!QFileInfo(path).isReadable()) {
        std::fprintf(stderr, "vellumy-tool icons: %s cannot be read\n", qPrintable(file));
        return ToolFailed;
    }
    if (!outputFolder.isEmpty() && !QDir().mkpath(outputFolder)) {
        std::fprintf(stderr, "vellumy-tool icons: cannot create %s\n", qPrintable(outputFolder));
        return ToolFailed;
    }

    const TIconLibrary library = TIconLibrary::FromFile(path);
    QJsonArray icons;
    for (int i = 0; i < library.Count(); ++i) {
        const QImage icon = library.Icon(i);
        icons.append(QJsonObject{{"index", i}, {"width", icon.width()}, {"height", icon.height()}});
        if (outputFolder.isEmpty() || icon.isNull())
            continue;
        const QString name = QDir(outputFolder).filePath(QStringLiteral("%1.png").arg(i, 3, 10, QLatin1Char('0')));
        if (!icon.save(name, "PNG")) {
            std::fprintf(stderr, "vellumy-tool icons: cannot write %s\n", qPrintable(name));
            return ToolFailed;
        }
    }
    const QJsonObject json{{"count", library.Count()}, {"icons", icons}};
    std::fputs(QJsonDocument(json).toJson(QJsonDocument::Indented).constData(), stdout);
    return ToolOk;
}

ToolCommandRegistration reg({"icons", "FILE [-o DIR]: the icons of an icon library, program or .ico file, "
                                      "as JSON; -o writes them as DIR/NNN.png", &run});

} // namespace
