#pragma once
// The GDI objects a metafile creates into its object table: pens, brushes,
// fonts and regions, decoded from their creation records. Palettes and old
// device bitmaps only hold their slot.
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <variant>

#include "platform/WmfRecord.h"

struct TWmfPen {
    int style = 0;       // PS_* style, end cap and join bits
    int width = 0;       // logical units; 0 is one device pixel
    QColor color = Qt::black;

    static TWmfPen FromRecord(const TWmfRecord& record);
    int lineStyle() const { return style & 0x0F; }
};

struct TWmfBrush {
    int style = 0;       // BS_*
    QColor color = Qt::white;
    int hatch = 0;       // HS_* for hatched brushes
    QImage pattern;      // pattern brushes
    bool monochrome = false; // pattern bits 0/1 take the text and background colours

    // CreateBrushIndirect, DIBCreatePatternBrush and CreatePatternBrush.
    static TWmfBrush FromRecord(const TWmfRecord& record);
};

struct TWmfFont {
    int height = 0;      // < 0 character height, > 0 cell height, 0 default
    int width = 0;
    int escapement = 0;  // tenths of a degree, counter-clockwise
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    int pitchAndFamily = 0;
    QString faceName;

    static TWmfFont FromRecord(const TWmfRecord& record);
};

struct TWmfRegion {
    QPainterPath area; // logical units, the union of the region's rectangles

    static TWmfRegion FromRecord(const TWmfRecord& record);
};

// Palettes and device-dependent bitmaps: selected never, deleted normally.
struct TWmfPlaceholder {};

using TWmfObject = std::variant<std::monostate, TWmfPen, TWmfBrush, TWmfFont, TWmfRegion, TWmfPlaceholder>;

// A COLORREF (0x00BBGGRR); palette-index forms keep their low three bytes.
QColor WmfColor(quint32 colorRef);

// An old-style device-dependent bitmap (Bitmap16: type, width, height, bytes
// per row, planes, bits per pixel; the rows, top-down, start bitsOffset bytes
// into the block). Monochrome bits come out as black (0) and white (1).
QImage WmfBitmap16(const uchar* data, qsizetype size, qsizetype bitsOffset);
