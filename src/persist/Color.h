#pragma once
#include <QColor>
#include <cstdint>

#include "persist/ClassInfo.h"

// A colour as the documents store it: 0x00BBGGRR. Values from 0x80000000 name
// system colours, resolved against the running desktop's palette when drawn.
using TColor = std::int32_t;

namespace TColors {
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clSystem = TColor(0x80000000u);
constexpr TColor clScrollBar = TColor(0x80000000u);
constexpr TColor clBackground = TColor(0x80000001u);
constexpr TColor clActiveCaption = TColor(0x80000002u);
constexpr TColor clInactiveCaption = TColor(0x80000003u);
constexpr TColor clMenu = TColor(0x80000004u);
constexpr TColor clWindow = TColor(0x80000005u);
constexpr TColor clWindowFrame = TColor(0x80000006u);
constexpr TColor clMenuText = TColor(0x80000007u);
constexpr TColor clWindowText = TColor(0x80000008u);
constexpr TColor clCaptionText = TColor(0x80000009u);
constexpr TColor clActiveBorder = TColor(0x8000000Au);
constexpr TColor clInactiveBorder = TColor(0x8000000Bu);
constexpr TColor clAppWorkSpace = TColor(0x8000000Cu);
constexpr TColor clHighlight = TColor(0x8000000Du);
constexpr TColor clHighlightText = TColor(0x8000000Eu);
constexpr TColor clBtnFace = TColor(0x8000000Fu);
constexpr TColor clBtnShadow = TColor(0x80000010u);
constexpr TColor clGrayText = TColor(0x80000011u);
constexpr TColor clBtnText = TColor(0x80000012u);
constexpr TColor clInactiveCaptionText = TColor(0x80000013u);
constexpr TColor clBtnHighlight = TColor(0x80000014u);
constexpr TColor cl3DDkShadow = TColor(0x80000015u);
constexpr TColor cl3DLight = TColor(0x80000016u);
constexpr TColor clInfoText = TColor(0x80000017u);
constexpr TColor clInfoBk = TColor(0x80000018u);
} // namespace TColors

// The colour-name table of the object stream (names written as identifiers).
const TIntIdents& ColorIdents();

// Name of a colour ("clGray"), or an empty array when it has none.
QByteArray ColorToIdent(TColor color);
// Colour of a name (exact, then without regard to case); false when unknown.
bool IdentToColor(const QByteArray& name, TColor& color);

// Drawing colour: system colours resolved through the application palette;
// clNone gives a transparent colour.
QColor ToQColor(TColor color);
// The TColor of an opaque QColor (0x00BBGGRR).
TColor FromQColor(const QColor& color);
