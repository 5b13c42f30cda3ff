#include "images/artwork.h"
#include "images/brushwork.h"

#include <QPainter>
#include <QTransform>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <string_view>
#include <vector>

using namespace Brushwork;

// Icons are drawn pixel by pixel: shrunk vector art turns to mush at 16 and 32 pixels.

namespace {

struct Glyph
{
    char letter;
    std::array<std::string_view, 5> rows;
};

// The game's name in a 5-pixel-high hand-set alphabet.
constexpr std::array<Glyph, 7> NameGlyphs = {{
    {'V', {"X.X", "X.X", "X.X", ".X.", ".X."}},
    {'O', {"XXX", "X.X", "X.X", "X.X", "XXX"}},
    {'R', {"XX.", "X.X", "XX.", "X.X", "X.X"}},
    {'L', {"X..", "X..", "X..", "X..", "XXX"}},
    {'I', {"X", "X", "X", "X", "X"}},
    {'N', {"X..X", "XX.X", "X.XX", "X..X", "X..X"}},
    {'A', {".X.", "X.X", "XXX", "X.X", "X.X"}},
}};

void paintName(QImage &image, int top)
{
    int width = -1;
    for (const Glyph &glyph : NameGlyphs)
        width += int(glyph.rows[0].size()) + 1;
    // A clear cyan band keeps the letters clear of the magenta dots.
    int x = (image.width() - width) / 2;
    for (int y = top - 1; y <= top + 5; ++y) {
        for (int col = x - 1; col <= x + width; ++col)
            image.setPixel(col, y, qRgb(0, 255, 255));
    }
    for (const Glyph &glyph : NameGlyphs) {
        for (int row = 0; row < 5; ++row) {
            for (std::size_t col = 0; col < glyph.rows[std::size_t(row)].size(); ++col) {
                if (glyph.rows[std::size_t(row)][col] == 'X')
                    image.setPixel(x + int(col), top + row, qRgb(0, 0, 0));
            }
        }
        x += int(glyph.rows[0].size()) + 1;
    }
}

// An arrow of whole pixels pointing up from row top: a head widening by one pixel a side
// per row, then a shaft; flipped, it points down towards the bottom row.
void paintArrows(QImage &image, int top, int headRows, int shaftRows, int shaftHalf)
{
    const int size = image.width();
    std::vector<bool> arrow(std::size_t(size * size), false);
    auto mark = [&](int y, int half) {
        for (int x = size / 2 - half; x < size / 2 + half; ++x) {
            arrow[std::size_t(y * size + x)] = true;
            arrow[std::size_t((size - 1 - y) * size + x)] = true;
        }
    };
    for (int row = 0; row < headRows; ++row)
        mark(top + row, row + 1);
    for (int row = 0; row < shaftRows; ++row)
        mark(top + headRows + row, shaftHalf);

    auto in = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < size && y < size && arrow[std::size_t(y * size + x)];
    };
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (!in(x, y))
                continue;
            const bool edge = !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1);
            const bool lit = x < size / 2 && !edge;
            image.setPixel(x, y, edge ? qRgb(140, 0, 0) : lit ? qRgb(255, 60, 50)
                                                              : qRgb(220, 0, 0));
        }
    }
}

// '#' metal, 'o' eye socket, 'c' the glow in the eyes, '-' the dark of nose and teeth.
constexpr std::array<std::string_view, 16> SkullPixels = {
    "................",
    ".....######.....",
    "...##########...",
    "..############..",
    ".##############.",
    ".##############.",
    ".###ooo##ooo###.",
    ".##occo##occo##.",
    ".##oooo##oooo##.",
    "..###oo##oo###..",
    "...####--####...",
    "....###--###....",
    "....########....",
    "....##-##-##....",
    ".....######.....",
    "................",
};

} // namespace

namespace Artwork {

QImage programIcon(int size)
{
    QImage image = canvas(size, size, QColor(0, 255, 255));
    Dice dice(size == 32 ? 1032 : 1016);
    eachPixel(image, [&](int, int, QRgb &pixel) {
        if (dice.unit() < 0.16f)
            pixel = qRgb(255, 0, 255);
    });
    if (size >= 32) {
        paintArrows(image, 2, 7, 3, 3);
        paintName(image, 13);
    } else {
        paintArrows(image, 1, 4, 2, 1);
        // Too small for letters: a dark line of text.
        for (int x = 3; x < 13; ++x) {
            if (x != 6 && x != 9)
                image.setPixel(x, 7, qRgb(0, 0, 0));
            image.setPixel(x, 8, qRgb(0, 255, 255));
        }
    }
    frame(image);
    return image;
}

QImage skullIcon()
{
    QImage image = canvas(16, 16, Qt::black);
    auto bone = [](int x, int y) {
        return x >= 0 && y >= 0 && x < 16 && y < 16
               && SkullPixels[std::size_t(y)][std::size_t(x)] != '.';
    };
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const char c = SkullPixels[std::size_t(y)][std::size_t(x)];
            QRgb colour = qRgb(0, 0, 0);
            if (c == '#') {
                // Metal lit from the top left.
                const float light = 1.0f - float(x + y) / 30.0f;
                colour = mix(qRgb(90, 100, 124), qRgb(246, 250, 255), light);
            } else if (c == 'c') {
                colour = qRgb(150, 240, 255);
            } else if (c == 'o') {
                colour = qRgb(0, 50, 140);
            } else if (c == '-') {
                colour = qRgb(20, 24, 40);
            } else {
                int near = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx)
                        near += bone(x + dx, y + dy) ? 1 : 0;
                }
                if (near > 0)
                    colour = mix(qRgb(0, 40, 110), qRgb(0, 130, 255), float(near) / 4.0f);
            }
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

QImage heart(int size)
{
    QImage image = clearCanvas(size, size);
    // Inset a little, so the outline stays inside the icon.
    const QPainterPath path =
        QTransform::fromTranslate(2, 2).scale(0.96, 0.96).map(heartPath());

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);
    QRadialGradient fill(32, 30, 70);
    fill.setColorAt(0.0, QColor(255, 130, 120));
    fill.setColorAt(0.35, QColor(240, 20, 20));
    fill.setColorAt(1.0, QColor(150, 0, 0));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(110, 0, 0), 100.0 / size));
    painter.drawPath(path);
    return image;
}

} // namespace Artwork
