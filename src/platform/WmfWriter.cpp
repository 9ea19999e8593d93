#include "platform/WmfWriter.h"

#include <QSaveFile>
#include <QtEndian>

#include "platform/DibImage.h"
#include "platform/WmfRecords.h"

using namespace wmf;

namespace {

quint16 word(int value) { return quint16(qint16(value)); }

void appendWord(QByteArray& out, quint16 value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void appendDword(QByteArray& out, quint32 value)
{
    appendWord(out, quint16(value & 0xFFFF));
    appendWord(out, quint16(value >> 16));
}

void appendColor(std::vector<quint16>& params, QColor color)
{
    const quint32 ref = quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
    params.push_back(quint16(ref & 0xFFFF));
    params.push_back(quint16(ref >> 16));
}

// Bytes as little-endian words, padded with a zero byte to a whole word.
void appendBytes(std::vector<quint16>& params, const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        const auto lo = uchar(bytes[i]);
        const auto hi = i + 1 < bytes.size() ? uchar(bytes[i + 1]) : uchar(0);
        params.push_back(quint16(lo | (hi << 8)));
    }
}

} // namespace

void TWmfWriter::Record(quint16 function, const std::vector<quint16>& params)
{
    const quint32 words = 3 + quint32(params.size());
    appendDword(body_, words);
    appendWord(body_, function);
    for (quint16 p : params)
        appendWord(body_, p);
    maxRecordWords_ = std::max(maxRecordWords_, words);
    ++recordCount_;
}

void TWmfWriter::records(quint16 function, std::initializer_list<int> params)
{
    std::vector<quint16> words;
    words.reserve(params.size());
    for (int p : params)
        words.push_back(word(p));
    Record(function, words);
}

// Parameters are stored in the reverse order of the GDI call's arguments.
void TWmfWriter::SetMapMode(int mode) { records(META_SETMAPMODE, {mode}); }
void TWmfWriter::SetWindowOrg(int x, int y) { records(META_SETWINDOWORG, {y, x}); }
void TWmfWriter::SetWindowExt(int x, int y) { records(META_SETWINDOWEXT, {y, x}); }
void TWmfWriter::SetViewportOrg(int x, int y) { records(META_SETVIEWPORTORG, {y, x}); }
void TWmfWriter::SetViewportExt(int x, int y) { records(META_SETVIEWPORTEXT, {y, x}); }
void TWmfWriter::OffsetWindowOrg(int dx, int dy) { records(META_OFFSETWINDOWORG, {dy, dx}); }
void TWmfWriter::OffsetViewportOrg(int dx, int dy) { records(META_OFFSETVIEWPORTORG, {dy, dx}); }
void TWmfWriter::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    records(META_SCALEWINDOWEXT, {yDenom, yNum, xDenom, xNum});
}
void TWmfWriter::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    records(META_SCALEVIEWPORTEXT, {yDenom, yNum, xDenom, xNum});
}

int TWmfWriter::takeSlot()
{
    if (!freeSlots_.empty()) {
        const int slot = *freeSlots_.begin();
        freeSlots_.erase(freeSlots_.begin());
        return slot;
    }
    const int slot = nextSlot_++;
    tableSize_ = std::max(tableSize_, nextSlot_);
    return slot;
}

int TWmfWriter::CreatePen(int style, int width, QColor color)
{
    std::vector<quint16> p{word(style), word(width), 0};
    appendColor(p, color);
    Record(META_CREATEPENINDIRECT, p);
    return takeSlot();
}

int TWmfWriter::CreateBrush(int style, QColor color, int hatch)
{
    std::vector<quint16> p{word(style)};
    appendColor(p, color);
    p.push_back(word(hatch));
    Record(META_CREATEBRUSHINDIRECT, p);
    return takeSlot();
}

int TWmfWriter::CreatePatternBrush(const QImage& pattern)
{
    std::vector<quint16> p{word(BS_DIBPATTERN), word(DIB_RGB_COLORS)};
    appendBytes(p, TDibImage::ToDib(pattern));
    Record(META_DIBCREATEPATTERNBRUSH, p);
    return takeSlot();
}

int TWmfWriter::CreateFont(const FontSpec& font)
{
    std::vector<quint16> p{word(font.height), word(font.width), word(font.escapement), word(font.escapement),
                           word(font.weight)};
    QByteArray bytes;
    bytes.append(char(font.italic ? 1 : 0));
    bytes.append(char(font.underline ? 1 : 0));
    bytes.append(char(font.strikeOut ? 1 : 0));
    bytes.append(char(font.charset));
    bytes.append(char(0)); // out precision
    bytes.append(char(0)); // clip precision
    bytes.append(char(0)); // quality
    bytes.append(char(font.pitchAndFamily));
    QByteArray face = font.faceName.toLatin1().left(31);
    face.append(QByteArray(32 - face.size(), '\0'));
    bytes.append(face);
    appendBytes(p, bytes);
    Record(META_CREATEFONTINDIRECT, p);
    return takeSlot();
}

int TWmfWriter::CreatePalette()
{
    // Version 0x300, one entry (black).
    Record(META_CREATEPALETTE, {0x0300, 1, 0, 0});
    return takeSlot();
}

int TWmfWriter::CreateRegion(const QList<QRect>& rects)
{
    QRect bounds;
    for (const QRect& r : rects)
        bounds = bounds.united(r);
    const int scanWords = 6;
    const int regionBytes = (11 + scanWords * int(rects.size())) * 2;
    std::vector<quint16> p{0, 6, 0, 0, word(regionBytes), word(int(rects.size())), 1,
                           word(bounds.left()), word(bounds.top()), word(bounds.left() + bounds.width()),
                           word(bounds.top() + bounds.height())};
    for (const QRect& r : rects) {
        const std::vector<quint16> scan{2, word(r.top()), word(r.top() + r.height()), word(r.left()),
                                        word(r.left() + r.width()), 2};
        p.insert(p.end(), scan.begin(), scan.end());
    }
    Record(META_CREATEREGION, p);
    return takeSlot();
}

void TWmfWriter::SelectObject(int slot) { records(META_SELECTOBJECT, {slot}); }
void TWmfWriter::SelectClipRegion(int slot) { records(META_SELECTCLIPREGION, {slot}); }

void TWmfWriter::DeleteObject(int slot)
{
    records(META_DELETEOBJECT, {slot});
    if (slot >= 0 && slot < nextSlot_)
        freeSlots_.insert(slot);
}

void TWmfWriter::SaveDC() { Record(META_SAVEDC, {}); }
void TWmfWriter::RestoreDC(int which) { records(META_RESTOREDC, {which}); }
void TWmfWriter::SetBkMode(int mode) { records(META_SETBKMODE, {mode}); }
void TWmfWriter::SetTextAlign(int align) { records(META_SETTEXTALIGN, {align}); }
void TWmfWriter::SetTextCharExtra(int extra) { records(META_SETTEXTCHAREXTRA, {extra}); }
void TWmfWriter::SetPolyFillMode(int mode) { records(META_SETPOLYFILLMODE, {mode}); }
void TWmfWriter::SetROP2(int rop) { records(META_SETROP2, {rop}); }
void TWmfWriter::SetStretchBltMode(int mode) { records(META_SETSTRETCHBLTMODE, {mode}); }

void TWmfWriter::SetBkColor(QColor color)
{
    std::vector<quint16> p;
    appendColor(p, color);
    Record(META_SETBKCOLOR, p);
}

void TWmfWriter::SetTextColor(QColor color)
{
    std::vector<quint16> p;
    appendColor(p, color);
    Record(META_SETTEXTCOLOR, p);
}

void TWmfWriter::IntersectClipRect(int left, int top, int right, int bottom)
{
    records(META_INTERSECTCLIPRECT, {bottom, right, top, left});
}

void TWmfWriter::ExcludeClipRect(int left, int top, int right, int bottom)
{
    records(META_EXCLUDECLIPRECT, {bottom, right, top, left});
}

void TWmfWriter::MoveTo(int x, int y) { records(META_MOVETO, {y, x}); }
void TWmfWriter::LineTo(int x, int y) { records(META_LINETO, {y, x}); }

void TWmfWriter::Polyline(const QPolygon& points)
{
    std::vector<quint16> p{word(int(points.size()))};
    for (const QPoint& pt : points) {
        p.push_back(word(pt.x()));
        p.push_back(word(pt.y()));
    }
    Record(META_POLYLINE, p);
}

void TWmfWriter::Polygon(const QPolygon& points)
{
    std::vector<quint16> p{word(int(points.size()))};
    for (const QPoint& pt : points) {
        p.push_back(word(pt.x()));
        p.push_back(word(pt.y()));
    }
    Record(META_POLYGON, p);
}

void TWmfWriter::PolyPolygon(const QList<QPolygon>& polygons)
{
    std::vector<quint16> p{word(int(polygons.size()))};
    for (const QPolygon& poly : polygons)
        p.push_back(word(int(poly.size())));
    for (const QPolygon& poly : polygons) {
        for (const QPoint& pt : poly) {
            p.push_back(word(pt.x()));
            p.push_back(word(pt.y()));
        }
    }
    Record(META_POLYPOLYGON, p);
}

void TWmfWriter::Rectangle(int left, int top, int right, int bottom)
{
    records(META_RECTANGLE, {bottom, right, top, left});
}

void TWmfWriter::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    records(META_ROUNDRECT, {cornerHeight, cornerWidth, bottom, right, top, left});
}

void TWmfWriter::Ellipse(int left, int top, int right, int bottom)
{
    records(META_ELLIPSE, {bottom, right, top, left});
}

void TWmfWriter::shape(quint16 function, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                       int yEnd)
{
    records(function, {yEnd, xEnd, yStart, xStart, bottom, right, top, left});
}

void TWmfWriter::Arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) { shape(META_ARC, l, t, r, b, xs, ys, xe, ye); }
void TWmfWriter::Pie(int l, int t, int r, int b, int xs, int ys, int xe, int ye) { shape(META_PIE, l, t, r, b, xs, ys, xe, ye); }
void TWmfWriter::Chord(int l, int t, int r, int b, int xs, int ys, int xe, int ye) { shape(META_CHORD, l, t, r, b, xs, ys, xe, ye); }

void TWmfWriter::SetPixel(int x, int y, QColor color)
{
    std::vector<quint16> p;
    appendColor(p, color);
    p.push_back(word(y));
    p.push_back(word(x));
    Record(META_SETPIXEL, p);
}

void TWmfWriter::TextOut(int x, int y, const QByteArray& text)
{
    std::vector<quint16> p{word(int(text.size()))};
    appendBytes(p, text);
    p.push_back(word(y));
    p.push_back(word(x));
    Record(META_TEXTOUT, p);
}

void TWmfWriter::ExtTextOut(int x, int y, int options, const QRect* rect, const QByteArray& text, const QList<int>& dx)
{
    std::vector<quint16> p{word(y), word(x), word(int(text.size())), word(options)};
    if (rect) {
        p.push_back(word(rect->left()));
        p.push_back(word(rect->top()));
        p.push_back(word(rect->left() + rect->width()));
        p.push_back(word(rect->top() + rect->height()));
    }
    appendBytes(p, text);
    for (int d : dx)
        p.push_back(word(d));
    Record(META_EXTTEXTOUT, p);
}

void TWmfWriter::StretchDIB(const QRect& dest, const QImage& image, quint32 rop)
{
    StretchDIB(dest, image.rect(), image, rop);
}

void TWmfWriter::StretchDIB(const QRect& dest, const QRect& source, const QImage& image, quint32 rop)
{
    std::vector<quint16> p{quint16(rop & 0xFFFF), quint16(rop >> 16), word(DIB_RGB_COLORS),
                           word(source.height()), word(source.width()), word(source.top()), word(source.left()),
                           word(dest.height()), word(dest.width()), word(dest.top()), word(dest.left())};
    appendBytes(p, TDibImage::ToDib(image));
    Record(META_STRETCHDIB, p);
}

void TWmfWriter::DIBBitBlt(const QRect& dest, QPoint source, const QImage& image, quint32 rop)
{
    std::vector<quint16> p{quint16(rop & 0xFFFF), quint16(rop >> 16), word(source.y()), word(source.x()),
                           word(dest.height()), word(dest.width()), word(dest.top()), word(dest.left())};
    appendBytes(p, TDibImage::ToDib(image));
    Record(META_DIBBITBLT, p);
}

void TWmfWriter::DIBStretchBlt(const QRect& dest, const QRect& source, const QImage& image, quint32 rop)
{
    std::vector<quint16> p{quint16(rop & 0xFFFF), quint16(rop >> 16), word(source.height()), word(source.width()),
                           word(source.top()), word(source.left()), word(dest.height()), word(dest.width()),
                           word(dest.top()), word(dest.left())};
    appendBytes(p, TDibImage::ToDib(image));
    Record(META_DIBSTRETCHBLT, p);
}

void TWmfWriter::PatBlt(const QRect& dest, quint32 rop)
{
    Record(META_PATBLT, {quint16(rop & 0xFFFF), quint16(rop >> 16), word(dest.height()), word(dest.width()),
                         word(dest.top()), word(dest.left())});
}

void TWmfWriter::Escape(int function, const QByteArray& data)
{
    std::vector<quint16> p{word(function), word(int(data.size()))};
    appendBytes(p, data);
    Record(META_ESCAPE, p);
}

QByteArray TWmfWriter::Bytes() const
{
    QByteArray out;
    const quint32 totalWords = 9 + quint32(body_.size() / 2) + 3;
    appendWord(out, 1);      // in memory
    appendWord(out, 9);      // header words
    appendWord(out, 0x0300); // version
    appendDword(out, totalWords);
    appendWord(out, quint16(tableSize_));
    appendDword(out, maxRecordWords_);
    appendWord(out, 0);
    out.append(body_);
    appendDword(out, 3); // end of file
    appendWord(out, META_EOF);
    return out;
}

QByteArray TWmfWriter::PlaceableBytes(const QRect& bbox, int inch) const
{
    QByteArray header;
    appendDword(header, PlaceableKey);
    appendWord(header, 0);
    appendWord(header, word(bbox.left()));
    appendWord(header, word(bbox.top()));
    appendWord(header, word(bbox.left() + bbox.width()));
    appendWord(header, word(bbox.top() + bbox.height()));
    appendWord(header, word(inch));
    appendDword(header, 0);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(header.constData() + 2 * i);
    appendWord(header, checksum);
    return header + Bytes();
}

bool TWmfWriter::Save(const QString& path, const QRect& bbox, int inch) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bbox.isValid() ? PlaceableBytes(bbox, inch) : Bytes());
    return file.commit();
}
