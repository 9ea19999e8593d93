#pragma once
// TGBaseLabel: one line of text in one font on the page, with an optional
// background and frame, a 3D look made of a shadow copy and a highlight copy
// behind the text, alignment, and rotation by 0, 90, 180 or 270 degrees.
//
// Layout runs lazily: every change that affects measuring clears the
// layout-valid flag and the next paint or print lays the label out again.
// The layout also holds the label across its text between the band l (the
// thickness the three copies cover) and 1.2 l.
#include <QPoint>
#include <QRect>

#include "objects/GGraphicControl.h"
#include "objects/kinds/KindEnums.h"
#include "persist/Color.h"
#include "persist/Font.h"

class QMenu;
class QPainter;
class QPicture;

enum TAlignment : int { taLeftJustify, taRightJustify, taCenter };
enum THighlightDirection : int { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };

class TGBaseLabel : public TGGraphicControl {
    Q_OBJECT
public:
    explicit TGBaseLabel(TComponent* owner, QWidget* parent = nullptr);

    // Published properties, in declaration order.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    int DepthHighlight() const { return depthHighlight_; }
    void SetDepthHighlight(int depth);
    int DepthShadow() const { return depthShadow_; }
    void SetDepthShadow(int depth);
    THighlightDirection DirectionHighlight() const { return directionHighlight_; }
    void SetDirectionHighlight(THighlightDirection direction);
    TShadowDirection DirectionShadow() const { return directionShadow_; }
    void SetDirectionShadow(TShadowDirection direction);
    TColor colorHighlight() const { return colorHighlight_; }
    void SetcolorHighlight(TColor color);
    TColor colorShadow() const { return colorShadow_; }
    void SetcolorShadow(TColor color);
    // Counter-clockwise degrees: 0, 90, 180 or 270; other values are ignored.
    int Angle() const { return angle_; }
    void SetAngle(int angle);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor color);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);

    // Layout results (label pixels): the three text boxes and the points the
    // copies are drawn at. Valid after RecalcLayout.
    struct TextBoxes {
        QRect main, shadow, highlight;        // (left, top) - (right, bottom), right/bottom excluded
        QPoint mainAt, shadowAt, highlightAt;
        QPoint origin;                        // (ox, oy)
        int textHeight = 0;                   // th
        int textWidth = 0;                    // tw
        int band = 0;                         // l
    };
    const TextBoxes& Boxes() const { return boxes_; }
    QPoint ShadowOffset() const { return shadowOffset_; }
    QPoint HighlightOffset() const { return highlightOffset_; }
    bool LayoutValid() const { return layoutValid_; }
    void InvalidateLayout() { layoutValid_ = false; }

    // Lays the label out (only while the layout is invalid).
    void RecalcLayout();
    // Draws the label with its top-left corner at the painter's origin.
    void DrawOnCanvas(QPainter& canvas);
    // Grows an unrotated label to fit its text.
    void AutoSizeToText();
    // The label drawn into a recording whose frame is (0, 0, Width, Height).
    QPicture MakeMetafile();
    // The font drawing and measuring use: Font at the zoomed point size.
    QFont DrawingFont() const;

    void AddPopupEntries(QMenu& menu) override;
    void BoundsChanged() override;
    void PopupOpening() override;
    void ApplyFont(const TFont& font) override;
    void PrintTo(TReportPrinter& report, double xOffset, double yOffset) override;

    // Commands of the popup menu.
    virtual void FontCommand();
    void Effects3DCommand();
    void BackgroundColorCommand();

    static const TEnumNames& AlignmentNames();
    static const TEnumNames& HighlightDirectionNames();
    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Marks the layout invalid and repaints; sends the change notification
    // unless the label is being read.
    void changedLook(bool notify);
    // True once the rotation submenu exists (TGPLabel builds it).
    bool rotationMenu_ = false;

private:
    void recalcShadowOffset();
    void recalcHighlightOffset();
    void drawCopy(QPainter& canvas, const QFont& font, TColor color, const QPoint& at, const QRect& clip) const;
    TFont* fontObject() { return &font_; }

    TAlignment alignment_ = taLeftJustify;
    int depthHighlight_ = 0;
    int depthShadow_ = 0;
    THighlightDirection directionHighlight_ = hdUpLeft;
    TShadowDirection directionShadow_ = sdDownRight;
    TColor colorHighlight_ = TColors::clAqua;
    TColor colorShadow_ = TColors::clGray;
    int angle_ = 0;
    QString caption_ = QStringLiteral("Text");
    TFont font_;
    bool transparent_ = true;
    TColor backColor_ = TColors::clWhite;
    TBorderStyle borderStyle_ = bsNone;

    QPoint shadowOffset_;
    QPoint highlightOffset_;
    TextBoxes boxes_;
    bool layoutValid_ = false;

    QAction* borderItem_ = nullptr;
    QAction* transparentItem_ = nullptr;
    QAction* leftItem_ = nullptr;
    QAction* centerItem_ = nullptr;
    QAction* rightItem_ = nullptr;

    friend class TGPLabel;
};
