#pragma once
// A mouse event as the page framework passes it between page objects, the
// selection frame and their container (the routing handlers are std::function
// members, so the event travels as a plain value).
#include <QMouseEvent>
#include <QObject>
#include <QPoint>
#include <Qt>
#include <functional>

struct TGMouse {
    Qt::MouseButton button = Qt::NoButton;  // pressed or released button; none for moves
    Qt::MouseButtons buttons;               // buttons held after the event
    Qt::KeyboardModifiers modifiers;        // Shift, Ctrl, Alt
    QPoint pos;                             // in the receiver's client coordinates
    QPoint globalPos;                       // the pointer on the screen (where menus open)
    bool doubleClick = false;               // the press of a double click

    bool shift() const { return modifiers.testFlag(Qt::ShiftModifier); }
    // The same event seen by a control whose client origin is `offset` away.
    TGMouse translated(const QPoint& offset) const
    {
        TGMouse m = *this;
        m.pos += offset;
        return m;
    }
};

inline TGMouse MouseFromEvent(const QMouseEvent* event, bool doubleClick = false)
{
    TGMouse m;
    m.button = event->button();
    m.buttons = event->buttons();
    m.modifiers = event->modifiers();
    m.pos = event->position().toPoint();
    m.globalPos = event->globalPosition().toPoint();
    m.doubleClick = doubleClick;
    return m;
}

using TGMouseEvent = std::function<void(QObject* sender, const TGMouse& mouse)>;
using TGNotifyEvent = std::function<void(QObject* sender)>;
// Key events pass the key by reference: a handler may set it to 0 to consume it.
using TGKeyEvent = std::function<void(QObject* sender, int& key, Qt::KeyboardModifiers modifiers)>;
