#pragma once
#include <array>
#include <cstdint>

// The 80-bit extended real of the object stream, as its 10 little-endian
// bytes: 64-bit significand with an explicit integer bit, then 15 bits of
// exponent (bias 16383) and the sign bit. Both conversions work on the bit
// patterns, so they give the same results whatever the compiler's long double.
using TExtended = std::array<std::uint8_t, 10>;

// Exact: every double (denormals, infinities, NaN payloads) has an extended value.
TExtended DoubleToExtended(double value);

// Rounds to nearest, ties to even. Too large gives an infinity, too small a
// denormal or zero; NaNs stay NaNs. Unnormal and pseudo-denormal encodings are
// taken by their numeric value (significand x 2^(exponent - 16446)).
double ExtendedToDouble(const TExtended& bytes);
