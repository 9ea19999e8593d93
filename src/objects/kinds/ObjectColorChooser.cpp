#include "objects/kinds/ObjectColorChooser.h"

#include <QColorDialog>

namespace {

std::function<bool(TColor&)>& colorChooser()
{
    static std::function<bool(TColor&)> chooser;
    return chooser;
}

} // namespace

bool ChooseObjectColor(TColor& color, QWidget* parent)
{
    if (auto& chooser = colorChooser())
        return chooser(color);
    const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
    if (!chosen.isValid())
        return false;
    color = FromQColor(chosen);
    return true;
}

void SetObjectColorChooserForTesting(std::function<bool(TColor& color)> chooser)
{
    colorChooser() = std::move(chooser);
}
