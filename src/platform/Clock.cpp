#include "platform/Clock.h"

#include <ctime>

namespace {
std::function<qint64()>& testClock()
{
    static std::function<qint64()> clock;
    return clock;
}
} // namespace

qint64 MillisecondsSinceStart()
{
    if (testClock())
        return testClock()();
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

void SetClockForTesting(std::function<qint64()> clock)
{
    testClock() = std::move(clock);
}
