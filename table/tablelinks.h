#pragma once

#include <QtGlobal>

// The windows above the table that it calls: the score table and the menu. The program
// supplies them; tests supply fakes.
class TableLinks
{
public:
    virtual ~TableLinks() = default;

    /// Fills the default player names; called once, last thing at start-up.
    virtual void LoadNames() = 0;
    /// Shows the menu window (modeless).
    virtual void showMenu() = 0;
    /// Shows the score window (modeless) and fills it from the score files.
    virtual void showScores() = 0;
    /// Offers a finished game's score to the top ten; may raise highScore.
    virtual void HighScores(qint32 &score, qint32 &highScore) = 0;
};
