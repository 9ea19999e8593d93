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

    // The text laid out at `wrapWidthPixels` (the cell's text width at
    // 100 %) and painted scaled to the text rectangle's width onto a white
    // scratch bitmap one pixel larger than the rectangle each way, which is
    // then copied into the rectangle. A rectangle without area paints nothing.
    void PaintCell(QPainter& page, const TWPRtfStorage& text, const PixelRect& textRect, int wrapWidthPixels);

    // The text laid out for a frame of `frame` screen pixels in print mode,
    // wrapped at `wrapWidthPixels` (the cell's text width on the screen at
    // 100 %; 0: the frame's width), recorded as a picture whose bounding
    // rectangle is that frame.
    QPicture RecordCell(const TWPRtfStorage& text, const QSize& frame, int wrapWidthPixels = 0);

    // The zoom that shows a text laid out `wrapWidthPixels` wide in a text
    // rectangle `widthPixels` wide (percent, at least 1).
    static int ZoomToFit(int widthPixels, int wrapWidthPixels);

private:
    TWPRichText& painter_;
    QImage& scratch_;
};
