#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QUuid>

#include "TestSupport.h"
#include "platform/HelpViewer.h"
#include "platform/SingleInstanceGuard.h"

TEST(HelpViewer, EveryTopicTheDialogsOpenHasAPage)
{
    // The contents, the nine properties pages and the object dialogs' topics.
    QList<int> topics = {0, 40003, 40004, 40008, 40012, 40013, 40014, 40015};
    for (int page = 0; page <= 8; ++page)
        topics.append(2100 + page);
    for (int topic : topics) {
        const QString path = HelpTopicPath(topic);
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    }

    QList<int> asked;
    SetHelpHandlerForTesting([&](int topic) { asked.append(topic); });
    ShowHelpContents();
    ShowHelpTopic(2103);
    SetHelpHandlerForTesting({});
    EXPECT_EQ(asked, (QList<int>{0, 2103}));
}

TEST(SingleInstanceGuard, ASecondStartAsksTheFirstToComeForward)
{
    const QString key = QStringLiteral("vellumy-test-") + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstanceGuard first(key);
    ASSERT_FALSE(first.AnotherInstanceRunning());
    int activations = 0;
    first.SetOnActivationRequest([&] { ++activations; });

    SingleInstanceGuard second(key);
    EXPECT_TRUE(second.AnotherInstanceRunning());

    QElapsedTimer timer;
    timer.start();
    while (activations == 0 && timer.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(activations, 1);
}
