// The main window and the properties dialog as real X11 windows (run under
// Xvfb): screenshots of the screen for a person to look at, the Page Down key
// typed through the X server, and the dialog's tabs one by one.
#include <QCalendarWidget>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/CalendarMain.h"
#include "app/CalendarProperties.h"
#include "page/CalendarPanel32.h"
#include "platform/ProgramFolder.h"
#include "richtext/WPRichText.h"

using namespace vellumy::test;

namespace {

QString outputFolder()
{
    const QString folder = qEnvironmentVariable("VELLUMY_TEST_OUTPUT", QDir::tempPath() + QStringLiteral("/vellumy-xvfb"));
    QDir().mkpath(folder);
    return folder;
}

// The whole screen as the X server has it, through ImageMagick when it is
// there (a tool outside the program), else through the toolkit.
QImage screenshot(const QString& name)
{
    QCoreApplication::processEvents();
    QTest::qWait(150);
    const QString path = outputFolder() + QLatin1Char('/') + name;
    const QString import = QStandardPaths::findExecutable(QStringLiteral("import"));
    if (!import.isEmpty()) {
        QProcess::execute(import, {QStringLiteral("-window"), QStringLiteral("root"), path});
    } else {
        QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    }
    std::printf("screenshot: %s\n", qPrintable(path));
    return QImage(path);
}

// Distinct colours in an image: a blank or black screen has one or two.
int colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

void whenModal(const std::function<void(QWidget&)>& act)
{
    auto* watch = new QTimer;
    watch->setInterval(20);
    QObject::connect(watch, &QTimer::timeout, [watch, act] {
        if (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog->isVisible()) {
            watch->stop();
            watch->deleteLater();
            act(*dialog);
        }
    });
    watch->start();
}

} // namespace

TEST(RealWindows, MainWindowAndPropertiesDialogOnAnXServer)
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        GTEST_SKIP() << "needs an X server (xvfb-run with QT_QPA_PLATFORM=xcb), not " << qPrintable(QGuiApplication::platformName());
    QTemporaryDir folder;
    LinkShippedFolders(folder.path());
    SetProgramFolderForTesting(folder.path());
    MessageBoxScript boxes;

    TCalendarMain window;
    window.FormActivate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    screenshot(QStringLiteral("01-start.png"));

    // New: a landscape month with minis in the title.
    whenModal([](QWidget& dialog) {
        dialog.findChild<QListWidget*>(QStringLiteral("LayoutList"))->setCurrentRow(1);
        dialog.findChild<QRadioButton*>(QStringLiteral("LandscapeRadio"))->click();
        dialog.findChild<QCalendarWidget*>(QStringLiteral("Calendar"))->setSelectedDate(QDate(2026, 12, 1));
        screenshot(QStringLiteral("02-new-properties.png"));
        dialog.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    window.New1Click();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    TCalendarPanel32& page = *window.CalendarPanel();
    ASSERT_FALSE(page.isHidden());

    // Text in two cells, the editor left open on the second.
    page.repaint();
    for (int day : {24, 25}) {
        const PixelRect text = page.MainDrawParams().Cell(page.FindCellByDay(day)).TextRect;
        QTest::mouseClick(&page, Qt::LeftButton, Qt::NoModifier, QPoint(text.left + 10, text.top + 5));
        QTest::keyClicks(window.CellEditor(), day == 24 ? QStringLiteral("Christmas Eve") : QStringLiteral("Christmas"));
    }
    const QImage month = screenshot(QStringLiteral("03-main-window-month.png"));
    EXPECT_GT(colourCount(month), 20);

    // Page Down typed on the X server's keyboard zooms in.
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (!xdotool.isEmpty()) {
        window.DoSaveRichtext();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QProcess::execute(xdotool, {QStringLiteral("key"), QStringLiteral("Next")});
        QTest::qWait(300);
        EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral("[70%]"))) << qPrintable(window.windowTitle());
        screenshot(QStringLiteral("04-main-window-70.png"));
    }

    // Every tab of the properties dialog.
    whenModal([](QWidget& dialog) {
        auto* tabs = dialog.findChild<QTabBar*>(QStringLiteral("TabSet1"));
        ASSERT_NE(tabs, nullptr);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            const QImage shot = screenshot(QStringLiteral("05-properties-tab-%1.png").arg(i, 2, 10, QLatin1Char('0')));
            EXPECT_GT(colourCount(shot), 10) << "tab " << i;
        }
        // The shipped borders are offered beside "(none)".
        EXPECT_GT(dialog.findChild<QListWidget*>(QStringLiteral("BorderFiles"))->count(), 1);
        dialog.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    });
    window.mnuPropertiesClick();

    whenModal([](QWidget& about) {
        screenshot(QStringLiteral("06-about.png"));
        QMetaObject::invokeMethod(&about, "accept", Qt::QueuedConnection);
    });
    window.About1Click();

    boxes.answer(false);
    window.close();
    SetProgramFolderForTesting(DefaultProgramFolder());
}
