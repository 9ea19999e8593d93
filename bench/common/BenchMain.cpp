// Entry point of the benchmark programs that need no set-up of their own:
// a headless GUI application (pages are widgets; fonts are measured), a
// screen of 96 ppi and English regional names, as the tests have them.
#include <QApplication>
#include <QLocale>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "objects/kinds/PageObjectKinds.h"
#include "platform/RegionalSettings.h"
#include "platform/ScreenMetrics.h"

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    InstallPageObjectKinds();
    SetScreenPPIForTesting(96);
    SetRegionalLocaleForTesting(QLocale(QLocale::English, QLocale::UnitedStates));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
