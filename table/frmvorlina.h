#pragma once

#include "runtime/forms.h"
#include "table/shuffle.h"

#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class Runtime;
class TableLinks;
class frmBacks;
class frmTeamPic;

constexpr int SpotCount = 28;
constexpr int FaceUpSpot = 26;
constexpr int StockSpot = 27;
constexpr int StockSize = 25;
constexpr int RoundSeconds = 60;

// The table: the start-up window and the whole game.
class frmVorlina : public QWidget
{
    Q_OBJECT
public:
    explicit frmVorlina(Runtime &rt, TableLinks *links = nullptr, QWidget *parent = nullptr);
    ~frmVorlina() override;

    // Controls; other windows and tests address them by name.
    std::array<ImageControl *, SpotCount> imgSpot{};
    QPushButton *cmdDeal = nullptr;
    QPushButton *cmdExit = nullptr;
    QPushButton *cmdMenu = nullptr;
    QPushButton *cmdScores = nullptr;
    QPushButton *cmdTake = nullptr;
    QTimer *Timer1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *lblHighRunlbl = nullptr;
    QLabel *lblHighRun = nullptr;
    QLabel *lblHighScorelbl = nullptr;
    QLabel *lblHighScore = nullptr;
    QLabel *lblSpot0 = nullptr;
    QLabel *lblSpot1 = nullptr;
    QLabel *lblBonuslbl = nullptr;
    QLabel *lblBonus = nullptr;
    QLabel *lblCardslbl = nullptr;
    QLabel *lblCards = nullptr;
    QLabel *lblRunlbl = nullptr;
    QLabel *lblRun = nullptr;
    QLabel *lblScorelbl = nullptr;
    QLabel *lblScore = nullptr;
    QLabel *lblTime = nullptr;

    // Public to the other windows.
    qint16 HighRun = 0;
    qint32 HighScore = 0;
    qint16 TeamPicDone = 0;

    // Form-level state of the game; tests read and set it by name.
    std::array<qint16, StockSize> Stock{};
    qint16 StockPos = 0;
    qint16 GoneCount = 0;
    qint16 CardNum = 0;
    qint16 GameVal = 0;
    qint16 SpotNum = 0;
    qint16 CardBack = 0;
    qint32 Score = 0;
    qint16 RunCount = 0;
    qint16 TimeLeft = RoundSeconds;
    qint16 Round = 1;
    Shuffle shuffle;

    // The back chooser, which also holds the back store; made on first use.
    frmBacks &backs();
    // The picture screen shown when a game ends on exactly 11,000 points.
    frmTeamPic &teamPic();
    // True from the first step of an end-of-round sequence until its deal or game over.
    bool inSequence() const { return m_sequenceDepth > 0; }

    void GetGameVal();
    void FlipCard();
    void MoveCard();
    void SpotTag();
    void EnableOpenCards();
    void ReSetCards();
    void ScoreRun();
    void Pause1();
    void Pause2();
    void GameOver();
    void ClearBonus();

public slots:
    void cmdDeal_Click();
    void cmdExit_Click();
    void cmdMenu_Click();
    void cmdScores_Click();
    void cmdTake_Click();
    void imgSpot_Click(int index);
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void SpotOpen(int spot);
    void pause(double seconds);
    qint16 readBackIndex(qint16 current);
    template <typename T> T checked(qint64 value);

    Runtime &m_rt;
    TableLinks *m_links;
    std::unique_ptr<frmBacks> m_backs;
    std::unique_ptr<frmTeamPic> m_teamPic;
    int m_sequenceDepth = 0;
};
