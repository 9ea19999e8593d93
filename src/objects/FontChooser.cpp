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
    font.Assign(font.WithChosen(chosen));
    return true;
}

void SetFontChooserForTesting(std::function<bool(TFont& font)> chooser)
{
    fontChooser() = std::move(chooser);
}
