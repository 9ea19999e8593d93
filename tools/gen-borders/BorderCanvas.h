#pragma once
// A drawing surface in inches over the metafile writer: the border designs
// draw polygons, lines, ellipses and arcs with colours and widths, and the
// canvas turns them into records, creating and freeing pens and brushes as
// they change.
#include <QColor>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <functional>

#include "platform/WmfWriter.h"

class TBorderCanvas {
public:
    // Ornaments stay within this distance of the edges: the page keeps its
    // calendar 0.47 inch inside the border picture.
    static constexpr double Band = 0.45;
    static constexpr int UnitsPerInch = 1440;

    TBorderCanvas(double widthInches, double heightInches);

    double Width() const { return width_; }
    double Height() const { return height_; }

    void Fill(const QPolygonF& polygon, QColor fill);
    void Outline(const QPolygonF& polygon, QColor fill, QColor line, double lineWidth);
    void Line(const QPolygonF& points, QColor colour, double width, bool roundEnds = true);
    void Ellipse(const QRectF& box, QColor fill, QColor line = QColor(), double lineWidth = 0);
    void Rect(const QRectF& box, QColor fill, QColor line = QColor(), double lineWidth = 0);
    // Counter-clockwise from startDegrees (0 = 3 o'clock) over sweepDegrees.
    void Arc(const QRectF& box, double startDegrees, double sweepDegrees, QColor colour, double width);
    void Pie(const QRectF& box, double startDegrees, double sweepDegrees, QColor fill);
    // The frame between two insets from the page edges (a rectangle with a hole).
    void Ring(double outerInset, double innerInset, QColor fill);
    // Text centred on its baseline at the point.
    void Text(QPointF baseline, const QString& text, double heightInches, QColor colour, bool bold);

    // Calls place(centre, angle in degrees) at even steps along the band's
    // middle line on all four edges, leaving the corner squares free; the
    // angle turns the motif so its "up" points away from the page's middle.
    void AlongEdges(double spacing, const std::function<void(QPointF, double)>& place) const;
    // A motif drawn in local coordinates, moved to centre and turned by angle.
    static QPolygonF Placed(const QPolygonF& local, QPointF centre, double angleDegrees);

    bool Save(const QString& path) const;

private:
    int u(double inches) const { return int(std::lround(inches * UnitsPerInch)); }
    QPolygon units(const QPolygonF& polygon) const;
    void usePen(QColor colour, double width, bool roundEnds);
    void useBrush(QColor fill);

    double width_;
    double height_;
    TWmfWriter writer_;
    int pen_ = -1;
    int brush_ = -1;
    int font_ = -1;
    QColor penColour_;
    int penWidth_ = -1;
    int penStyle_ = -1;
    QColor brushColour_;
};
