// Text records of the metafile player: TextOut and ExtTextOut with the text
// alignment, rotation (escapement), opaque backgrounds and character spacing.
#include "platform/WmfPlayer.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "platform/WmfCharset.h"

using namespace wmf;

namespace {

// Fonts are made at their size in device pixels, kept in this range, and
// scaled the rest of the way: text keeps its exact size whatever units the
// painter works in (pixels on screen, inches on a print surface).
constexpr int MinFontPixels = 8;
constexpr int MaxFontPixels = 1024;

QFont::StyleHint styleHint(int pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case 0x10: return QFont::Serif;      // FF_ROMAN
    case 0x20: return QFont::SansSerif;  // FF_SWISS
    case 0x30: return QFont::TypeWriter; // FF_MODERN
    case 0x40: return QFont::Cursive;    // FF_SCRIPT
    case 0x50: return QFont::Decorative; // FF_DECORATIVE
    default: return QFont::AnyStyle;
    }
}

bool haveFonts()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

void TWmfPlayer::playText(const TWmfRecord& r)
{
    // length, string (padded to a word), y, x
    const int length = r.s(0);
    if (length < 0)
        return;
    const qsizetype stringWords = (qsizetype(length) + 1) / 2;
    if (!r.has(1 + stringWords + 2))
        return;
    const QByteArray bytes(reinterpret_cast<const char*>(r.data(1)), length);
    const QPointF ref(r.s(1 + stringWords + 1), r.s(1 + stringWords));
    drawText(ref, bytes, {}, 0, std::nullopt);
}

void TWmfPlayer::playExtText(const TWmfRecord& r)
{
    // y, x, length, options, [rectangle], string (padded), [dx per character]
    if (!r.has(4))
        return;
    const QPointF ref(r.s(1), r.s(0));
    int length = r.s(2);
    const int options = r.u(3);
    qsizetype pos = 4;
    std::optional<QRectF> rect;
    if (options & (ETO_OPAQUE | ETO_CLIPPED)) {
        if (!r.has(8))
            return;
        rect = QRectF(QPointF(r.s(4), r.s(5)), QPointF(r.s(6), r.s(7)));
        pos = 8;
    }
    if (length < 0)
        return;
    // A string longer than the record is cut to what is there.
    length = int(std::min<qsizetype>(length, r.bytesFrom(pos)));
    const QByteArray bytes(reinterpret_cast<const char*>(r.data(pos)), length);
    pos += (qsizetype(length) + 1) / 2;
    std::vector<int> dx;
    if (length > 0 && r.has(pos + length)) {
        dx.reserve(size_t(length));
        for (int i = 0; i < length; ++i)
            dx.push_back(r.s(pos + i));
    }
    drawText(ref, bytes, dx, options, rect);
}

void TWmfPlayer::drawText(const QPointF& logicalRef, const QByteArray& bytes, const std::vector<int>& dx,
                          int options, const std::optional<QRectF>& logicalRect)
{
    QRectF deviceRect;
    if (logicalRect) {
        deviceRect = QRectF(map(logicalRect->left(), logicalRect->top()),
                            map(logicalRect->right(), logicalRect->bottom())).normalized();
        if (options & ETO_OPAQUE) {
            if (painter_) {
                painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
                painter_->fillRect(deviceRect, dc_.bkColor);
            } else {
                addBounds(deviceRect);
            }
        }
    }
    // Glyph indices name glyphs of one particular font file; nothing to draw them with.
    if (bytes.isEmpty() || (options & ETO_GLYPH_INDEX) || !haveFonts())
        return;

    const TWmfFont& lf = dc_.font;
    const QString text = DecodeWmfText(bytes, lf.charset, lf.faceName);
    const bool updateCP = dc_.textAlign & TA_UPDATECP;
    const QPointF ref = updateCP ? dc_.position : logicalRef;

    // Character height in painter units.
    QFont font(lf.faceName.isEmpty() ? QStringLiteral("Arial") : lf.faceName);
    font.setStyleHint(styleHint(lf.pitchAndFamily));
    font.setWeight(QFont::Weight(lf.weight <= 0 ? 400 : std::clamp(lf.weight, 1, 1000)));
    font.setItalic(lf.italic);
    font.setUnderline(lf.underline);
    font.setStrikeOut(lf.strikeOut);
    double em = 16; // GDI's default font is about this tall on a screen
    if (lf.height != 0) {
        em = std::abs(lf.height) * scaleY();
        if (lf.height > 0) { // cell height: ascent plus descent
            font.setPixelSize(100);
            const QFontMetricsF probe(font);
            if (probe.ascent() + probe.descent() > 0)
                em *= 100.0 / (probe.ascent() + probe.descent());
        }
    }
    // Sizes below a hundredth of a unit or beyond any page are not drawn.
    if (!(em > 0.01) || !(em < 1e6))
        return;
    double devicePerUnit = 1;
    if (painter_) {
        const QTransform& device = painter_->deviceTransform();
        devicePerUnit = std::sqrt(std::abs(device.determinant()));
        if (!(devicePerUnit > 0) || !std::isfinite(devicePerUnit))
            devicePerUnit = 1;
    }
    const int pixels = std::clamp(int(std::lround(std::min(em * devicePerUnit, 1e6))), MinFontPixels, MaxFontPixels);
    const double scale = em / pixels;
    font.setPixelSize(pixels);
    if (lf.width > 0) {
        const QFontMetricsF plain(font);
        const double wanted = lf.width * scaleX() / scale;
        if (plain.averageCharWidth() > 0)
            font.setStretch(std::clamp(int(std::lround(wanted / plain.averageCharWidth() * 100)), 1, 4000));
    }
    const QFontMetricsF metrics(font);

    // Advances in font pixels; a dx array gives them one character at a time.
    const bool perCharacter = !dx.empty() && text.size() == bytes.size();
    std::vector<double> starts;
    double width = 0;
    const double extra = dc_.charExtra * scaleX() / scale;
    if (perCharacter) {
        starts.reserve(size_t(text.size()));
        for (qsizetype i = 0; i < text.size(); ++i) {
            starts.push_back(width);
            width += dx[size_t(i)] * scaleX() / scale;
        }
    } else {
        width = metrics.horizontalAdvance(text) + extra * text.size();
    }

    double x0 = 0;
    switch (dc_.textAlign & TA_HORIZONTAL_MASK) {
    case TA_RIGHT: x0 = -width; break;
    case TA_CENTER: x0 = -width / 2; break;
    default: break;
    }
    double baseline = metrics.ascent(); // TA_TOP
    switch (dc_.textAlign & TA_VERTICAL_MASK) {
    case TA_BASELINE: baseline = 0; break;
    case TA_BOTTOM: baseline = -metrics.descent(); break;
    default: break;
    }

    // Text stays upright on the device whatever way the mapping points;
    // escapement turns it counter-clockwise.
    QTransform local;
    const QPointF origin = map(ref.x(), ref.y());
    local.translate(origin.x(), origin.y());
    local.rotate(-lf.escapement / 10.0);
    local.scale(scale, scale);
    const QRectF cell(x0, baseline - metrics.ascent(), width, metrics.ascent() + metrics.descent());

    if (updateCP) {
        double advanceTo = 0;
        switch (dc_.textAlign & TA_HORIZONTAL_MASK) {
        case TA_RIGHT: advanceTo = -width; break;
        case TA_CENTER: advanceTo = 0; break;
        default: advanceTo = width; break;
        }
        bool invertible = false;
        const QTransform back = toDevice_.inverted(&invertible);
        if (invertible)
            dc_.position = back.map(local.map(QPointF(advanceTo, 0)));
    }

    if (!painter_) {
        addBounds(local.mapRect(cell));
        return;
    }
    painter_->save();
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (logicalRect && (options & ETO_CLIPPED))
        painter_->setClipRect(deviceRect, Qt::IntersectClip);
    painter_->setTransform(local, true);
    painter_->setBackgroundMode(Qt::TransparentMode);
    if (dc_.bkMode == OPAQUE && !(logicalRect && (options & ETO_OPAQUE)))
        painter_->fillRect(cell, dc_.bkColor);
    painter_->setFont(font);
    painter_->setPen(dc_.textColor);
    if (perCharacter) {
        for (qsizetype i = 0; i < text.size(); ++i)
            painter_->drawText(QPointF(x0 + starts[size_t(i)], baseline), QString(text[i]));
    } else if (extra != 0) {
        double x = x0;
        for (const QChar c : text) {
            painter_->drawText(QPointF(x, baseline), QString(c));
            x += metrics.horizontalAdvance(c) + extra;
        }
    } else {
        painter_->drawText(QPointF(x0, baseline), text);
    }
    painter_->restore();
}
