#pragma once

#include <QIcon>
#include <QPixmap>

// Every picture the program shows, painted once on first use and then shared.

constexpr int CardWidth = 75;
constexpr int CardHeight = 100;
constexpr int FaceCount = 52;
constexpr int BackCount = 10;

// Face k shows card number k + 1: 13 x suit + rank - 1, suits spades, hearts, clubs, diamonds.
const QPixmap &cardFace(int index);
// Back 0 is the game's own design.
const QPixmap &cardBack(int index);
// The blank white card with a thin black border that spots show before start-up paints them.
const QPixmap &blankCard();

// The program icon: 32 x 32, back 0 in miniature.
QIcon programIcon();
// 16 x 16 miniature of back 4, the glowing skull.
QIcon skullIcon();
// The red heart of the menu, 32 x 32 and 16 x 16.
QIcon heartIcon();
// The glowing metallic skull on a dark ground, 75 x 100.
const QPixmap &skullPicture();
// The group photograph of the picture screen, 300 x 208.
const QPixmap &teamPhoto();

// The six 24 x 24 toolbar images of the web page window, on the light grey mask colour.
enum class ToolbarImage { Back, Forward, Stop, Refresh, Home, Search };
const QPixmap &toolbarImage(ToolbarImage which);
