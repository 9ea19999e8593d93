#include "objects/Cursors.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

// The resource file lives in this static library; it must be registered by
// hand before the first look-up.
static void initCursorResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(Cursors);
        return true;
    }();
    (void)done;
}

namespace {

int& currentPageCursor()
{
    static int id = crDefault;
    return id;
}

} // namespace

QCursor ResourceCursor(const char* name)
{
    initCursorResources();
    const QByteArray key(name);
    // Hot spots: the grabbing hand's palm, the pointing hand's fingertip.
    QPoint hotSpot;
    if (key == "HANDGRAB")
        hotSpot = QPoint(14, 14);
    else if (key == "HANDPOINT")
        hotSpot = QPoint(11, 1);
    else
        return QCursor(Qt::ArrowCursor);
    const QPixmap image(QStringLiteral(":/cursors/") + QString::fromLatin1(key) + QStringLiteral(".xpm"));
    if (image.isNull())
        return QCursor(key == "HANDGRAB" ? Qt::ClosedHandCursor : Qt::PointingHandCursor);
    return QCursor(image, hotSpot.x(), hotSpot.y());
}

QCursor CursorFor(int id)
{
    switch (id) {
    case crHandGrab:
        return ResourceCursor("HANDGRAB");
    case crHandPoint:
        return ResourceCursor("HANDPOINT");
    case crSizeNESW:
        return QCursor(Qt::SizeBDiagCursor);
    case crSizeNS:
        return QCursor(Qt::SizeVerCursor);
    case crSizeNWSE:
        return QCursor(Qt::SizeFDiagCursor);
    case crSizeWE:
        return QCursor(Qt::SizeHorCursor);
    case crHourGlass:
        return QCursor(Qt::WaitCursor);
    case crDrag:
        return QCursor(Qt::DragCopyCursor);
    case crNoDrop:
        return QCursor(Qt::ForbiddenCursor);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

void SetPageCursor(QWidget* page, int id)
{
    // Set only on a change: mouse moves ask for the same cursor again and
    // again, and the hand cursors are made from pictures.
    static QPointer<QWidget> lastPage;
    const bool same = id == currentPageCursor() && page == lastPage;
    currentPageCursor() = id;
    lastPage = page;
    if (!page || same)
        return;
    if (id == crDefault)
        page->unsetCursor();
    else
        page->setCursor(CursorFor(id));
}

int PageCursor()
{
    return currentPageCursor();
}
