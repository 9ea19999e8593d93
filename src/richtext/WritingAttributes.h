#pragma once
#include <QString>
#include <array>

#include "persist/Color.h"

// The attributes new text is written with in a rich-text editor: font name,
// size in points, style bits (those of TFont: 1 bold, 2 italic, 4 underline,
// 8 strikeout) and colour.
struct TWPWritingAttributes {
    QString fontName;
    double size = 12;
    unsigned style = 0;
    TColor color = TColors::clBlack;

    bool operator==(const TWPWritingAttributes&) const = default;
};

// The editor's colour table: the 16 colours its colour list offers, black
// first. The default editor font's colour is looked up here; a colour the
// table lacks gives index 0.
const std::array<TColor, 16>& WPColorTable();
// Index of the last entry equal to `color`; 0 when none is.
int WPColorTableIndex(TColor color);
