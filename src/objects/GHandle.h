#pragma once
// TGHandle: the selection frame of a page.
//
// It holds the selection (the selected page objects, in the order they were
// selected) and lies as a transparent child widget over their common bounding
// box, on top of every object. It takes the mouse while objects are selected
// and turns presses into moves or resizes of the whole selection, with XOR
// feedback on the page; it snaps to the grid, moves and resizes by arrow keys
// and draws the selection marks of the selected objects. Locked objects stay
// where they are when the others move.
//
// Frame geometry: the selection's bounding box grown by 2 pixels at the left
// and top and by 3 at the right and bottom (4 after a refit). With nothing
// selected the frame is hidden, disabled and 24 x 24.
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include "objects/MouseInfo.h"
#include "persist/Color.h"

class TGBasePanel;
class TGGraphicControl;

class TGHandle : public QWidget {
    Q_OBJECT
public:
    // Resize modes of a drag, fixed when the drag starts.
    enum ResizeMode : int {
        rmMove = 0,
        rmTopLeft = 1,
        rmTopRight = 2,
        rmBottomLeft = 3,
        rmBottomRight = 4,
        rmTop = 5,
        rmLeft = 6,
        rmBottom = 7,
        rmRight = 8,
    };

    explicit TGHandle(TGBasePanel* container);
    ~TGHandle() override;

    TGBasePanel* Container() const { return container_; }

    // The selection.
    void Select(TGGraphicControl* object);
    void Deselect(TGGraphicControl* object);
    void ClearSelection();
    int SelectionCount() const { return int(selection_.size()); }
    // Null for an index out of range.
    TGGraphicControl* SelectedObject(int index) const;
    // -1 when not selected.
    int IndexOfSelected(const TGGraphicControl* object) const;
    const QList<TGGraphicControl*>& Selection() const { return selection_; }

    void BringSelectionToFront();
    void SendSelectionToBack();
    // Fits the frame round the selection again (the page's deferred refit).
    void Refit();
    // Sets the frame's bounds and moves and resizes every selected object that
    // is not Locked by the same change (the frame's move and resize of the
    // selection). Locked members make the frame refit round all members later.
    void MoveSelectionTo(int left, int top, int width, int height);

    // Published properties.
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TColor SecondaryColor() const { return secondaryColor_; }
    void SetSecondaryColor(TColor color);
    // When true, drags do not start and the z-order commands do nothing;
    // cleared whenever the selection empties.
    bool Locked() const { return locked_; }
    void SetLocked(bool locked) { locked_ = locked; }
    // Effective snap step (1 = no snapping) and the stored step kept while
    // snapping is off.
    int GridX() const { return gridX_; }
    int GridY() const { return gridY_; }
    void SetGridX(int value);
    void SetGridY(int value);
    bool SnapToGrid() const { return gridX_ > 1 || gridY_ > 1; }
    void SetSnapToGrid(bool snap);
    int SnapX(int value) const { return (value / gridX_) * gridX_; }
    int SnapY(int value) const { return (value / gridY_) * gridY_; }

    // The page menu, opened by a right click on a multiple selection.
    QMenu* PageMenu() const { return pageMenu_; }
    void SetPageMenu(QMenu* menu) { pageMenu_ = menu; }

    // Interaction state, readable for the page and for tests.
    qint64 PressTime() const { return pressTime_; }
    QPoint DragStart() const { return dragStart_; }
    int Mode() const { return resizeMode_; }
    bool Dragging() const { return dragging_; }
    bool KeyboardMove() const { return keyboardMove_; }
    // (left, top, right, bottom) of the keyboard move, page coordinates.
    QRect KeyboardRect() const { return keyboardRect_; }
    // The frame rectangle whose feedback is drawn; null when none.
    QRect FeedbackRect() const { return feedbackRect_; }
    bool DoubleClickFlag() const { return doubleClickFlag_; }
    void SetDoubleClickFlag(bool flag) { doubleClickFlag_ = flag; }
    // The frame rectangle a drag to (x, y) (frame coordinates) would give.
    QRect NewFrameRect(int x, int y) const;

    // Events; the page hooks its frame handlers to them. Positions are in frame
    // coordinates.
    TGMouseEvent OnMouseDown;
    TGMouseEvent OnMouseMove;
    TGMouseEvent OnMouseUp;
    TGNotifyEvent OnDblClick;
    TGKeyEvent OnKeyDown;
    TGKeyEvent OnKeyUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void buttonDown(const TGMouse& mouse);
    void mouseMoved(const TGMouse& mouse);
    void buttonUp(const TGMouse& mouse);
    void passOn(const TGMouse& mouse, bool press);
    void clampToContainer(int& x, int& y) const;
    void redrawFeedback(int x, int y);
    void eraseFeedback();
    void drawKeyboardRect();
    void bringToFront();
    void takeFocus();
    void becomeEmpty();
    void fitAround(const QRect& first, int from);

    QPointer<TGBasePanel> container_;
    QPointer<QMenu> pageMenu_;
    qint64 pressTime_ = 0;
    QPoint dragStart_;
    int resizeMode_ = rmMove;
    bool dragging_ = false;
    bool keyboardMove_ = false;
    QRect keyboardRect_;  // stored as QRect(QPoint(left, top), QPoint(right, bottom))
    QRect feedbackRect_;
    bool locked_ = false;
    TColor color_ = 0;
    TColor secondaryColor_ = 0x808080;
    int gridX_ = 1;
    int gridY_ = 1;
    int storedGridX_ = 8;
    int storedGridY_ = 8;
    QList<TGGraphicControl*> selection_;
    bool doubleClickFlag_ = false;
};
