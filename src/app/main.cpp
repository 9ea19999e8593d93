#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstdlib>

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
} // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "Vellumy needs a display: no X11 or Wayland display was found "
                             "(DISPLAY and WAYLAND_DISPLAY are not set).\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumy"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vellumy"));
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
