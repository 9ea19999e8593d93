#pragma once
// The colour dialog the page objects and their dialogs open, behind a seam so
// that tests can answer it without a modal dialog.
#include <functional>

#include "persist/Color.h"

class QWidget;

// Preset with `color`; on OK the chosen colour is stored and true returned.
bool ChooseObjectColor(TColor& color, QWidget* parent);

// Tests answer instead of the dialog; an empty function restores the dialog.
void SetObjectColorChooserForTesting(std::function<bool(TColor& color)> chooser);
