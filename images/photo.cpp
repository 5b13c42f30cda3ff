#include "images/artwork.h"
#include "images/brushwork.h"
#include "runtime/forms.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

using namespace Brushwork;

namespace {

constexpr int PhotoWidth = 300;
constexpr int PhotoHeight = 208;
constexpr double Floor = 128;

enum class Hair { Short, Long, Bald, Curly };

struct Person
{
    double x, headY;
    QColor skin, hair, shirt;
    Hair style;
};

// The team, left to right; the heads stand at different heights like a real group.
const Person Team[] = {
    {40, 50, QColor(240, 200, 170), QColor(90, 50, 20), QColor(200, 30, 40), Hair::Short},
    {95, 44, QColor(200, 150, 110), QColor(30, 20, 15), QColor(30, 90, 190), Hair::Curly},
    {150, 52, QColor(250, 215, 185), QColor(230, 190, 90), QColor(240, 180, 20), Hair::Long},
    {205, 42, QColor(150, 100, 70), QColor(20, 15, 10), QColor(30, 150, 80), Hair::Bald},
    {260, 49, QColor(235, 190, 160), QColor(150, 60, 30), QColor(130, 50, 170), Hair::Long},
};

void paintRoom(QPainter &painter)
{
    QLinearGradient wall(0, 0, 0, Floor);
    wall.setColorAt(0, QColor(34, 46, 80));
    wall.setColorAt(1, QColor(86, 98, 140));
    painter.fillRect(QRectF(0, 0, PhotoWidth, Floor), wall);
    // A strip of lights above the lanes.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 10; ++i) {
        QRadialGradient lamp(15 + i * 30, 12, 14);
        lamp.setColorAt(0, QColor(255, 240, 200, 200));
        lamp.setColorAt(1, QColor(255, 240, 200, 0));
        painter.setBrush(lamp);
        painter.drawEllipse(QPointF(15 + i * 30, 12), 14, 14);
    }
    painter.fillRect(QRectF(0, Floor - 14, PhotoWidth, 14), QColor(40, 30, 30));
    painter.fillRect(QRectF(0, Floor - 14, PhotoWidth, 2), QColor(200, 60, 60));

    QLinearGradient wood(0, Floor, 0, PhotoHeight);
    wood.setColorAt(0, QColor(190, 140, 80));
    wood.setColorAt(1, QColor(120, 75, 40));
    painter.fillRect(QRectF(0, Floor, PhotoWidth, PhotoHeight - Floor), wood);
    // Lane boards run towards a point far behind the team.
    painter.setPen(QPen(QColor(90, 55, 30, 120), 1.0));
    for (int i = -6; i <= 16; ++i) {
        const double bottom = i * 30.0;
        painter.drawLine(QPointF(150 + (bottom - 150) * 0.35, Floor),
                         QPointF(bottom, PhotoHeight));
    }
}

void paintPerson(QPainter &painter, const Person &p)
{
    const QPen outline(p.shirt.darker(250), 1.0);
    QLinearGradient cloth(p.x - 22, 0, p.x + 22, 0);
    cloth.setColorAt(0, p.shirt.darker(140));
    cloth.setColorAt(0.4, p.shirt.lighter(120));
    cloth.setColorAt(1, p.shirt.darker(160));

    // Arms first, so the body overlaps them at the shoulders.
    painter.setPen(outline);
    painter.setBrush(cloth);
    for (const double side : {-1.0, 1.0}) {
        QPainterPath arm;
        arm.moveTo(p.x + side * 16, p.headY + 18);
        arm.cubicTo(p.x + side * 28, p.headY + 22, p.x + side * 29, p.headY + 50,
                    p.x + side * 27, p.headY + 66);
        arm.lineTo(p.x + side * 20, p.headY + 66);
        arm.lineTo(p.x + side * 17, p.headY + 32);
        arm.closeSubpath();
        painter.drawPath(arm);
        painter.setPen(QPen(p.skin.darker(150), 0.8));
        painter.setBrush(p.skin);
        painter.drawEllipse(QPointF(p.x + side * 23.5, p.headY + 69), 4, 5);
        painter.setPen(outline);
        painter.setBrush(cloth);
    }
    for (const double side : {-1.0, 1.0}) {
        const double left = side < 0 ? p.x - 15 : p.x + 1.5;
        painter.setBrush(QColor(44, 44, 60));
        painter.setPen(QPen(QColor(15, 15, 20), 1.0));
        painter.drawRect(QRectF(left, p.headY + 80, 13.5, 172 - (p.headY + 80)));
        painter.setBrush(QColor(20, 14, 12));
        painter.drawRoundedRect(QRectF(left - 1 + (side > 0 ? 2 : -2), 170, 15, 6), 3, 3);
    }
    painter.setPen(outline);
    painter.setBrush(cloth);
    painter.drawRoundedRect(QRectF(p.x - 19, p.headY + 14, 38, 72), 9, 9);
    // A bowling shirt: a stripe down each side of the buttons, and an open collar.
    painter.setPen(QPen(QColor(255, 255, 255, 170), 2.0));
    painter.drawLine(QPointF(p.x - 6, p.headY + 24), QPointF(p.x - 6, p.headY + 84));
    painter.drawLine(QPointF(p.x + 6, p.headY + 24), QPointF(p.x + 6, p.headY + 84));
    painter.setPen(Qt::NoPen);
    painter.setBrush(p.skin);
    painter.drawPolygon(QPolygonF({QPointF(p.x - 5, p.headY + 13), QPointF(p.x + 5, p.headY + 13),
                                   QPointF(p.x, p.headY + 24)}));
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(150, 150, 150), 0.6));
    painter.drawPolygon(QPolygonF({QPointF(p.x - 6, p.headY + 14), QPointF(p.x, p.headY + 24),
                                   QPointF(p.x - 11, p.headY + 20)}));
    painter.drawPolygon(QPolygonF({QPointF(p.x + 6, p.headY + 14), QPointF(p.x, p.headY + 24),
                                   QPointF(p.x + 11, p.headY + 20)}));

    const QPointF head(p.x, p.headY);
    if (p.style == Hair::Long) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(p.hair.darker(115));
        painter.drawRoundedRect(QRectF(p.x - 13, p.headY - 12, 26, 30), 10, 10);
    }
    QRadialGradient face(p.x - 3, p.headY - 4, 16);
    face.setColorAt(0, p.skin.lighter(112));
    face.setColorAt(1, p.skin.darker(125));
    painter.setPen(QPen(p.skin.darker(170), 0.8));
    painter.setBrush(face);
    painter.drawEllipse(head, 10.5, 12.5);

    painter.setPen(Qt::NoPen);
    painter.setBrush(p.hair);
    switch (p.style) {
    case Hair::Short:
    case Hair::Long: {
        QPainterPath cap;
        cap.moveTo(p.x - 11, p.headY - 1);
        cap.cubicTo(p.x - 12, p.headY - 16, p.x + 12, p.headY - 16, p.x + 11, p.headY - 1);
        cap.cubicTo(p.x + 6, p.headY - 8, p.x - 4, p.headY - 9, p.x - 11, p.headY - 1);
        painter.drawPath(cap);
        break;
    }
    case Hair::Curly:
        for (int i = 0; i < 7; ++i) {
            const double a = 3.3 + i * 0.5;
            painter.drawEllipse(QPointF(p.x + std::cos(a) * 10, p.headY - 3 + std::sin(a) * 10),
                                4.5, 4.5);
        }
        break;
    case Hair::Bald:
        painter.setPen(QPen(p.hair, 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(p.x - 10.5, p.headY - 12.5, 21, 25), 150 * 16, 50 * 16);
        painter.drawArc(QRectF(p.x - 10.5, p.headY - 12.5, 21, 25), -20 * 16, 50 * 16);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 90));
        painter.drawEllipse(QPointF(p.x - 3, p.headY - 8), 4, 2);
        break;
    }

    painter.setBrush(QColor(30, 20, 20));
    painter.drawEllipse(QPointF(p.x - 4, p.headY + 1), 1.3, 1.5);
    painter.drawEllipse(QPointF(p.x + 4, p.headY + 1), 1.3, 1.5);
    painter.setPen(QPen(QColor(140, 40, 40), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(p.x - 4.5, p.headY + 2, 9, 6), 200 * 16, 140 * 16);
}

QPainterPath pinPath(double x, double bottom)
{
    QPainterPath pin;
    pin.moveTo(x - 3.5, bottom);
    pin.cubicTo(x - 8, bottom - 8, x - 8, bottom - 18, x - 3, bottom - 24);
    pin.cubicTo(x - 2, bottom - 26, x - 3.5, bottom - 29, x - 3.5, bottom - 32);
    pin.cubicTo(x - 3.5, bottom - 37, x + 3.5, bottom - 37, x + 3.5, bottom - 32);
    pin.cubicTo(x + 3.5, bottom - 29, x + 2, bottom - 26, x + 3, bottom - 24);
    pin.cubicTo(x + 8, bottom - 18, x + 8, bottom - 8, x + 3.5, bottom);
    pin.closeSubpath();
    return pin;
}

void paintPin(QPainter &painter, double x, double bottom)
{
    QLinearGradient white(x - 8, 0, x + 8, 0);
    white.setColorAt(0, QColor(200, 200, 205));
    white.setColorAt(0.35, QColor(255, 255, 255));
    white.setColorAt(1, QColor(170, 170, 180));
    const QPainterPath pin = pinPath(x, bottom);
    painter.setPen(QPen(QColor(90, 90, 100), 0.8));
    painter.setBrush(white);
    painter.drawPath(pin);
    painter.save();
    painter.setClipPath(pin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(210, 20, 20));
    painter.drawRect(QRectF(x - 8, bottom - 27.5, 16, 1.6));
    painter.drawRect(QRectF(x - 8, bottom - 24.8, 16, 1.6));
    painter.restore();
}

void paintBall(QPainter &painter, double x, double y, QColor colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawEllipse(QPointF(x + 2, y + 11), 11, 3);
    QRadialGradient shine(x - 4, y - 5, 15);
    shine.setColorAt(0, colour.lighter(220));
    shine.setColorAt(0.3, colour);
    shine.setColorAt(1, colour.darker(300));
    painter.setPen(QPen(colour.darker(400), 0.8));
    painter.setBrush(shine);
    painter.drawEllipse(QPointF(x, y), 11.5, 11.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(10, 10, 10));
    painter.drawEllipse(QPointF(x - 3, y - 4), 1.6, 1.6);
    painter.drawEllipse(QPointF(x + 2, y - 4.5), 1.6, 1.6);
    painter.drawEllipse(QPointF(x - 0.5, y + 1.5), 2.0, 2.0);
}

void paintFrontRow(QPainter &painter)
{
    const QColor balls[] = {QColor(20, 40, 160), QColor(180, 20, 30), QColor(20, 120, 60),
                            QColor(110, 30, 150), QColor(30, 30, 35)};
    int ball = 0;
    // Ball, pin, pin, ball ... along the front.
    for (int i = 0; i < 13; ++i) {
        const double x = 14 + i * 22.6;
        if (i % 3 == 0)
            paintBall(painter, x, 170, balls[ball++ % 5]);
        else
            paintPin(painter, x, 183);
    }
}

void paintCaption(QPainter &painter)
{
    QFont font = formsFont(Face::FuturaMdBT, 14.0, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2.0);
    painter.setFont(font);
    const QRectF line(0, 186, PhotoWidth, 20);
    painter.setPen(QColor(40, 0, 0, 180));
    painter.drawText(line.translated(1, 1), Qt::AlignCenter, QStringLiteral("VORLINA TEAM"));
    painter.setPen(QColor(235, 30, 30));
    painter.drawText(line, Qt::AlignCenter, QStringLiteral("VORLINA TEAM"));
}

// Flash falloff at the corners and a little film grain.
void develop(QImage &image)
{
    Dice grain(2101);
    eachPixel(image, [&](int x, int y, QRgb &pixel) {
        const float dx = (float(x) - 150.0f) / 150.0f;
        const float dy = (float(y) - 90.0f) / 120.0f;
        const float vignette = 1.05f - 0.35f * (dx * dx + dy * dy);
        pixel = scaled(pixel, vignette * (0.95f + 0.1f * grain.unit()));
    });
}

} // namespace

namespace Artwork {

QImage teamPhoto()
{
    QImage image = canvas(PhotoWidth, PhotoHeight, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintRoom(painter);
    for (const Person &person : Team)
        paintPerson(painter, person);
    QLinearGradient floorFront(0, 150, 0, PhotoHeight);
    floorFront.setColorAt(0, QColor(0, 0, 0, 0));
    floorFront.setColorAt(1, QColor(0, 0, 0, 150));
    painter.fillRect(QRectF(0, 150, PhotoWidth, PhotoHeight - 150), floorFront);
    paintFrontRow(painter);
    painter.end();
    develop(image);
    // The caption is printed on, not photographed.
    painter.begin(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintCaption(painter);
    return image;
}

} // namespace Artwork
