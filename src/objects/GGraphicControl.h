#pragma once
// TGGraphicControl: the base of every page object (labels, pictures, rich-text
// boxes, SuperText, floating calendars).
//
// A page object is a child widget of the page (TGBasePanel) without a native
// window; its owner is a component (the main window), which frees it. Sibling
// stacking order is the z-order. The base supplies what all kinds share: the
// Locked and Unselectable flags, the object's popup menu, the zoom factor, the
// change notification that marks the document modified, the deferred refit of
// the selection frame, centring on the page, and the virtual operations the
// kinds fill in.
//
// Kinds paint themselves in paintEvent and skip painting while
// ParentPaintingSuspended() is true. The selection marks around a selected
// object are painted by the page's selection frame, above all objects; a kind
// that shows no marks of its own overrides ShowsSelectionMarks().
//
// Bounds are page client coordinates at the page's current zoom. Every change
// of bounds runs BoundsChanged (not while loading or reading), also for hidden
// objects: set them through SetBounds/SetLeft/... or the setGeometry, move and
// resize of this class.
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "objects/MouseInfo.h"
#include "persist/Component.h"

class TFont;
class TGBasePanel;
class TReportPrinter;  // the print engine's page surface (print layer)

// The entries of a page object's popup menu that run a command.
enum class TGObjectCommand {
    BringToFront,
    SendToBack,
    Cut,
    Copy,
    Delete,
    Clone,
    Locked,
    Unselectable,
    CenterVertically,
    CenterHorizontally,
};

class TGGraphicControl : public QWidget, public TComponent {
    Q_OBJECT
public:
    explicit TGGraphicControl(TComponent* owner, QWidget* parent = nullptr);
    ~TGGraphicControl() override;

    // The component name, mirrored to objectName.
    void SetName(const QString& name) override;

    // Bounds (page client coordinates).
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetBounds(int left, int top, int width, int height);
    QRect BoundsRect() const { return geometry(); }
    // QWidget's geometry setters, so that callers holding a page object notice
    // every change at once (QWidget defers move and resize events of hidden
    // widgets).
    void setGeometry(const QRect& rect);
    void setGeometry(int left, int top, int width, int height);
    void move(int left, int top);
    void move(const QPoint& position);
    void resize(int width, int height);
    void resize(const QSize& size);

    // Published properties.
    int Cursor() const { return cursorId_; }
    void SetCursor(int id);
    QString Hint() const { return toolTip(); }
    void SetHint(const QString& hint);
    bool Locked() const { return locked_; }
    void SetLocked(bool locked);
    bool Unselectable() const { return unselectable_; }
    void SetUnselectable(bool unselectable);

    // The page zoom factor the bounds are expressed in (1.0 = 100 %).
    float ZoomFactor() const { return zoomFactor_; }
    // Takes a factor without rescaling (the page attaching a read object).
    void SetZoomFactor(float factor) { zoomFactor_ = factor; }
    // Rescales the bounds from the current factor to `factor`.
    void SetZoom(float factor);

    // Asks for a fresh popup menu, made on first use.
    void Loaded() override;
    // The popup menu, made now if it has not been: the common entries, then
    // the kind's (AddPopupEntries). Null before Loaded.
    QMenu* PopupMenu();
    QAction* LockedMenuItem();

    // The change notification: asks the page to raise its LabelChangedEvent
    // (not while the page prints).
    void NotifyChange();
    // Asks the page to fit its selection frame round the selection again,
    // after the current event.
    void RequestRefit();
    void CenterVertically();
    void CenterHorizontally();

    // The page holding this object, or null when the parent is no page.
    TGBasePanel* Container() const;
    bool IsSelected() const;
    // True while the page's painting is suspended (saving, opening, printing):
    // kinds draw nothing then.
    bool ParentPaintingSuspended() const;

    // Virtual operations of the kinds.
    virtual void BoundsChanged();
    // The popup menu is about to open: kinds set their check marks.
    virtual void PopupOpening();
    virtual void ApplyFont(const TFont& font);
    // Draws the object on the print engine's page; the offsets (inches) are
    // added to the position converted from screen pixels.
    virtual void PrintTo(TReportPrinter& report, double xOffset, double yOffset);
    // Whether the selection frame draws this object's selection marks.
    virtual bool ShowsSelectionMarks() const { return true; }
    // The steps after a drawing tool made this object (created and Loaded,
    // owned by the page's owner): each kind places itself with page.Place,
    // takes its first look, runs endTool (the page back to the pointer tool)
    // and opens its own dialog, in the order the kind needs. The base places
    // the object and ends the tool.
    virtual void CreatedByTool(TGBasePanel& page, const QRect& rect, const std::function<void()>& endTool);

    // Run by a double click on the selected object; unset in the base.
    std::function<void(TGBasePanel& page)> DoubleClickAction;

    // Mouse handlers, installed by the page (AttachObject). Positions are in
    // this object's coordinates.
    TGMouseEvent OnMouseDown;
    TGMouseEvent OnMouseMove;
    TGMouseEvent OnMouseUp;
    TGNotifyEvent OnDblClick;

    // The selection marks of an object with these bounds, as filled 5 x 5
    // squares (right and bottom edges excluded): four corners, and the four
    // edge middles when it is the only selected object.
    static QList<QRect> SelectionMarkRects(const QRect& bounds, bool single);

    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Runs one of the popup menu's commands (the page runs most of them).
    virtual void RunCommand(TGObjectCommand command);
    // Appends an entry to the popup menu running `command`.
    QAction* AddMenuCommand(const QString& caption, TGObjectCommand command);
    // Kinds append their own entries to the menu being made.
    virtual void AddPopupEntries(QMenu& menu);

private:
    void boundsNotice();
    void buildPopupMenu();

    QPointer<QAction> lockedItem_;
    bool boundsBusy_ = false;
    float zoomFactor_ = 1.0f;
    QPointer<QMenu> popupMenu_;
    bool menuWanted_ = false;
    std::array<int, 4> lastBounds_{};  // left, top, right, bottom seen last; zero until the first call
    bool locked_ = false;
    bool unselectable_ = false;
    int cursorId_ = 0;
};
