#include "objects/kinds/GSuperText.h"

#include <QColorDialog>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QPaintEvent>
#include <algorithm>
#include <cstdlib>

#include "objects/FontChooser.h"
#include "objects/GBasePanel.h"
#include "objects/kinds/SuperTextProperties.h"
#include "objects/kinds/SymbolFonts.h"
#include "persist/ClassInfo.h"
#include "platform/Rounding.h"

namespace {

// A new object's size before the tool gives it its rectangle.
constexpr int NewWidth = 142;
constexpr int NewHeight = 33;
// The text starts this many pixels in from the left edge.
constexpr int TextIndent = 5;
constexpr int GradientBands = 256;
// The largest gradient bitmap built (a page at 400 % zoom is far smaller).
constexpr qint64 MaxGradientPixels = 40'000'000;
// Font sizes are drawn up to this many points (a page is 17 inches at most).
constexpr int LargestDrawnPoints = 1300;

TGSuperText::ColorChooser& colorChooser()
{
    static TGSuperText::ColorChooser chooser;
    return chooser;
}

// Clears the flag when the scope ends, also when it ends by an exception.
struct FlagScope {
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    bool& flag_;
};

} // namespace

TGSuperText::TGSuperText(TComponent* owner, QWidget* parent)
    : TGGraphicControl(owner, parent),
      font_(QStringLiteral("Arial"), 48, TFont::fsBold, TColors::clBlack)
{
    font_.SetOnChange([this] { fontChanged(); });
    shadow_ = ShadowOffset(shadowOrientation_, shadowDepth_);
    resize(NewWidth, NewHeight);
}

TGSuperText::~TGSuperText() = default;

// --- Setters ----------------------------------------------------------------

void TGSuperText::changeVisual()
{
    update();
}

void TGSuperText::changeNotified()
{
    update();
    if (!IsLoading())
        NotifyChange();
}

void TGSuperText::SetShadowDepth(int depth)
{
    if (depth == shadowDepth_)
        return;
    shadowDepth_ = depth;
    shadow_ = ShadowOffset(shadowOrientation_, shadowDepth_);
    layoutValid_ = false;
    changeVisual();
}

void TGSuperText::SetShadowOrientation(TShadowDirection orientation)
{
    if (orientation < sdNone || orientation > sdDown || orientation == shadowOrientation_)
        return;
    shadowOrientation_ = orientation;
    shadow_ = ShadowOffset(shadowOrientation_, shadowDepth_);
    layoutValid_ = false;
    changeVisual();
}

void TGSuperText::SetShadowcolor(TColor color)
{
    if (color == shadowColor_)
        return;
    shadowColor_ = color;
    changeVisual();
}

void TGSuperText::SetBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_ || style < bsNone || style > bsSingle)
        return;
    borderStyle_ = style;
    if (borderItem_)
        borderItem_->setChecked(style == bsSingle);
    changeNotified();
}

void TGSuperText::SetControlTransparent(bool transparent)
{
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    changeVisual();
}

void TGSuperText::SetBGColor(TColor color)
{
    if (color == bgColor_)
        return;
    bgColor_ = color;
    changeNotified();
}

void TGSuperText::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    layoutValid_ = false;
    changeNotified();
}

void TGSuperText::SetFont(const TFont& font)
{
    font_.Assign(font);  // the change callback invalidates the layout
}

void TGSuperText::fontChanged()
{
    layoutValid_ = false;
    changeNotified();
}

void TGSuperText::rebuildGradientIfShown()
{
    if (surfaceType_ == stGradientFill)
        BuildGradient();
}

void TGSuperText::SetFillDirection(TFillDirection direction)
{
    if (direction == fillDirection_ || direction < gdUp || direction > gdRight)
        return;
    fillDirection_ = direction;
    rebuildGradientIfShown();
    changeVisual();
}

void TGSuperText::SetGradientToColor(TColor color)
{
    if (color == gradientTo_)
        return;
    gradientTo_ = color;
    rebuildGradientIfShown();
    changeVisual();
}

void TGSuperText::SetGradientFromColor(TColor color)
{
    if (color == gradientFrom_)
        return;
    gradientFrom_ = color;
    if (!IsLoading())
        NotifyChange();
    rebuildGradientIfShown();
    changeVisual();
}

void TGSuperText::SetImage(const QImage& image)
{
    // A bitmap with no pixels is the same as none.
    image_.image = (image.isNull() || image.width() < 1 || image.height() < 1) ? QImage() : image.copy();
    changeVisual();
}

void TGSuperText::SetOutlineColor(TColor color)
{
    if (color == outlineColor_)
        return;
    outlineColor_ = color;
    changeVisual();
}

void TGSuperText::SetOutlineStyle(TPenStyle style)
{
    if (style == outlineStyle_ || style < psSolid || style > psInsideFrame)
        return;
    outlineStyle_ = style;
    changeVisual();
}

void TGSuperText::SetOutlineWidth(int width)
{
    if (width == outlineWidth_)
        return;
    outlineWidth_ = width;
    changeVisual();
}

void TGSuperText::SetSurfaceType(TSurfaceType type)
{
    if (type == surfaceType_ || type < stNormal || type > stGradientFill)
        return;
    surfaceType_ = type;
    changeVisual();
    // Leaving the texture surface drops the texture.
    if (type != stBrushImage)
        image_.image = QImage();
    if (type == stGradientFill)
        BuildGradient();
    // Letters with neither face nor outline would vanish.
    if (type == stBrushTransparent && outlineStyle_ == psClear)
        SetOutlineStyle(psSolid);
}

// --- Page-object operations ------------------------------------------------

void TGSuperText::AddPopupEntries(QMenu& menu)
{
    menu.addSeparator();
    // Object names are the captions without spaces.
    const auto add = [&](const QString& caption, auto run) {
        QAction* action = menu.addAction(caption);
        action->setObjectName(QString(caption).remove(QLatin1Char(' ')));
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    add(QStringLiteral("Font"), [this] { FontCommand(); });
    transparentItem_ = add(QStringLiteral("Transparent"), [this] { SetControlTransparent(!transparent_); });
    transparentItem_->setCheckable(true);
    transparentItem_->setChecked(transparent_);
    add(QStringLiteral("Background Color"), [this] { BackgroundColorCommand(); });
    borderItem_ = add(QStringLiteral("Border"), [this] { SetBorderStyle(borderStyle_ == bsSingle ? bsNone : bsSingle); });
    borderItem_->setCheckable(true);
    borderItem_->setChecked(borderStyle_ == bsSingle);
    add(QStringLiteral("Properties"), [this] { ShowProperties(); });
}

void TGSuperText::Loaded()
{
    TGGraphicControl::Loaded();
    if (surfaceType_ == stGradientFill) {
        try {
            BuildGradient();
        } catch (...) {
            // The object paints without its gradient.
        }
    }
}

void TGSuperText::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    layoutValid_ = false;
    if (Width() <= 0 || Height() <= 0) {
        SetBounds(Left(), Top(), std::max(Width(), 1), std::max(Height(), 1));
        return;  // the corrected bounds ran this again
    }
    if (surfaceType_ == stGradientFill && gradient_.size() != size())
        BuildGradient();
}

void TGSuperText::PopupOpening()
{
    if (borderItem_)
        borderItem_->setChecked(borderStyle_ == bsSingle);
    if (transparentItem_)
        transparentItem_->setChecked(transparent_);
}

void TGSuperText::ApplyFont(const TFont& font)
{
    font_.Assign(font);
    layoutValid_ = false;
}

void TGSuperText::FontCommand()
{
    TFont chosen = font_;
    if (ChooseFont(chosen, window())) {
        font_.Assign(chosen);
        layoutValid_ = false;
    }
}

void TGSuperText::BackgroundColorCommand()
{
    TColor color = bgColor_;
    if (!ChooseColor(color, window()))
        return;
    SetBGColor(color);
    NotifyChange();
    SetControlTransparent(false);
    update();
}

void TGSuperText::ShowProperties()
{
    TSuperTextProperties dialog(window());
    TGSuperText& sample = *dialog.Sample();
    sample.AssignFrom(*this);
    dialog.SetLastBitmapFileNameandPath(lastBitmapFile_);
    if (dialog.Run() != QDialog::Accepted)
        return;
    // The size stays this object's own.
    SetGradientFromColor(sample.GradientFromColor());
    SetFillDirection(sample.FillDirection());
    SetGradientToColor(sample.GradientToColor());
    SetImage(sample.Image());
    SetOutlineColor(sample.OutlineColor());
    SetOutlineStyle(sample.OutlineStyle());
    SetOutlineWidth(sample.OutlineWidth());
    SetShadowcolor(sample.Shadowcolor());
    SetShadowDepth(sample.ShadowDepth());
    SetShadowOrientation(sample.ShadowOrientation());
    SetSurfaceType(sample.SurfaceType());
    SetLastBitmapFileNameandPath(dialog.LastBitmapFileNameandPath());
    font_.SetColor(sample.Font().Color());
    ApplyFont(sample.Font());
    SetCaption(sample.Caption());
    if (surfaceType_ == stGradientFill)
        BuildGradient();
    layoutValid_ = false;
    Layout();
    update();
    NotifyChange();
}

void TGSuperText::CreatedByTool(TGBasePanel& page, const QRect& rect, const std::function<void()>& endTool)
{
    borderStyle_ = bsSingle;
    transparent_ = false;
    bgColor_ = TColors::clWhite;
    page.Place(this, rect);
    if (endTool)
        endTool();
    SetBorderStyle(bsSingle);
    SetControlTransparent(false);
    SetBGColor(TColors::clWhite);
    ShowProperties();
}

void TGSuperText::AssignFrom(const TGSuperText& other)
{
    SetCaption(other.caption_);
    SetFont(other.font_);
    SetControlTransparent(other.transparent_);
    SetBGColor(other.bgColor_);
    SetBorderStyle(other.borderStyle_);
    SetGradientFromColor(other.gradientFrom_);
    SetFillDirection(other.fillDirection_);
    SetGradientToColor(other.gradientTo_);
    SetImage(other.Image());
    SetOutlineColor(other.outlineColor_);
    SetOutlineStyle(other.outlineStyle_);
    SetOutlineWidth(other.outlineWidth_);
    SetShadowcolor(other.shadowColor_);
    SetShadowDepth(other.shadowDepth_);
    SetShadowOrientation(other.shadowOrientation_);
    SetSurfaceType(other.surfaceType_);
    SetWidth(other.Width());
    SetHeight(other.Height());
}

bool TGSuperText::FitToText()
{
    const QFont font = measuringFont(false);
    const QFontMetrics metrics(font);
    const int w = metrics.horizontalAdvance(SymbolFontText(font, caption_));
    const int h = metrics.height();
    layoutValid_ = false;
    Layout();
    const int x0 = std::max(mainBox_.left(), shadowBox_.left());
    const int y0 = std::max(mainBox_.top(), shadowBox_.top());
    SetBounds(Left(), Top(), truncToInt(x0 + 1.2 * w), truncToInt(1.2 * (y0 + h)));
    if (Height() < h)
        SetHeight(truncToInt(1.5 * h));
    if (Width() < w)
        SetWidth(truncToInt(1.5 * w));
    return Height() >= h && Width() >= w;
}

// --- Gradient and tiles ----------------------------------------------------

QColor TGSuperText::GradientBandColor(const QColor& start, const QColor& end, int band)
{
    const auto channel = [band](int from, int to) { return from + MulDiv(band, to - from, 255); };
    return QColor(channel(start.red(), end.red()), channel(start.green(), end.green()),
                  channel(start.blue(), end.blue()));
}

QList<TGSuperText::GradientStrip> TGSuperText::GradientStrips(int length)
{
    QList<GradientStrip> strips;
    if (length <= 0)
        return strips;
    for (int i = 0; i < GradientBands; ++i) {
        const int from = MulDiv(i, length, GradientBands);
        const int to = MulDiv(i + 1, length, GradientBands);
        if (to > from)
            strips.append({from, to, i});
    }
    const bool firstEmpty = strips.first().band != 0;
    const bool lastEmpty = strips.last().band != GradientBands - 1;
    if (firstEmpty)
        strips.append({0, 1, 0});
    if (lastEmpty)
        strips.append({length - 1, length, GradientBands - 1});
    return strips;
}

void TGSuperText::BuildGradient()
{
    const int w = std::max(Width(), 1);
    const int h = std::max(Height(), 1);
    // A damaged document may give any size: beyond the pixel budget the
    // object shows no gradient rather than allocating gigabytes.
    if (qint64(w) * h > MaxGradientPixels) {
        gradient_ = QImage();
        update();
        return;
    }
    gradient_ = QImage(w, h, QImage::Format_RGB32);
    if (gradient_.isNull())
        return;
    const bool reversed = fillDirection_ == gdUp || fillDirection_ == gdLeft;
    const QColor from = ToQColor(gradientFrom_).toRgb();
    const QColor to = ToQColor(gradientTo_).toRgb();
    const QColor start = reversed ? to : from;
    const QColor end = reversed ? from : to;
    const bool columns = fillDirection_ == gdLeft || fillDirection_ == gdRight;
    QPainter painter(&gradient_);
    for (const GradientStrip& strip : GradientStrips(columns ? w : h)) {
        const QColor color = GradientBandColor(start, end, strip.band);
        if (columns)
            painter.fillRect(strip.from, 0, strip.to - strip.from, h, color);
        else
            painter.fillRect(0, strip.from, w, strip.to - strip.from, color);
    }
    painter.end();
    update();
}

QImage TGSuperText::tileOf(const QImage& bitmap) const
{
    if (bitmap.isNull() || bitmap.width() < 1 || bitmap.height() < 1)
        return {};
    const float zoom = ZoomFactor();
    if (surfaceType_ != stBrushImage || zoom == 1.0f)
        return bitmap;
    const int tileWidth = truncToInt(bitmap.width() * double(zoom));
    const int tileHeight = truncToInt(bitmap.height() * double(zoom));
    // A zoom this small leaves nothing to see of a tile.
    if (tileWidth < 1 || tileHeight < 1)
        return {};
    if (zoomedTile_.size() != QSize(tileWidth, tileHeight) || zoomedTileSource_ != bitmap.cacheKey()) {
        zoomedTile_ = bitmap.scaled(tileWidth, tileHeight);
        zoomedTileSource_ = bitmap.cacheKey();
    }
    return zoomedTile_;
}

void TGSuperText::TileBitmap(QPainter& painter, const QImage& bitmap) const
{
    // A texture brush repeats the tile from the origin, column by column and
    // row by row, as far as the area reaches.
    if (const QImage tile = tileOf(bitmap); !tile.isNull())
        painter.fillRect(QRect(0, 0, Width(), Height()), QBrush(tile));
}

// --- Layout and painting ---------------------------------------------------

int TGSuperText::drawnPoints() const
{
    return std::clamp(font_.Size(), 1, LargestDrawnPoints);
}

QFont TGSuperText::measuringFont(bool zoomed) const
{
    int points = drawnPoints();
    const float zoom = ZoomFactor();
    if (zoomed && zoom != 1.0f)
        points = truncToInt(points * double(zoom));
    // A zoom that leaves no size still measures with the smallest one; a
    // damaged size is drawn no larger than a page.
    return font_.ToQFont(std::clamp(points, 1, LargestDrawnPoints));
}

QFont TGSuperText::zoomedFont() const
{
    return measuringFont(true);
}

void TGSuperText::Layout()
{
    if (layoutValid_ || layoutBusy_)
        return;
    struct Done {
        TGSuperText& self;
        ~Done()
        {
            self.layoutBusy_ = false;
            self.layoutValid_ = true;
        }
    } done{*this};
    layoutBusy_ = true;

    const float zoom = ZoomFactor();
    scaledShadow_ = zoom == 1.0f ? shadow_
                                 : QPoint(truncToInt(shadow_.x() * double(zoom)),
                                          truncToInt(shadow_.y() * double(zoom)));
    const QFont font = zoomedFont();
    const QFontMetrics metrics(font);
    const int th = metrics.height();
    // A symbol font draws the characters it holds for the caption's codes.
    const QString shown = SymbolFontText(font, caption_);
    const int tw = metrics.horizontalAdvance(shown + QLatin1Char(' '));
    origin_ = QPoint(scaledShadow_.x() < 0 ? -scaledShadow_.x() : 0, scaledShadow_.y() < 0 ? -scaledShadow_.y() : 0);
    const int f = std::abs(scaledShadow_.y()) + th;

    if (Width() <= TextIndent)
        SetWidth(tw);
    if (Height() > 1.2 * f && transparent_ && borderStyle_ == bsNone)
        SetHeight(truncToInt(1.2 * f));
    if (Height() < f)
        SetHeight(f);

    const int left = origin_.x() + TextIndent;
    mainBox_ = QRect(QPoint(left, origin_.y()), QPoint(Width() - 1, origin_.y() + th - 1));
    shadowBox_ = mainBox_.translated(scaledShadow_);

    // The text is cut from its end to the room right of the text start.
    const int x0 = std::max(mainBox_.left(), shadowBox_.left());
    fittedText_ = shown;
    while (!fittedText_.isEmpty() && metrics.horizontalAdvance(fittedText_) > Width() - x0)
        fittedText_.chop(1);
    buildLetterPaths(font);
}

void TGSuperText::buildLetterPaths(const QFont& font)
{
    const QFontMetrics metrics(font);
    mainPath_ = QPainterPath();
    shadowPath_ = QPainterPath();
    if (fittedText_.isEmpty())
        return;
    mainPath_.addText(QPointF(mainBox_.left(), mainBox_.top() + metrics.ascent()), font, fittedText_);
    shadowPath_ = mainPath_.translated(scaledShadow_);
}

void TGSuperText::paintEvent(QPaintEvent*)
{
    if (ParentPaintingSuspended())
        return;
    QPainter painter(this);
    PaintTo(painter);
}

void TGSuperText::PaintTo(QPainter& painter)
{
    if (painting_)
        return;
    FlagScope paint(painting_);
    if (Width() < 5 || Height() < 5)
        layoutValid_ = false;
    Layout();

    const QRect area(0, 0, Width(), Height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!transparent_ || borderStyle_ == bsSingle) {
        if (!transparent_)
            painter.fillRect(area, ToQColor(bgColor_));
        if (borderStyle_ == bsSingle) {
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(area.adjusted(0, 0, -1, -1));
        }
    }

    if (fittedText_.isEmpty()) {
        // No letter fits: a crossed frame marks the object.
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        painter.drawLine(0, 0, Width(), Height());
        painter.drawLine(Width(), 0, 0, Height());
        painter.restore();
        return;
    }

    // Filling the letter paths draws what clipping to them would, in one step.
    if (shadowDepth_ > 0 && shadowOrientation_ != sdNone)
        painter.fillPath(shadowPath_, ToQColor(shadowColor_));

    switch (surfaceType_) {
    case stNormal:
        painter.fillPath(mainPath_, ToQColor(font_.Color()));
        break;
    case stBrushImage:
    case stGradientFill:
        if (const QImage tile = tileOf(surfaceType_ == stBrushImage ? image_.image : gradient_); !tile.isNull())
            painter.fillPath(mainPath_, QBrush(tile));
        break;
    case stBrushTransparent:
        break;
    }

    if (outlineStyle_ != psClear && outlineWidth_ > 0) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ToQColor(outlineColor_), outlineWidth_, ToQtPenStyle(outlineStyle_)));
        painter.drawPath(mainPath_);
    }
    painter.restore();
}

// --- Colour dialog seam ----------------------------------------------------

bool TGSuperText::ChooseColor(TColor& color, QWidget* parent)
{
    if (colorChooser())
        return colorChooser()(color, parent);
    const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
    if (!chosen.isValid())
        return false;
    color = FromQColor(chosen);
    return true;
}

void TGSuperText::SetColorChooserForTesting(ColorChooser chooser)
{
    colorChooser() = std::move(chooser);
}

// --- Published properties --------------------------------------------------

const TEnumNames& TGSuperText::SurfaceTypeNames()
{
    static const TEnumNames names{"stNormal", "stBrushTransparent", "stBrushImage", "stGradientFill"};
    return names;
}

const TEnumNames& TGSuperText::FillDirectionNames()
{
    static const TEnumNames names{"gdUp", "gdDown", "gdLeft", "gdRight"};
    return names;
}

const TClassInfo& TGSuperText::StaticClassInfo()
{
    using T = TGSuperText;
    // Only the shadow's three properties have declared defaults; the rest is
    // always written.
    static const TClassInfo info =
        TClassInfoBuilder<T>("TGSuperText", &TGGraphicControl::StaticClassInfo())
            .integer("ShadowDepth", &T::ShadowDepth, &T::SetShadowDepth).defaultValue(0)
            .enumeration("ShadowOrientation", &T::ShadowOrientation, &T::SetShadowOrientation,
                         ShadowDirectionNames()).defaultValue(sdDownRight)
            .integer("Shadowcolor", &T::Shadowcolor, &T::SetShadowcolor).defaultValue(TColors::clGray)
                .idents(ColorIdents())
            .enumeration("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, BorderStyleNames())
            .boolean("ControlTransparent", &T::ControlTransparent, &T::SetControlTransparent)
            .integer("BGColor", &T::BGColor, &T::SetBGColor).idents(ColorIdents())
            .string("Caption", &T::Caption, &T::SetCaption)
            .object("Font", &T::fontObject)
            .enumeration("FillDirection", &T::FillDirection, &T::SetFillDirection, FillDirectionNames())
            .integer("GradientToColor", &T::GradientToColor, &T::SetGradientToColor).idents(ColorIdents())
            .integer("GradientFromColor", &T::GradientFromColor, &T::SetGradientFromColor)
                .idents(ColorIdents())
            .object("Image", &T::imageObject)
            .integer("OutlineColor", &T::OutlineColor, &T::SetOutlineColor).idents(ColorIdents())
            .enumeration("OutlineStyle", &T::OutlineStyle, &T::SetOutlineStyle, PenStyleNames())
            .integer("OutlineWidth", &T::OutlineWidth, &T::SetOutlineWidth)
            .enumeration("SurfaceType", &T::SurfaceType, &T::SetSurfaceType, SurfaceTypeNames())
            .string("LastBitmapFileNameandPath", &T::LastBitmapFileNameandPath, &T::SetLastBitmapFileNameandPath)
            .factory([](TComponent* owner, QWidget* parent) -> TComponent* { return new T(owner, parent); })
            .build();
    return info;
}
