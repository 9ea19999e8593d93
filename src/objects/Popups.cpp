#include "objects/Popups.h"

#include <QMenu>
#include <QWidget>

namespace {

std::function<void(QMenu*, const QPoint&)>& popupHandler()
{
    static std::function<void(QMenu*, const QPoint&)> handler;
    return handler;
}

} // namespace

void OpenPopupMenu(QMenu* menu, const QPoint& globalPos)
{
    if (!menu)
        return;
    // A popup takes the mouse from whoever captured it; without this the
    // capture would outlive the menu and swallow the next click.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (auto& handler = popupHandler()) {
        emit menu->aboutToShow();
        handler(menu, globalPos);
        return;
    }
    menu->popup(globalPos);
}

void SetPopupMenuHandlerForTesting(std::function<void(QMenu* menu, const QPoint& globalPos)> handler)
{
    popupHandler() = std::move(handler);
}
