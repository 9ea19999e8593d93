#pragma once
// Value noise on a lattice that wraps at the tile's edges, so that textures
// drawn from it tile without seams.
#include <cstdint>
#include <vector>

class TileNoise {
public:
    // `period` lattice cells across the tile; the seed picks the pattern.
    TileNoise(int period, std::uint32_t seed);

    // Smooth noise in [0, 1] at (u, v) in tile units [0, 1).
    double At(double u, double v) const;
    // Sum of octaves (each twice the frequency, half the weight), in [0, 1].
    double Fractal(double u, double v, int octaves) const;

private:
    double lattice(int x, int y, int period) const;
    double atPeriod(double u, double v, int period) const;

    int period_;
    std::vector<double> values_;  // 256 x 256 random values
};
