// Test entry point shared by every test program: headless Qt, a fixed screen
// of 96 ppi, English regional names and a private program folder.
#include "TestSupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstdlib>

#include "platform/ProgramFolder.h"
#include "platform/RegionalSettings.h"
#include "platform/ScreenMetrics.h"

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    unsetenv("QT_FONT_DPI");
    unsetenv("QT_SCALE_FACTOR");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);

    SetScreenPPIForTesting(96);
    SetRegionalLocaleForTesting(QLocale(QLocale::English, QLocale::UnitedStates));

    // Each test process gets its own program folder (the object clipboard file
    // and QX.ini live there), with the shipped asset folders linked in.
    QTemporaryDir programFolder;
    vellumy::test::LinkShippedFolders(programFolder.path());
    SetProgramFolderForTesting(programFolder.path());
    vellumy::test::SetDefaultProgramFolder(programFolder.path());

    return RUN_ALL_TESTS();
}
