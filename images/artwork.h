#pragma once

#include "images/pictures.h"

#include <QImage>
#include <QPainterPath>

// The painters behind the stores of pictures.h; each call paints its picture afresh.
namespace Artwork {

// The heart of the faces, in a 100 x 100 box; the menu's icon is the same heart.
QPainterPath heartPath();

QImage blankCard();
// suit 0 .. 3 (spades, hearts, clubs, diamonds), rank 1 .. 13.
QImage cardFace(int suit, int rank);
QImage cardBack(int index);

// The program icon, painted pixel by pixel for 32 and 16.
QImage programIcon(int size);
// The skull art of back 4 without the frame, on its dark ground.
QImage skullPicture();
QImage skullIcon();
QImage heart(int size);
QImage teamPhoto();
QImage toolbarImage(ToolbarImage which);

} // namespace Artwork
