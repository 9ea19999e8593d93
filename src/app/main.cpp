// The program: one instance per user, the application's name, the main window.
#include <QApplication>
#include <QFileInfo>
#include <QProxyStyle>
#include <cstdio>
#include <cstdlib>

#include "app/CalendarMain.h"
#include "app/PrintCommands.h"
#include "platform/SingleInstanceGuard.h"

namespace {
// Without a window system Qt would abort with a cryptic plugin message.
bool displayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

// Hints wait a little longer than the toolkit's default before they show.
class HintDelayStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return TCalendarMain::HintDelayMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
} // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "Vellumy needs a display: no X11 or Wayland display was found "
                             "(DISPLAY and WAYLAND_DISPLAY are not set).\n");
        return 1;
    }
    QApplication app(argc, argv);

    // A second start brings the running instance forward and ends.
    SingleInstanceGuard guard(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    if (guard.AnotherInstanceRunning())
        return 0;

    QApplication::setApplicationName(QStringLiteral("Vellumy"));
    QApplication::setStyle(new HintDelayStyle);

    TCalendarMain window;
    TPrintCommands::Install(window);
    guard.SetOnActivationRequest([&window] {
        if (window.isMinimized())
            window.showNormal();
        window.show();
        window.raise();
        window.activateWindow();
    });
    window.FormActivate();
    return app.exec();
}
