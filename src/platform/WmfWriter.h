#pragma once
// Records a Windows metafile: one method per record, objects placed in the
// lowest free slot of the object table as GDI does, and the finished bytes
// with an optional placeable header. Uses Qt Core and Gui only, so asset
// generators can build it on its own.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <set>
#include <vector>

class TWmfWriter {
public:
    struct FontSpec {
        int height = -12;      // < 0 character height, > 0 cell height (logical units)
        int width = 0;
        int escapement = 0;    // tenths of a degree, counter-clockwise
        int weight = 400;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        int charset = 0;
        int pitchAndFamily = 0;
        QString faceName = QStringLiteral("Arial");
    };

    // Mapping.
    void SetMapMode(int mode);
    void SetWindowOrg(int x, int y);
    void SetWindowExt(int x, int y);
    void SetViewportOrg(int x, int y);
    void SetViewportExt(int x, int y);
    void OffsetWindowOrg(int dx, int dy);
    void OffsetViewportOrg(int dx, int dy);
    void ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);
    void ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);

    // Objects; each returns the table slot the object lands in.
    int CreatePen(int style, int width, QColor color);
    int CreateBrush(int style, QColor color, int hatch = 0);
    int CreatePatternBrush(const QImage& pattern); // a DIB pattern brush
    int CreateFont(const FontSpec& font);
    int CreatePalette();
    int CreateRegion(const QList<QRect>& rects);     // rectangles of one band each
    void SelectObject(int slot);
    void DeleteObject(int slot);
    void SelectClipRegion(int slot);

    // State.
    void SaveDC();
    void RestoreDC(int which);
    void SetBkMode(int mode);
    void SetBkColor(QColor color);
    void SetTextColor(QColor color);
    void SetTextAlign(int align);
    void SetTextCharExtra(int extra);
    void SetPolyFillMode(int mode);
    void SetROP2(int rop);
    void SetStretchBltMode(int mode);
    void IntersectClipRect(int left, int top, int right, int bottom);
    void ExcludeClipRect(int left, int top, int right, int bottom);

    // Drawing.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const QPolygon& points);
    void Polygon(const QPolygon& points);
    void PolyPolygon(const QList<QPolygon>& polygons);
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    void Pie(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    void Chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    void SetPixel(int x, int y, QColor color);
    void TextOut(int x, int y, const QByteArray& text);
    void ExtTextOut(int x, int y, int options, const QRect* rect, const QByteArray& text,
                    const QList<int>& dx = {});
    // Bitmaps: StretchDIB counts source rows from the bottom of the bitmap,
    // the blits from its top.
    void StretchDIB(const QRect& dest, const QImage& image, quint32 rop = 0x00CC0020);
    void StretchDIB(const QRect& dest, const QRect& source, const QImage& image, quint32 rop = 0x00CC0020);
    void DIBBitBlt(const QRect& dest, QPoint source, const QImage& image, quint32 rop = 0x00CC0020);
    void DIBStretchBlt(const QRect& dest, const QRect& source, const QImage& image, quint32 rop = 0x00CC0020);
    void PatBlt(const QRect& dest, quint32 rop);
    void Escape(int function, const QByteArray& data);

    // Any record, parameters as 16-bit words.
    void Record(quint16 function, const std::vector<quint16>& params);

    // The metafile; with a bounding box (metafile units) it gets a placeable
    // header saying how many units make an inch.
    QByteArray Bytes() const;
    QByteArray PlaceableBytes(const QRect& bbox, int inch) const;
    bool Save(const QString& path, const QRect& bbox, int inch) const;

    int RecordCount() const { return recordCount_; }

private:
    int takeSlot();
    void records(quint16 function, std::initializer_list<int> params);
    void shape(quint16 function, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);

    QByteArray body_;
    int recordCount_ = 0;
    quint32 maxRecordWords_ = 3;
    int tableSize_ = 0;
    std::set<int> freeSlots_;
    int nextSlot_ = 0;
};
