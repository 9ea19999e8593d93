#include "objects/kinds/GBaseLabel.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QPicture>
#include <algorithm>

#include "objects/FontChooser.h"
#include "objects/kinds/Font3DEffects.h"
#include "objects/kinds/KindDialogs.h"
#include "platform/Rounding.h"
#include "platform/ScreenMetrics.h"
#include "print/ReportPrinter.h"

namespace {

// The box moved by an offset given along and across the text, turned with it.
QPoint turned(const QPoint& offset, int angle)
{
    switch (angle) {
    case 90:
        return {offset.y(), -offset.x()};
    case 180:
        return {-offset.x(), -offset.y()};
    case 270:
        return {-offset.y(), offset.x()};
    default:
        return offset;
    }
}

// Where the text starts in a box: the corner its turned top-left lies on.
QPoint referencePoint(const QRect& box, int angle)
{
    const int right = box.x() + box.width();
    const int bottom = box.y() + box.height();
    switch (angle) {
    case 90:
        return {box.x(), bottom};
    case 180:
        return {right, bottom};
    case 270:
        return {right, box.y()};
    default:
        return box.topLeft();
    }
}

QRect boxFromEdges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// Depths and font sizes come from files too: beyond these no copy or letter
// is on the page anyway, and the layout's sums must not overflow.
constexpr int MaxCopyDistance = 30000;
constexpr int MaxDrawingPoints = 1000;

int copyDistance(int depth)
{
    return std::clamp(depth, -MaxCopyDistance, MaxCopyDistance);
}

} // namespace

TGBaseLabel::TGBaseLabel(TComponent* owner, QWidget* parent) : TGGraphicControl(owner, parent)
{
    font_ = TFont(QStringLiteral("Arial"), 10, 0, TColors::clBlack);
    font_.SetOnChange([this] { changedLook(true); });
    // The size before a tool or a document gives it its own; not yet a move.
    QWidget::resize(142, 33);
}

// ---- properties ---------------------------------------------------------------

void TGBaseLabel::changedLook(bool notify)
{
    layoutValid_ = false;
    update();
    if (notify && !IsLoading())
        NotifyChange();
}

void TGBaseLabel::SetAlignment(TAlignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    changedLook(true);
}

void TGBaseLabel::SetDepthHighlight(int depth)
{
    if (depth == depthHighlight_)
        return;
    depthHighlight_ = depth;
    recalcHighlightOffset();
    changedLook(false);
}

void TGBaseLabel::SetDirectionHighlight(THighlightDirection direction)
{
    if (direction == directionHighlight_)
        return;
    directionHighlight_ = direction;
    recalcHighlightOffset();
    changedLook(false);
}

void TGBaseLabel::SetDepthShadow(int depth)
{
    if (depth == depthShadow_)
        return;
    depthShadow_ = depth;
    recalcShadowOffset();
    changedLook(false);
}

void TGBaseLabel::SetDirectionShadow(TShadowDirection direction)
{
    if (direction == directionShadow_)
        return;
    directionShadow_ = direction;
    recalcShadowOffset();
    changedLook(false);
}

void TGBaseLabel::recalcShadowOffset()
{
    const int d = copyDistance(depthShadow_);
    switch (directionShadow_) {
    case sdRight: shadowOffset_ = {d, 0}; break;
    case sdLeft: shadowOffset_ = {-d, 0}; break;
    case sdDownRight: shadowOffset_ = {d, d}; break;
    case sdDownLeft: shadowOffset_ = {-d, d}; break;
    case sdDown: shadowOffset_ = {0, d}; break;
    default: shadowOffset_ = {0, 0}; break;
    }
}

void TGBaseLabel::recalcHighlightOffset()
{
    const int d = copyDistance(depthHighlight_);
    switch (directionHighlight_) {
    case hdright: highlightOffset_ = {d, 0}; break;
    case hdLeft: highlightOffset_ = {-d, 0}; break;
    case hdUpRight: highlightOffset_ = {d, -d}; break;
    case hdUpLeft: highlightOffset_ = {-d, -d}; break;
    case hdUp: highlightOffset_ = {0, -d}; break;
    default: highlightOffset_ = {0, 0}; break;
    }
}

void TGBaseLabel::SetcolorHighlight(TColor color)
{
    if (color == colorHighlight_)
        return;
    colorHighlight_ = color;
    update();
}

void TGBaseLabel::SetcolorShadow(TColor color)
{
    if (color == colorShadow_)
        return;
    colorShadow_ = color;
    update();
}

void TGBaseLabel::SetAngle(int angle)
{
    if (angle != 0 && angle != 90 && angle != 180 && angle != 270)
        return;
    if (angle == angle_)
        return;
    angle_ = angle;
    layoutValid_ = false;
    // Alignment applies to unrotated text only.
    if (angle != 0)
        alignment_ = taLeftJustify;
    // A read label already has the bounds it was saved with.
    if (!HasState(csDesigning) && !IsLoading()) {
        const bool upright = angle == 0 || angle == 180;
        if ((upright && Width() < Height()) || (!upright && Height() < Width()))
            SetBounds(Left(), Top(), Height(), Width());
    }
    update();
    // A turn that keeps the bounds must still mark the document changed.
    if (!IsLoading())
        NotifyChange();
}

void TGBaseLabel::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    changedLook(true);
}

void TGBaseLabel::SetTransparent(bool transparent)
{
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    if (!IsLoading())
        NotifyChange();
    update();
    if (!IsLoading() && isVisible())
        repaint();
}

void TGBaseLabel::SetBackColor(TColor color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    if (!IsLoading())
        NotifyChange();
    update();
}

void TGBaseLabel::SetBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    update();
    if (!IsLoading())
        NotifyChange();
}

QFont TGBaseLabel::DrawingFont() const
{
    int points = font_.Size();
    if (ZoomFactor() != 1.0f)
        points = truncToInt(double(points) * double(ZoomFactor()));
    return font_.ToQFont(std::clamp(points, 1, MaxDrawingPoints), ScreenPPI());
}

// ---- layout -------------------------------------------------------------------

void TGBaseLabel::RecalcLayout()
{
    if (layoutValid_)
        return;
    const QFont font = DrawingFont();
    const QFontMetrics metrics(font);
    // The leadings come on top of the height.
    const int internalLeading = std::max(0, metrics.height() - font.pixelSize());
    const int th = metrics.height() + internalLeading + std::max(0, metrics.leading());
    const int tw = metrics.horizontalAdvance(caption_ + QLatin1Char(' '));
    const int sx = shadowOffset_.x(), sy = shadowOffset_.y();
    const int hx = highlightOffset_.x(), hy = highlightOffset_.y();

    int ox = 0, oy = 0;
    if (sx < 0)
        ox = -sx;
    if (hx < 0)
        ox = std::max(ox, -hx);
    if (sy < 0)
        oy = -sy;
    if (hy < 0)
        oy = std::max(oy, -hy);
    const int l = th + sy - hy;

    // Across the text the label stays between l and 1.2 l; along it, it is
    // not enlarged here.
    if (angle_ == 90 || angle_ == 270) {
        if (Height() > 1.2 * tw)
            SetHeight(truncToInt(1.2 * tw));
        if (Height() < 5)
            SetHeight(tw);
        if (Width() > 1.2 * l)
            SetWidth(truncToInt(1.2 * l));
        if (Width() < l)
            SetWidth(l);
    } else {
        if (angle_ == 180 && 2 * tw < Width())
            SetWidth(2 * tw);
        if (Width() <= 5)
            SetWidth(tw);
        if (Height() > 1.2 * l)
            SetHeight(truncToInt(1.2 * l));
        if (Height() < l)
            SetHeight(l);
    }

    QRect main = angle_ == 0 || angle_ == 180 ? boxFromEdges(ox, oy, Width(), oy + th)
                                              : boxFromEdges(oy, ox, oy + th, Height() - oy);
    if (angle_ == 90)
        main.translate(0, Height() - (main.height() + 1) + hx);
    else if (angle_ == 180)
        main.translate(Width() - (main.width() + 1) - sy, 0);

    TextBoxes boxes;
    boxes.main = main;
    boxes.shadow = main.translated(turned(shadowOffset_, angle_));
    boxes.highlight = main.translated(turned(highlightOffset_, angle_));
    boxes.mainAt = referencePoint(boxes.main, angle_);
    boxes.shadowAt = referencePoint(boxes.shadow, angle_);
    boxes.highlightAt = referencePoint(boxes.highlight, angle_);
    if (angle_ == 0) {
        int x = main.x();
        if (alignment_ == taRightJustify)
            x = main.x() + main.width() - tw;
        else if (alignment_ == taCenter)
            x = main.width() / 2 - tw / 2;
        boxes.mainAt.setX(x);
        boxes.highlightAt.setX(x + hx);
        boxes.shadowAt.setX(x + sx);
    }
    boxes.origin = {ox, oy};
    boxes.textHeight = th;
    boxes.textWidth = tw;
    boxes.band = l;
    boxes_ = boxes;
    layoutValid_ = true;
}

// ---- drawing ------------------------------------------------------------------

void TGBaseLabel::drawCopy(QPainter& canvas, const QFont& font, TColor color, const QPoint& at,
                           const QRect& clip) const
{
    canvas.save();
    canvas.setClipRect(clip, Qt::IntersectClip);
    canvas.translate(at);
    if (angle_ != 0)
        canvas.rotate(-angle_);
    canvas.setPen(ToQColor(color));
    canvas.drawText(QPoint(0, QFontMetrics(font).ascent()), caption_);
    canvas.restore();
}

void TGBaseLabel::DrawOnCanvas(QPainter& canvas)
{
    RecalcLayout();
    canvas.save();
    if (!transparent_)
        canvas.fillRect(QRect(0, 0, Width(), Height()), ToQColor(backColor_));
    const QFont font = DrawingFont();
    canvas.setFont(font);
    canvas.setBrush(Qt::NoBrush);
    drawCopy(canvas, font, colorShadow_, boxes_.shadowAt, boxes_.shadow);
    drawCopy(canvas, font, colorHighlight_, boxes_.highlightAt, boxes_.highlight);
    drawCopy(canvas, font, font_.Color(), boxes_.mainAt, boxes_.main);
    if (borderStyle_ == bsSingle) {
        canvas.setPen(QPen(Qt::black, 0, Qt::SolidLine));
        canvas.drawRect(QRect(0, 0, Width() - 1, Height() - 1));
    }
    canvas.restore();
}

void TGBaseLabel::paintEvent(QPaintEvent* event)
{
    if (ParentPaintingSuspended())
        return;
    if (Width() < 5 || Height() < 5)
        layoutValid_ = false;
    {
        QPainter painter(this);
        DrawOnCanvas(painter);
    }
    TGGraphicControl::paintEvent(event);
}

void TGBaseLabel::AutoSizeToText()
{
    if (angle_ != 0)
        return;
    RecalcLayout();
    const int x0 = std::max({boxes_.main.x(), boxes_.shadow.x(), boxes_.highlight.x()});
    const int y0 = std::max({boxes_.main.y(), boxes_.shadow.y(), boxes_.highlight.y()});
    const QFontMetrics metrics(DrawingFont());
    const int wanted = x0 + metrics.horizontalAdvance(caption_ + QStringLiteral("     "));
    if (wanted > Width())
        SetWidth(wanted);
    if (y0 + metrics.height() > Height())
        SetHeight(y0 + metrics.height());
    layoutValid_ = false;
    update();
}

QPicture TGBaseLabel::MakeMetafile()
{
    QPicture picture;
    {
        QPainter painter(&picture);
        DrawOnCanvas(painter);
    }
    picture.setBoundingRect(QRect(0, 0, Width(), Height()));
    return picture;
}

void TGBaseLabel::PrintTo(TReportPrinter& report, double xOffset, double yOffset)
{
    const double ppi = ScreenPPI();
    const QPicture picture = MakeMetafile();
    report.StretchPicture(xOffset + Left() / ppi, yOffset + Top() / ppi, xOffset + (Left() + Width()) / ppi,
                          yOffset + (Top() + Height()) / ppi, picture);
}

// ---- base operations and commands ---------------------------------------------

void TGBaseLabel::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    layoutValid_ = false;
    if (Width() <= 0)
        SetWidth(1);
    if (Height() <= 0)
        SetHeight(1);
}

void TGBaseLabel::ApplyFont(const TFont& font)
{
    font_.Assign(font);
    layoutValid_ = false;
}

void TGBaseLabel::AddPopupEntries(QMenu& menuRef)
{
    QMenu* menu = &menuRef;
    menu->addSeparator();
    const auto add = [this](QMenu* into, const QString& caption, auto command) {
        QAction* action = into->addAction(caption);
        action->setObjectName(QString(caption).remove(QLatin1Char(' ')));
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    add(menu, QStringLiteral("Font"), [this] { FontCommand(); });
    add(menu, QStringLiteral("3D Effects"), [this] { Effects3DCommand(); });
    QMenu* alignment = menu->addMenu(QStringLiteral("Alignment"));
    alignment->setObjectName(QStringLiteral("AlignmentMenu"));
    const auto align = [this](TAlignment value) {
        SetAlignment(value);
        NotifyChange();
    };
    leftItem_ = add(alignment, QStringLiteral("Left"), [align] { align(taLeftJustify); });
    centerItem_ = add(alignment, QStringLiteral("Center"), [align] { align(taCenter); });
    rightItem_ = add(alignment, QStringLiteral("Right"), [align] { align(taRightJustify); });
    for (QAction* item : {leftItem_, centerItem_, rightItem_})
        item->setCheckable(true);
    transparentItem_ = add(menu, QStringLiteral("Transparent"), [this] {
        SetTransparent(!transparent_);
        transparentItem_->setChecked(transparent_);
    });
    transparentItem_->setCheckable(true);
    transparentItem_->setChecked(transparent_);
    add(menu, QStringLiteral("Background Color"), [this] { BackgroundColorCommand(); });
    borderItem_ = add(menu, QStringLiteral("Border"), [this] {
        SetBorderStyle(borderStyle_ == bsSingle ? bsNone : bsSingle);
    });
    borderItem_->setCheckable(true);
    borderItem_->setChecked(borderStyle_ == bsSingle);
}

void TGBaseLabel::PopupOpening()
{
    if (borderItem_)
        borderItem_->setChecked(borderStyle_ == bsSingle);
    if (transparentItem_)
        transparentItem_->setChecked(transparent_);
    if (leftItem_) {
        leftItem_->setChecked(alignment_ == taLeftJustify);
        centerItem_->setChecked(alignment_ == taCenter);
        rightItem_->setChecked(alignment_ == taRightJustify);
    }
}

void TGBaseLabel::FontCommand()
{
    if (ChooseFont(font_, this))
        layoutValid_ = false;
}

void TGBaseLabel::Effects3DCommand()
{
    TGFont3DEffects dialog(*this, window());
    if (RunKindDialog(dialog) == QDialog::Accepted)
        NotifyChange();
}

void TGBaseLabel::BackgroundColorCommand()
{
    TColor color = backColor_;
    if (!ChooseKindColor(color, this))
        return;
    SetBackColor(color);
    SetTransparent(false);
    if (transparentItem_)
        transparentItem_->setChecked(transparent_);
    update();
}

// ---- published properties -------------------------------------------------------

const TEnumNames& TGBaseLabel::AlignmentNames()
{
    static const TEnumNames names = {"taLeftJustify", "taRightJustify", "taCenter"};
    return names;
}

const TEnumNames& TGBaseLabel::HighlightDirectionNames()
{
    static const TEnumNames names = {"hdNone", "hdright", "hdLeft", "hdUpRight", "hdUpLeft", "hdUp"};
    return names;
}

const TClassInfo& TGBaseLabel::StaticClassInfo()
{
    using T = TGBaseLabel;
    // Depths, directions and copy colours are left out while they hold their
    // defaults; the caption is written even when empty.
    static const TClassInfo info =
        TClassInfoBuilder<T>("TGBaseLabel", &TGGraphicControl::StaticClassInfo())
            .enumeration("Alignment", &T::Alignment, &T::SetAlignment, AlignmentNames()).defaultValue(taLeftJustify)
            .integer("DepthHighlight", &T::DepthHighlight, &T::SetDepthHighlight).defaultValue(0)
            .integer("DepthShadow", &T::DepthShadow, &T::SetDepthShadow).defaultValue(0)
            .enumeration("DirectionHighlight", &T::DirectionHighlight, &T::SetDirectionHighlight,
                         HighlightDirectionNames()).defaultValue(hdUpLeft)
            .enumeration("DirectionShadow", &T::DirectionShadow, &T::SetDirectionShadow, ShadowDirectionNames())
            .defaultValue(sdDownRight)
            .integer("colorHighlight", &T::colorHighlight, &T::SetcolorHighlight)
            .defaultValue(TColors::clAqua).idents(ColorIdents())
            .integer("colorShadow", &T::colorShadow, &T::SetcolorShadow).defaultValue(TColors::clGray)
            .idents(ColorIdents())
            .integer("Angle", &T::Angle, &T::SetAngle).defaultValue(0)
            .string("Caption", &T::Caption, &T::SetCaption).writtenWhenEmpty()
            .object("Font", &T::fontObject)
            .boolean("Transparent", &T::Transparent, &T::SetTransparent)
            .integer("BackColor", &T::BackColor, &T::SetBackColor).idents(ColorIdents())
            .enumeration("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, BorderStyleNames())
            .build();
    return info;
}
