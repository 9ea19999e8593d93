#pragma once
// A page with test objects, driven through the window system's input path:
// mouse events go to the page's window and reach whichever widget the real
// routing (and mouse capture) picks.
#define QTEST_QPA_MOUSE_HANDLING
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "TestSupport.h"
#include "objects/GBasePanel.h"
#include "objects/GGraphicControl.h"
#include "objects/GHandle.h"
#include "objects/Popups.h"
#include "objects/XorOverlay.h"
#include "persist/Component.h"

// A page object that fills itself with one colour.
class TTestBox : public TGGraphicControl {
public:
    TTestBox(TComponent* owner, QWidget* parent, QColor fill = QColor(200, 220, 255))
        : TGGraphicControl(owner, parent), fill_(fill)
    {
    }
    int fontsApplied = 0;
    QString appliedFontName;
    void ApplyFont(const TFont& font) override
    {
        ++fontsApplied;
        appliedFontName = font.Name();
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor fill_;
};

class PageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A box at page coordinates, attached and with its menu built.
    TTestBox* addBox(int left, int top, int width, int height, QColor fill = QColor(200, 220, 255));

    // Mouse input at page coordinates.
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {});
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {});
    void move(QPoint to);
    void doubleClick(QPoint at);
    // Press, wait past the drag threshold, move in steps, release after `hold`
    // ms. A press on the selection or the page drags from `from`; a press that
    // selects an object drags from the first move (the midpoint).
    void drag(QPoint from, QPoint to, qint64 hold = 500, Qt::KeyboardModifiers mods = {});
    // A click that is not a drag (release at once).
    void click(QPoint at, Qt::KeyboardModifiers mods = {});

    TGHandle* frame() const { return page->SelectionFrame(); }
    QImage grabPage() const { return page->grab().toImage(); }

    std::unique_ptr<TComponent> owner;
    TGBasePanel* page = nullptr;
    vellumy::test::ManualClock clock;
    int changes = 0;
    QList<QMenu*> popups;
};
