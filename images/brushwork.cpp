#include "images/brushwork.h"

#include <algorithm>
#include <cmath>

namespace Brushwork {

Noise::Noise(std::uint32_t seed, int cellsX, int cellsY, int octaves, bool wrapX)
    : m_wrapX(wrapX)
{
    Dice dice(seed);
    float weight = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        Layer layer{cellsX, cellsY, weight, {}};
        layer.values.resize(std::size_t(cellsX + 1) * std::size_t(cellsY + 1));
        for (float &value : layer.values)
            value = dice.unit();
        m_layers.push_back(std::move(layer));
        total += weight;
        weight *= 0.5f;
        cellsX *= 2;
        cellsY *= 2;
    }
    for (Layer &layer : m_layers)
        layer.weight /= total;
}

float Noise::sample(const Layer &layer, float u, float v) const
{
    const float fx = std::clamp(u, 0.0f, 1.0f) * float(layer.cellsX);
    const float fy = std::clamp(v, 0.0f, 1.0f) * float(layer.cellsY);
    const int x0 = std::min(int(fx), layer.cellsX - 1);
    const int y0 = std::min(int(fy), layer.cellsY - 1);
    const int x1 = m_wrapX && x0 + 1 == layer.cellsX ? 0 : x0 + 1;
    const float tx = smoothstep(0.0f, 1.0f, fx - float(x0));
    const float ty = smoothstep(0.0f, 1.0f, fy - float(y0));
    const int stride = layer.cellsX + 1;
    auto value = [&](int x, int y) { return layer.values[std::size_t(y * stride + x)]; };
    const float top = value(x0, y0) + (value(x1, y0) - value(x0, y0)) * tx;
    const float bottom = value(x0, y0 + 1) + (value(x1, y0 + 1) - value(x0, y0 + 1)) * tx;
    return top + (bottom - top) * ty;
}

float Noise::at(float u, float v) const
{
    if (m_wrapX)
        u -= std::floor(u);
    float sum = 0.0f;
    for (const Layer &layer : m_layers)
        sum += layer.weight * sample(layer, u, v);
    return sum;
}

QImage canvas(int width, int height, QColor fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage clearCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QRgb mix(QRgb a, QRgb b, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    auto channel = [t](int from, int to) { return int(float(from) + float(to - from) * t + 0.5f); };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
                channel(qBlue(a), qBlue(b)));
}

QRgb scaled(QRgb colour, float factor)
{
    auto channel = [factor](int c) { return std::clamp(int(float(c) * factor + 0.5f), 0, 255); };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)));
}

float smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

void posterise(QImage &image, int levels)
{
    const int step = 255 / (levels - 1);
    auto channel = [step](int c) { return std::min(255, (c + step / 2) / step * step); };
    eachPixel(image, [&](int, int, QRgb &pixel) {
        pixel = qRgb(channel(qRed(pixel)), channel(qGreen(pixel)), channel(qBlue(pixel)));
    });
}

void frame(QImage &image, QColor colour)
{
    const QRgb rgb = colour.rgb();
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (int x = 0; x <= right; ++x) {
        image.setPixel(x, 0, rgb);
        image.setPixel(x, bottom, rgb);
    }
    for (int y = 0; y <= bottom; ++y) {
        image.setPixel(0, y, rgb);
        image.setPixel(right, y, rgb);
    }
}

} // namespace Brushwork
