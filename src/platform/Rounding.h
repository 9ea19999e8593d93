#pragma once
#include <cmath>

// Round to nearest with ties to even (the system's Round), and Trunc toward
// zero. std::nearbyint follows the default rounding mode, which is to-even.
inline int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

inline int truncToInt(double value)
{
    return int(std::trunc(value));
}
