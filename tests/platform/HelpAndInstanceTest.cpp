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

// The second start also hands over the files it was given, after asking the
// first to come forward.
TEST(SingleInstanceGuard, ASecondStartAsksTheFirstToComeForward)
{
    const QString key = QStringLiteral("vellumy-test-") + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstanceGuard first(key);
    ASSERT_FALSE(first.AnotherInstanceRunning());
    QStringList events;
    first.SetOnActivationRequest([&] { events.append(QStringLiteral("activate")); });
    first.SetOnOpenRequest([&](const QString& file) { events.append(file); });

    SingleInstanceGuard second(key);
    EXPECT_TRUE(second.AnotherInstanceRunning());
    const QStringList files = {QStringLiteral("/tmp/Dez 2027 \u00e4.QXF"), QStringLiteral("/tmp/b.qxf")};
    SingleInstanceGuard third(key, files);
    EXPECT_TRUE(third.AnotherInstanceRunning());

    QElapsedTimer timer;
    timer.start();
    while (events.size() < 4 && timer.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(events, (QStringList{QStringLiteral("activate"), QStringLiteral("activate"), files[0], files[1]}));
}
