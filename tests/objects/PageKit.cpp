#include "PageKit.h"

#include <QPainter>

void TTestBox::paintEvent(QPaintEvent*)
{
    if (ParentPaintingSuspended())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
}

void PageTest::SetUp()
{
    owner = std::make_unique<TComponent>();
    page = new TGBasePanel(owner.get());
    page->SetName(QStringLiteral("Page"));
    page->resize(600, 400);
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page));
    page->activateWindow();
    page->LabelChangedEvent = [this](QObject*) { ++changes; };
    SetPopupMenuHandlerForTesting([this](QMenu* menu, const QPoint&) { popups.append(menu); });
    // Start far from any object, so that the first press is a fresh one.
    move(QPoint(599, 399));
}

void PageTest::TearDown()
{
    SetPopupMenuHandlerForTesting({});
    owner.reset();
    page = nullptr;
}

TTestBox* PageTest::addBox(int left, int top, int width, int height, QColor fill)
{
    auto* box = new TTestBox(owner.get(), page, fill);
    box->SetBounds(left, top, width, height);
    page->AttachObject(box);
    box->Loaded();
    box->show();
    QCoreApplication::processEvents();
    return box;
}

void PageTest::press(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    QTest::mousePress(page->windowHandle(), button, mods, at);
}

void PageTest::release(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    QTest::mouseRelease(page->windowHandle(), button, mods, at);
}

void PageTest::move(QPoint to)
{
    QTest::mouseMove(page->windowHandle(), to);
}

void PageTest::doubleClick(QPoint at)
{
    QTest::mouseDClick(page->windowHandle(), Qt::LeftButton, {}, at);
}

void PageTest::drag(QPoint from, QPoint to, qint64 hold, Qt::KeyboardModifiers mods)
{
    move(from);
    press(from, Qt::LeftButton, mods);
    clock.advance(20);
    move((from + to) / 2);
    move(to);
    clock.advance(hold);
    release(to, Qt::LeftButton, mods);
}

void PageTest::click(QPoint at, Qt::KeyboardModifiers mods)
{
    move(at);
    press(at, Qt::LeftButton, mods);
    release(at, Qt::LeftButton, mods);
}
