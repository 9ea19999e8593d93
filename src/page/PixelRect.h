#pragma once
#include <QRect>

// A rectangle as the page computes with it: (left, top, right, bottom) with
// right and bottom just outside, so width = right - left. Containment is
// half-open. QRect's right() is inclusive, hence this separate type.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    // (0, 0, 0, 0): "no area" as the cell records use it.
    constexpr bool IsZero() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool Contains(int x, int y) const
    {
        return left <= x && x < right && top <= y && y < bottom;
    }
    // Any overlap; a rectangle's right and bottom edges are excluded.
    constexpr bool Intersects(const PixelRect& o) const
    {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    constexpr bool operator==(const PixelRect&) const = default;

    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
    static PixelRect FromQRect(const QRect& r)
    {
        return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
};

// Each coordinate times the zoom, rounded separately (ties to even).
PixelRect ZoomedRect(const PixelRect& rect, float zoom);
