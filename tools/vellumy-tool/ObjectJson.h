#pragma once
// Page objects as JSON, for vellumy-tool info: each object's class, name and
// every published property under its own name, written as the style block's
// values are (colours by name or $00BBGGRR, fonts as {Name, Size, Style,
// Color}, enumerations by name); a picture as {"kind", "width", "height"},
// rich text as its plain text.
#include <QJsonObject>
#include <QString>

#include "persist/Color.h"

class TFont;
class TGGraphicControl;

QString ColorJson(TColor color);
QJsonObject FontJson(const TFont& font);
QJsonObject PageObjectJson(TGGraphicControl& object);
