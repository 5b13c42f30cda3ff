#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>
#include <random>
#include <vector>

// Small tools the picture painters share.
namespace Brushwork {

// Every texture is drawn from a fixed seed, so the pictures look the same on every run.
class Dice
{
public:
    explicit Dice(std::uint32_t seed) : m_engine(seed) {}

    // In [0, 1).
    float unit() { return float(m_engine() >> 8) * (1.0f / 16777216.0f); }
    int below(int n) { return int(m_engine() % std::uint32_t(n)); }

private:
    std::mt19937 m_engine;
};

// Smooth value noise over the unit square, summed over octaves that halve in weight;
// the result lies in 0 .. 1. With wrapX the left and right edges meet.
class Noise
{
public:
    Noise(std::uint32_t seed, int cellsX, int cellsY, int octaves, bool wrapX = false);

    float at(float u, float v) const;

private:
    struct Layer
    {
        int cellsX, cellsY;
        float weight;
        std::vector<float> values;
    };
    float sample(const Layer &layer, float u, float v) const;

    std::vector<Layer> m_layers;
    bool m_wrapX;
};

QImage canvas(int width, int height, QColor fill);
QImage clearCanvas(int width, int height);

QRgb mix(QRgb a, QRgb b, float t);
QRgb scaled(QRgb colour, float factor);
float smoothstep(float edge0, float edge1, float x);

// Calls paint(x, y, pixel) for every pixel of an RGB32 image.
template<typename Paint>
void eachPixel(QImage &image, Paint paint)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            paint(x, y, line[x]);
    }
}

// Reduces each channel to a few flat levels, the look of a posterised print.
void posterise(QImage &image, int levels);
// Paints the outermost rows and columns.
void frame(QImage &image, QColor colour = Qt::black);

} // namespace Brushwork
