#include "images/artwork.h"
#include "images/brushwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int Size = 24;

QPolygonF leftArrow()
{
    return QPolygonF({{2.5, 12}, {11.5, 3.5}, {11.5, 8.5}, {21.5, 8.5}, {21.5, 15.5},
                      {11.5, 15.5}, {11.5, 20.5}});
}

void paintArrow(QPainter &painter, bool right)
{
    QPolygonF arrow = leftArrow();
    if (right)
        arrow = QTransform(-1, 0, 0, 1, Size, 0).map(arrow);
    QLinearGradient fill(0, 4, 0, 20);
    fill.setColorAt(0, QColor(170, 255, 255));
    fill.setColorAt(0.5, QColor(0, 240, 250));
    fill.setColorAt(1, QColor(0, 170, 190));
    painter.setBrush(fill);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolygon(arrow);
}

void paintStop(QPainter &painter)
{
    QRadialGradient fill(9, 8, 13);
    fill.setColorAt(0, QColor(255, 110, 100));
    fill.setColorAt(0.5, QColor(230, 10, 10));
    fill.setColorAt(1, QColor(160, 0, 0));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(90, 0, 0), 1.0));
    painter.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    painter.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, 8), QPointF(16, 16));
    painter.drawLine(QPointF(16, 8), QPointF(8, 16));
}

void paintChasingArrow(QPainter &painter, double startDegrees)
{
    const QRectF circle(8, 10, 9, 9);
    QPainterPath arc;
    arc.arcMoveTo(circle, startDegrees);
    arc.arcTo(circle, startDegrees, 130);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 150, 0), 2.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(arc);

    // The head points along the circle at the arc's end.
    const QPointF tip = arc.pointAtPercent(1.0);
    const double angle = -arc.angleAtPercent(1.0);
    QTransform turn;
    turn.translate(tip.x(), tip.y());
    turn.rotate(angle);
    const QPolygonF head = turn.map(QPolygonF({{2.5, 0}, {-1.5, -3}, {-1.5, 3}}));
    painter.setPen(QPen(QColor(0, 70, 0), 0.6));
    painter.setBrush(QColor(0, 190, 0));
    painter.drawPolygon(head);
}

void paintRefresh(QPainter &painter)
{
    QPainterPath sheet;
    sheet.moveTo(4.5, 1.5);
    sheet.lineTo(14.5, 1.5);
    sheet.lineTo(19.5, 6.5);
    sheet.lineTo(19.5, 22.5);
    sheet.lineTo(4.5, 22.5);
    sheet.closeSubpath();
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    painter.setBrush(QColor(200, 200, 200));
    painter.drawPolygon(QPolygonF({{14.5, 1.5}, {14.5, 6.5}, {19.5, 6.5}}));
    paintChasingArrow(painter, 20);
    paintChasingArrow(painter, 200);
}

void paintHome(QPainter &painter)
{
    const QPen outline(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(outline);
    painter.setBrush(QColor(220, 0, 0));
    painter.drawRect(QRectF(15.5, 3.5, 3, 6));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(5.5, 11.5, 13, 10));
    painter.setBrush(QColor(255, 220, 0));
    painter.drawPolygon(QPolygonF({{2.5, 12.5}, {12, 3}, {21.5, 12.5}}));
    painter.drawRect(QRectF(9.5, 14.5, 4, 7));
    painter.setBrush(QColor(120, 190, 255));
    painter.drawRect(QRectF(14.5, 14.5, 2, 2));
}

void paintSearch(QPainter &painter)
{
    const QPointF centre(10, 10);
    QRadialGradient ocean(7, 7, 10);
    ocean.setColorAt(0, QColor(130, 190, 255));
    ocean.setColorAt(1, QColor(0, 60, 200));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ocean);
    painter.drawEllipse(centre, 8, 8);

    QPainterPath globe;
    globe.addEllipse(centre, 8, 8);
    painter.save();
    painter.setClipPath(globe);
    painter.setBrush(QColor(30, 170, 40));
    QPainterPath land;
    land.moveTo(3, 6);
    land.cubicTo(6, 2, 10, 4, 9, 8);
    land.cubicTo(8, 11, 5, 12, 6, 16);
    land.cubicTo(3, 14, 1, 10, 3, 6);
    land.moveTo(12, 3);
    land.cubicTo(16, 3, 19, 8, 17, 11);
    land.cubicTo(15, 14, 12, 10, 13, 8);
    land.cubicTo(11, 6, 10, 4, 12, 3);
    painter.drawPath(land);
    painter.restore();
    painter.setPen(QPen(QColor(0, 30, 90), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 8, 8);

    painter.setPen(QPen(Qt::black, 4.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(18, 18), QPointF(21.5, 21.5));
    painter.setPen(QPen(QColor(220, 20, 20), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(18, 18), QPointF(21.5, 21.5));
    painter.setPen(QPen(QColor(40, 40, 40), 1.8));
    painter.setBrush(QColor(220, 240, 255, 110));
    painter.drawEllipse(QPointF(14.5, 14.5), 5, 5);
}

} // namespace

namespace Artwork {

QImage toolbarImage(ToolbarImage which)
{
    // The toolbar treats this grey as transparent.
    QImage image = Brushwork::canvas(Size, Size, QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case ToolbarImage::Back:
        paintArrow(painter, false);
        break;
    case ToolbarImage::Forward:
        paintArrow(painter, true);
        break;
    case ToolbarImage::Stop:
        paintStop(painter);
        break;
    case ToolbarImage::Refresh:
        paintRefresh(painter);
        break;
    case ToolbarImage::Home:
        paintHome(painter);
        break;
    case ToolbarImage::Search:
        paintSearch(painter);
        break;
    }
    return image;
}

} // namespace Artwork
