#include "images/artwork.h"
#include "images/brushwork.h"
#include "runtime/forms.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

using namespace Brushwork;

namespace {

constexpr float W = float(CardWidth);
constexpr float H = float(CardHeight);

QPainterPath upArrow()
{
    QPainterPath path;
    path.moveTo(37.5, 5.5);
    path.lineTo(59.5, 27.5);
    path.lineTo(47.5, 27.5);
    path.lineTo(47.5, 39.5);
    path.lineTo(27.5, 39.5);
    path.lineTo(27.5, 27.5);
    path.lineTo(15.5, 27.5);
    path.closeSubpath();
    return path;
}

QImage gameDesign()
{
    QImage image = canvas(CardWidth, CardHeight, QColor(0, 255, 255));
    Dice dice(1001);
    const QRgb magenta = qRgb(255, 0, 255);
    eachPixel(image, [&](int, int, QRgb &pixel) {
        if (dice.unit() < 0.2f)
            pixel = magenta;
    });

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath up = upArrow();
    const QPainterPath down = QTransform(1, 0, 0, -1, 0, H).map(up);
    for (const QPainterPath &arrow : {up, down}) {
        const QRectF box = arrow.boundingRect();
        QLinearGradient fill(box.topLeft(), box.bottomRight());
        fill.setColorAt(0, QColor(255, 70, 60));
        fill.setColorAt(1, QColor(200, 0, 0));
        painter.setBrush(fill);
        painter.setPen(QPen(QColor(90, 0, 0), 1.0));
        painter.drawPath(arrow);
    }

    // The name sits on a cyan halo so the magenta dots do not eat into the letters.
    // Drawn once at the font's size, then scaled to fit: one size of the face to load.
    QFont font = formsFont(Face::FuturaMdBT, 12.0, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    const QFontMetricsF metrics(font);
    const QString name = QStringLiteral("VORLINA");
    const double scale = std::min(1.0, 66.0 / metrics.horizontalAdvance(name));
    QPainterPath text;
    text.addText(0, metrics.capHeight() / 2.0, font, name);
    text = QTransform::fromScale(scale, scale).map(text);
    text.translate((W - text.boundingRect().width()) / 2.0 - text.boundingRect().left(), H / 2.0);
    painter.setPen(QPen(QColor(0, 255, 255), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(text);
    painter.end();
    frame(image);
    return image;
}

QImage eveningSky()
{
    QImage image = canvas(CardWidth, CardHeight, Qt::black);
    const Noise clouds(1101, 3, 7, 4);
    const Noise hills(1102, 9, 1, 3);
    Dice grain(1103);
    const QRgb high = qRgb(34, 30, 66);
    const QRgb middle = qRgb(92, 56, 98);
    const QRgb low = qRgb(206, 104, 78);
    const QRgb glow = qRgb(255, 232, 176);
    eachPixel(image, [&](int x, int y, QRgb &pixel) {
        const float u = float(x) / W;
        const float v = float(y) / H;
        QRgb sky = v < 0.4f ? mix(high, middle, v / 0.4f) : mix(middle, low, (v - 0.4f) / 0.4f);
        const float du = u - 0.64f;
        const float dv = (v - 0.57f) * 1.5f;
        const float d2 = du * du + dv * dv;
        const float patch = std::exp(-d2 / 0.006f) + 0.45f * std::exp(-d2 / 0.05f);
        sky = mix(sky, glow, patch);

        const float cover = clouds.at(u, v);
        const float density = smoothstep(0.36f, 0.58f, cover) * (1.0f - 0.9f * patch);
        // Cloud edges near the bright patch catch its light.
        const float rim = smoothstep(0.30f, 0.42f, cover) * (1.0f - smoothstep(0.42f, 0.6f, cover));
        const QRgb cloud = mix(qRgb(26, 20, 34), qRgb(120, 70, 80), v);
        QRgb colour = mix(sky, cloud, density * 0.96f);
        colour = mix(colour, qRgb(255, 170, 110), rim * std::min(1.0f, patch * 2.5f) * 0.8f);

        const float horizon = 0.76f + 0.09f * hills.at(u, 0.5f);
        if (v > horizon - 0.07f)
            colour = mix(colour, qRgb(40, 24, 40), smoothstep(horizon - 0.07f, horizon, v) * 0.7f);
        if (v > horizon)
            colour = mix(qRgb(22, 14, 24), qRgb(8, 6, 12), (v - horizon) / (1.0f - horizon));
        pixel = scaled(colour, 0.96f + 0.08f * grain.unit());
    });
    frame(image);
    return image;
}

QImage tapestry()
{
    QImage image = canvas(CardWidth, CardHeight, Qt::black);
    const QRgb purple = qRgb(104, 36, 128);
    const QRgb plum = qRgb(62, 18, 86);
    const QRgb red = qRgb(176, 22, 48);
    const QRgb blue = qRgb(36, 52, 150);
    const QRgb lightBlue = qRgb(92, 120, 220);
    const QRgb rose = qRgb(226, 86, 120);
    const QRgb dark = qRgb(24, 10, 40);
    Dice threads(1201);
    eachPixel(image, [&](int x, int y, QRgb &pixel) {
        const float p = float(x) - 37.0f;
        const float q = float(y) - 49.5f;
        const float d = std::abs(p) / 34.0f + std::abs(q) / 46.0f;
        QRgb colour;
        if (d < 0.10f) {
            colour = lightBlue;
        } else if (d < 0.17f) {
            colour = rose;
        } else if (d < 0.36f) {
            // Petals of the medallion: a ring of small diamonds on red.
            const float ring = std::abs(std::sin(std::atan2(q / 46.0f, p / 34.0f) * 4.0f));
            colour = (d > 0.22f && d < 0.31f && ring > 0.75f) ? purple : red;
        } else if (d < 0.40f) {
            colour = rose;
        } else if (d < 0.45f) {
            colour = dark;
        } else if (std::min(std::min(x, 74 - x), std::min(y, 99 - y)) < 7) {
            // A border band of alternating blocks.
            const int edge = std::min(std::min(x, 74 - x), std::min(y, 99 - y));
            if (edge < 2 || edge > 5)
                colour = dark;
            else
                colour = ((x + y) / 4) % 2 ? red : blue;
        } else {
            // The field: a lattice of small diamonds, purple and blue in turn.
            const float s = p / 8.0f + q / 10.0f;
            const float t = p / 8.0f - q / 10.0f;
            const float fs = s - std::floor(s) - 0.5f;
            const float ft = t - std::floor(t) - 0.5f;
            const float m = std::max(std::abs(fs), std::abs(ft));
            const bool odd = (int(std::floor(s)) + int(std::floor(t))) % 2 != 0;
            if (m > 0.42f)
                colour = plum;
            else if (m < 0.13f)
                colour = red;
            else
                colour = odd ? blue : purple;
        }
        // Woven threads: alternate rows and columns catch the light differently.
        const float weave = ((x + y) % 2 == 0 ? 1.0f : 0.86f) * (y % 3 == 0 ? 0.92f : 1.0f);
        pixel = scaled(colour, weave * (0.93f + 0.12f * threads.unit()));
    });
    frame(image);
    return image;
}

QPainterPath applePath(QPointF centre, double radius)
{
    QPainterPath path;
    path.moveTo(0, -0.70);
    path.cubicTo(0.25, -1.0, 1.0, -0.95, 1.0, -0.2);
    path.cubicTo(1.0, 0.45, 0.62, 0.98, 0.3, 0.94);
    path.cubicTo(0.16, 0.92, 0.10, 0.86, 0, 0.86);
    path.cubicTo(-0.10, 0.86, -0.16, 0.92, -0.3, 0.94);
    path.cubicTo(-0.62, 0.98, -1.0, 0.45, -1.0, -0.2);
    path.cubicTo(-1.0, -0.95, -0.25, -1.0, 0, -0.70);
    path.closeSubpath();
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(radius, radius);
    return place.map(path);
}

void paintApple(QPainter &painter, QPointF centre, double radius, QColor light, QColor base,
                QColor shadow, bool leaf)
{
    QRadialGradient body(centre + QPointF(-radius * 0.35, -radius * 0.35), radius * 1.5);
    body.setColorAt(0.0, light);
    body.setColorAt(0.45, base);
    body.setColorAt(1.0, shadow);
    painter.setPen(QPen(shadow.darker(180), 1.0));
    painter.setBrush(body);
    painter.drawPath(applePath(centre, radius));

    const QPointF top = centre + QPointF(0, -radius * 0.70);
    painter.setPen(QPen(QColor(90, 50, 20), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(top, top + QPointF(radius * 0.15, -radius * 0.42));
    if (leaf) {
        QPainterPath blade;
        const QPointF stem = top + QPointF(radius * 0.1, -radius * 0.3);
        blade.moveTo(stem);
        blade.quadTo(stem + QPointF(radius * 0.35, -radius * 0.45),
                     stem + QPointF(radius * 0.85, -radius * 0.25));
        blade.quadTo(stem + QPointF(radius * 0.45, radius * 0.10), stem);
        painter.setPen(QPen(QColor(20, 70, 10), 0.8));
        painter.setBrush(QColor(60, 170, 40));
        painter.drawPath(blade);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(centre + QPointF(-radius * 0.45, -radius * 0.35), radius * 0.16,
                        radius * 0.24);
}

QImage apples()
{
    QImage image = canvas(CardWidth, CardHeight, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient wall(0, 0, 0, 60);
    wall.setColorAt(0, QColor(20, 40, 150));
    wall.setColorAt(1, QColor(70, 120, 230));
    painter.fillRect(QRectF(0, 0, W, H), wall);

    QPainterPath cloth;
    cloth.moveTo(0, 60);
    cloth.cubicTo(20, 54, 50, 62, W, 55);
    cloth.lineTo(W, H);
    cloth.lineTo(0, H);
    cloth.closeSubpath();
    QLinearGradient folds(0, 55, 40, 100);
    folds.setSpread(QGradient::ReflectSpread);
    folds.setColorAt(0.0, QColor(255, 236, 90));
    folds.setColorAt(0.5, QColor(230, 180, 30));
    folds.setColorAt(1.0, QColor(255, 220, 60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(folds);
    painter.drawPath(cloth);
    painter.setBrush(QColor(170, 110, 10, 200));
    painter.drawEllipse(QPointF(30, 77), 17, 4.5);
    painter.drawEllipse(QPointF(50, 86), 20, 5);

    paintApple(painter, QPointF(27, 62), 16, QColor(210, 255, 140), QColor(90, 190, 40),
               QColor(20, 80, 10), true);
    paintApple(painter, QPointF(48, 69), 18, QColor(255, 170, 150), QColor(210, 20, 20),
               QColor(90, 0, 10), false);
    painter.end();
    posterise(image, 4);
    frame(image);
    return image;
}

// Granite is a mass of small crystals: each pixel takes the colour of the nearest of a
// jittered grid of seeds, one seed per Grain x Grain cell.
QImage granite()
{
    constexpr int Grain = 3;
    constexpr int Cols = CardWidth / Grain + 1;
    constexpr int Rows = CardHeight / Grain + 1;
    struct Crystal
    {
        float x, y;
        QRgb colour;
    };
    Dice dice(1501);
    std::vector<Crystal> crystals;
    crystals.reserve(std::size_t(Cols * Rows));
    for (int row = 0; row < Rows; ++row) {
        for (int col = 0; col < Cols; ++col) {
            const float kind = dice.unit();
            const float tone = dice.unit();
            QRgb colour;
            if (kind < 0.45f)
                colour = mix(qRgb(86, 10, 20), qRgb(132, 18, 32), tone);
            else if (kind < 0.74f)
                colour = mix(qRgb(46, 5, 12), qRgb(64, 8, 16), tone);
            else if (kind < 0.92f)
                colour = mix(qRgb(12, 2, 4), qRgb(26, 4, 8), tone);
            else if (kind < 0.975f)
                colour = mix(qRgb(150, 34, 44), qRgb(180, 60, 64), tone);
            else
                colour = mix(qRgb(190, 140, 140), qRgb(226, 190, 186), tone);
            crystals.push_back({(float(col) + dice.unit()) * Grain,
                                (float(row) + dice.unit()) * Grain, colour});
        }
    }
    QImage image = canvas(CardWidth, CardHeight, Qt::black);
    eachPixel(image, [&](int x, int y, QRgb &pixel) {
        const int col = x / Grain;
        const int row = y / Grain;
        float best = 1e9f;
        QRgb colour = 0;
        for (int r = std::max(0, row - 1); r <= std::min(Rows - 1, row + 1); ++r) {
            for (int c = std::max(0, col - 1); c <= std::min(Cols - 1, col + 1); ++c) {
                const Crystal &crystal = crystals[std::size_t(r * Cols + c)];
                const float dx = crystal.x - float(x);
                const float dy = crystal.y - float(y);
                if (dx * dx + dy * dy < best) {
                    best = dx * dx + dy * dy;
                    colour = crystal.colour;
                }
            }
        }
        // A polished stone catches a broad band of light.
        const float u = float(x) / W;
        const float v = float(y) / H;
        const float sheen = 1.0f - std::abs(u + v * 0.6f - 0.75f);
        pixel = scaled(colour, (0.92f + 0.2f * smoothstep(0.4f, 1.0f, sheen))
                                   * (0.94f + 0.12f * dice.unit()));
    });
    frame(image);
    return image;
}

QImage starburst()
{
    QImage image = canvas(CardWidth, CardHeight, Qt::black);
    const Noise rays(1601, 40, 1, 2, true);
    const Noise flicker(1602, 9, 6, 2);
    eachPixel(image, [&](int x, int y, QRgb &pixel) {
        const float dx = float(x) - 37.0f;
        const float dy = float(y) - 49.5f;
        const float r = std::sqrt(dx * dx + dy * dy);
        const float a = std::atan2(dy, dx) / (2.0f * std::numbers::pi_v<float>) + 0.5f;
        const float ray = smoothstep(0.3f, 0.8f, rays.at(a, 0.0f));
        const float haze = 0.85f + 0.3f * flicker.at(float(x) / W, float(y) / H);
        const float light = 1.4f * std::exp(-r / 7.0f) + ray * std::exp(-r / 40.0f) * haze
                            + 0.12f * std::exp(-r / 60.0f);
        QRgb colour;
        if (light < 0.35f)
            colour = mix(qRgb(16, 0, 4), qRgb(120, 0, 22), light / 0.35f);
        else if (light < 0.7f)
            colour = mix(qRgb(120, 0, 22), qRgb(214, 16, 44), (light - 0.35f) / 0.35f);
        else if (light < 1.0f)
            colour = mix(qRgb(214, 16, 44), qRgb(255, 110, 120), (light - 0.7f) / 0.3f);
        else
            colour = mix(qRgb(255, 110, 120), qRgb(255, 240, 236), (light - 1.0f) / 0.4f);
        pixel = colour;
    });
    frame(image);
    return image;
}

QImage lavaLamp()
{
    QImage image = canvas(CardWidth, CardHeight, QColor(168, 214, 250));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 230, 255));
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 7; ++col)
            painter.drawEllipse(QPointF(col * 12 + (row % 2) * 6 + 2, row * 12 + 4), 2.0, 2.0);
    }
    QRadialGradient halo(37.5, 52, 34);
    halo.setColorAt(0, QColor(255, 220, 140, 150));
    halo.setColorAt(1, QColor(255, 220, 140, 0));
    painter.setBrush(halo);
    painter.drawEllipse(QPointF(37.5, 52), 34, 34);
    painter.setBrush(QColor(90, 140, 200, 120));
    painter.drawEllipse(QPointF(37.5, 92), 27, 3.5);

    const QPen outline(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    auto metal = [](double left, double right) {
        QLinearGradient shine(left, 0, right, 0);
        shine.setColorAt(0.0, QColor(110, 110, 130));
        shine.setColorAt(0.35, QColor(245, 245, 250));
        shine.setColorAt(1.0, QColor(90, 90, 110));
        return shine;
    };

    QPainterPath glass;
    glass.moveTo(29, 22);
    glass.lineTo(46, 22);
    glass.cubicTo(49, 34, 55, 48, 55, 58);
    glass.cubicTo(55, 65, 52, 69, 50, 72);
    glass.lineTo(25, 72);
    glass.cubicTo(23, 69, 20, 65, 20, 58);
    glass.cubicTo(20, 48, 26, 34, 29, 22);
    glass.closeSubpath();
    QLinearGradient liquid(0, 22, 0, 72);
    liquid.setColorAt(0, QColor(120, 30, 170));
    liquid.setColorAt(1, QColor(200, 40, 140));
    painter.setBrush(liquid);
    painter.drawPath(glass);

    painter.save();
    painter.setClipPath(glass);
    QRadialGradient wax(37.5, 50, 28);
    wax.setColorAt(0, QColor(255, 236, 80));
    wax.setColorAt(1, QColor(255, 120, 20));
    painter.setBrush(wax);
    painter.setPen(QPen(QColor(170, 50, 0), 1.0));
    painter.drawEllipse(QPointF(37.5, 74), 17, 8);
    QPainterPath rising;
    rising.moveTo(33, 46);
    rising.cubicTo(40, 44, 41, 52, 38, 56);
    rising.cubicTo(35, 60, 27, 60, 27, 54);
    rising.cubicTo(27, 50, 30, 47, 33, 46);
    painter.drawPath(rising);
    painter.drawEllipse(QPointF(44, 36), 4, 5);
    painter.drawEllipse(QPointF(32, 29), 2.5, 3);
    painter.drawEllipse(QPointF(46, 58), 3, 2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 110));
    painter.drawRoundedRect(QRectF(24, 38, 3, 26), 1.5, 1.5);
    painter.restore();
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(glass);

    QPainterPath cap;
    cap.moveTo(31, 9);
    cap.quadTo(37.5, 6, 44, 9);
    cap.lineTo(47, 22);
    cap.lineTo(28, 22);
    cap.closeSubpath();
    painter.setBrush(metal(28, 47));
    painter.drawPath(cap);

    QPainterPath base;
    base.moveTo(25, 72);
    base.lineTo(50, 72);
    base.lineTo(58, 91);
    base.quadTo(37.5, 94, 17, 91);
    base.closeSubpath();
    painter.setBrush(metal(17, 58));
    painter.drawPath(base);
    painter.drawLine(QPointF(21.5, 82), QPointF(53.5, 82));
    painter.end();
    frame(image);
    return image;
}

QImage sailingShip()
{
    QImage image = canvas(CardWidth, CardHeight, Qt::black);
    const std::array<QRgb, 6> sea = {qRgb(0, 60, 170), qRgb(0, 150, 190), qRgb(60, 90, 210),
                                     qRgb(0, 180, 150), qRgb(20, 40, 130), qRgb(120, 60, 180)};
    eachPixel(image, [&](int x, int y, QRgb &pixel) {
        if (y < 60) {
            // The sky in a few flat steps, warm at the horizon.
            const float v = float(y / 8) / 7.0f;
            pixel = mix(qRgb(40, 80, 200), qRgb(255, 200, 120), v * v);
        } else {
            const float wave = 1.6f * std::sin(float(x) * 0.35f + float(y) * 0.9f);
            const int band = int((float(y - 60) + wave) / 4.5f);
            pixel = sea[std::size_t(std::clamp(band, 0, 20)) % sea.size()];
        }
    });

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 170));
    painter.drawEllipse(QPointF(60, 50), 6, 6);

    QPainterPath hull;
    hull.moveTo(8, 54);
    hull.lineTo(16, 57);
    hull.lineTo(62, 57);
    hull.lineTo(68, 53);
    hull.cubicTo(64, 62, 58, 67, 52, 67);
    hull.lineTo(22, 67);
    hull.cubicTo(16, 67, 12, 62, 8, 54);
    hull.closeSubpath();
    painter.setBrush(QColor(110, 50, 20));
    painter.setPen(QPen(QColor(40, 15, 5), 1.0));
    painter.drawPath(hull);
    painter.setPen(QPen(QColor(240, 190, 40), 1.5));
    painter.drawLine(QPointF(14, 60.5), QPointF(63, 60.5));

    struct Mast
    {
        double x, top, width;
    };
    constexpr Mast Masts[] = {{24, 16, 15}, {38, 8, 19}, {52, 18, 13}};
    painter.setPen(QPen(QColor(70, 30, 10), 1.4));
    for (const Mast &mast : Masts)
        painter.drawLine(QPointF(mast.x, mast.top), QPointF(mast.x, 57));
    QLinearGradient canvasShade(0, 0, 10, 0);
    canvasShade.setSpread(QGradient::ReflectSpread);
    canvasShade.setColorAt(0, QColor(255, 250, 230));
    canvasShade.setColorAt(1, QColor(210, 195, 160));
    painter.setPen(QPen(QColor(120, 100, 70), 0.8));
    painter.setBrush(canvasShade);
    for (const Mast &mast : Masts) {
        const double half = mast.width / 2.0;
        const double span = 54 - mast.top - 4;
        for (int sail = 0; sail < 2; ++sail) {
            const double top = mast.top + 4 + sail * span / 2.0;
            const double bottom = top + span / 2.0 - 2;
            const double inset = (1 - sail) * 2.0;
            QPainterPath cloth;
            cloth.moveTo(mast.x - half + inset, top);
            cloth.lineTo(mast.x + half - inset, top);
            cloth.quadTo(mast.x + half + 1, (top + bottom) / 2, mast.x + half, bottom);
            cloth.lineTo(mast.x - half, bottom);
            cloth.quadTo(mast.x - half + 2, (top + bottom) / 2, mast.x - half + inset, top);
            cloth.closeSubpath();
            painter.drawPath(cloth);
        }
    }
    QPainterPath jib;
    jib.moveTo(52, 20);
    jib.lineTo(70, 52);
    jib.lineTo(56, 52);
    jib.closeSubpath();
    painter.drawPath(jib);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 20, 20));
    for (const Mast &mast : Masts) {
        painter.drawPolygon(QPolygonF({QPointF(mast.x, mast.top - 4), QPointF(mast.x + 6,
                                                                                mast.top - 2.5),
                                       QPointF(mast.x, mast.top - 1)}));
    }
    painter.setBrush(QColor(20, 20, 60, 140));
    painter.drawRect(QRectF(18, 68, 38, 1.5));
    painter.drawRect(QRectF(24, 71, 28, 1.5));
    painter.end();
    posterise(image, 5);
    frame(image);
    return image;
}

QImage starfield()
{
    QImage image = canvas(CardWidth, CardHeight, Qt::black);
    const Noise nebula(1901, 3, 4, 4);
    Dice dice(1902);
    eachPixel(image, [&](int x, int y, QRgb &pixel) {
        const float n = nebula.at(float(x) / W, float(y) / H);
        QRgb colour = mix(qRgb(0, 10, 18), qRgb(0, 62, 66), smoothstep(0.3f, 0.8f, n));
        const float star = dice.unit();
        const float tint = dice.unit();
        const QRgb hue = tint < 0.4f   ? qRgb(150, 255, 230)
                         : tint < 0.7f ? qRgb(150, 210, 255)
                                       : qRgb(255, 255, 255);
        if (star < 0.006f)
            colour = hue;
        else if (star < 0.07f)
            colour = mix(colour, hue, 0.2f + 0.4f * dice.unit());
        pixel = colour;
    });
    // A few bright stars with short rays.
    QPainter painter(&image);
    for (int i = 0; i < 7; ++i) {
        const int x = 4 + dice.below(CardWidth - 8);
        const int y = 4 + dice.below(CardHeight - 8);
        painter.setPen(QColor(120, 230, 220));
        painter.drawLine(x - 2, y, x + 2, y);
        painter.drawLine(x, y - 2, x, y + 2);
        painter.setPen(Qt::white);
        painter.drawLine(x - 1, y, x + 1, y);
        painter.drawLine(x, y - 1, x, y + 1);
    }
    painter.end();
    frame(image);
    return image;
}

QPainterPath skullOutline()
{
    QPainterPath skull;
    skull.addEllipse(QPointF(37.5, 40), 24, 25);
    QPainterPath jaw;
    jaw.moveTo(15.5, 44);
    jaw.cubicTo(15, 57, 19, 63, 23, 65);
    jaw.lineTo(25, 77);
    jaw.cubicTo(26, 83, 31, 85, 37.5, 85);
    jaw.cubicTo(44, 85, 49, 83, 50, 77);
    jaw.lineTo(52, 65);
    jaw.cubicTo(56, 63, 60, 57, 59.5, 44);
    jaw.closeSubpath();
    return skull.united(jaw);
}

} // namespace

namespace Artwork {

QImage skullPicture()
{
    static const QPainterPath skull = skullOutline();
    QImage image = canvas(CardWidth, CardHeight, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The electric glow around the skull, and sparks leaping off it.
    painter.save();
    painter.translate(37.5, 48);
    painter.scale(1.0, 1.25);
    QRadialGradient glow(0, 0, 36);
    glow.setColorAt(0.55, QColor(40, 170, 255, 230));
    glow.setColorAt(0.75, QColor(0, 90, 230, 110));
    glow.setColorAt(1.0, QColor(0, 40, 160, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(0, 0), 36, 36);
    painter.restore();
    Dice dice(1401);
    for (int spark = 0; spark < 7; ++spark) {
        const double angle = spark * 2.0 * std::numbers::pi / 7.0 + 0.3 + dice.unit() * 0.4;
        const QPointF out(std::cos(angle), std::sin(angle));
        const QPointF across(-out.y(), out.x());
        QPointF point(37.5 + out.x() * 25, 48 + out.y() * 32);
        QPainterPath bolt(point);
        for (int step = 0; step < 4; ++step) {
            const double swing = (step % 2 ? -1.0 : 1.0) * (1.5 + dice.unit() * 1.5);
            point += out * (2.5 + dice.unit() * 1.5) + across * swing;
            bolt.lineTo(point);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(60, 160, 255, 110), 2.4, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPath(bolt);
        painter.setPen(QPen(QColor(210, 250, 255), 0.8, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPath(bolt);
    }

    QLinearGradient chrome(0, 15, 0, 85);
    chrome.setColorAt(0.00, QColor(236, 242, 252));
    chrome.setColorAt(0.30, QColor(160, 172, 192));
    chrome.setColorAt(0.46, QColor(246, 250, 255));
    chrome.setColorAt(0.52, QColor(96, 108, 128));
    chrome.setColorAt(0.78, QColor(170, 182, 200));
    chrome.setColorAt(1.00, QColor(70, 78, 96));
    painter.setPen(QPen(QColor(16, 30, 60), 1.0));
    painter.setBrush(chrome);
    painter.drawPath(skull);
    QRadialGradient round(32, 30, 42);
    round.setColorAt(0.0, QColor(255, 255, 255, 60));
    round.setColorAt(0.6, QColor(0, 0, 0, 0));
    round.setColorAt(1.0, QColor(0, 10, 40, 150));
    painter.setPen(Qt::NoPen);
    painter.setBrush(round);
    painter.drawPath(skull);

    for (const double x : {28.0, 47.0}) {
        QRadialGradient socket(x, 49, 8);
        socket.setColorAt(0.0, QColor(190, 250, 255));
        socket.setColorAt(0.25, QColor(0, 160, 255));
        socket.setColorAt(0.6, QColor(0, 20, 60));
        socket.setColorAt(1.0, QColor(0, 0, 0));
        painter.setBrush(socket);
        painter.setPen(QPen(QColor(30, 40, 60), 0.8));
        painter.drawEllipse(QPointF(x, 48), 7.5, 7);
    }
    QPainterPath nose;
    nose.moveTo(37.5, 56);
    nose.cubicTo(35, 58, 33, 63, 34, 65);
    nose.lineTo(37.5, 63.5);
    nose.lineTo(41, 65);
    nose.cubicTo(42, 63, 40, 58, 37.5, 56);
    painter.setBrush(QColor(6, 10, 20));
    painter.drawPath(nose);

    QLinearGradient enamel(0, 68, 0, 82);
    enamel.setColorAt(0, QColor(250, 252, 255));
    enamel.setColorAt(1, QColor(150, 160, 176));
    painter.setBrush(enamel);
    painter.setPen(QPen(QColor(30, 36, 50), 0.8));
    painter.drawRoundedRect(QRectF(27.5, 68.5, 20, 12), 2, 2);
    painter.setPen(QPen(QColor(30, 36, 50), 0.8));
    painter.drawLine(QPointF(27.5, 74.5), QPointF(47.5, 74.5));
    for (double x = 30.5; x < 47; x += 3)
        painter.drawLine(QPointF(x, 68.5), QPointF(x, 80.5));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.save();
    painter.translate(28, 26);
    painter.rotate(-30);
    painter.drawEllipse(QPointF(0, 0), 7, 3);
    painter.restore();
    painter.end();
    return image;
}

QImage cardBack(int index)
{
    switch (index) {
    case 0:
        return gameDesign();
    case 1:
        return eveningSky();
    case 2:
        return tapestry();
    case 3:
        return apples();
    case 4: {
        QImage skull = skullPicture();
        frame(skull);
        return skull;
    }
    case 5:
        return granite();
    case 6:
        return starburst();
    case 7:
        return lavaLamp();
    case 8:
        return sailingShip();
    default:
        return starfield();
    }
}

} // namespace Artwork
