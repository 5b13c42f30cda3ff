#include "images/pictures.h"
#include "images/artwork.h"

#include <array>

// Start-up needs only one back, so every picture is painted the first time it is asked for.

const QPixmap &cardFace(int index)
{
    static std::array<QPixmap, FaceCount> faces;
    // The game takes card numbers from its spots' texts; a bad one shows a blank card.
    if (index < 0 || index >= FaceCount)
        return blankCard();
    QPixmap &face = faces[std::size_t(index)];
    if (face.isNull())
        face = QPixmap::fromImage(Artwork::cardFace(index / 13, index % 13 + 1));
    return face;
}

const QPixmap &cardBack(int index)
{
    static std::array<QPixmap, BackCount> backs;
    // A damaged back file can hold any index.
    if (index < 0 || index >= BackCount)
        return blankCard();
    QPixmap &back = backs[std::size_t(index)];
    if (back.isNull())
        back = QPixmap::fromImage(Artwork::cardBack(index));
    return back;
}

const QPixmap &blankCard()
{
    static const QPixmap blank = QPixmap::fromImage(Artwork::blankCard());
    return blank;
}

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon result;
        result.addPixmap(QPixmap::fromImage(Artwork::programIcon(32)));
        result.addPixmap(QPixmap::fromImage(Artwork::programIcon(16)));
        return result;
    }();
    return icon;
}

QIcon skullIcon()
{
    static const QIcon icon(QPixmap::fromImage(Artwork::skullIcon()));
    return icon;
}

QIcon heartIcon()
{
    static const QIcon icon = [] {
        QIcon result;
        result.addPixmap(QPixmap::fromImage(Artwork::heart(32)));
        result.addPixmap(QPixmap::fromImage(Artwork::heart(16)));
        return result;
    }();
    return icon;
}

const QPixmap &skullPicture()
{
    static const QPixmap skull = QPixmap::fromImage(Artwork::skullPicture());
    return skull;
}

const QPixmap &teamPhoto()
{
    static const QPixmap photo = QPixmap::fromImage(Artwork::teamPhoto());
    return photo;
}

const QPixmap &toolbarImage(ToolbarImage which)
{
    static std::array<QPixmap, 6> images;
    QPixmap &image = images[std::size_t(which)];
    if (image.isNull())
        image = QPixmap::fromImage(Artwork::toolbarImage(which));
    return image;
}
