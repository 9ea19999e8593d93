#pragma once

// Logical pixels per inch of the primary screen: the page's unit of measure at
// 100 % zoom. 96 when there is no screen (headless tools) or in tests.
int ScreenPPI();

// Tests fix the value; 0 restores the real screen's.
void SetScreenPPIForTesting(int ppi);
