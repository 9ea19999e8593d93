#pragma once
#include <QMargins>
#include <QRect>

class QPainter;
class QTextDocument;

// Lays out a rich-text document for a page and paints it into a rectangle of
// any painter. The page is measured in twips; the document is laid out in
// screen pixels at 100 % and drawn scaled by the zoom, so the text wraps at
// the page width whatever the zoom. On printers and PDF writers the scale
// also covers their resolution.
//
// Texts are laid out with the fonts' design metrics, never the screen's
// hinted ones, and wrap at a whole number of pixels: the line breaks are then
// the same in the editor, on the screen at any zoom and on paper, and the
// glyphs stay vector text on a PDF or in a recorded picture.
struct TRichTextLayout {
    int zoomPercent = 100;
    int pageWidthTwips = 0;     // 0: the target rectangle's width (unzoomed)
    QMargins marginsTwips;      // page margins
    bool wordWrap = true;
    bool printMode = false;
};

class TRichTextPainter {
public:
    // Applies the layout's margins and metrics to the document (only what
    // changed, so an unchanged layout is not computed again).
    static void PrepareDocument(QTextDocument& document, const TRichTextLayout& layout);
    // The width the text wraps at, in document pixels; -1 for no wrapping.
    static double TextWidth(const TRichTextLayout& layout, double targetWidth, double scale);

    // Paints into `target` (painter coordinates), clipped to it.
    static void Paint(QTextDocument& document, QPainter& painter, const QRect& target, const TRichTextLayout& layout);

    // Device pixels per screen pixel of the painter's device: the printer or
    // PDF resolution over the screen's, 1 for images, pictures and widgets.
    static double DeviceScale(const QPainter& painter);

    static double TwipsToPixels(int twips);
    // Screen pixels (at 100 %) to twips, rounded to the nearest twip.
    static int PixelsToTwips(double pixels);
};
