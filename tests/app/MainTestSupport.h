#pragma once
// Shared by the main window's tests: a program folder of its own for each
// test (QX.ini, recent files and documents start empty), the desktop dialogs
// answered by the test, and a way to act on a modal dialog while it runs.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "TestSupport.h"
#include "app/CalendarMain.h"
#include "app/CalendarMainDialogs.h"
#include "page/CalendarPanel32.h"
#include "platform/ProgramFolder.h"

namespace vellumy::test {

// Runs `act` on the modal dialog of type Dialog once it runs. Commands pump
// events before their dialog opens, so this watches for it rather than
// acting on the next event; no such dialog within a few seconds is a test
// failure (and whatever modal is up is closed, so the test cannot hang).
template <class Dialog>
void WhenModal(std::function<void(Dialog&)> act)
{
    auto* watch = new QTimer;
    auto* waited = new int(0);
    watch->setInterval(5);
    QObject::connect(watch, &QTimer::timeout, [watch, waited, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
            watch->stop();
            watch->deleteLater();
            delete waited;
            act(*dialog);
            return;
        }
        if (++*waited < 1000)
            return;
        watch->stop();
        watch->deleteLater();
        delete waited;
        ADD_FAILURE() << "expected a modal " << Dialog::staticMetaObject.className();
        if (QWidget* other = QApplication::activeModalWidget())
            QMetaObject::invokeMethod(other, "reject", Qt::QueuedConnection);
    });
    watch->start();
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::make_unique<QTemporaryDir>();
        LinkShippedFolders(folder_->path());
        SetProgramFolderForTesting(folder_->path());
        TCalendarMainDialogs dialogs;
        dialogs.OpenFileName = [this](QWidget*, const QString& title, const QString& folder, const QString&) {
            openTitles.append(title);
            openFolders.append(folder);
            return nextOpen;
        };
        dialogs.SaveFileName = [this](QWidget*, const QString& title, const QString& proposed, const QString&,
                                      const QString&) {
            saveTitles.append(title);
            proposedPaths.append(proposed);
            return nextSave;
        };
        dialogs.ChooseFont = [this](QWidget*, TFont& font) {
            if (!fontChoice)
                return false;
            font.Assign(*fontChoice);
            return true;
        };
        dialogs.OpenUrl = [this](const QUrl& url) {
            openedUrls.append(url.toString());
            return true;
        };
        SetCalendarMainDialogsForTesting(dialogs);
    }

    void TearDown() override
    {
        windows_.clear();
        SetCalendarMainDialogsForTesting(TCalendarMainDialogs());
        SetProgramFolderForTesting(DefaultProgramFolder());
    }

    // A main window as the program starts it: created, then activated.
    // `beforeActivation` plugs in what the program would (printing hooks).
    TCalendarMain& start(const std::function<void(TCalendarMain&)>& beforeActivation = {})
    {
        windows_.push_back(std::make_unique<TCalendarMain>());
        TCalendarMain& window = *windows_.back();
        if (beforeActivation)
            beforeActivation(window);
        window.FormActivate();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }
    // Closes and destroys the window, as quitting the program does.
    void quit(TCalendarMain& window)
    {
        window.close();
        for (auto it = windows_.begin(); it != windows_.end(); ++it) {
            if (it->get() == &window) {
                windows_.erase(it);
                return;
            }
        }
    }

    QString programFile(const QString& name) const { return folder_->filePath(name); }

    // New through the menu; the properties dialog is given `layoutRow`, the
    // orientation and the month, and accepted.
    void newCalendar(TCalendarMain& window, int layoutRow, bool landscape, int year, int month);

    // Opens the editor on a day cell (by clicking it) and types.
    void clickCell(TCalendarMain& window, int cell);
    void typeIntoEditor(TCalendarMain& window, const QString& text);
    // The plain text of a cell's stored rich text.
    static QString cellText(const TCalendarMain& window, int cell);

    static QAction* item(const TCalendarMain& window, const char* name)
    {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }
    // Triggers a menu item as the user would (only when enabled).
    static void choose(const TCalendarMain& window, const char* name)
    {
        QAction* action = item(window, name);
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name << " is disabled";
        action->trigger();
        activate(window);
    }
    // A closed modal dialog hands the activation back to the window on a
    // desktop; the offscreen platform does not, so the tests do.
    static void activate(const TCalendarMain& window)
    {
        auto& w = const_cast<TCalendarMain&>(window);
        if (!w.isVisible() || QApplication::activeWindow() == &w)
            return;
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    MessageBoxScript boxes;
    QString nextOpen;
    QString nextSave;
    std::unique_ptr<TFont> fontChoice;
    QStringList openTitles, openFolders, saveTitles, proposedPaths, openedUrls;

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::vector<std::unique_ptr<TCalendarMain>> windows_;
};

} // namespace vellumy::test
