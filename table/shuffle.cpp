#include "table/shuffle.h"

#include "runtime/runtime.h"

#include <cmath>

void Shuffle::ShuffleDeck(Runtime &rt)
{
    int count = 0;
    DeckTotal = 0;
    ClearDeck();
    while (DeckTotal < DeckSum) {
        NewCard = static_cast<float>(std::floor(double(rt.Rnd()) * 52.0 + 1.0));
        CheckCard();
        if (NewCard > 0) {
            ++count;
            m_deck.at(count - 1) = NewCard;
            SumDeck();
        }
    }
}

void Shuffle::ClearDeck()
{
    m_deck.fill(0);
}

void Shuffle::CheckCard()
{
    for (const float card : m_deck) {
        if (card == NewCard) {
            NewCard = 0;
            return;
        }
    }
}

void Shuffle::SumDeck()
{
    DeckTotal = 0;
    for (const float card : m_deck)
        DeckTotal += card;
}
