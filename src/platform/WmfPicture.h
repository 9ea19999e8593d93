#pragma once
// A Windows metafile held in memory: the bytes, the validated record list and
// the frame that playback stretches onto a target rectangle. Loading checks
// the header and every record's size against the data; a damaged file fails
// to load and leaves the picture as it was.
#include <QByteArray>
#include <QRect>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "platform/WmfRecord.h"

class QPainter;

// Where a picture's logical coordinates land before the final stretch: the
// starting window (origin and extent, logical units), the device rectangle
// that is shown, and the device units per inch the fixed mapping modes use.
struct TWmfFrame {
    QPointF windowOrg;
    QPointF windowExt{1, 1};
    QRectF deviceRect;
    double unitsPerInch = 96;
};

class TWmfPicture {
public:
    TWmfPicture() = default;

    // False, with ErrorString() saying why, when the file cannot be read or
    // is not a sound metafile; the picture keeps what it held before.
    bool LoadFromFile(const QString& path);
    bool LoadFromBytes(const QByteArray& bytes);
    bool SaveToFile(const QString& path) const;
    void Clear();

    bool IsEmpty() const { return data_.isEmpty(); }
    // Why the last load failed; empty after a successful one.
    const QString& ErrorString() const { return error_; }
    const QByteArray& Data() const { return data_; }

    // The placeable (Aldus) header: bounding box in metafile units and the
    // units per inch. Plain metafiles have neither (Inch() is 0).
    bool IsPlaceable() const { return inch_ > 0; }
    QRect BoundingBox() const { return bbox_; }
    int Inch() const { return inch_; }
    // Size in screen pixels: the bounding box at ScreenPPI, or the frame's
    // device units for plain metafiles.
    int Width() const;
    int Height() const;

    int RecordCount() const { return int(records_.size()); }
    TWmfRecord Record(int index) const;
    // Object table size the header asks for.
    int ObjectCount() const { return objectCount_; }

    // The frame that Draw stretches onto its target.
    TWmfFrame Frame() const;

    // Plays the picture through the painter, its frame stretched over target
    // (painter coordinates). Output stays vector on vector devices.
    void Draw(QPainter& painter, const QRectF& target) const;

private:
    struct RecordRef {
        quint16 function;
        qsizetype offset; // of the parameters in data_
        qsizetype words;
    };

    bool fail(const QString& why);
    void scanFrame();

    QByteArray data_;
    std::vector<RecordRef> records_;
    QString error_;
    QRect bbox_;
    int inch_ = 0;
    int objectCount_ = 0;
    std::optional<TWmfFrame> frame_;       // from the header or the window records
    mutable std::optional<TWmfFrame> drawnFrame_; // from the drawing's bounds, on demand
};
