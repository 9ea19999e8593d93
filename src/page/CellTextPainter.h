#pragma once
// Paints day-cell texts through the page's hidden rich-text control: on the
// screen through one scratch bitmap reused for every cell of a paint, for the
// printer as a recorded picture in print mode, so that text stays vector.
#include <QPicture>
#include <QSize>

#include "page/PixelRect.h"

class QImage;
class QPainter;
class TWPRichText;
class TWPRtfStorage;

class TCellTextPainter {
public:
    TCellTextPainter(TWPRichText& painter, QImage& scratch) : painter_(painter), scratch_(scratch) {}

    // The text painted at the zoom onto a white scratch bitmap one pixel
    // larger than the text rectangle each way, which is then copied into the
    // text rectangle. A rectangle without area paints nothing.
    void PaintCell(QPainter& page, const TWPRtfStorage& text, const PixelRect& textRect, int zoomPercent);

    // The text laid out for a frame of `frame` screen pixels in print mode,
    // wrapped at `wrapWidthPixels` (the cell's text width on the screen at
    // 100 %; 0: the frame's width), recorded as a picture whose bounding
    // rectangle is that frame.
    QPicture RecordCell(const TWPRtfStorage& text, const QSize& frame, int wrapWidthPixels = 0);

    // The page width a cell's text wraps at, in twips, for a text rectangle
    // `widthPixels` wide at the zoom: the same for the painted cell, the
    // printed one and the cell editor.
    static int CellPageWidthTwips(int widthPixels, int zoomPercent);

private:
    TWPRichText& painter_;
    QImage& scratch_;
};
