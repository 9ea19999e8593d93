#pragma once
// Helpers shared by the tests: scripted message boxes, a hand-driven clock,
// pixel inspection and fixture paths.
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include "platform/MessageBoxes.h"

namespace vellumy::test {

// The folder of small committed fixtures (tests/data).
QString DataPath(const QString& name);

// The per-process program folder that the test main set up.
QString DefaultProgramFolder();
void SetDefaultProgramFolder(const QString& folder);

// Links the shipped asset folders of the build (Borders/, Help/, ...) and
// its icon libraries into a program folder a test made, so that it looks
// like the installed one.
void LinkShippedFolders(const QString& folder);

// Records every message box and answers questions from a script (Yes when the
// script is exhausted). Restores real boxes when destroyed.
class MessageBoxScript {
public:
    MessageBoxScript();
    ~MessageBoxScript();
    void answer(bool yes) { answers_.append(yes); }
    const QList<ShownMessage>& shown() const { return shown_; }
    QString lastText() const { return shown_.isEmpty() ? QString() : shown_.last().text; }
    void clear() { shown_.clear(); }

private:
    QList<bool> answers_;
    QList<ShownMessage> shown_;
};

// Replaces the millisecond clock while alive; advance() moves time forward.
class ManualClock {
public:
    explicit ManualClock(qint64 start = 100000);
    ~ManualClock();
    void advance(qint64 ms) { now_ += ms; }
    qint64 now() const { return now_; }

private:
    qint64 now_;
};

// Number of pixels of exactly this colour inside the rectangle (clipped).
int CountPixels(const QImage& image, const QRect& area, QColor colour);

// Saves an image for a human to look at, under $VELLUMY_TEST_OUTPUT or the
// system temporary folder; returns the path.
QString SaveForInspection(const QImage& image, const QString& name);

} // namespace vellumy::test
