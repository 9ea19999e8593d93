#pragma once
// The drawing state a metafile changes as it plays (what SaveDC saves).
#include <QColor>
#include <QPainterPath>
#include <QPointF>

#include "platform/WmfObjects.h"
#include "platform/WmfRecords.h"

struct TWmfDC {
    int mapMode = wmf::MM_ANISOTROPIC;
    QPointF windowOrg;
    QPointF windowExt{1, 1};
    QPointF viewportOrg;
    QPointF viewportExt{1, 1};

    TWmfPen pen;                       // black, one pixel
    TWmfBrush brush;                   // solid white
    TWmfFont font;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    int bkMode = wmf::OPAQUE;
    int polyFillMode = wmf::ALTERNATE;
    int rop2 = wmf::R2_COPYPEN;
    int stretchMode = wmf::BLACKONWHITE;
    int textAlign = wmf::TA_LEFT | wmf::TA_TOP;
    int charExtra = 0;                 // logical units added after each character
    QPointF position;                  // current position, logical units

    bool clipped = false;
    QPainterPath clip;                 // painter coordinates
};
