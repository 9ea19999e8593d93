#include "common/FuzzSupport.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdlib>

namespace {
int argc = 1;
char name[] = "fuzz";
char* argv[] = {name, nullptr};

template <class Application>
void startOnce()
{
    static Application* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new Application(argc, argv);
    }();
    (void)app;
}
} // namespace

void StartGuiApplication()
{
    startOnce<QGuiApplication>();
}

void StartWidgetApplication()
{
    startOnce<QApplication>();
}

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
