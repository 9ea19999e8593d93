#include "objects/kinds/SymbolFonts.h"

#include <QFontDatabase>
#include <QRawFont>
#include <QRegularExpression>

#include "richtext/SymbolCharset.h"

namespace {

// fontconfig names a family once per foundry ("D050000L [urw]"); the family
// name alone selects it.
QString withoutFoundry(QString family)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]\\s*$"));
    return family.remove(foundry);
}

} // namespace

QStringList InstalledSymbolFonts()
{
    // Fonts are installed while the program is not running: one look suffices.
    static const QStringList installed = [] {
    QStringList fonts;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Symbol)) {
        if (!QFontDatabase::isSmoothlyScalable(family))
            continue;
        const QString name = withoutFoundry(family);
        if (!fonts.contains(name, Qt::CaseInsensitive))
            fonts.append(name);
    }
    fonts.sort(Qt::CaseInsensitive);
    return fonts;
    }();
    return installed;
}

bool IsSymbolFont(const QString& family)
{
    for (const QString& name : InstalledSymbolFonts())
        if (name.compare(family, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString SymbolFontText(const QFont& font, const QString& text)
{
    if (text.isEmpty() || !IsSymbolFont(font.family()))
        return text;
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid())
        return text;
    QString shown = text;
    for (QChar& c : shown) {
        const char16_t code = c.unicode();
        if (code < 0x20 || code > 0xFF || raw.supportsCharacter(c))
            continue;
        if (const QChar privateUse(char16_t(0xF000 + code)); raw.supportsCharacter(privateUse))
            c = privateUse;
        else if (const QChar mapped(SymbolToUnicode(uchar(code))); raw.supportsCharacter(mapped))
            c = mapped;
    }
    return shown;
}
