#include "app/PropertiesChoosers.h"

#include <QColorDialog>
#include <QFileDialog>

#include "app/FontColorDialog.h"
#include "persist/Font.h"

namespace {

PropertiesChoosersForTesting& choosers()
{
    static PropertiesChoosersForTesting instance;
    return instance;
}

} // namespace

bool ChooseFontAndColor(TFont& font, QWidget* parent)
{
    if (choosers().font)
        return choosers().font(font);
    TFontColorDialog dialog(font, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font.Assign(dialog.ChosenFont());
    return true;
}

bool ChooseColor(TColor& color, QWidget* parent)
{
    if (choosers().color)
        return choosers().color(color);
    const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
    if (!chosen.isValid())
        return false;
    color = FromQColor(chosen);
    return true;
}

QString ChooseSaveFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& fileName,
                           const QString& filter)
{
    if (choosers().saveFile)
        return choosers().saveFile(caption, folder, fileName, filter);
    return QFileDialog::getSaveFileName(parent, caption, folder + fileName, filter);
}

QString ChooseOpenFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter)
{
    if (choosers().openFile)
        return choosers().openFile(caption, folder, filter);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

void SetPropertiesChoosersForTesting(PropertiesChoosersForTesting replacement)
{
    choosers() = std::move(replacement);
}
