#pragma once
#include <QBrush>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPen>
#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <memory>

// One drawing call as it reached the device, in device dots (the painter's
// transform applied).
struct TRecordedOp {
    enum Kind { Rectangle, Line, Ellipse, Polygon, Path, Points, Text, Image };
    Kind kind = Rectangle;
    QRectF bounds;    // device dots; for Text the line box (ascent above the baseline, descent below)
    QLineF line;      // Line: its end points
    QString text;     // Text
    QFont font;       // Text
    QPen pen;         // state at the time of the call
    QBrush brush;
    QSize imageSize;  // Image: the source's size in pixels
};

// The calls of one printed sheet, and its pixels when rasterising.
struct TRecordedSheet {
    QList<TRecordedOp> ops;
    QImage image;

    int Count(TRecordedOp::Kind kind) const;
    // The texts in drawing order.
    QStringList Texts() const;
};

// A paged paint device that records every drawing call per sheet and can
// also rasterise each sheet at the device's resolution (keep the resolution
// low then: a Letter sheet at 300 dpi is 33 MB). Painting on it behaves as on
// a printer: the paint origin is the paper's corner.
class TRecordingSurface : public QPaintDevice {
public:
    TRecordingSurface(const QSizeF& paperInches, int dotsPerInch);
    ~TRecordingSurface() override;

    int DotsPerInch() const { return dpi_; }
    QSizeF PaperInches() const { return paper_; }
    void SetPaperInches(const QSizeF& paper) { paper_ = paper; }
    void SetRasterize(bool on) { rasterize_ = on; }
    bool Rasterize() const { return rasterize_; }

    // Forgets every sheet (a new job).
    void Clear();
    // Starts the next sheet; drawing before the first call starts one too.
    void StartSheet();
    const QList<TRecordedSheet>& Sheets() const { return sheets_; }

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    friend class Engine;

    TRecordedSheet& currentSheet();
    QImage blankSheetImage() const;

    QSizeF paper_;
    int dpi_;
    bool rasterize_ = false;
    QList<TRecordedSheet> sheets_;
    std::unique_ptr<Engine> engine_;
};
