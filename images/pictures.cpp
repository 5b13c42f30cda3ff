#include "images/pictures.h"

#include <QPainter>

#include <array>

namespace {

QPixmap plainCard(const QColor &fill, const QString &text)
{
    QPixmap pixmap(CardWidth, CardHeight);
    pixmap.fill(fill);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, CardWidth - 1, CardHeight - 1);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
    return pixmap;
}

} // namespace

const QPixmap &cardFace(int index)
{
    static std::array<QPixmap, FaceCount> faces;
    Q_ASSERT(index >= 0 && index < FaceCount);
    if (faces[index].isNull())
        faces[index] = plainCard(Qt::white, QString::number(index));
    return faces[index];
}

const QPixmap &cardBack(int index)
{
    static std::array<QPixmap, BackCount> backs;
    Q_ASSERT(index >= 0 && index < BackCount);
    if (backs[index].isNull())
        backs[index] = plainCard(Qt::cyan, QString::number(index));
    return backs[index];
}

const QPixmap &blankCard()
{
    static const QPixmap blank = plainCard(Qt::white, QString());
    return blank;
}

QIcon programIcon()
{
    return QIcon(cardBack(0).scaled(32, 32));
}

QIcon skullIcon()
{
    return QIcon(cardBack(4).scaled(16, 16));
}

QIcon heartIcon()
{
    return QIcon(cardBack(1).scaled(32, 32));
}

const QPixmap &skullPicture()
{
    return cardBack(4);
}

const QPixmap &teamPhoto()
{
    static const QPixmap photo = plainCard(Qt::gray, QString()).scaled(300, 208);
    return photo;
}

const QPixmap &toolbarImage(ToolbarImage which)
{
    static std::array<QPixmap, 6> images;
    QPixmap &image = images[int(which)];
    if (image.isNull()) {
        image = QPixmap(24, 24);
        image.fill(Qt::lightGray);
    }
    return image;
}
