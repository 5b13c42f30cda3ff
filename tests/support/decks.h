#pragma once

#include "runtime/scriptedruntime.h"

#include <array>
#include <numeric>

// Decks in card numbers, Deck(1) first, and the random draws that make the shuffle deal them.
using DeckOrder = std::array<int, 52>;

// The random value that makes the shuffle draw this card number.
constexpr float drawFor(int card)
{
    return static_cast<float>((card - 0.5) / 52.0);
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

// Makes the scripted shuffle deal exactly this deck.
inline void scriptDeck(ScriptedRuntime &rt, const DeckOrder &deck)
{
    for (const int card : deck)
        rt.randomValues.enqueue(drawFor(card));
}
