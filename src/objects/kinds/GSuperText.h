#pragma once
// TGSuperText: one line of large text whose letter shapes are filled with a
// colour, a tiled texture or a colour gradient, optionally outlined and backed
// by a solid shadow, over an optional background and frame.
//
// The letters are drawn through their outline as a clipping path. What the
// paint needs is built once per change and kept: the layout (boxes, the text
// cut to the width, the letter paths) until the text, font, shadow, bounds or
// zoom change, the gradient bitmap until its colours, direction or size do.
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

#include "objects/GGraphicControl.h"
#include "objects/kinds/KindEnums.h"
#include "objects/kinds/StoredBitmap.h"
#include "persist/Font.h"

class QPainter;

enum TSurfaceType { stNormal, stBrushTransparent, stBrushImage, stGradientFill };
enum TFillDirection { gdUp, gdDown, gdLeft, gdRight };

class TGSuperText : public TGGraphicControl {
    Q_OBJECT
public:
    explicit TGSuperText(TComponent* owner, QWidget* parent = nullptr);
    ~TGSuperText() override;

    // --- Published properties (stream order) -------------------------------
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int depth);
    TShadowDirection ShadowOrientation() const { return shadowOrientation_; }
    void SetShadowOrientation(TShadowDirection orientation);
    TColor Shadowcolor() const { return shadowColor_; }
    void SetShadowcolor(TColor color);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    bool ControlTransparent() const { return transparent_; }
    void SetControlTransparent(bool transparent);
    TColor BGColor() const { return bgColor_; }
    void SetBGColor(TColor color);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    TFillDirection FillDirection() const { return fillDirection_; }
    void SetFillDirection(TFillDirection direction);
    TColor GradientToColor() const { return gradientTo_; }
    void SetGradientToColor(TColor color);
    TColor GradientFromColor() const { return gradientFrom_; }
    void SetGradientFromColor(TColor color);
    const QImage& Image() const { return image_.image; }
    // Takes a copy; a null image empties the texture.
    void SetImage(const QImage& image);
    TColor OutlineColor() const { return outlineColor_; }
    void SetOutlineColor(TColor color);
    TPenStyle OutlineStyle() const { return outlineStyle_; }
    void SetOutlineStyle(TPenStyle style);
    int OutlineWidth() const { return outlineWidth_; }
    void SetOutlineWidth(int width);
    TSurfaceType SurfaceType() const { return surfaceType_; }
    void SetSurfaceType(TSurfaceType type);
    QString LastBitmapFileNameandPath() const { return lastBitmapFile_; }
    void SetLastBitmapFileNameandPath(const QString& path) { lastBitmapFile_ = path; }

    // --- Page-object operations ---------------------------------------------
    void Loaded() override;
    void AddPopupEntries(QMenu& menu) override;
    void BoundsChanged() override;
    void PopupOpening() override;
    void ApplyFont(const TFont& font) override;
    void PrintTo(TReportPrinter& report, double xOffset, double yOffset) override;
    // The font dialog preset with Font; on OK the font takes the choice.
    void FontCommand();
    // The "Background Color" entry: a colour dialog preset with BGColor.
    void BackgroundColorCommand();
    // The properties dialog; on OK its settings come back into this object.
    void ShowProperties();
    // The SuperText tool's steps: framed and opaque on white, placed, the
    // tool ended, then the properties dialog.
    void CreatedByTool(TGBasePanel& page, const QRect& rect, const std::function<void()>& endTool) override;

    // Copies every visual setting of another SuperText (its size last).
    void AssignFrom(const TGSuperText& other);
    // Sizes the object round its text; true when it holds the text's extent.
    bool FitToText();
    // Draws the gradient bitmap at the object's size.
    void BuildGradient();
    // Fills the object's area with copies of the bitmap.
    void TileBitmap(QPainter& painter, const QImage& bitmap) const;

    // Draws the object (background, shadow, face, outline) at the painter's
    // origin; the screen paint and off-screen renderings share it.
    void PaintTo(QPainter& painter);
    // Runs the layout when it is invalid.
    void Layout();
    void InvalidateLayout() { layoutValid_ = false; }

    // Run-time state the layout computed (valid after Layout()).
    const QImage& GradientBitmap() const { return gradient_; }
    QString FittedText() const { return fittedText_; }
    QRect MainBox() const { return mainBox_; }
    QRect ShadowBox() const { return shadowBox_; }
    QPoint ScaledShadowOffset() const { return scaledShadow_; }
    // The letters' outline at the main point, in the object's coordinates.
    const QPainterPath& LetterPath() const { return mainPath_; }

    // A solid colour of the gradient: band i of 256 between two colours.
    static QColor GradientBandColor(const QColor& start, const QColor& end, int band);
    // Where the 256 bands lie along `length` pixels, in painting order: band
    // i covers [MulDiv(i, length, 256), MulDiv(i + 1, length, 256)). Below
    // 256 pixels some bands are empty; the first and last pixel still get the
    // first and last band, so the gradient ends in its own colours.
    struct GradientStrip {
        int from;
        int to;
        int band;
    };
    static QList<GradientStrip> GradientStrips(int length);

    // Colour dialog seam shared by the object's commands and its dialogs:
    // given the current colour, returns true and the chosen one.
    using ColorChooser = std::function<bool(TColor& color, QWidget* parent)>;
    static bool ChooseColor(TColor& color, QWidget* parent);
    static void SetColorChooserForTesting(ColorChooser chooser);

    static const TEnumNames& SurfaceTypeNames();
    static const TEnumNames& FillDirectionNames();
    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPersistent* fontObject() { return &font_; }
    TPersistent* imageObject() { return &image_; }
    void fontChanged();
    void rebuildGradientIfShown();
    void changeVisual();   // repaint
    void changeNotified(); // repaint and change notification
    // The font at the zoom the object is drawn at.
    QFont zoomedFont() const;
    QFont measuringFont(bool zoomed) const;
    // Font's size in points as it is drawn (damaged sizes bounded).
    int drawnPoints() const;
    void buildLetterPaths(const QFont& font);
    // The tile TileBitmap repeats: the bitmap at the zoom for textures; null
    // when there is nothing to draw.
    QImage tileOf(const QImage& bitmap) const;
    // Printing's face fills, in device dots.
    void printGradient(QPainter& canvas, const QRect& fill, int dpiX, int dpiY) const;
    void printTiles(QPainter& canvas, const QRect& fill, double scaleX, double scaleY, int dpiX, int dpiY) const;

    // Published
    int shadowDepth_ = 0;
    TShadowDirection shadowOrientation_ = sdDownRight;
    TColor shadowColor_ = TColors::clGray;
    TBorderStyle borderStyle_ = bsNone;
    bool transparent_ = true;
    TColor bgColor_ = TColors::clWhite;
    QString caption_ = QStringLiteral("Text");
    TFont font_;
    TFillDirection fillDirection_ = gdRight;
    TColor gradientTo_ = TColors::clYellow;
    TColor gradientFrom_ = TColors::clBlue;
    TStoredBitmap image_;
    TColor outlineColor_ = TColors::clBlack;
    TPenStyle outlineStyle_ = psSolid;
    int outlineWidth_ = 1;
    TSurfaceType surfaceType_ = stGradientFill;
    QString lastBitmapFile_;

    // Run-time
    QPoint shadow_;        // offset at 100 %
    QPoint scaledShadow_;  // offset at the zoom
    QPoint origin_;
    QRect mainBox_;
    QRect shadowBox_;
    QString fittedText_;
    QPainterPath mainPath_;
    QPainterPath shadowPath_;
    QImage gradient_;
    mutable QImage zoomedTile_;
    mutable qint64 zoomedTileSource_ = 0;
    bool layoutValid_ = false;
    bool layoutBusy_ = false;
    bool painting_ = false;
    QPointer<QAction> borderItem_;
    QPointer<QAction> transparentItem_;
};
