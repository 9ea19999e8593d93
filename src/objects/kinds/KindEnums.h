#pragma once
// Enumerations shared by the page-object kinds, with the name tables the
// object stream writes them by.
#include <QPoint>
#include <Qt>

#include "persist/ClassInfo.h"

// A page object's frame: bsSingle draws a black one-pixel frame.
enum TBorderStyle { bsNone, bsSingle };
const TEnumNames& BorderStyleNames();

// Direction of a text object's shadow.
enum TShadowDirection { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };
const TEnumNames& ShadowDirectionNames();
// The shadow's offset for a depth in pixels.
QPoint ShadowOffset(TShadowDirection orientation, int depth);

// Pen styles as documents name them.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
const TEnumNames& PenStyleNames();
Qt::PenStyle ToQtPenStyle(TPenStyle style);
