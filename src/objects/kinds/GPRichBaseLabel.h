#pragma once
// TGPRichBaseLabel: a box of rich text on the page, with an optional
// background colour and an optional black one-pixel frame. It keeps its text
// in a storage of its own and lays it out and paints it through the main
// window's hidden master rich-text control; the text is edited in
// TRichTextLabelEditor ("Edit" in its menu, or a double click).
#include <QPointer>
#include <exception>
#include <memory>

#include "objects/GGraphicControl.h"
#include "objects/kinds/GBaseLabel.h"  // TBorderStyle
#include "persist/Color.h"
#include "richtext/WPRichText.h"

class QPainter;
class TWPRtfStorage;
class TWPRtfText;


// Loaded() found no master control on the owner's form.
class ENoMasterWPRich : public std::exception {
public:
    const char* what() const noexcept override { return "No master rich text object found"; }
};

class TGPRichBaseLabel : public TGGraphicControl {
    Q_OBJECT
public:
    // The name of the main window's master control (compared upper-cased).
    static constexpr const char* MasterName = "MASTERWPRICHTEXT";

    explicit TGPRichBaseLabel(TComponent* owner, QWidget* parent = nullptr);
    ~TGPRichBaseLabel() override;

    // Published properties.
    const TWPRtfText& RTFText() const;
    // Copies the text in, repaints and notifies the page.
    void SetRTFText(const TWPRtfText& text);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);  // repaints only: not a document change
    TColor BGColor() const { return bgColor_; }
    void SetBGColor(TColor color);

    TWPRtfStorage& Storage() const { return *storage_; }
    TWPRichText* Master() const { return master_; }

    // Finds the master control (throws ENoMasterWPRich when there is none)
    // and adds "Transparent", "Background Color", "Border" and "Edit".
    void Loaded() override;
    void AddPopupEntries(QMenu& menu) override;
    void PopupOpening() override;
    void PrintTo(TReportPrinter& report, double xOffset, double yOffset) override;
    // Placed, opaque with a frame, the tool ended, then straight into the
    // editor.
    void CreatedByTool(TGBasePanel& page, const QRect& rect, const std::function<void()>& endTool) override;

    // The text laid out on the box's unzoomed page and drawn at the zoom
    // into (0, 0, Width, Height), with background and frame.
    void PaintText(QPainter& painter, bool forPrinting = false);
    // The page the text is laid out on, in twips: the box's unzoomed size.
    QSize PageTwips() const;

    // "Background Color": the colour dialog; on OK the box becomes opaque in
    // the chosen colour.
    void ColorCommand();
    // "Edit": the text in the rich text editor; on OK the box takes it.
    void EditCommand();

    // The main window's master control, found through the owners of `owner`
    // and accepted by its name.
    static TWPRichText* FindMaster(TComponent* owner);

    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPersistent* rtfTextObject();

    std::unique_ptr<TWPRtfStorage> storage_;
    QPointer<TWPRichText> master_;
    TColor bgColor_ = TColors::clWhite;
    bool transparent_ = true;
    QPointer<QAction> transparentItem_;
    TBorderStyle borderStyle_ = bsSingle;
    QPointer<QAction> borderItem_;
    QPointer<QAction> editItem_;
};
