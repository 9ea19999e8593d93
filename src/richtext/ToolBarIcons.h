#pragma once
#include <QColor>
#include <QIcon>

// The pictures of the formatting toolbar's buttons, drawn rather than loaded
// so that they need no files. Names: "bold", "italic", "underline",
// "normal", "left", "right", "justify", "center", "copy", "cut", "paste",
// "selectall".
QIcon ToolBarIcon(const char* name);
// A colour swatch for the colour list.
QIcon ColorSwatchIcon(const QColor& color);
