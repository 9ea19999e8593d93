#include "objects/kinds/KindEnums.h"

const TEnumNames& BorderStyleNames()
{
    static const TEnumNames names{"bsNone", "bsSingle"};
    return names;
}

const TEnumNames& ShadowDirectionNames()
{
    static const TEnumNames names{"sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown"};
    return names;
}

QPoint ShadowOffset(TShadowDirection orientation, int depth)
{
    switch (orientation) {
    case sdRight: return {depth, 0};
    case sdLeft: return {-depth, 0};
    case sdDownRight: return {depth, depth};
    case sdDownLeft: return {-depth, depth};
    case sdDown: return {0, depth};
    case sdNone: break;
    }
    return {0, 0};
}

const TEnumNames& PenStyleNames()
{
    static const TEnumNames names{"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                                  "psInsideFrame"};
    return names;
}

Qt::PenStyle ToQtPenStyle(TPenStyle style)
{
    switch (style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    case psSolid:
    case psInsideFrame: break;
    }
    return Qt::SolidLine;
}
