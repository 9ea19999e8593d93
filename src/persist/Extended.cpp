#include "persist/Extended.h"

#include <bit>
#include <cstring>

namespace {
constexpr int kExtBias = 16383;
constexpr int kDoubleBias = 1023;
constexpr std::uint64_t kIntegerBit = std::uint64_t(1) << 63;
constexpr std::uint64_t kDoubleFraction = (std::uint64_t(1) << 52) - 1;

TExtended pack(bool negative, unsigned exponent, std::uint64_t significand)
{
    TExtended bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = std::uint8_t(significand >> (8 * i));
    const unsigned top = (exponent & 0x7FFF) | (negative ? 0x8000u : 0u);
    bytes[8] = std::uint8_t(top);
    bytes[9] = std::uint8_t(top >> 8);
    return bytes;
}

double fromBits(std::uint64_t bits)
{
    return std::bit_cast<double>(bits);
}
} // namespace

TExtended DoubleToExtended(double value)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const unsigned exponent = unsigned(bits >> 52) & 0x7FF;
    const std::uint64_t fraction = bits & kDoubleFraction;

    if (exponent == 0x7FF) // infinity (no fraction) or NaN (payload kept)
        return pack(negative, 0x7FFF, kIntegerBit | (fraction << 11));
    if (exponent == 0) {
        if (fraction == 0)
            return pack(negative, 0, 0);
        // A double denormal is fraction x 2^-1074; extended holds it normalised.
        const int shift = std::countl_zero(fraction);
        return pack(negative, unsigned(kExtBias + 63 - 1074 - shift), fraction << shift);
    }
    return pack(negative, unsigned(int(exponent) - kDoubleBias + kExtBias), kIntegerBit | (fraction << 11));
}

double ExtendedToDouble(const TExtended& bytes)
{
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[i];
    const unsigned top = unsigned(bytes[8]) | (unsigned(bytes[9]) << 8);
    const bool negative = (top & 0x8000) != 0;
    const int exponent = int(top & 0x7FFF);
    const std::uint64_t sign = negative ? (std::uint64_t(1) << 63) : 0;

    if (exponent == 0x7FFF) {
        if ((significand & ~kIntegerBit) == 0)
            return fromBits(sign | (std::uint64_t(0x7FF) << 52));
        std::uint64_t payload = (significand >> 11) & kDoubleFraction;
        if (payload == 0)
            payload = std::uint64_t(1) << 51;   // the payload lived in the dropped bits: stay a NaN
        return fromBits(sign | (std::uint64_t(0x7FF) << 52) | payload);
    }
    if (significand == 0)
        return fromBits(sign);

    // value = significand x 2^(max(exponent, 1) - 16446); normalise the
    // significand so that value = (significand / 2^63) x 2^e2.
    const int lz = std::countl_zero(significand);
    significand <<= lz;
    const int e2 = (exponent == 0 ? 1 : exponent) - kExtBias - lz;

    if (e2 > kDoubleBias)
        return fromBits(sign | (std::uint64_t(0x7FF) << 52));

    // Keep 53 bits for normal results, fewer for denormals; the rest rounds.
    // Adding the rounded mantissa (with its integer bit) to the biased exponent
    // lets a carry move into the exponent, up to infinity.
    int shift = 11;
    std::uint64_t base = 0;
    if (e2 >= 1 - kDoubleBias)
        base = std::uint64_t(e2 + kDoubleBias - 1) << 52;
    else
        shift = 11 + (1 - kDoubleBias - e2);   // denormal: value = mantissa x 2^-1074
    if (shift > 64)
        return fromBits(sign);                   // below half the smallest denormal

    const std::uint64_t mantissa = shift == 64 ? 0 : significand >> shift;
    const std::uint64_t rest = shift == 64 ? significand : significand & ((std::uint64_t(1) << shift) - 1);
    const std::uint64_t half = std::uint64_t(1) << (shift - 1);
    std::uint64_t rounded = mantissa;
    if (rest > half || (rest == half && (mantissa & 1)))
        ++rounded;
    return fromBits(sign | (base + rounded));
}
