#pragma once
// The exclusive-or layer of a page: rubber bands, drag feedback and the
// keyboard-move rectangle are drawn here as white dotted outlines XORed onto
// whatever the page and its objects show. Drawing a rectangle a second time
// erases it, exactly as an XOR pen on the page's surface would; unlike a pen
// on a window, the outlines survive repaints of the page underneath.
//
// The layer is a child of the page covering all of it, ignores the mouse and
// is shown (and raised above everything) only while it holds an outline.
#include <QList>
#include <QRect>
#include <QWidget>

class TGXorOverlay : public QWidget {
    Q_OBJECT
public:
    explicit TGXorOverlay(QWidget* page);

    // Draws the outline of the rectangle (left, top)-(right, bottom), right and
    // bottom excluded: inverts its dotted pixels. An empty rectangle draws
    // nothing.
    void DrawRect(const QRect& rect);
    // Drops every outline (the page was repainted over them).
    void Clear();
    // The outlines currently shown, in drawing order.
    const QList<QRect>& Rects() const { return rects_; }

    // Pixels of the dotted outline, each once: every second pixel walking
    // clockwise round the rectangle from its top-left corner.
    static QList<QPoint> OutlinePixels(const QRect& rect);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh(const QRect& rect);

    QList<QRect> rects_;
};
