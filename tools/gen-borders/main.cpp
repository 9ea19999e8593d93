// Writes the border pictures: for each design NAME, NAME.wpo (portrait page,
// 8 x 10.5 inches) and NAME.wls (landscape, 10.5 x 8 inches).
//   gen-borders OUTPUT_FOLDER [NAME...]     (all designs when no name is given)
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "BorderCanvas.h"
#include "BorderDesigns.h"

const std::map<QString, BorderDesign>& BorderDesigns()
{
    static const std::map<QString, BorderDesign> designs = {
        {QStringLiteral("Classic"), DrawClassicBorder}, {QStringLiteral("Holly"), DrawHollyBorder},
        {QStringLiteral("Stars"), DrawStarsBorder},     {QStringLiteral("Celtic"), DrawCelticBorder},
        {QStringLiteral("Floral"), DrawFloralBorder},   {QStringLiteral("ArtDeco"), DrawArtDecoBorder},
        {QStringLiteral("Crayon"), DrawCrayonBorder},
    };
    return designs;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: gen-borders OUTPUT_FOLDER [NAME...]\n");
        return 2;
    }
    const QDir out(args[0]);
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "gen-borders: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    QStringList names = args.mid(1);
    if (names.isEmpty())
        for (const auto& [name, draw] : BorderDesigns())
            names << name;
    for (const QString& name : names) {
        const auto design = BorderDesigns().find(name);
        if (design == BorderDesigns().end()) {
            std::fprintf(stderr, "gen-borders: no border named %s\n", qPrintable(name));
            return 1;
        }
        for (const bool portrait : {true, false}) {
            TBorderCanvas canvas(portrait ? 8.0 : 10.5, portrait ? 10.5 : 8.0);
            design->second(canvas);
            const QString path = out.filePath(name + (portrait ? QStringLiteral(".wpo") : QStringLiteral(".wls")));
            if (!canvas.Save(path)) {
                std::fprintf(stderr, "gen-borders: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
