#pragma once
// The border designs: each draws one border onto a canvas of any size,
// keeping to the band TBorderCanvas::Band wide along the edges.
#include <QString>
#include <map>

class TBorderCanvas;

using BorderDesign = void (*)(TBorderCanvas&);

void DrawClassicBorder(TBorderCanvas& canvas);
void DrawHollyBorder(TBorderCanvas& canvas);
void DrawStarsBorder(TBorderCanvas& canvas);
void DrawCelticBorder(TBorderCanvas& canvas);
void DrawFloralBorder(TBorderCanvas& canvas);
void DrawArtDecoBorder(TBorderCanvas& canvas);
void DrawCrayonBorder(TBorderCanvas& canvas);

// By the file name each border is shipped under.
const std::map<QString, BorderDesign>& BorderDesigns();
