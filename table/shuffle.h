#pragma once

#include <array>

class Runtime;

constexpr int DeckSize = 52;
constexpr int DeckSum = 1378; // 1 + 2 + ... + 52

// The deck and its shuffle: random draws until every card number has come up once, each
// new one appended and repeats dropped.
class Shuffle
{
public:
    // Deck(1) .. Deck(52); whole numbers, 0 when cleared.
    float Deck(int i) const { return m_deck.at(i - 1); }

    void ShuffleDeck(Runtime &rt);
    void ClearDeck();
    void CheckCard();
    void SumDeck();

    float NewCard = 0;
    double DeckTotal = 0;

private:
    std::array<float, DeckSize> m_deck{};
};
