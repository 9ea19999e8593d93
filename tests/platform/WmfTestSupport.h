#pragma once
// Helpers for the metafile tests: play bytes onto a white image and look at
// where the ink went.
#include <QImage>
#include <QPainter>

#include "platform/WmfPicture.h"
#include "platform/WmfRecords.h"
#include "platform/WmfWriter.h"

namespace wmftest {

inline QImage Render(const TWmfPicture& picture, QSize size, QRectF target = QRectF(),
                     QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.Draw(painter, target.isNull() ? QRectF(QPointF(0, 0), QSizeF(size)) : target);
    painter.end();
    return image;
}

inline QImage Render(const QByteArray& bytes, QSize size, QRectF target = QRectF())
{
    TWmfPicture picture;
    picture.LoadFromBytes(bytes);
    return Render(picture, size, target);
}

// A writer whose frame is the rectangle (0, 0, w, h): a placeable picture of
// w x h units at 96 units per inch, so a 1:1 render puts unit (x, y) at pixel (x, y).
inline QByteArray Placeable(const TWmfWriter& writer, int w, int h, int inch = 96)
{
    return writer.PlaceableBytes(QRect(0, 0, w, h), inch);
}

// The bounding box of pixels that are not white (null when all are white).
inline QRect InkBounds(const QImage& image, int threshold = 128)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(line[x]) < 255 - threshold / 2 || qRed(line[x]) < threshold || qGreen(line[x]) < threshold ||
                qBlue(line[x]) < threshold)
                box = box.united(QRect(x, y, 1, 1));
        }
    }
    return box;
}

inline int CountPixelsNotWhite(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return count;
}

inline bool Near(QRgb a, QColor b, int tolerance = 40)
{
    return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

// A picture that uses every kind of record the player knows, 200 x 200 units.
inline QByteArray RichMetafile()
{
    using namespace wmf;
    TWmfWriter w;
    w.SetMapMode(MM_ANISOTROPIC);
    w.SetWindowOrg(0, 0);
    w.SetWindowExt(200, 200);
    w.SetViewportOrg(0, 0);
    w.SetViewportExt(200, 200);
    w.Escape(15, "comment");
    w.SaveDC();
    const int pen = w.CreatePen(PS_DASH, 1, QColor(10, 20, 30));
    const int brush = w.CreateBrush(BS_HATCHED, QColor(200, 0, 0), HS_DIAGCROSS);
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::cyan);
    tile.setPixel(1, 1, qRgb(0, 0, 0));
    const int pattern = w.CreatePatternBrush(tile);
    w.CreatePalette();
    TWmfWriter::FontSpec spec;
    spec.height = -14;
    spec.escapement = 300;
    spec.underline = true;
    const int font = w.CreateFont(spec);
    const int region = w.CreateRegion({QRect(10, 10, 50, 20), QRect(20, 30, 30, 10)});
    w.SelectObject(pen);
    w.SelectObject(brush);
    w.SelectObject(font);
    w.SetBkMode(OPAQUE);
    w.SetBkColor(Qt::yellow);
    w.SetTextColor(Qt::darkBlue);
    w.SetPolyFillMode(WINDING);
    w.MoveTo(5, 5);
    w.LineTo(195, 5);
    w.Polyline(QPolygon({QPoint(5, 10), QPoint(50, 40), QPoint(90, 10)}));
    w.Polygon(QPolygon({QPoint(100, 10), QPoint(150, 60), QPoint(110, 60)}));
    w.PolyPolygon({QPolygon(QRect(10, 70, 40, 40)), QPolygon(QRect(20, 80, 10, 10))});
    w.Rectangle(60, 70, 100, 110);
    w.RoundRect(110, 70, 150, 110, 10, 10);
    w.SelectObject(pattern);
    w.Ellipse(160, 70, 195, 110);
    w.Arc(10, 120, 60, 170, 60, 145, 35, 120);
    w.Pie(70, 120, 120, 170, 120, 145, 95, 120);
    w.Chord(130, 120, 180, 170, 180, 145, 155, 120);
    w.SetPixel(190, 190, Qt::red);
    w.SetTextAlign(TA_BASELINE | TA_CENTER);
    w.TextOut(100, 185, "Metafile");
    const QRect box(10, 175, 60, 20);
    w.ExtTextOut(15, 190, ETO_OPAQUE | ETO_CLIPPED, &box, "Clip", {8, 8, 8, 8});
    w.SetROP2(R2_XORPEN);
    w.Rectangle(150, 150, 190, 180);
    w.SetROP2(R2_COPYPEN);
    QImage bitmap(3, 2, QImage::Format_RGB32);
    bitmap.fill(Qt::magenta);
    w.SetStretchBltMode(HALFTONE);
    w.StretchDIB(QRect(120, 175, 30, 20), bitmap, SRCCOPY);
    w.PatBlt(QRect(0, 195, 20, 5), PATCOPY);
    w.Record(META_FILLREGION, {quint16(region), quint16(brush)});
    w.Record(META_FRAMEREGION, {quint16(region), quint16(brush), 2, 2});
    w.Record(META_INVERTREGION, {quint16(region)});
    w.Record(META_PAINTREGION, {quint16(region)});
    w.SelectClipRegion(region);
    w.IntersectClipRect(0, 0, 150, 150);
    w.ExcludeClipRect(20, 20, 30, 30);
    w.Record(META_OFFSETCLIPRGN, {5, 5});
    w.Rectangle(0, 0, 200, 200);
    w.RestoreDC(-1);
    w.DeleteObject(pen);
    w.DeleteObject(brush);
    w.Record(0x0999, {1, 2, 3}); // unknown
    return w.PlaceableBytes(QRect(0, 0, 200, 200), 96);
}

} // namespace wmftest
