#pragma once

#include "decks.h"
#include "images/pictures.h"
#include "runtime/scriptedruntime.h"
#include "table/frmvorlina.h"
#include "table/rules.h"
#include "table/tablelinks.h"

#include <QList>

#include <functional>

// The tableau's rows, each lying over the one before it.
constexpr std::array<int, 7> RowStart = {0, 2, 6, 12, 19, 25, 26};

// The points of a run of n cards without peaks.
constexpr int runPoints(int n)
{
    return 50 * n * (n + 1);
}

class FakeLinks : public TableLinks
{
public:
    void LoadNames() override
    {
        ++loadNames;
        if (onLoadNames)
            onLoadNames();
    }
    void showMenu() override { ++menus; }
    void showScores() override { ++scoreWindows; }
    void HighScores(qint32 &score, qint32 &highScore) override
    {
        if (onHighScores)
            onHighScores();
        offered << score;
        if (score > highScore)
            highScore = score;
    }

    std::function<void()> onLoadNames;
    int loadNames = 0;
    int menus = 0;
    int scoreWindows = 0;
    QList<qint32> offered;
    // Called as the score is offered, before it is entered.
    std::function<void()> onHighScores;
};

inline bool showsBack(const ImageControl *spot, int back)
{
    return spot->picture().cacheKey() == cardBack(back).cacheKey();
}

inline bool showsFace(const ImageControl *spot, int cardNumber)
{
    return spot->picture().cacheKey() == cardFace(cardNumber - 1).cacheKey();
}
