#pragma once
// The six page margins the properties dialog offers, a quarter inch to an
// inch and a half, and their texts in inches or millimetres.
#include <QStringList>

constexpr int MarginChoiceCount = 6;

// 0.25, 0.5, 0.75, 1.0, 1.25, 1.5 inches for indices 0..5 (clamped).
float MarginForIndex(int index);

// The choice a margin is shown as: 0 below 0.5, 1 below 0.75, 2 below 1.0,
// 3 below 1.25, 4 below 1.5, else 5 (so 0.6 shows as a half inch and
// anything from 1.5 up as an inch and a half).
int MarginIndexFor(float inches);

// "¼ Inch" .. "1½ Inch", or "6 mm" .. "38 mm" (the same six values).
QStringList MarginTexts(bool millimetres);
