#include "objects/FontChooser.h"

#include <QFontDialog>

#include "persist/Font.h"

namespace {

std::function<bool(TFont&)>& fontChooser()
{
    static std::function<bool(TFont&)> chooser;
    return chooser;
}

} // namespace

bool ChooseFont(TFont& font, QWidget* parent)
{
    if (auto& chooser = fontChooser())
        return chooser(font);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font.ToQFont(), parent);
    if (!ok)
        return false;
    TFont result(font);
    result.SetName(chosen.family());
    if (chosen.pointSize() > 0)
        result.SetSize(chosen.pointSize());
    unsigned style = 0;
    if (chosen.bold())
        style |= TFont::fsBold;
    if (chosen.italic())
        style |= TFont::fsItalic;
    if (chosen.underline())
        style |= TFont::fsUnderline;
    if (chosen.strikeOut())
        style |= TFont::fsStrikeOut;
    result.SetStyleBits(style);
    font.Assign(result);
    return true;
}

void SetFontChooserForTesting(std::function<bool(TFont& font)> chooser)
{
    fontChooser() = std::move(chooser);
}
