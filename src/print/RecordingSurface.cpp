#include "print/RecordingSurface.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>

int TRecordedSheet::Count(TRecordedOp::Kind kind) const
{
    int n = 0;
    for (const TRecordedOp& op : ops)
        n += op.kind == kind ? 1 : 0;
    return n;
}

QStringList TRecordedSheet::Texts() const
{
    QStringList texts;
    for (const TRecordedOp& op : ops) {
        if (op.kind == TRecordedOp::Text)
            texts.append(op.text);
    }
    return texts;
}

// Records each call with the painter's state, and forwards it to a raster
// painter on the sheet's image when the surface rasterises.
class TRecordingSurface::Engine : public QPaintEngine {
public:
    explicit Engine(TRecordingSurface& surface) : QPaintEngine(AllFeatures), surface_(surface) {}

    bool begin(QPaintDevice*) override
    {
        pen_ = QPen();
        brush_ = QBrush();
        transform_ = QTransform();
        surface_.currentSheet();
        beginRaster();
        return true;
    }

    bool end() override
    {
        endRaster();
        return true;
    }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags flags = state.state();
        if (flags & DirtyPen)
            pen_ = state.pen();
        if (flags & DirtyBrush)
            brush_ = state.brush();
        if (flags & DirtyTransform)
            transform_ = state.transform();
        if (!raster_.isActive())
            return;
        if (flags & DirtyPen)
            raster_.setPen(state.pen());
        if (flags & DirtyBrush)
            raster_.setBrush(state.brush());
        if (flags & DirtyBrushOrigin)
            raster_.setBrushOrigin(state.brushOrigin());
        if (flags & DirtyBackground)
            raster_.setBackground(state.backgroundBrush());
        if (flags & DirtyBackgroundMode)
            raster_.setBackgroundMode(state.backgroundMode());
        if (flags & DirtyFont)
            raster_.setFont(state.font());
        if (flags & DirtyHints)
            raster_.setRenderHints(state.renderHints());
        if (flags & DirtyCompositionMode)
            raster_.setCompositionMode(state.compositionMode());
        if (flags & DirtyOpacity)
            raster_.setOpacity(state.opacity());
        // The transform first: clip paths are given in the coordinates it sets.
        if (flags & DirtyTransform)
            raster_.setTransform(state.transform());
        if (flags & DirtyClipPath)
            raster_.setClipPath(state.clipPath(), state.clipOperation());
        if (flags & DirtyClipRegion)
            raster_.setClipRegion(state.clipRegion(), state.clipOperation());
        if (flags & DirtyClipEnabled)
            raster_.setClipping(state.isClipEnabled());
    }

    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            record(TRecordedOp::Rectangle, rects[i]);
        if (raster_.isActive())
            raster_.drawRects(rects, count);
    }
    void drawRects(const QRect* rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            record(TRecordedOp::Rectangle, QRectF(rects[i]));
        if (raster_.isActive())
            raster_.drawRects(rects, count);
    }

    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            recordLine(lines[i]);
        if (raster_.isActive())
            raster_.drawLines(lines, count);
    }
    void drawLines(const QLine* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            recordLine(QLineF(lines[i]));
        if (raster_.isActive())
            raster_.drawLines(lines, count);
    }

    void drawEllipse(const QRectF& rect) override
    {
        record(TRecordedOp::Ellipse, rect);
        if (raster_.isActive())
            raster_.drawEllipse(rect);
    }
    void drawEllipse(const QRect& rect) override { drawEllipse(QRectF(rect)); }

    void drawPath(const QPainterPath& path) override
    {
        record(TRecordedOp::Path, path.boundingRect());
        if (raster_.isActive())
            raster_.drawPath(path);
    }

    void drawPoints(const QPointF* points, int count) override
    {
        record(TRecordedOp::Points, QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
        if (raster_.isActive())
            raster_.drawPoints(points, count);
    }
    void drawPoints(const QPoint* points, int count) override
    {
        record(TRecordedOp::Points, QPolygonF(QPolygon(QList<QPoint>(points, points + count))).boundingRect());
        if (raster_.isActive())
            raster_.drawPoints(points, count);
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        record(TRecordedOp::Polygon, QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
        if (!raster_.isActive())
            return;
        if (mode == PolylineMode)
            raster_.drawPolyline(points, count);
        else
            raster_.drawPolygon(points, count, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override
    {
        const QPolygonF polygon(QPolygon(QList<QPoint>(points, points + count)));
        drawPolygon(polygon.constData(), int(polygon.size()), mode);
    }

    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override
    {
        recordImage(target, pixmap.size());
        if (raster_.isActive())
            raster_.drawPixmap(target, pixmap, source);
    }
    void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override
    {
        recordImage(target, image.size());
        if (raster_.isActive())
            raster_.drawImage(target, image, source, flags);
    }
    void drawTiledPixmap(const QRectF& target, const QPixmap& pixmap, const QPointF& offset) override
    {
        recordImage(target, pixmap.size());
        if (raster_.isActive())
            raster_.drawTiledPixmap(target, pixmap, offset);
    }

    void drawTextItem(const QPointF& baseline, const QTextItem& item) override
    {
        TRecordedOp op = makeOp(TRecordedOp::Text,
                                QRectF(baseline.x(), baseline.y() - item.ascent(), item.width(),
                                       item.ascent() + item.descent()));
        op.text = item.text();
        op.font = item.font();
        surface_.currentSheet().ops.append(op);
        if (raster_.isActive())
            raster_.drawTextItem(baseline, item);
    }

    Type type() const override { return User; }

    // The raster painter cannot stay open while the sheet list grows.
    void endRaster()
    {
        if (raster_.isActive())
            raster_.end();
    }
    void beginRaster()
    {
        if (!surface_.rasterize_ || raster_.isActive())
            return;
        TRecordedSheet& sheet = surface_.currentSheet();
        if (sheet.image.isNull())
            sheet.image = surface_.blankSheetImage();
        raster_.begin(&sheet.image);
        // A sheet started in the middle of a job inherits the painter's state.
        if (const QPainter* p = painter()) {
            raster_.setPen(p->pen());
            raster_.setBrush(p->brush());
            raster_.setFont(p->font());
            raster_.setRenderHints(p->renderHints());
            raster_.setTransform(p->combinedTransform());
        }
    }

private:
    TRecordedOp makeOp(TRecordedOp::Kind kind, const QRectF& logical) const
    {
        TRecordedOp op;
        op.kind = kind;
        op.bounds = transform_.mapRect(logical);
        op.pen = pen_;
        op.brush = brush_;
        return op;
    }
    void record(TRecordedOp::Kind kind, const QRectF& logical)
    {
        surface_.currentSheet().ops.append(makeOp(kind, logical));
    }
    void recordLine(const QLineF& line)
    {
        TRecordedOp op = makeOp(TRecordedOp::Line, QRectF(line.p1(), line.p2()).normalized());
        op.line = transform_.map(line);
        surface_.currentSheet().ops.append(op);
    }
    void recordImage(const QRectF& target, const QSize& size)
    {
        TRecordedOp op = makeOp(TRecordedOp::Image, target);
        op.imageSize = size;
        surface_.currentSheet().ops.append(op);
    }

    TRecordingSurface& surface_;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    QPainter raster_;
};

TRecordingSurface::TRecordingSurface(const QSizeF& paperInches, int dotsPerInch)
    : paper_(paperInches), dpi_(qMax(1, dotsPerInch)), engine_(std::make_unique<Engine>(*this))
{
}

TRecordingSurface::~TRecordingSurface()
{
    engine_->endRaster();
}

void TRecordingSurface::Clear()
{
    engine_->endRaster();
    sheets_.clear();
}

void TRecordingSurface::StartSheet()
{
    const bool painting = engine_->isActive();
    engine_->endRaster();
    sheets_.append(TRecordedSheet());
    if (painting)
        engine_->beginRaster();
}

QPaintEngine* TRecordingSurface::paintEngine() const
{
    return engine_.get();
}

int TRecordingSurface::metric(PaintDeviceMetric metric) const
{
    const QSize dots(qRound(paper_.width() * dpi_), qRound(paper_.height() * dpi_));
    switch (metric) {
    case PdmWidth:
        return dots.width();
    case PdmHeight:
        return dots.height();
    case PdmWidthMM:
        return qRound(paper_.width() * 25.4);
    case PdmHeightMM:
        return qRound(paper_.height() * 25.4);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi_;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

TRecordedSheet& TRecordingSurface::currentSheet()
{
    if (sheets_.isEmpty())
        sheets_.append(TRecordedSheet());
    return sheets_.last();
}

QImage TRecordingSurface::blankSheetImage() const
{
    QImage image(metric(PdmWidth), metric(PdmHeight), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi_ / 0.0254));
    image.setDotsPerMeterY(qRound(dpi_ / 0.0254));
    image.fill(Qt::white);
    return image;
}
