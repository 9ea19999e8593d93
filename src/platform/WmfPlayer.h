#pragma once
// Plays a metafile's records through a QPainter, mapping logical units the way
// GDI does (window and viewport, mapping mode) and then stretching the
// picture's frame onto the target rectangle. Everything is drawn as vector
// geometry in painter coordinates, so the output stays vector on printers,
// PDF and QPicture. Without a painter nothing is drawn and the player only
// measures what would be.
#include <QPainter>
#include <QRectF>
#include <QTransform>
#include <optional>
#include <set>
#include <vector>

#include "platform/WmfDC.h"
#include "platform/WmfObjects.h"
#include "platform/WmfPicture.h"

class TWmfPlayer {
public:
    TWmfPlayer(const TWmfPicture& picture, const TWmfFrame& frame, QPainter* painter, const QRectF& target);

    void Play();

    // The painter-coordinate extent of everything the picture draws when its
    // frame is mapped onto itself.
    static QRectF Measure(const TWmfPicture& picture, const TWmfFrame& frame);

    // State after playing, for inspection.
    const TWmfDC& DC() const { return dc_; }
    int SavedStates() const { return int(saved_.size()); }
    const std::vector<TWmfObject>& Objects() const { return objects_; }
    // Logical units to painter coordinates under the current state.
    const QTransform& LogicalToDevice() const { return toDevice_; }

    // Deeper SaveDC nesting is refused (GDI has a limit too); it keeps a
    // damaged file from piling up copies of the state.
    static constexpr int MaxSavedStates = 4096;
    // Object table slots are 16-bit indices.
    static constexpr int MaxObjects = 65535;

private:
    void playRecord(const TWmfRecord& r);
    static bool draws(quint16 function);

    // Mapping.
    void updateMapping();
    QPointF map(double x, double y) const { return toDevice_.map(QPointF(x, y)); }
    QRectF mapRect(double left, double top, double right, double bottom) const;
    double scaleX() const { return std::abs(toDevice_.m11()); }
    double scaleY() const { return std::abs(toDevice_.m22()); }
    void setMapMode(int mode);
    void setExtent(QPointF& extent, double x, double y);

    // Objects and state.
    void addObject(TWmfObject object);
    void selectObject(int index);
    void deleteObject(int index);
    void saveDC();
    void restoreDC(int which);

    // Clipping.
    QPainterPath wholeArea() const;
    void setClip(const QPainterPath& clip);
    void clearClip();
    void applyClip();

    // Drawing funnels: every shape, text and bitmap goes through these.
    QPen devicePen() const;
    QBrush deviceBrush(const TWmfBrush& brush) const;
    double penDeviceWidth() const;
    enum class RopColour { AsIs, Black, White, Inverted };
    bool prepareRop(RopColour& colour);
    void drawShape(QPainterPath path, bool fill, bool stroke = true);
    void fillWithBrush(const QPainterPath& path, const TWmfBrush& brush);
    QRectF insideFrame(QRectF rect) const;

    // Records.
    void playPolyline(const TWmfRecord& r, bool polygon);
    void playPolyPolygon(const TWmfRecord& r);
    void playArc(const TWmfRecord& r);
    void playText(const TWmfRecord& r);
    void playExtText(const TWmfRecord& r);
    void drawText(const QPointF& logicalRef, const QByteArray& bytes, const std::vector<int>& dx, int options,
                  const std::optional<QRectF>& logicalRect);
    void playBlit(const TWmfRecord& r);
    void blitImage(const QImage& source, QRectF sourceRect, double x, double y, double w, double h,
                   quint32 rop, bool bottomUpSource);
    void patternBlit(double x, double y, double w, double h, quint32 rop);
    void playRegionRecord(const TWmfRecord& r);
    void playSetPixel(const TWmfRecord& r);

    void addBounds(const QRectF& deviceRect);
    bool raster() const;

    const TWmfPicture& picture_;
    TWmfFrame frame_;
    QPainter* painter_;
    QRectF target_;
    double stretchX_ = 1;
    double stretchY_ = 1;
    std::optional<QPainterPath> baseClip_;

    TWmfDC dc_;
    QTransform toDevice_;
    bool mappingUsable_ = true;
    std::vector<TWmfDC> saved_;
    int unsavedDepth_ = 0; // SaveDC calls refused past MaxSavedStates
    std::vector<TWmfObject> objects_;
    std::set<int> freeSlots_;

    QRectF bounds_;
};
