#include "TextureDesigns.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <functional>

#include "TileNoise.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

int clampByte(double v)
{
    return std::clamp(int(std::lround(v)), 0, 255);
}

// Mixes two colours: t = 0 gives a, t = 1 gives b.
QRgb mix(QColor a, QColor b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(clampByte(a.red() + (b.red() - a.red()) * t), clampByte(a.green() + (b.green() - a.green()) * t),
                clampByte(a.blue() + (b.blue() - a.blue()) * t));
}

QImage draw(int size, const std::function<QRgb(double u, double v)>& shade)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, shade(double(x) / size, double(y) / size));
    return image;
}

QImage marble(int size)
{
    const TileNoise noise(4, 11);
    return draw(size, [&](double u, double v) {
        // Veins: a sine across the tile bent by turbulence; whole periods keep it tileable.
        const double vein = std::sin(2 * Pi * (2 * u + v) + 6 * noise.Fractal(u, v, 5));
        const double t = std::pow(1 - std::abs(vein), 6);
        return mix(QColor(236, 232, 226), QColor(96, 100, 112), t * 0.9 + noise.Fractal(u, v, 4) * 0.1);
    });
}

QImage wood(int size)
{
    const TileNoise noise(2, 23);
    const TileNoise grain(16, 29);
    return draw(size, [&](double u, double v) {
        const double rings = 8 * v + 1.5 * noise.Fractal(u, v, 3);
        const double ring = rings - std::floor(rings);
        const double t = std::pow(ring, 3) * 0.7 + grain.At(u * 0.25, v) * 0.3;
        return mix(QColor(196, 140, 82), QColor(110, 62, 28), t);
    });
}

QImage paper(int size)
{
    const TileNoise fibres(32, 37);
    const TileNoise blotches(4, 41);
    return draw(size, [&](double u, double v) {
        const double t = fibres.Fractal(u, v, 3) * 0.6 + blotches.Fractal(u, v, 2) * 0.4;
        return mix(QColor(250, 244, 226), QColor(214, 204, 178), t);
    });
}

QImage stone(int size)
{
    const TileNoise noise(8, 53);
    const TileNoise specks(64, 59);
    return draw(size, [&](double u, double v) {
        const double t = noise.Fractal(u, v, 5);
        const double speck = specks.At(u, v) > 0.85 ? 0.35 : 0.0;
        return mix(QColor(168, 164, 156), QColor(72, 70, 68), t * 1.3 - 0.15 + speck);
    });
}

QImage water(int size)
{
    const TileNoise noise(4, 67);
    return draw(size, [&](double u, double v) {
        const double wave = std::sin(2 * Pi * (3 * v) + 5 * noise.Fractal(u, v, 4));
        const double light = std::pow(std::max(0.0, wave), 8);
        const QRgb deep = mix(QColor(16, 70, 140), QColor(40, 130, 200), noise.Fractal(u, v, 3));
        return mix(QColor(deep), QColor(200, 235, 255), light);
    });
}

QImage sky(int size)
{
    const TileNoise noise(4, 71);
    return draw(size, [&](double u, double v) {
        const double cloud = std::clamp((noise.Fractal(u, v, 6) - 0.45) * 3.0, 0.0, 1.0);
        return mix(QColor(86, 150, 230), QColor(250, 250, 252), cloud);
    });
}

QImage fabric(int size)
{
    const TileNoise noise(32, 83);
    return draw(size, [&](double u, double v) {
        // Threads four pixels wide at 128 pixels, over and under in turn.
        const int threads = 32;
        const int tx = int(u * threads);
        const int ty = int(v * threads);
        const bool warp = (tx + ty) % 2 == 0;
        const double across = warp ? u * threads - tx : v * threads - ty;
        const double shade = std::sin(Pi * across);
        const QColor colour = warp ? QColor(150, 30, 40) : QColor(120, 20, 32);
        return mix(QColor(40, 8, 12), colour, 0.55 + 0.45 * shade - 0.15 * noise.At(u, v));
    });
}

QImage leather(int size)
{
    const TileNoise noise(16, 97);
    const TileNoise tone(2, 101);
    return draw(size, [&](double u, double v) {
        // Creases where the noise crosses its middle.
        const double crease = 1 - std::min(1.0, std::abs(noise.Fractal(u, v, 3) - 0.5) * 12);
        const QRgb base = mix(QColor(140, 82, 44), QColor(100, 56, 30), tone.Fractal(u, v, 3));
        return mix(QColor(base), QColor(58, 30, 16), crease * 0.8);
    });
}

} // namespace

QStringList TextureNames()
{
    return {QStringLiteral("Marble"), QStringLiteral("Wood"),   QStringLiteral("Paper"),  QStringLiteral("Stone"),
            QStringLiteral("Water"),  QStringLiteral("Sky"),    QStringLiteral("Fabric"), QStringLiteral("Leather")};
}

QImage DrawTexture(const QString& name, int size)
{
    static const QList<std::pair<QString, QImage (*)(int)>> designs{
        {QStringLiteral("Marble"), marble}, {QStringLiteral("Wood"), wood},     {QStringLiteral("Paper"), paper},
        {QStringLiteral("Stone"), stone},   {QStringLiteral("Water"), water},   {QStringLiteral("Sky"), sky},
        {QStringLiteral("Fabric"), fabric}, {QStringLiteral("Leather"), leather}};
    for (const auto& [designName, drawDesign] : designs)
        if (designName.compare(name, Qt::CaseInsensitive) == 0)
            return drawDesign(size);
    return {};
}
