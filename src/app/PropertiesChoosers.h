#pragma once
// The common dialogs the properties dialog opens (font with colour, colour,
// save and open file), behind one seam so that tests can answer them
// without a modal dialog.
#include <QString>
#include <functional>

#include "persist/Color.h"

class QWidget;
class TFont;

// The font dialog preset with `font`; on OK name, size, style and colour are
// stored into `font` and true is returned.
bool ChooseFontAndColor(TFont& font, QWidget* parent);
// The colour dialog preset with `color`; on OK the chosen colour is stored.
bool ChooseColor(TColor& color, QWidget* parent);
// A file name for saving or opening; empty when the user cancelled. `filter`
// is a Qt filter ("Calendar Style Sheet (*.QXS)").
QString ChooseSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                           const QString& fileName, const QString& filter);
QString ChooseOpenFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);

// Answers in place of the dialogs; an empty member leaves that dialog real.
struct PropertiesChoosersForTesting {
    std::function<bool(TFont& font)> font = {};
    std::function<bool(TColor& color)> color = {};
    std::function<QString(const QString& caption, const QString& folder, const QString& fileName,
                          const QString& filter)>
        saveFile = {};
    std::function<QString(const QString& caption, const QString& folder, const QString& filter)> openFile = {};
};
void SetPropertiesChoosersForTesting(PropertiesChoosersForTesting choosers);
