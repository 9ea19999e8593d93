#pragma once
// TGBasePanel: the page-object container (the calendar page derives from it).
//
// Its child widgets include the page objects (TGGraphicControl); child order
// is z-order. It owns the selection frame (TGHandle), routes the mouse events
// of its objects, runs the rubber band that selects objects or drags out the
// rectangle of a drawing tool, places new objects, holds the zoom factor and
// rescales itself and all objects, offers the page popup menu and raises
// LabelChangedEvent whenever the document changes. GBasePanel.cpp holds the
// container, the mouse and keys and the painting; GBasePanelCommands.cpp the
// popup menu, the page and object commands and the object clipboard.
//
// Subclasses replace:
//   Paint          the container's own painting (pictures, shape outline, grid);
//   ToolRectDone   a drawing tool's finished rectangle (creates the object);
//   Click          a left click on the page itself (press and release on it);
//   DblClick       a double click on the page itself (raises OnDblClick).
//
// Rectangles handed around as QRect follow the page's convention: x()/y() are
// left/top and width()/height() are right - left and bottom - top (right and
// bottom edges excluded).
#include <QAction>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

#include "objects/GGraphicControl.h"
#include "objects/MouseInfo.h"
#include "objects/PanelPicture.h"
#include "persist/Component.h"
#include "persist/Font.h"

class TGHandle;
class TGXorOverlay;
class TReportPrinter;

enum TLabelShapeType : int { lsRectangle, lsRoundRect, lsEllipse };
enum TGridSize : int { gs4x4, gs8x8 };

// The entries of the page popup menu that run a command, and the page's keys.
enum class TGPageCommand {
    BringToFront,
    SendToBack,
    Cut,
    Copy,
    Paste,
    Delete,
    AlignLeft,
    AlignRight,
    AlignTops,
    AlignBottoms,
    CenterVertically,
    CenterHorizontally,
    LockAll,
    UnlockAll,
    MarkAllSelectable,
    MarkAllUnselectable,
    SelectAll,
    Font,
};

class TGBasePanel : public QWidget, public TComponent {
    Q_OBJECT
public:
    explicit TGBasePanel(TComponent* owner, QWidget* parent = nullptr);
    ~TGBasePanel() override;

    // The component name, mirrored to objectName.
    void SetName(const QString& name) override;

    // Published properties.
    bool Pointing() const { return pointing_; }
    void SetPointing(bool pointing) { pointing_ = pointing; }
    bool DrawOutline() const { return drawOutline_; }
    void SetDrawOutline(bool draw);
    const TGPanelPicture& Picture() const { return picture_; }
    void SetPicture(const TGPanelPicture& picture);
    const TGPanelPicture& ColorPicture() const { return colorPicture_; }
    void SetColorPicture(const TGPanelPicture& picture);
    // Set while the page is printed: objects send no change notifications.
    bool Printing() const { return printing_; }
    void SetPrinting(bool printing) { printing_ = printing; }
    TLabelShapeType Shape() const { return shape_; }
    void SetShape(TLabelShapeType shape);
    TGridSize GridSize() const { return gridSize_; }
    void SetGridSize(TGridSize size);
    bool ShowGrid() const { return showGrid_; }
    void SetShowGrid(bool show);
    bool SnapToGrid() const { return snapToGrid_; }
    void SetSnapToGrid(bool snap);
    // Raised after a drawing tool's rectangle was handed to ToolRectDone.
    std::function<void(QObject* sender, const QRect& rect)> DroppedObjectEvent;
    // Raised on every change notification (not while rescaling).
    TGNotifyEvent LabelChangedEvent;

    // The container's ordinary input events (page coordinates).
    TGNotifyEvent OnClick;
    TGNotifyEvent OnDblClick;
    TGMouseEvent OnMouseDown;
    TGMouseEvent OnMouseMove;
    TGMouseEvent OnMouseUp;
    TGKeyEvent OnKeyDown;
    TGKeyEvent OnKeyUp;
    std::function<void(QObject* sender, QChar& key)> OnKeyPress;

    // The page's own font: preset of the Font command's dialog and of new text
    // objects.
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }

    // Zoom factor (1.0 = 100 %). SetZoom rescales the container and every
    // page object and raises no change notification.
    float ZoomFactor() const { return zoomFactor_; }
    void SetZoom(float factor);
    bool Rescaling() const { return rescaling_; }

    // While set, the container, the calendar page and the page objects skip
    // painting (set around saving, opening and printing).
    bool PaintingSuspended() const { return paintingSuspended_; }
    void SetPaintingSuspended(bool suspended);

    TGHandle* SelectionFrame() const { return frame_; }
    QMenu* PageMenu() const { return pageMenu_; }
    // User data folder + "Clipbrd.tmp" and + "TempFile.tmp". The scratch file
    // goes with every container; the clipboard file, which all pages share and
    // which outlives documents, only with the one page that owns it (the main
    // window's), so that closing a preview page keeps what was copied.
    const QString& ClipboardFile() const { return clipboardFile_; }
    bool OwnsClipboardFile() const { return ownsClipboardFile_; }
    void SetOwnsClipboardFile(bool owns) { ownsClipboardFile_ = owns; }
    const QString& ScratchFile() const { return scratchFile_; }
    // Milliseconds since start of the last paste; 0 before the first.
    qint64 LastPasteTime() const { return lastPasteTime_; }
    void SetLastPasteTime(qint64 time) { lastPasteTime_ = time; }

    // The page objects, in child (z-) order.
    QList<TGGraphicControl*> PageObjects() const;
    // The change notification: raises LabelChangedEvent unless rescaling.
    void NotifyChange();
    // Makes the selection frame refit after the current event.
    void RequestRefit();

    // Places an object created by a drawing tool into the rectangle: parent,
    // "Special" name, bounds, handlers, zoom factor, visible.
    void Place(TGGraphicControl* object, const QRect& rect);
    // Installs the page's mouse routing on a page object (others are ignored).
    void AttachObject(QWidget* control);
    // AttachObject for every child, and the page's zoom factor (without
    // rescaling) for every page object.
    void AttachAll();
    // Clears the selection and destroys every page object.
    void DeleteAllObjects();
    // True when some page object's bounds contain the point.
    bool ObjectAtPoint(int x, int y) const;
    // The smallest n in first..1000 for which the owner holds no component
    // named prefix + n; the empty name when all are taken.
    QString FirstFreeName(const QString& prefix, int first) const;

    // Virtual operations.
    // A drawing tool's finished rectangle (page coordinates); nothing here.
    virtual void ToolRectDone(const QRect& rect);
    // Installed as every page object's mouse-down handler.
    virtual void ObjectMouseDown(QObject* sender, const TGMouse& mouse);
    // Run by Clone after the copy was made; nothing here.
    virtual void CloneHook();
    // PrintTo of every page object in child order.
    virtual void PrintObjects(TReportPrinter& report, double xOffset, double yOffset);
    // Clears the selection and pulls objects that lie past the right or bottom
    // edge back onto the page.
    virtual void KeepObjectsOnPage();
    // Clears the selection and destroys objects past the edges or without area.
    virtual void RemoveObjectsOffPage();

    // The page popup menu's commands and the page's keys.
    virtual void PageCommand(TGPageCommand command);
    // A page object's popup menu command.
    virtual void ObjectCommand(TGGraphicControl& object, TGObjectCommand command);
    // Enables the page menu's entries for the current selection.
    void EnablePageMenu();
    // The selection commands of the object clipboard (see ObjectFiler.h).
    void CopySelection();
    void CutSelection();
    void PasteObjects();
    void DeleteSelection();
    // Duplicates an object 25 pixels below itself (the popup's "Clone").
    void CloneObject(TGGraphicControl& object);
    // The "Font" command: ApplyFont of the chosen font on each selected object.
    void FontCommand();
    // Brings an object to the front, keeping the selection frame above it.
    void BringObjectToFront(TGGraphicControl& object);

    // The XOR layer: draws (and, drawn again, erases) a dotted outline of the
    // rectangle on the page's surface.
    void DrawXorRect(const QRect& rect);
    TGXorOverlay* XorOverlay() const { return overlay_; }

    // Rubber band state (page coordinates, right and bottom as dragged).
    bool RubberBandActive() const { return rubberBand_; }
    QRect RubberBandRect() const { return bandRect_; }
    // The last pointer position seen by the page, its objects or its frame
    // (page and screen coordinates).
    QPoint LastMousePos() const { return lastMousePos_; }
    QPoint LastMouseGlobalPos() const { return lastGlobalPos_; }
    void NotePointer(const QPoint& pagePos, const QPoint& globalPos);

    // Escape while a drawing tool's rectangle is dragged: the rectangle goes
    // and nothing is created; the tool stays armed for another try.
    void CancelToolRect();

    // The page objects touched by the rectangle selected, Shift toggling.
    void SelectInRect(const QRect& rect, bool shift);

    static const TEnumNames& ShapeNames();
    static const TEnumNames& GridSizeNames();
    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

protected:
    // The container's own painting of `dirty` (work bitmap, pictures, outline,
    // grid). Not called while painting is suspended.
    virtual void Paint(QPainter& painter, const QRect& dirty);
    virtual void Click();
    virtual void DblClick();
    // The container's own mouse and key handlers (page coordinates); objects
    // and the selection frame pass their events on to them.
    virtual void MouseDown(const TGMouse& mouse);
    virtual void MouseMove(const TGMouse& mouse);
    virtual void MouseUp(const TGMouse& mouse);
    virtual void KeyDown(int& key, Qt::KeyboardModifiers modifiers);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The point of the last left button release that made a click.
    QPoint ClickPos() const { return clickPos_; }

private:
    friend class TGHandle;
    void buildPageMenu();
    void objectMouseMove(QObject* sender, const TGMouse& mouse);
    void objectMouseUp(QObject* sender, const TGMouse& mouse);
    void objectDblClick(QObject* sender);
    void frameMouseDown(QObject* sender, const TGMouse& mouse);
    void frameMouseMove(QObject* sender, const TGMouse& mouse);
    void frameMouseUp(QObject* sender, const TGMouse& mouse);
    void frameKeyDown(QObject* sender, int& key, Qt::KeyboardModifiers modifiers);
    void drawBand(const QRect& rect);
    void watchEscape(bool on);
    QRect normalizedBand() const;
    int childControlCount() const;
    TPersistent* pictureObject() { return &picture_; }
    TPersistent* colorPictureObject() { return &colorPicture_; }
    QString droppedObjectEventName() const { return droppedObjectEventName_; }
    void setDroppedObjectEventName(const QString& name, TComponent*) { droppedObjectEventName_ = name; }
    QString labelChangedEventName() const { return labelChangedEventName_; }
    void setLabelChangedEventName(const QString& name, TComponent*) { labelChangedEventName_ = name; }

    bool pointing_ = true;
    bool drawOutline_ = false;
    TGPanelPicture picture_;
    TGPanelPicture colorPicture_;
    bool printing_ = false;
    TLabelShapeType shape_ = lsRoundRect;
    TGridSize gridSize_ = gs4x4;
    bool showGrid_ = false;
    bool snapToGrid_ = false;

    float zoomFactor_ = 1.0f;
    QPointer<QMenu> pageMenu_;
    bool rubberBand_ = false;
    bool watchingEscape_ = false;
    bool rescaling_ = false;
    TGHandle* frame_ = nullptr;
    TGXorOverlay* overlay_ = nullptr;
    QString clipboardFile_;
    QString scratchFile_;
    QRect bandRect_;  // QRect(QPoint(left, top), QPoint(right, bottom)) as dragged
    qint64 lastPasteTime_ = 0;
    bool ownsClipboardFile_ = false;
    bool paintingSuspended_ = false;
    TFont font_;
    bool clickArmed_ = false;
    QPoint clickPos_;
    QPoint lastMousePos_;
    QPoint lastGlobalPos_;
    QList<QPointer<QAction>> pageActions_;  // by TGPageCommand
    QString droppedObjectEventName_;
    QString labelChangedEventName_;
};
