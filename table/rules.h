#pragma once

#include <array>
#include <cstdint>

constexpr int TableauSize = 26;
// Spots 0 .. 22 are counted for a cleared tableau; 23, 24 and 25 cover some of them.
constexpr int CountedSpots = 23;
constexpr int PeakBonus = 1000;
constexpr int RunStep = 100;
constexpr int TimeBonusPerSecond = 50;
constexpr int CardBonusPerCard = 100;
constexpr int BonusRoundScore = 11999; // the bonus round needs more than this after round 2
constexpr int PictureScore = 11000;

// The spots that lie on each tableau spot; -1 where there is none.
struct Cover
{
    int first, second;
};

constexpr std::array<Cover, TableauSize> CoveredBy = {{
    {2, 3},   {4, 5},                                                   // row 0: the peaks
    {6, 7},   {7, 8},   {9, 10},  {10, 11},                             // row 1
    {12, 13}, {13, 14}, {14, 15}, {15, 16}, {16, 17}, {17, 18},         // row 2
    {19, -1}, {19, 20}, {20, 21}, {21, 22}, {22, 23}, {23, 24}, {24, -1}, // row 3
    {-1, -1}, {-1, -1}, {25, -1}, {25, -1}, {-1, -1}, {-1, -1},         // row 4
    {-1, -1},                                                           // row 5
}};

// The rank 1 .. 13 of a card number; values of 13 and below are left as they are.
constexpr std::int16_t rankOf(std::int16_t cardNum)
{
    if (cardNum >= 40)
        return std::int16_t(cardNum - 39);
    if (cardNum >= 27)
        return std::int16_t(cardNum - 26);
    if (cardNum >= 14 && cardNum <= 26)
        return std::int16_t(cardNum - 13);
    return cardNum;
}

// A card of rank clicked may go onto a face-up card of rank faceUp: one apart, ace next to king.
constexpr bool playsOnto(double faceUp, double clicked)
{
    return faceUp + 1 == clicked || faceUp - 1 == clicked || faceUp - 12 == clicked
           || faceUp + 12 == clicked;
}
