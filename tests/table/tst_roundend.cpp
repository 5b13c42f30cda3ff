#include "table/frmteampic.h"
#include "table/frmvorlina.h"
#include "tablefixture.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

// The end of a round and of a game, with a clock that moves only as the pauses wait on it.
class tst_RoundEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void takeScoreCountsTheTimeBonus();
    void timeUpEndsTheRound_data();
    void timeUpEndsTheRound();
    void roundEndDecision_data();
    void roundEndDecision();
    void pictureScreenAtExactly11000_data();
    void pictureScreenAtExactly11000();
    void pictureScreenClosedAnotherWayReleasesTheWait();
    void pictureScreenKeysOnItsFocusedOk_data();
    void pictureScreenKeysOnItsFocusedOk();
    void clearedTableauCountsBothBonuses_data();
    void clearedTableauCountsBothBonuses();
    void noPlaysDuringASequence();
    void noPlaysBetweenGames();
    void pauseLengths_data();
    void pauseLengths();
    void clickDuringAPauseIsHandledInIt();

private:
    void deal(const DeckOrder &deck = inOrderDeck())
    {
        scriptDeck(*m_rt, deck);
        m_table->cmdDeal_Click();
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            m_table->Timer1_Timer();
    }
    // Records each distinct text a label shows while the pauses wait.
    QStringList *record(QLabel *label)
    {
        auto *seen = &m_recorded.emplace_back();
        m_recorders.push_back([label, seen] {
            const QString text = label->isHidden() ? QStringLiteral("-") : label->text();
            if (seen->isEmpty() || seen->last() != text)
                seen->append(text);
        });
        return seen;
    }

    std::unique_ptr<WorkingDirectory> m_dir;
    std::unique_ptr<ScriptedRuntime> m_rt;
    std::unique_ptr<FakeLinks> m_links;
    std::unique_ptr<frmVorlina> m_table;
    std::list<QStringList> m_recorded;
    std::vector<std::function<void()>> m_recorders;
    QList<int> m_bar;
};

void tst_RoundEnd::init()
{
    m_dir = std::make_unique<WorkingDirectory>();
    m_rt = std::make_unique<ScriptedRuntime>();
    m_links = std::make_unique<FakeLinks>();
    m_table = std::make_unique<frmVorlina>(*m_rt, m_links.get());
    m_table->show();
    m_recorded.clear();
    m_recorders.clear();
    m_bar.clear();
    m_rt->onDoEvents = [this] {
        for (auto &recorder : m_recorders)
            recorder();
        const int bar = m_table->ProgressBar1->value();
        if (m_bar.isEmpty() || m_bar.last() != bar)
            m_bar << bar;
    };
}

void tst_RoundEnd::cleanup()
{
    m_table.reset();
    m_dir.reset();
}

QStringList counting(int step, int steps)
{
    QStringList texts;
    for (int i = 1; i <= steps; ++i)
        texts << QString::number(step * i);
    return texts;
}

void tst_RoundEnd::takeScoreCountsTheTimeBonus()
{
    deal();
    ticks(15);
    QCOMPARE(m_table->ProgressBar1->value(), 45);
    QStringList *bonus = record(m_table->lblBonus);
    QStringList *message = record(m_table->lblBonuslbl);
    scriptDeck(*m_rt, inOrderDeck());
    const double start = m_rt->clock;
    QTest::mouseClick(m_table->cmdTake, Qt::LeftButton);

    QCOMPARE(*bonus, counting(50, 45) << QStringLiteral("-"));
    QCOMPARE(*message, (QStringList{QStringLiteral("TIME BONUS:"), QStringLiteral("Round: 2")}));
    QList<int> bar;
    for (int v = 44; v >= 0; --v)
        bar << v;
    QCOMPARE(m_bar, bar);
    // 45 steps of 0.15 s, a second's hold, "Round: 2" for a second.
    QVERIFY(qAbs(m_rt->clock - start - (45 * 0.15 + 2)) < 0.05);
    QCOMPARE(m_table->Score, 2250);
    QCOMPARE(m_table->Round, qint16(2));
    QVERIFY(m_table->Timer1->isActive());
    QCOMPARE(m_table->lblScore->text(), QStringLiteral("2250"));
    QCOMPARE(m_table->ProgressBar1->value(), 0); // until the first tick of round 2
    ticks(1);
    QCOMPARE(m_table->ProgressBar1->value(), 59);
}

void tst_RoundEnd::timeUpEndsTheRound_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("score");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<int>("barAfter");
    QTest::newRow("round 1: round 2 follows")
        << 1 << 0 << QStringList{QStringLiteral("TIME BONUS:"), QStringLiteral("Round: 2")}
        << QStringList{QStringLiteral("0"), QStringLiteral("-")} << 60;
    QTest::newRow("round 2: the game ends")
        << 2 << 5000 << QStringList{QStringLiteral("TIME BONUS:")}
        << QStringList{QStringLiteral("0")} << 0;
}

void tst_RoundEnd::timeUpEndsTheRound()
{
    QFETCH(int, round);
    QFETCH(int, score);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, counts);
    QFETCH(int, barAfter);
    deal();
    m_table->Round = qint16(round);
    m_table->Score = score;
    ticks(60);
    QCOMPARE(m_table->ProgressBar1->value(), 0);
    QVERIFY(m_rt->messages.isEmpty());
    bool clockStoppedForTheBox = false;
    m_rt->onMessage = [this, &clockStoppedForTheBox](const QString &) {
        clockStoppedForTheBox = !m_table->Timer1->isActive();
    };
    QStringList *message = record(m_table->lblBonuslbl);
    QStringList *bonus = record(m_table->lblBonus);
    scriptDeck(*m_rt, inOrderDeck());
    const double start = m_rt->clock;
    ticks(1);
    QCOMPARE(m_rt->messages, QStringList{QStringLiteral("time is up!!!")});
    QCOMPARE(m_rt->messageButtons, QList<int>{Runtime::MsgOkOnly});
    QCOMPARE(m_rt->messageOwners, QList<QWidget *>{m_table.get()});
    QVERIFY(clockStoppedForTheBox);
    QCOMPARE(*message, messages);
    QCOMPARE(*bonus, counts);
    QCOMPARE(m_bar, QList<int>{0});
    QCOMPARE(m_table->Score, barAfter ? score : 0);
    QCOMPARE(m_table->ProgressBar1->value(), barAfter);
    // A second's hold on "0", then a second of "Round: " before a deal.
    QVERIFY(qAbs(m_rt->clock - start - (barAfter ? 2 : 1)) < 0.05);
    if (!barAfter) {
        QCOMPARE(m_table->lblBonuslbl->text(), QStringLiteral("GAME OVER"));
        QCOMPARE(m_links->offered, QList<qint32>{score});
        QVERIFY(!m_table->Timer1->isActive());
        return;
    }
    ticks(1);
    QCOMPARE(m_table->ProgressBar1->value(), 59);
}

void tst_RoundEnd::roundEndDecision_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("nextRound"); // 0: the game ends
    QTest::newRow("round 1 leads to round 2 on any score") << 1 << 12000 << 2;
    QTest::newRow("round 1 at 11000 shows no picture") << 1 << 11000 << 2;
    QTest::newRow("11999 ends the game") << 2 << 11999 << 0;
    QTest::newRow("12000 gives the bonus round") << 2 << 12000 << 3;
    QTest::newRow("the bonus round always ends it") << 3 << 30000 << 0;
}

void tst_RoundEnd::roundEndDecision()
{
    QFETCH(int, round);
    QFETCH(int, score);
    QFETCH(int, nextRound);
    deal();
    ticks(59);
    m_table->Round = qint16(round);
    m_table->Score = score - 50; // and one second of time bonus
    QStringList *message = record(m_table->lblBonuslbl);
    // "GAME OVER" is up while the score is offered; the idle buttons come back after.
    bool offeredUnderGameOver = false;
    m_links->onHighScores = [&] {
        offeredUnderGameOver = m_table->lblBonuslbl->text() == QStringLiteral("GAME OVER")
                               && !m_table->lblBonuslbl->isHidden()
                               && m_table->cmdDeal->isHidden() && m_table->cmdMenu->isHidden()
                               && m_table->Round == round + 1 && m_table->Score == score;
    };
    scriptDeck(*m_rt, inOrderDeck());
    m_table->cmdTake_Click();
    QVERIFY(!m_table->teamPic().isVisible());
    if (nextRound) {
        QCOMPARE(message->last(), QStringLiteral("Round: %1").arg(nextRound));
        QCOMPARE(m_table->Round, qint16(nextRound));
        QCOMPARE(m_table->Score, score);
        QVERIFY(m_table->Timer1->isActive());
        QVERIFY(m_links->offered.isEmpty());
        return;
    }
    QCOMPARE(m_links->offered, QList<qint32>{score});
    QVERIFY(offeredUnderGameOver);
    QCOMPARE(m_table->HighScore, score);
    QCOMPARE(m_table->lblBonuslbl->text(), QStringLiteral("GAME OVER"));
    QVERIFY(!m_table->lblBonuslbl->isHidden());
    QVERIFY(m_table->lblBonus->isHidden());
    QCOMPARE(m_table->lblScore->text(), QString::number(score)); // until the next deal
    QCOMPARE(m_table->Round, qint16(1));
    QCOMPARE(m_table->Score, 0);
    QVERIFY(!m_table->Timer1->isActive());
    for (QPushButton *shown : {m_table->cmdDeal, m_table->cmdExit, m_table->cmdMenu, m_table->cmdScores})
        QVERIFY(!shown->isHidden());
    QVERIFY(m_table->cmdTake->isHidden());
    QCOMPARE(m_table->ProgressBar1->value(), 0);
}

void tst_RoundEnd::pictureScreenAtExactly11000_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<bool>("picture");
    QTest::newRow("10950") << 10950 << false;
    QTest::newRow("11000") << 11000 << true;
    QTest::newRow("11050") << 11050 << false;
}

void tst_RoundEnd::pictureScreenAtExactly11000()
{
    QFETCH(int, score);
    QFETCH(bool, picture);
    deal();
    m_table->Round = 2;
    m_table->Score = score;
    m_table->TimeLeft = 0;
    int polls = 0;
    bool tableOffWhileShown = true;
    m_recorders.push_back([&] {
        if (!m_table->teamPic().isVisible())
            return;
        tableOffWhileShown = tableOffWhileShown && !m_table->isEnabled();
        QVERIFY(m_links->offered.isEmpty()); // the game ends only after OK
        if (++polls == 5)
            QTest::mouseClick(m_table->teamPic().cmdOK, Qt::LeftButton);
    });
    m_table->cmdTake_Click();
    QCOMPARE(polls > 0, picture);
    QVERIFY(tableOffWhileShown);
    QVERIFY(m_table->isEnabled());
    QVERIFY(!m_table->teamPic().isVisible());
    QCOMPARE(m_table->TeamPicDone, qint16(0));
    QCOMPARE(m_links->offered, QList<qint32>{score});
    QCOMPARE(m_table->lblBonuslbl->text(), QStringLiteral("GAME OVER"));
}

void tst_RoundEnd::pictureScreenClosedAnotherWayReleasesTheWait()
{
    deal();
    m_table->Round = 2;
    m_table->Score = 11000;
    m_table->TimeLeft = 0;
    m_recorders.push_back([&] {
        if (m_table->teamPic().isVisible())
            m_table->teamPic().close();
    });
    m_table->cmdTake_Click();
    QVERIFY(m_table->isEnabled());
    QCOMPARE(m_links->offered, QList<qint32>{11000});
}

void tst_RoundEnd::pictureScreenKeysOnItsFocusedOk_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

// OK has the focus, and a focused button takes Enter and Space as a click.
void tst_RoundEnd::pictureScreenKeysOnItsFocusedOk()
{
    QFETCH(int, key);
    deal();
    m_table->Round = 2;
    m_table->Score = 11000;
    m_table->TimeLeft = 0;
    int polls = 0;
    m_recorders.push_back([&] {
        if (!m_table->teamPic().isVisible())
            return;
        QCOMPARE(QApplication::focusWidget(), m_table->teamPic().cmdOK);
        QTest::keyClick(m_table->teamPic().cmdOK, Qt::Key(key));
        // A key left unanswered would keep the game waiting for ever.
        if (++polls == 3)
            m_table->teamPic().cmdOK_Click();
    });
    m_table->cmdTake_Click();
    QCOMPARE(polls, 1);
    QVERIFY(m_table->isEnabled());
    QCOMPARE(m_links->offered, QList<qint32>{11000});
}

void tst_RoundEnd::clearedTableauCountsBothBonuses_data()
{
    QTest::addColumn<int>("stockLeft");
    QTest::addColumn<int>("secondsLeft");
    QTest::newRow("10 cards and 20 seconds") << 10 << 20;
    QTest::newRow("stock used up") << 0 << 20;
}

void tst_RoundEnd::clearedTableauCountsBothBonuses()
{
    QFETCH(int, stockLeft);
    QFETCH(int, secondsLeft);
    deal(clearableDeck());
    m_table->StockPos = qint16(StockSize - stockLeft);
    m_table->lblCards->setText(QString::number(stockLeft));
    ticks(60 - secondsLeft);
    QStringList *message = record(m_table->lblBonuslbl);
    QStringList *bonus = record(m_table->lblBonus);
    QStringList *cardsLeft = record(m_table->lblCards);
    for (int spot = 25; spot >= 1; --spot)
        QTest::mouseClick(m_table->imgSpot[spot], Qt::LeftButton);
    const int played = runPoints(26) + 2 * 1000;
    scriptDeck(*m_rt, inOrderDeck());
    const double start = m_rt->clock;
    QTest::mouseClick(m_table->imgSpot[0], Qt::LeftButton);

    // "YOU DID IT!!" a second, the cards, a second's hold, the seconds, a second's hold,
    // then "Round: 2" a second.
    const double paced = 1 + 0.15 * stockLeft + 1 + 0.15 * secondsLeft + 1 + 1;
    QVERIFY2(qAbs(m_rt->clock - start - paced) < 0.05, qPrintable(QString::number(m_rt->clock - start)));
    QCOMPARE(*message, (QStringList{QStringLiteral("YOU DID IT!!"), QStringLiteral("CARD BONUS:"),
                                    QStringLiteral("TIME BONUS:"), QStringLiteral("Round: 2")}));
    // A count shows "0" only while it has nothing to count.
    QStringList counts{QStringLiteral("-")};
    counts << (stockLeft ? counting(100, stockLeft) : QStringList{QStringLiteral("0")});
    counts << counting(50, secondsLeft) << QStringLiteral("-");
    QCOMPARE(*bonus, counts);
    QStringList cards{QString::number(stockLeft)};
    for (int left = stockLeft - 1; left >= 0; --left)
        cards << QString::number(left);
    QCOMPARE(*cardsLeft, cards);
    QCOMPARE(m_table->Score, played + 100 * stockLeft + 50 * secondsLeft);
    QCOMPARE(m_table->Round, qint16(2));
}

void tst_RoundEnd::noPlaysDuringASequence()
{
    deal(clearableDeck());
    ticks(50);
    int tries = 0;
    m_recorders.push_back([&] {
        if (m_table->Round != 2 || !m_table->inSequence())
            return;
        QTest::mouseClick(m_table->imgSpot[25], Qt::LeftButton);
        QTest::mouseClick(m_table->imgSpot[StockSpot], Qt::LeftButton);
        ++tries;
    });
    scriptDeck(*m_rt, inOrderDeck());
    m_table->cmdTake_Click();
    QVERIFY(tries > 0);
    QCOMPARE(m_table->Score, 10 * 50);
    QCOMPARE(m_rt->beeps, 0);
    QCOMPARE(m_table->StockPos, qint16(0));
}

void tst_RoundEnd::noPlaysBetweenGames()
{
    deal(clearableDeck());
    m_table->Round = 2;
    m_table->TimeLeft = 0;
    m_table->cmdTake_Click();
    QCOMPARE(m_table->Round, qint16(1));
    QTest::mouseClick(m_table->imgSpot[25], Qt::LeftButton);
    QTest::mouseClick(m_table->imgSpot[StockSpot], Qt::LeftButton);
    QVERIFY(!m_table->imgSpot[25]->isHidden());
    QCOMPARE(m_table->Score, 0);
    QCOMPARE(m_table->StockPos, qint16(0));
}

void tst_RoundEnd::pauseLengths_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<bool>("longPause");
    QTest::addColumn<double>("length");
    QTest::newRow("0.15 s") << 100.0 << false << 0.15;
    QTest::newRow("1 s") << 100.0 << true << 1.0;
    QTest::newRow("0.15 s over midnight") << 86399.95 << false << 0.15;
    QTest::newRow("1 s over midnight") << 86399.5 << true << 1.0;
}

// A pause ends at the first clock reading at or past its end, not one reading later.
void tst_RoundEnd::pauseLengths()
{
    QFETCH(double, start);
    QFETCH(bool, longPause);
    QFETCH(double, length);
    m_rt->clock = start;
    m_rt->doEventsStep = 1e-6; // a reading more would land past the tolerance below
    const double end = std::fmod(m_rt->Timer() + length, 86400.0);
    longPause ? m_table->Pause2() : m_table->Pause1();
    QVERIFY2(m_rt->clock >= end - 1e-6 && m_rt->clock < end + 5e-6,
             qPrintable(QStringLiteral("%1, not %2").arg(m_rt->clock, 0, 'f', 6).arg(end, 0, 'f', 6)));
    QVERIFY(m_rt->doEventsCalls < 5); // each wait asks for what is left, not a spin
}

void tst_RoundEnd::clickDuringAPauseIsHandledInIt()
{
    deal(clearableDeck());
    m_recorders.push_back([&] { QTest::mouseClick(m_table->imgSpot[25], Qt::LeftButton); });
    m_table->Pause1();
    QVERIFY(m_table->imgSpot[25]->isHidden());
    QCOMPARE(m_table->Score, 100);
}

QTEST_MAIN(tst_RoundEnd)
#include "tst_roundend.moc"
