// Printing of TGSuperText: the letters stay outlines on the printer. The
// shadow is ordinary text, the face is filled through the letters' path and
// the outline is that path stroked, so a PDF holds vectors, not a picture of
// the object.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "objects/kinds/GSuperText.h"
#include "platform/Rounding.h"
#include "platform/ScreenMetrics.h"
#include "print/ReportPrinter.h"

namespace {

// The printed baseline sits this share of the font's em below the text's top.
constexpr double BaselineShare = 0.88;
// The fill reaches this far past the object's left and top edges (inches)...
constexpr double FillOverhangInches = 0.03;
// ...the gradient this far past its right and bottom edges...
constexpr double GradientOverhangInches = 0.25;
// ...and each texture tile this far into its neighbours, so no seam shows.
constexpr double TileOverlapInches = 0.01;
// Printed tiles are at least this many dots wide and high.
constexpr int MinimumTileDots = 64;

} // namespace

void TGSuperText::PrintTo(TReportPrinter& report, double xOffset, double yOffset)
{
    QPainter* canvas = report.Canvas();
    if (!canvas)
        return;
    const double ppi = ScreenPPI();
    const int dpiX = report.XDPI();
    const int dpiY = report.YDPI();
    const double scaleX = dpiX / ppi;
    const double scaleY = dpiY / ppi;
    layoutValid_ = false;
    Layout();
    const auto inchX = [&](double pixels) { return xOffset + (Left() + pixels) / ppi; };
    const auto inchY = [&](double pixels) { return yOffset + (Top() + pixels) / ppi; };

    const unsigned style = font_.StyleBits() & (TFont::fsBold | TFont::fsItalic | TFont::fsUnderline);
    report.SetFont(font_.Name(), drawnPoints(), style, font_.Color());

    const QRect bounds = report.InchRect(inchX(0), inchY(0), inchX(Width()), inchY(Height()));
    if (!transparent_ || borderStyle_ == bsSingle) {
        canvas->save();
        canvas->setBrush(transparent_ ? QBrush(Qt::NoBrush) : QBrush(ToQColor(bgColor_)));
        canvas->setPen(borderStyle_ == bsSingle ? QPen(Qt::black, 1) : QPen(Qt::NoPen));
        canvas->drawRect(bounds);
        canvas->restore();
    }
    if (fittedText_.isEmpty())
        return;

    const double baseline = BaselineShare * report.LineHeight();
    if (shadowDepth_ > 0 && shadowOrientation_ != sdNone) {
        report.SetFont(font_.Name(), drawnPoints(), style, shadowColor_);
        report.TextOutBaseline(inchX(shadowBox_.left()), inchY(shadowBox_.top()) + baseline, fittedText_);
        report.SetFont(font_.Name(), drawnPoints(), style, font_.Color());
    }

    QPainterPath letters;
    letters.addText(QPointF(inchX(mainBox_.left()) * dpiX, (inchY(mainBox_.top()) + baseline) * dpiY),
                    report.Font(), fittedText_);

    if (surfaceType_ != stBrushTransparent) {
        const QRect fill = report.InchRect(inchX(0) - FillOverhangInches, inchY(0) - FillOverhangInches,
                                           inchX(Width()), inchY(Height()));
        canvas->save();
        canvas->setClipPath(letters, Qt::IntersectClip);
        switch (surfaceType_) {
        case stNormal:
            canvas->fillRect(fill, ToQColor(font_.Color()));
            break;
        case stGradientFill:
            printGradient(*canvas, fill, dpiX, dpiY);
            break;
        case stBrushImage:
            printTiles(*canvas, fill, scaleX, scaleY, dpiX, dpiY);
            break;
        case stBrushTransparent:
            break;
        }
        canvas->restore();
    }

    if (outlineStyle_ != psClear && outlineWidth_ > 0) {
        report.SetPen(outlineColor_, ToQtPenStyle(outlineStyle_), outlineWidth_);
        canvas->strokePath(letters, report.Pen());
    }
}

void TGSuperText::printGradient(QPainter& canvas, const QRect& fill, int dpiX, int dpiY) const
{
    const QRect area = fill.adjusted(0, 0, truncToInt(GradientOverhangInches * dpiX),
                                     truncToInt(GradientOverhangInches * dpiY));
    const bool reversed = fillDirection_ == gdUp || fillDirection_ == gdLeft;
    const QColor from = ToQColor(gradientFrom_).toRgb();
    const QColor to = ToQColor(gradientTo_).toRgb();
    const QColor start = reversed ? to : from;
    const QColor end = reversed ? from : to;
    const bool columns = fillDirection_ == gdLeft || fillDirection_ == gdRight;
    for (const GradientStrip& strip : GradientStrips(columns ? area.width() : area.height())) {
        const QColor color = GradientBandColor(start, end, strip.band);
        if (columns)
            canvas.fillRect(QRect(area.left() + strip.from, area.top(), strip.to - strip.from, area.height()), color);
        else
            canvas.fillRect(QRect(area.left(), area.top() + strip.from, area.width(), strip.to - strip.from), color);
    }
}

void TGSuperText::printTiles(QPainter& canvas, const QRect& fill, double scaleX, double scaleY, int dpiX,
                             int dpiY) const
{
    if (image_.image.isNull())
        return;
    // Tiny textures are printed as blocks of copies, so that a one-pixel
    // texture does not become a million separate pictures on the page.
    const int across = std::max(1, MinimumTileDots / std::max(1, roundHalfEven(image_.image.width() * scaleX)));
    const int down = std::max(1, MinimumTileDots / std::max(1, roundHalfEven(image_.image.height() * scaleY)));
    QImage texture = image_.image;
    if (across > 1 || down > 1) {
        texture = QImage(image_.image.width() * across, image_.image.height() * down, QImage::Format_RGB32);
        QPainter block(&texture);
        block.fillRect(texture.rect(), QBrush(image_.image));
    }
    const int tileWidth = roundHalfEven(texture.width() * scaleX);
    const int tileHeight = roundHalfEven(texture.height() * scaleY);
    if (tileWidth < 1 || tileHeight < 1)
        return;
    const int overlapX = roundHalfEven(TileOverlapInches * dpiX);
    const int overlapY = roundHalfEven(TileOverlapInches * dpiY);
    for (int y = fill.top(); y <= fill.bottom(); y += tileHeight)
        for (int x = fill.left(); x <= fill.right(); x += tileWidth)
            canvas.drawImage(QRect(x, y, tileWidth + overlapX, tileHeight + overlapY), texture);
}
