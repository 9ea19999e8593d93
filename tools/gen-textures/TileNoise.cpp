#include "TileNoise.h"

#include <cmath>

namespace {

constexpr int Table = 256;

double smooth(double t)
{
    return t * t * (3 - 2 * t);
}

} // namespace

TileNoise::TileNoise(int period, std::uint32_t seed) : period_(period), values_(Table * Table)
{
    // A small xorshift generator: the same seed draws the same texture on
    // every machine.
    std::uint32_t state = seed ? seed : 1u;
    for (double& value : values_) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        value = double(state % 10000) / 9999.0;
    }
}

double TileNoise::lattice(int x, int y, int period) const
{
    x = ((x % period) + period) % period;
    y = ((y % period) + period) % period;
    return values_[std::size_t((y % Table) * Table + (x % Table))];
}

double TileNoise::atPeriod(double u, double v, int period) const
{
    const double x = u * period;
    const double y = v * period;
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const double top = lattice(x0, y0, period) * (1 - fx) + lattice(x0 + 1, y0, period) * fx;
    const double bottom = lattice(x0, y0 + 1, period) * (1 - fx) + lattice(x0 + 1, y0 + 1, period) * fx;
    return top * (1 - fy) + bottom * fy;
}

double TileNoise::At(double u, double v) const
{
    return atPeriod(u, v, period_);
}

double TileNoise::Fractal(double u, double v, int octaves) const
{
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    int period = period_;
    for (int i = 0; i < octaves && period <= Table; ++i) {
        sum += weight * atPeriod(u, v, period);
        total += weight;
        weight *= 0.5;
        period *= 2;
    }
    return total > 0 ? sum / total : 0;
}
