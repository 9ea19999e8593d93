#include "platform/ScreenMetrics.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace {
int& testPPI()
{
    static int ppi = 0;
    return ppi;
}
} // namespace

int ScreenPPI()
{
    if (testPPI() > 0)
        return testPPI();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            return int(std::lround(screen->logicalDotsPerInchX()));
    }
    return 96;
}

void SetScreenPPIForTesting(int ppi)
{
    testPPI() = ppi;
}

qreal DevicePixelsPerPixel(const QPainter& painter)
{
    const QTransform& toDevice = painter.deviceTransform();
    if (toDevice.type() == QTransform::TxScale && toDevice.m11() == toDevice.m22() && toDevice.m11() > 0)
        return qMin(toDevice.m11(), 4.0);
    return 1.0;
}
