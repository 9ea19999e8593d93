#pragma once
// One-line text on the page's off-screen bitmap, placed the way the desktop
// canvas places DrawText output: the line box is the font's ascent plus
// descent, centred with integer division, and text that does not fit its
// rectangle is clipped to it. Ampersands are ordinary characters.
//
// A page repeats the same few texts (day numbers, weekday names, month
// titles) in the same fonts paint after paint, so each text is shaped once
// and its glyphs are kept for later paints.
#include <QFont>
#include <QFontMetrics>
#include <QString>

#include "page/CalDrawParams.h"

class QPainter;
struct TShapedText;

class TScreenText {
public:
    enum HAlign { Left, Center, Right };
    enum VAlign { Top, VCenter, Bottom };

    // The font at its (already zoomed) size on a 96-dpi bitmap.
    explicit TScreenText(const CalFontParams& font);

    const QFont& Font() const { return font_; }
    int LineHeight() const { return lineHeight_; }
    int Width(const QString& text) const;

    // Selects font and text colour on the painter; Draw relies on them.
    void Select(QPainter& painter) const;
    void Draw(QPainter& painter, const PixelRect& rect, const QString& text, HAlign h, VAlign v) const;

private:
    const TShapedText& shaped(const QString& text) const;

    QFont font_;
    QString fontKey_;
    QColor color_;
    int ascent_ = 0;
    int lineHeight_ = 0;
};
