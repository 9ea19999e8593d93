#pragma once
// TGImage: the picture page object. A bitmap, metafile or icon drawn
// stretched over the object's bounds, with an optional black frame; AutoSize
// gives the object the picture's size at the page's zoom, Stretch lets the
// user size it. An empty picture shows as a framed white box.
#include <QImage>

#include "objects/GGraphicControl.h"
#include "objects/kinds/KindEnums.h"
#include "objects/kinds/Picture.h"

class TGImage : public TGGraphicControl {
    Q_OBJECT
public:
    explicit TGImage(TComponent* owner, QWidget* parent = nullptr);
    ~TGImage() override;

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    TPicture* Picture() { return &picture_; }
    const TPicture& Picture() const { return picture_; }
    // Copies the picture in (the picture-changed step follows).
    void SetPicture(const TPicture& picture);

    // The "Load Image From Disk" command: the image browser, then the chosen
    // picture and options. Run at once for a picture the tool has made.
    void LoadCommand();
    // Takes the picture of a file as the browser's preview would show it,
    // with the given options (a file dropped on the page). False, leaving the
    // object unchanged, when the file cannot be read.
    bool LoadPictureFile(const QString& path, bool stretch, bool autoSize);

    void Loaded() override;
    void AddPopupEntries(QMenu& menu) override;
    void BoundsChanged() override;
    void PopupOpening() override;
    void PrintTo(TReportPrinter& report, double xOffset, double yOffset) override;
    // The Picture tool: placed, the tool ended, then the image browser.
    void CreatedByTool(TGBasePanel& page, const QRect& rect, const std::function<void()>& endTool) override;

    QAction* BorderMenuItem() { PopupMenu(); return borderItem_; }
    QAction* StretchMenuItem() { PopupMenu(); return stretchItem_; }
    QAction* AutoSizeMenuItem() { PopupMenu(); return autoSizeItem_; }

    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Every change of the picture: fit to it when auto-sized, decide whether
    // the object covers what lies below, repaint.
    void pictureChanged();
    // Takes what the browser's OK hands over, bypassing the exclusive setters.
    void takeLoaded(const TPicture& picture, bool stretch, bool autoSize);
    // The picture drawn at the object's size and `ratio` device pixels per
    // pixel, made again only when the picture, the size or the ratio changed.
    const QImage& workBitmap(qreal ratio);

    QPointer<QAction> stretchItem_;
    QPointer<QAction> autoSizeItem_;
    TPicture picture_;
    bool autoSize_ = false;
    bool stretch_ = true;
    TBorderStyle borderStyle_ = bsNone;
    QPointer<QAction> borderItem_;

    // Set while a record is read once it has held AutoSize, so that a
    // following Stretch False leaves it as read.
    bool autoSizeRead_ = false;

    QImage work_;
    quint64 workGeneration_ = ~quint64(0);
};
