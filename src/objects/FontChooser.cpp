#include "objects/FontChooser.h"

#include <QFontDialog>
#include <QFontInfo>

#include "persist/Font.h"

namespace {

std::function<bool(TFont&)>& fontChooser()
{
    static std::function<bool(TFont&)> chooser;
    return chooser;
}

} // namespace

QFont FontDialogPreset(const TFont& font)
{
    const QFont wanted = font.ToQFont();
    QFont preset(QFontInfo(wanted).family());
    preset.setPointSize(qMax(1, font.Size()));
    preset.setBold(wanted.bold());
    preset.setItalic(wanted.italic());
    preset.setUnderline(wanted.underline());
    preset.setStrikeOut(wanted.strikeOut());
    return preset;
}

TFont FontFromDialog(const TFont& original, const QFont& chosen)
{
    TFont result = original.WithChosen(chosen);
    if (chosen.family() == QFontInfo(original.ToQFont()).family())
        result.SetName(original.Name());
    return result;
}

bool ChooseFont(TFont& font, QWidget* parent)
{
    if (auto& chooser = fontChooser())
        return chooser(font);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, FontDialogPreset(font), parent);
    if (!ok)
        return false;
    font.Assign(FontFromDialog(font, chosen));
    return true;
}

void SetFontChooserForTesting(std::function<bool(TFont& font)> chooser)
{
    fontChooser() = std::move(chooser);
}
