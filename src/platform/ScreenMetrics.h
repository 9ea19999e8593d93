#pragma once

#include <QtGlobal>

class QPainter;

// Logical pixels per inch of the primary screen: the page's unit of measure at
// 100 % zoom. 96 when there is no screen (headless tools) or in tests.
int ScreenPPI();

// Tests fix the value; 0 restores the real screen's.
void SetScreenPPIForTesting(int ppi);

// Device pixels per logical pixel of what `painter` paints on. A high-density
// screen's backing store, or a rendering into an image of another pixel
// ratio, shows as the painter's scale; a rotated or sheared painter gets 1.
// Beyond four an image drawn to match would only cost memory.
qreal DevicePixelsPerPixel(const QPainter& painter);
