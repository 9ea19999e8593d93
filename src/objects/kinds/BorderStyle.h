#pragma once
// The frame of a page object: none, or a black solid one-pixel line drawn last.
#include "persist/ClassInfo.h"

enum TBorderStyle { bsNone, bsSingle };

const TEnumNames& BorderStyleNames();
