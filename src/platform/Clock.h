#pragma once
#include <QtGlobal>
#include <functional>

// Milliseconds since the system started (the press-time and paste-time rules
// compare against it). Tests drive it instead of sleeping.
qint64 MillisecondsSinceStart();

// Installs a replacement clock; an empty function restores the real one.
void SetClockForTesting(std::function<qint64()> clock);
