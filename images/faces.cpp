#include "images/artwork.h"
#include "images/brushwork.h"
#include "runtime/forms.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

constexpr std::array<const char *, 13> RankWords = {
    "ACE", "2", "3", "4", "5", "6", "7", "8", "9", "10", "JACK", "QUEEN", "KING"};

constexpr QRgb SuitRed = qRgb(214, 0, 18);
constexpr QRgb SuitBlack = qRgb(0, 0, 0);
// The word must stay clear of the frame, and of the next row of cards, which leaves only
// the top 40 pixels of a covered card in sight.
constexpr int WordMargin = 4;
constexpr int WordTop = 4;
constexpr int WordHeight = 20;
constexpr QRectF SymbolBox(14.5, 33.0, 46.0, 50.0);

// Each suit drawn in a 100 x 100 box.
QPainterPath diamondPath()
{
    QPainterPath path;
    path.moveTo(50, 0);
    path.quadTo(66, 28, 90, 50);
    path.quadTo(66, 72, 50, 100);
    path.quadTo(34, 72, 10, 50);
    path.quadTo(34, 28, 50, 0);
    path.closeSubpath();
    return path;
}

QPainterPath spadePath()
{
    QPainterPath path;
    path.moveTo(50, 0);
    path.cubicTo(62, 22, 100, 38, 100, 62);
    path.cubicTo(100, 76, 90, 84, 78, 84);
    path.cubicTo(66, 84, 57, 77, 53, 70);
    path.cubicTo(54, 84, 60, 94, 70, 100);
    path.lineTo(30, 100);
    path.cubicTo(40, 94, 46, 84, 47, 70);
    path.cubicTo(43, 77, 34, 84, 22, 84);
    path.cubicTo(10, 84, 0, 76, 0, 62);
    path.cubicTo(0, 38, 38, 22, 50, 0);
    path.closeSubpath();
    return path;
}

QPainterPath clubPath()
{
    QPainterPath path;
    for (const QPointF leaf : {QPointF(50, 24), QPointF(24, 60), QPointF(76, 60)}) {
        QPainterPath circle;
        circle.addEllipse(leaf, 23, 23);
        path = path.united(circle);
    }
    QPainterPath middle;
    middle.addEllipse(QPointF(50, 50), 14, 14);
    path = path.united(middle);
    QPainterPath stem;
    stem.moveTo(45, 40);
    stem.lineTo(55, 40);
    stem.lineTo(55, 56);
    stem.cubicTo(54, 78, 58, 92, 70, 100);
    stem.lineTo(30, 100);
    stem.cubicTo(42, 92, 46, 78, 45, 56);
    stem.closeSubpath();
    return path.united(stem);
}

QPainterPath suitPath(int suit)
{
    switch (suit) {
    case 0:
        return spadePath();
    case 1:
        return Artwork::heartPath();
    case 2:
        return clubPath();
    default:
        return diamondPath();
    }
}

// One size for every word, the largest at which the widest still fits between the margins.
QFont rankFont()
{
    const int room = CardWidth - 2 * WordMargin;
    for (double points = 13.5;; points -= 0.5) {
        QFont font = formsFont(Face::FuturaMdBT, points, true);
        const QFontMetrics metrics(font);
        bool fits = metrics.height() <= WordHeight + 4;
        for (const char *word : RankWords)
            fits = fits && metrics.horizontalAdvance(QLatin1String(word)) <= room;
        if (fits || points <= 6.0)
            return font;
    }
}

} // namespace

namespace Artwork {

QPainterPath heartPath()
{
    QPainterPath path;
    path.moveTo(50, 98);
    path.cubicTo(40, 82, 0, 60, 0, 28);
    path.cubicTo(0, 10, 12, 0, 26, 0);
    path.cubicTo(38, 0, 47, 8, 50, 20);
    path.cubicTo(53, 8, 62, 0, 74, 0);
    path.cubicTo(88, 0, 100, 10, 100, 28);
    path.cubicTo(100, 60, 60, 82, 50, 98);
    path.closeSubpath();
    return path;
}

QImage blankCard()
{
    QImage image = Brushwork::canvas(CardWidth, CardHeight, Qt::white);
    Brushwork::frame(image);
    return image;
}

QImage cardFace(int suit, int rank)
{
    static const QFont font = rankFont();
    static const std::array<QPainterPath, 4> suits = {suitPath(0), suitPath(1), suitPath(2),
                                                       suitPath(3)};
    QImage image = blankCard();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.setFont(font);
    painter.setPen(QColor(SuitBlack));
    painter.drawText(QRectF(0, WordTop, CardWidth, WordHeight), Qt::AlignHCenter | Qt::AlignTop,
                     QLatin1String(RankWords[std::size_t(rank - 1)]));

    const bool red = suit == 1 || suit == 3;
    painter.translate(SymbolBox.topLeft());
    painter.scale(SymbolBox.width() / 100.0, SymbolBox.height() / 100.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(red ? SuitRed : SuitBlack));
    painter.drawPath(suits[std::size_t(suit)]);
    return image;
}

} // namespace Artwork
