#pragma once

#include "images/pictures.h"
#include "runtime/scriptedruntime.h"
#include "table/frmvorlina.h"
#include "table/tablelinks.h"

#include <QList>

#include <array>
#include <numeric>

using DeckOrder = std::array<int, 52>;

// Random values that make the shuffle draw exactly these card numbers, Deck(1) first.
inline void scriptDeck(ScriptedRuntime &rt, const DeckOrder &deck)
{
    for (const int card : deck)
        rt.randomValues.enqueue(static_cast<float>((card - 0.5) / 52.0));
}

inline DeckOrder inOrderDeck()
{
    DeckOrder deck;
    std::iota(deck.begin(), deck.end(), 1);
    return deck;
}

// A deck whose tableau can be cleared in one run, playing spots 25, 24, ..., 0 in turn: the
// face-up card is an ace and each card played is one rank above the one before.
inline DeckOrder clearableDeck()
{
    std::array<int, 14> suitsUsed{};
    auto take = [&suitsUsed](int rank) { return suitsUsed[rank]++ * 13 + rank; };
    DeckOrder deck{};
    deck[26] = take(1);
    for (int spot = 25; spot >= 0; --spot) {
        const int played = 25 - spot;
        deck[spot] = take((played + 1) % 13 + 1);
    }
    std::array<bool, 53> used{};
    for (int i = 0; i < 27; ++i)
        used[deck[i]] = true;
    int next = 27;
    for (int card = 1; card <= 52; ++card) {
        if (!used[card])
            deck[next++] = card;
    }
    return deck;
}

// The points of a run of n cards without peaks.
constexpr int runPoints(int n)
{
    return 50 * n * (n + 1);
}

class FakeLinks : public TableLinks
{
public:
    void LoadNames() override { ++loadNames; }
    void showMenu() override { ++menus; }
    void showScores() override { ++scoreWindows; }
    void HighScores(qint32 &score, qint32 &highScore) override
    {
        offered << score;
        if (score > highScore)
            highScore = score;
    }

    int loadNames = 0;
    int menus = 0;
    int scoreWindows = 0;
    QList<qint32> offered;
};

inline bool showsBack(const ImageControl *spot, int back)
{
    return spot->picture().cacheKey() == cardBack(back).cacheKey();
}

inline bool showsFace(const ImageControl *spot, int cardNumber)
{
    return spot->picture().cacheKey() == cardFace(cardNumber - 1).cacheKey();
}
