#pragma once
// Shared by the recurring-dates tests: a user folder of its own per test and
// a way to act on a modal dialog while it runs.
#include <QApplication>
#include <QWidget>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "TestSupport.h"
#include "platform/ProgramFolder.h"
#include "recurring/RecurringStore.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace vellumy::test {

// Runs `act` on the next modal dialog of type Dialog once it shows; none
// within a few seconds fails the test and closes whatever modal is up.
template <class Dialog>
void WhenModal(std::function<void(Dialog&)> act)
{
    auto* watch = new QTimer;
    auto waited = std::make_shared<int>(0);
    watch->setInterval(5);
    QObject::connect(watch, &QTimer::timeout, [watch, waited, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            watch->stop();
            watch->deleteLater();
            act(*dialog);
            return;
        }
        if (++*waited < 1000)
            return;
        watch->stop();
        watch->deleteLater();
        ADD_FAILURE() << "expected a modal " << Dialog::staticMetaObject.className();
        if (QWidget* other = QApplication::activeModalWidget())
            QMetaObject::invokeMethod(other, "reject", Qt::QueuedConnection);
    });
    watch->start();
}

class RecurringTest : public ::testing::Test {
protected:
    void SetUp() override { SetProgramFolderForTesting(folder_.path()); }
    void TearDown() override { SetProgramFolderForTesting(DefaultProgramFolder()); }

    QString userFile(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    MessageBoxScript boxes;

private:
    QTemporaryDir folder_;
};

} // namespace vellumy::test
