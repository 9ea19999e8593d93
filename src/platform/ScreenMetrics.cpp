#include "platform/ScreenMetrics.h"

#include <QGuiApplication>
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
