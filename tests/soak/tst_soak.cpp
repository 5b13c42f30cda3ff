#include "runtime/scriptedruntime.h"
#include "scores/frmhiscores.h"
#include "scores/names.h"
#include "table/frmteampic.h"
#include "table/frmvorlina.h"
#include "table/tablelinks.h"
#include "scorelinks.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <vector>

// Whole games played through the table and the score window by a seeded random player that
// keeps its own book of what every click must score. The runtime's clock moves only as the
// pauses wait, so the bonus counts cost no real time.
//
// A failure names the seed of its session: VORLINA_SOAK_SEED=<seed> replays that session
// first. VORLINA_SOAK_SECONDS plays on for longer than the usual budget.
class tst_Soak : public QObject
{
    Q_OBJECT

private slots:
    void wholeGames();
};

namespace {

constexpr int Tableau = 26;
constexpr int Stock = 25;
constexpr int GamesPerSession = 100;
constexpr int MinimumGames = 1000;
constexpr unsigned DefaultSeed = 20240601;
constexpr double DefaultBudgetSeconds = 20; // go on past the minimum while there is time
constexpr double LimitSeconds = 60;

const QString ScoresFile = QStringLiteral("qimscores.dat");
const QString NamesFile = QStringLiteral("names.dat");
const QString RunFile = QStringLiteral("qimruntot.dat");
const QString NamePrompt =
    QStringLiteral("You Got A High Score!!\rEnter Your Name:\r(10 Characters Max.)");
const QString TimeUp = QStringLiteral("time is up!!!");
const QString ClearQuestion = QStringLiteral("Are you sure you want clear the highscores");

const QStringList Defaults = {QStringLiteral("Orrin Tavish"), QStringLiteral("Lamar Quell"),
                              QStringLiteral("Colm Ardagh"),  QStringLiteral("Dace Wymer"),
                              QStringLiteral("Ivo Strand"),   QStringLiteral("Rudy Plover")};

// Names a player may type: empty (a default name), plain, over-long, accented, euro, CJK,
// emoji, spaces only, and cuts that fall on a character outside the code page.
const QStringList TypedNames = {
    QString(),
    QString(),
    QStringLiteral("Ann"),
    QStringLiteral("Bartholomew"),
    QStringLiteral("Maximilian Alexander von Hohenberg"),
    QStringLiteral("José Ñandú"),
    QStringLiteral("€uro Zoë"),
    QStringLiteral("山田太郎"),
    QStringLiteral("カードの名人です、よろしくお願いします"),
    QStringLiteral("🃏 Joker 🎴"),
    QStringLiteral("Fourteen chars€€"),
    QStringLiteral("abcdefghijklmn🃏z"),
    QStringLiteral("   "),
    QStringLiteral(" Lead and trail "),
    QStringLiteral("Ünïcödé Straße ß"),
};

int rankOf(int card)
{
    return (card - 1) % 13 + 1;
}

int wrapRank(int rank)
{
    return ((rank - 1) % 13 + 13) % 13 + 1;
}

bool neighbours(int a, int b)
{
    const int d = std::abs(a - b);
    return d == 1 || d == 12;
}

// A typed name as the score file must hold it: one Windows-1252 byte per character ("?" for
// one the code page lacks), cut to 15 and padded with spaces.
QByteArray expectedField(const QString &name)
{
    QByteArray bytes;
    for (const char32_t c : name.toUcs4()) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
            bytes.append(char(c));
        else if (c == 0x20AC)
            bytes.append('\x80');
        else
            bytes.append('?');
    }
    return bytes.left(15).leftJustified(15, ' ');
}

QString shownText(const QByteArray &field)
{
    QString text;
    for (const char byte : field)
        text += byte == '\x80' ? QChar(0x20AC) : QChar(uchar(byte));
    return text;
}

qint32 scoreAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

struct Figures
{
    int games = 0;
    int rounds = 0;
    int bonusRounds = 0;
    int cleared = 0;
    int timeUps = 0;
    int takes = 0;
    int entries = 0;
    int defaultNames = 0;
    int pictures = 0;
    int tableClears = 0;
    int moves = 0;
    int stockTurns = 0;
    int refused = 0;
    int clicksInSequences = 0;
    qint32 bestGame = 0;
};

// A deck laid out so that the tableau clears in one run along a random order of uncovering,
// after a few stock turns.
struct ChainPlan
{
    std::array<int, 52> deck{};
    std::vector<int> order;
    int stockTurnsFirst = 0;
};

// One player, one working directory, one table and score window, many games.
class Session
{
public:
    Session(unsigned seed, Figures &figures)
        : m_seed(seed), m_figures(figures), m_links(m_rt), m_dice(seed)
    {
        m_rt.randomSeed = seed;
        m_table = std::make_unique<frmVorlina>(m_rt, &m_links);
        m_links.attach(m_table.get());
        m_rt.onDoEvents = [this] { duringPause(); };
        // The covering relation, from where the spots lie: a spot is covered by the spots
        // of the next row down that stand 600 twips to its left or right.
        for (int i = 0; i < Tableau; ++i) {
            const QPoint at = m_table->imgSpot[i]->pos();
            for (int j = 0; j < Tableau; ++j) {
                const QPoint other = m_table->imgSpot[j]->pos();
                if (other.y() == at.y() + 40 && std::abs(other.x() - at.x()) == 40)
                    m_coveredBy[i].push_back(j);
            }
        }
        m_top.names.fill(QByteArray(15, ' '));
    }

    ~Session()
    {
        m_links.close();
        m_table.reset();
    }

    void playGame();

private:
    enum class Act { Play, Stock, Wrong, Covered, Tick, Take };

    struct TopTen
    {
        std::array<qint32, 10> scores{};
        std::array<QByteArray, 10> names;
    };

    QString where() const
    {
        return QStringLiteral("[VORLINA_SOAK_SEED=%1 game %2 round %3 action %4] ")
            .arg(m_seed)
            .arg(m_game)
            .arg(m_round)
            .arg(m_action);
    }

    bool open(int spot) const
    {
        if (m_gone[spot])
            return false;
        for (const int by : m_coveredBy[spot]) {
            if (!m_gone[by])
                return false;
        }
        return true;
    }
    int cardAt(int spot) const { return m_deck[spot]; }
    qint64 total() const { return m_runPoints + m_peakPoints + m_timePoints + m_cardPoints; }

    template <typename T> T pick(const std::vector<T> &from)
    {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(m_dice)];
    }
    int roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_dice); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_dice); }

    ChainPlan makeChain();
    void planDeal();
    void beginRound();
    Act choose(int &spot);
    void act(Act what, int spot);
    void endRound(bool clearedTableau);
    void checkRound();
    void checkGameOver(qint32 final, std::optional<int> newRank, const QString &typed,
                       int promptsBefore);
    void checkFiles();
    void visitScoreWindow();
    void duringPause();

    unsigned m_seed;
    Figures &m_figures;
    WorkingDirectory m_dir;
    ScriptedRuntime m_rt;
    ScoreLinks m_links;
    std::unique_ptr<frmVorlina> m_table;
    std::mt19937 m_dice;
    std::array<std::vector<int>, Tableau> m_coveredBy;

    // The player's book of the session.
    TopTen m_top;
    int m_longestRun = 0;
    int m_runFileSize = 0;
    qint32 m_best = 0;
    int m_timeUpMessages = 0;
    int m_clearQuestions = 0;

    // Of the game.
    int m_game = 0;
    int m_round = 1;
    bool m_over = false;
    qint64 m_runPoints = 0, m_peakPoints = 0, m_timePoints = 0, m_cardPoints = 0;
    std::optional<qint32> m_aim;
    std::optional<ChainPlan> m_planned;

    // Of the round.
    std::array<int, 52> m_deck{};
    std::array<bool, Tableau> m_gone{};
    int m_stockPos = 0;
    int m_faceRank = 0;
    int m_run = 0;
    int m_timeLeft = RoundSeconds;
    int m_tickWeight = 10;
    bool m_patient = false; // never takes the score: the clock or a clear ends the round
    std::optional<ChainPlan> m_chain;
    size_t m_chainNext = 0;
    int m_action = 0;
    int m_picturePolls = 0;
};

ChainPlan Session::makeChain()
{
    ChainPlan plan;
    std::array<bool, Tableau> gone{};
    while (plan.order.size() < Tableau) {
        std::vector<int> openNow;
        for (int s = 0; s < Tableau; ++s) {
            bool uncovered = !gone[s];
            for (const int by : m_coveredBy[s])
                uncovered = uncovered && gone[by];
            if (uncovered)
                openNow.push_back(s);
        }
        const int s = pick(openNow);
        gone[s] = true;
        plan.order.push_back(s);
    }
    const int start = 1 + roll(13);
    const int step = chance(0.5) ? 1 : -1;
    plan.stockTurnsFirst = chance(0.5) ? 0 : 1 + roll(Stock - 1);

    std::array<int, 14> suitsUsed{};
    std::array<bool, 53> used{};
    auto take = [&](int rank) {
        const int card = suitsUsed[rank]++ * 13 + rank;
        used[card] = true;
        return card;
    };
    plan.deck.fill(0);
    for (size_t j = 0; j < plan.order.size(); ++j)
        plan.deck[plan.order[j]] = take(wrapRank(start + step * int(j + 1)));
    const int starter = plan.stockTurnsFirst == 0 ? 26 : 27 + plan.stockTurnsFirst - 1;
    plan.deck[starter] = take(start);
    std::vector<int> rest;
    for (int card = 1; card <= 52; ++card) {
        if (!used[card])
            rest.push_back(card);
    }
    std::shuffle(rest.begin(), rest.end(), m_dice);
    for (int &entry : plan.deck) {
        if (entry == 0) {
            entry = rest.back();
            rest.pop_back();
        }
    }
    return plan;
}

// Decides the next deal's deck: a chain now and then, else the shuffle's own draws.
void Session::planDeal()
{
    m_planned.reset();
    if (!chance(0.35))
        return;
    m_planned = makeChain();
    for (const int card : m_planned->deck)
        m_rt.randomValues.enqueue(static_cast<float>((card - 0.5) / 52.0));
}

void Session::beginRound()
{
    for (int i = 0; i < 52; ++i)
        m_deck[i] = static_cast<int>(m_table->shuffle.Deck(i + 1));
    if (m_planned)
        QVERIFY2(m_deck == m_planned->deck, qPrintable(where() + "the deal ignored the deck"));
    m_chain = std::exchange(m_planned, std::nullopt);
    m_chainNext = 0;
    m_gone.fill(false);
    m_stockPos = 0;
    m_faceRank = rankOf(m_deck[26]);
    m_run = 0;
    m_timeLeft = RoundSeconds;
    m_tickWeight = m_chain ? 3 : std::array{2, 5, 10, 25, 60}[roll(5)];
    m_patient = chance(0.3);
    m_action = 0;
    ++m_figures.rounds;
    if (m_round == 3)
        ++m_figures.bonusRounds;
    QCOMPARE(m_table->Round, qint16(m_round));
    QCOMPARE(m_table->Score, qint32(total()));
    QCOMPARE(m_table->lblScore->text(), QString::number(total()));
    checkRound();
}

Session::Act Session::choose(int &spot)
{
    std::vector<int> legal, refused, covered;
    for (int s = 0; s < Tableau; ++s) {
        if (m_gone[s])
            continue;
        if (!open(s))
            covered.push_back(s);
        else if (neighbours(m_faceRank, rankOf(cardAt(s))))
            legal.push_back(s);
        else
            refused.push_back(s);
    }
    const bool stockLeft = m_stockPos < Stock;

    // Waiting for a chosen final score: tick down to it, then take it.
    if (m_aim && m_round == 2 && total() <= *m_aim && total() + 50 * m_timeLeft >= *m_aim)
        return total() + 50 * m_timeLeft == *m_aim ? Act::Take : Act::Tick;

    if (m_chain) {
        if (chance(0.04)) {
            if (chance(0.5) && !refused.empty()) {
                spot = pick(refused);
                return Act::Wrong;
            }
            if (chance(0.5) && !covered.empty()) {
                spot = pick(covered);
                return Act::Covered;
            }
            return Act::Tick;
        }
        if (chance(0.01) && !m_patient)
            return Act::Take;
        if (m_stockPos < m_chain->stockTurnsFirst)
            return Act::Stock;
        spot = m_chain->order[m_chainNext];
        return Act::Play;
    }

    struct Choice
    {
        Act act;
        int weight;
    };
    const std::array<Choice, 6> choices = {{
        {Act::Play, legal.empty() ? 0 : 60},
        {Act::Stock, stockLeft ? (legal.empty() ? 80 : 15) : 0},
        {Act::Wrong, refused.empty() ? 0 : 5},
        {Act::Covered, covered.empty() ? 0 : 3},
        {Act::Tick, m_tickWeight},
        {Act::Take, m_patient ? 0 : (legal.empty() && !stockLeft ? 30 : 1)},
    }};
    int sum = 0;
    for (const Choice &c : choices)
        sum += c.weight;
    int at = roll(sum);
    Act what = Act::Tick;
    for (const Choice &c : choices) {
        if (at < c.weight) {
            what = c.act;
            break;
        }
        at -= c.weight;
    }
    if (what == Act::Play)
        spot = pick(legal);
    else if (what == Act::Wrong)
        spot = pick(refused);
    else if (what == Act::Covered)
        spot = pick(covered);
    return what;
}

// Books what the action must do, does it with real clicks, and checks the table after it.
void Session::act(Act what, int spot)
{
    ++m_action;
    const int beepsBefore = m_rt.beeps;
    bool roundEnds = false;
    bool clearedTableau = false;
    bool refusedClick = false;
    switch (what) {
    case Act::Play: {
        const int rank = rankOf(cardAt(spot));
        QVERIFY2(open(spot) && neighbours(m_faceRank, rank),
                 qPrintable(where() + "the player's own book went wrong"));
        m_gone[spot] = true;
        ++m_run;
        m_runPoints += 100 * m_run;
        if (spot <= 1)
            m_peakPoints += 1000;
        m_faceRank = rank;
        if (m_run > m_longestRun) {
            m_longestRun = m_run;
            m_runFileSize = std::max(m_runFileSize, 2);
        }
        if (m_chain)
            ++m_chainNext;
        ++m_figures.moves;
        clearedTableau = std::all_of(m_gone.begin(), m_gone.end(), [](bool g) { return g; });
        roundEnds = clearedTableau;
        break;
    }
    case Act::Stock:
        m_faceRank = rankOf(m_deck[27 + m_stockPos]);
        ++m_stockPos;
        m_run = 0;
        ++m_figures.stockTurns;
        break;
    case Act::Wrong:
        refusedClick = true;
        ++m_figures.refused;
        break;
    case Act::Covered:
        break;
    case Act::Tick:
        --m_timeLeft;
        if (m_timeLeft == -1) {
            m_timeLeft = 0;
            roundEnds = true;
            ++m_timeUpMessages;
            ++m_figures.timeUps;
        }
        break;
    case Act::Take:
        roundEnds = true;
        ++m_figures.takes;
        break;
    }

    std::optional<int> newRank;
    const QString typed = m_rt.inputAnswers.isEmpty() ? QString() : m_rt.inputAnswers.head();
    const int promptsBefore = int(m_rt.prompts.size());
    if (roundEnds) {
        if (clearedTableau) {
            m_cardPoints += 100 * (Stock - m_stockPos);
            ++m_figures.cleared;
        }
        m_timePoints += 50 * m_timeLeft;
        ++m_round;
        m_over = !(m_round == 2 || (m_round == 3 && total() > 11999));
        if (m_over) {
            for (int r = 9; r >= 0; --r) {
                if (total() > m_top.scores[r])
                    newRank = r;
            }
        } else {
            planDeal();
        }
    }

    switch (what) {
    case Act::Play:
    case Act::Wrong:
    case Act::Covered:
        QTest::mousePress(m_table->imgSpot[spot], Qt::LeftButton);
        break;
    case Act::Stock:
        QTest::mousePress(m_table->imgSpot[StockSpot], Qt::LeftButton);
        break;
    case Act::Tick:
        m_table->Timer1_Timer();
        break;
    case Act::Take:
        QTest::mouseClick(m_table->cmdTake, Qt::LeftButton);
        break;
    }

    QCOMPARE(m_rt.beeps - beepsBefore, refusedClick ? 1 : 0);
    QCOMPARE(m_rt.endStatus, -1);
    QVERIFY2(m_rt.messages.count(TimeUp) == m_timeUpMessages,
             qPrintable(where() + m_rt.messages.join(QLatin1Char('|'))));
    if (!roundEnds) {
        checkRound();
        return;
    }
    if (m_over) {
        checkGameOver(qint32(total()), newRank, typed, promptsBefore);
        return;
    }
    if (m_round == 3)
        QVERIFY2(total() >= 12000, qPrintable(where() + "a bonus round below 12,000"));
    beginRound();
}

// The table as the book says it must be, in the middle of a round.
void Session::checkRound()
{
    const QString at = where();
    QVERIFY2(m_table->Score == total(),
             qPrintable(at + QStringLiteral("score %1, the book says %2 = runs %3 + peaks %4 + "
                                            "time %5 + cards %6")
                                 .arg(m_table->Score)
                                 .arg(total())
                                 .arg(m_runPoints)
                                 .arg(m_peakPoints)
                                 .arg(m_timePoints)
                                 .arg(m_cardPoints)));
    QVERIFY2(m_table->lblScore->text() == QString::number(total()), qPrintable(at));
    QVERIFY2(m_table->TimeLeft == m_timeLeft, qPrintable(at + "time left"));
    QVERIFY2(m_table->StockPos == m_stockPos, qPrintable(at + "stock"));
    QVERIFY2(m_table->RunCount == 100 * m_run, qPrintable(at + "run"));
    QVERIFY2(m_table->lblRun->text() == QString::number(m_run), qPrintable(at + "run label"));
    QVERIFY2(m_table->lblCards->text() == QString::number(Stock - m_stockPos),
             qPrintable(at + "cards label"));
    QVERIFY2(m_table->imgSpot[FaceUpSpot]->Tag == QString::number(m_faceRank),
             qPrintable(at + "face-up rank"));
    QVERIFY2(m_table->imgSpot[StockSpot]->isHidden() == (m_stockPos == Stock),
             qPrintable(at + "stock spot"));
    QVERIFY2(m_table->Timer1->isActive(), qPrintable(at + "the clock stopped in a round"));
    QVERIFY2(!m_table->cmdTake->isHidden() && m_table->cmdDeal->isHidden(),
             qPrintable(at + "buttons"));
    QVERIFY2(m_table->isEnabled(), qPrintable(at + "table switched off in a round"));
    for (int s = 0; s < Tableau; ++s) {
        const ImageControl *spot = m_table->imgSpot[s];
        QVERIFY2(spot->isHidden() == m_gone[s],
                 qPrintable(at + QStringLiteral("spot %1 shown or hidden wrongly").arg(s)));
        if (!m_gone[s]) {
            QVERIFY2(spot->isEnabled() == open(s),
                     qPrintable(at + QStringLiteral("spot %1 open or closed wrongly").arg(s)));
        }
    }
    QVERIFY2(m_table->HighRun == m_longestRun, qPrintable(at + "best run"));
}

void Session::checkGameOver(qint32 final, std::optional<int> newRank, const QString &typed,
                            int promptsBefore)
{
    const QString at = where();
    QVERIFY2(!m_links.offered.isEmpty() && m_links.offered.last() == final,
             qPrintable(at + QStringLiteral("offered %1, the book says %2 = runs %3 + peaks %4 "
                                            "+ time %5 + cards %6")
                                 .arg(m_links.offered.isEmpty() ? -1 : m_links.offered.last())
                                 .arg(final)
                                 .arg(m_runPoints)
                                 .arg(m_peakPoints)
                                 .arg(m_timePoints)
                                 .arg(m_cardPoints)));
    QVERIFY2(m_links.offered.size() == m_game, qPrintable(at + "games offered"));
    QVERIFY2(m_rt.prompts.size() == promptsBefore + (newRank ? 1 : 0),
             qPrintable(at + "name prompts"));
    if (newRank) {
        QCOMPARE(m_rt.prompts.last(), NamePrompt);
        QCOMPARE(m_rt.promptTitles.last(), QStringLiteral("High Score!!"));
        for (int r = 9; r > *newRank; --r) {
            m_top.scores[r] = m_top.scores[r - 1];
            m_top.names[r] = m_top.names[r - 1];
        }
        m_top.scores[*newRank] = final;
        ++m_figures.entries;
        if (typed.isEmpty()) {
            // A default name, which one is the runtime's draw: take it from the file.
            const QByteArray stored = readFile(NamesFile).mid(9 + 15 * *newRank, 15);
            bool isDefault = false;
            for (const QString &name : Defaults)
                isDefault = isDefault || stored == expectedField(name);
            QVERIFY2(isDefault, qPrintable(at + "not a default name: " + stored));
            m_top.names[*newRank] = stored;
            ++m_figures.defaultNames;
        } else {
            m_top.names[*newRank] = expectedField(typed);
        }
    }
    m_rt.inputAnswers.clear();
    if (final > m_best)
        m_best = final;
    m_figures.bestGame = std::max(m_figures.bestGame, final);
    QVERIFY2((m_picturePolls > 0) == (final == 11000),
             qPrintable(at + "the picture screen is for 11,000 alone"));
    m_picturePolls = 0;

    checkFiles();
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(m_table->HighScore == m_best, qPrintable(at + "best score"));
    QVERIFY2(m_table->lblHighScore->text() == QString::number(m_best), qPrintable(at));
    QVERIFY2(m_table->lblHighRun->text() == QString::number(m_longestRun), qPrintable(at));
    QVERIFY2(m_table->Round == 1 && m_table->Score == 0, qPrintable(at + "not reset"));
    QVERIFY2(!m_table->Timer1->isActive(), qPrintable(at + "the clock runs after the game"));
    QVERIFY2(!m_table->cmdDeal->isHidden() && m_table->cmdTake->isHidden(), qPrintable(at));
    QVERIFY2(!m_table->teamPic().isVisible(), qPrintable(at + "picture screen left up"));

    // Entered: the score window is up over the switched-off table until its OK.
    QVERIFY2(m_links.scoresShown() == bool(newRank), qPrintable(at + "score window"));
    QVERIFY2(m_table->isEnabled() == !newRank, qPrintable(at + "table on or off wrongly"));
    if (newRank) {
        frmHiScores &scores = m_links.scores();
        for (int r = 0; r < 10; ++r) {
            QVERIFY2(scores.lblScore[r]->text() == QString::number(m_top.scores[r]),
                     qPrintable(at + QStringLiteral("row %1 score").arg(r + 1)));
            QVERIFY2(scores.lblName[r]->text() == shownText(m_top.names[r]),
                     qPrintable(at + QStringLiteral("row %1 name %2")
                                         .arg(r + 1)
                                         .arg(scores.lblName[r]->text())));
        }
        // Now and then the close box instead of OK.
        if (chance(0.2))
            scores.close();
        else
            QTest::mouseClick(scores.cmdOkay, Qt::LeftButton);
    }
    QVERIFY2(m_table->isEnabled() && !m_links.scoresShown(),
             qPrintable(at + "the table is left switched off"));
}

void Session::checkFiles()
{
    const QString at = where();
    const QByteArray scores = readFile(ScoresFile);
    const QByteArray names = readFile(NamesFile);
    QVERIFY2(scores.size() == 49, qPrintable(at + QStringLiteral("qimscores.dat is %1 bytes")
                                                      .arg(scores.size())));
    QVERIFY2(names.size() == 159,
             qPrintable(at + QStringLiteral("names.dat is %1 bytes").arg(names.size())));
    QVERIFY2(scores.left(9) == QByteArray(9, '\0') && names.left(9) == QByteArray(9, '\0'),
             qPrintable(at + "the first nine bytes"));
    for (int r = 0; r < 10; ++r) {
        const qint32 stored = scoreAt(scores, 9 + 4 * r);
        if (r > 0)
            QVERIFY2(stored <= scoreAt(scores, 9 + 4 * (r - 1)), qPrintable(at + "not sorted"));
        QVERIFY2(stored == m_top.scores[r],
                 qPrintable(at + QStringLiteral("rank %1 holds %2, the book says %3")
                                     .arg(r + 1)
                                     .arg(stored)
                                     .arg(m_top.scores[r])));
        QVERIFY2(names.mid(9 + 15 * r, 15) == m_top.names[r],
                 qPrintable(at + QStringLiteral("rank %1 name").arg(r + 1)));
    }
    const QByteArray run = readFile(RunFile);
    QVERIFY2(run.size() == m_runFileSize,
             qPrintable(at + QStringLiteral("qimruntot.dat is %1 bytes").arg(run.size())));
    if (run.size() >= 2) {
        QVERIFY2(qFromLittleEndian<qint16>(run.constData()) == m_longestRun,
                 qPrintable(at + "qimruntot.dat does not hold the longest run"));
    }
    if (run.size() == 4)
        QVERIFY2(run.mid(2) == QByteArray(2, '\0'), qPrintable(at + "qimruntot.dat tail"));
}

// Between games, now and then: the High Scores button, perhaps Clear, then OK.
void Session::visitScoreWindow()
{
    const QString at = where();
    QTest::mouseClick(m_table->cmdScores, Qt::LeftButton);
    frmHiScores &scores = m_links.scores();
    QVERIFY2(scores.isVisible() && !m_table->isEnabled(), qPrintable(at + "High Scores"));
    // The first showing of a run sets up a table whose best score is 0.
    if (m_top.scores[0] == 0)
        m_best = 0;
    for (int r = 0; r < 10; ++r) {
        QVERIFY2(scores.lblScore[r]->text() == QString::number(m_top.scores[r]),
                 qPrintable(at + QStringLiteral("row %1").arg(r + 1)));
    }
    if (chance(0.3)) {
        const bool yes = chance(0.5);
        m_rt.msgBoxAnswers.enqueue(yes ? Runtime::AnswerYes : Runtime::AnswerNo);
        QTest::mouseClick(scores.cmdClear, Qt::LeftButton);
        ++m_clearQuestions;
        if (yes) {
            m_top.scores.fill(0);
            m_top.names.fill(QByteArray(15, ' '));
            m_best = 0;
            m_longestRun = 0;
            m_runFileSize = std::max(m_runFileSize, 4);
            ++m_figures.tableClears;
        }
        QCOMPARE(m_rt.messages.count(ClearQuestion), m_clearQuestions);
        checkFiles();
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(m_table->HighRun == m_longestRun && m_table->HighScore == m_best,
                 qPrintable(at + "after Clear"));
    }
    QTest::mouseClick(scores.cmdOkay, Qt::LeftButton);
    QVERIFY2(m_table->isEnabled() && !scores.isVisible(), qPrintable(at + "after OK"));
}

// At every wait of a pause: the picture screen's OK after a while, and now and then a click
// on the table, which an end-of-round sequence must not take.
void Session::duringPause()
{
    if (m_table->teamPic().isVisible()) {
        if (++m_picturePolls == 1)
            ++m_figures.pictures;
        if (m_picturePolls < 3)
            return;
        if (chance(0.2))
            m_table->teamPic().close();
        else
            QTest::mouseClick(m_table->teamPic().cmdOK, Qt::LeftButton);
        return;
    }
    if (m_table->inSequence() && chance(0.03)) {
        const int spot = roll(SpotCount);
        if (!m_table->imgSpot[spot]->isHidden()) {
            QTest::mousePress(m_table->imgSpot[spot], Qt::LeftButton);
            ++m_figures.clicksInSequences;
        }
    }
}

void Session::playGame()
{
    ++m_game;
    m_round = 1;
    m_over = false;
    m_runPoints = m_peakPoints = m_timePoints = m_cardPoints = 0;
    m_aim.reset();
    if (chance(0.15))
        m_aim = std::array{11000, 11950, 12000}[roll(3)];
    m_rt.inputAnswers.enqueue(TypedNames[roll(int(TypedNames.size()))]);

    QVERIFY2(m_table->isEnabled() && !m_table->cmdDeal->isHidden(),
             qPrintable(where() + "no way to deal"));
    planDeal();
    QTest::mouseClick(m_table->cmdDeal, Qt::LeftButton);
    beginRound();
    while (!m_over && !QTest::currentTestFailed()) {
        QVERIFY2(m_action < 2000, qPrintable(where() + "a round that never ends"));
        int spot = -1;
        const Act what = choose(spot);
        act(what, spot);
    }
    if (QTest::currentTestFailed())
        return;
    ++m_figures.games;
    if (chance(0.04))
        visitScoreWindow();
}

} // namespace

void tst_Soak::wholeGames()
{
    bool seeded = false;
    unsigned seed = qEnvironmentVariableIntValue("VORLINA_SOAK_SEED", &seeded);
    if (!seeded)
        seed = DefaultSeed;
    bool timed = false;
    const double budget = qEnvironmentVariableIntValue("VORLINA_SOAK_SECONDS", &timed);
    const double playFor = timed ? budget : DefaultBudgetSeconds;

    Figures figures;
    QElapsedTimer clock;
    clock.start();
    int sessions = 0;
    while (figures.games < MinimumGames || clock.elapsed() < playFor * 1000) {
        Session session(seed + unsigned(sessions), figures);
        ++sessions;
        for (int g = 0; g < GamesPerSession; ++g) {
            session.playGame();
            if (QTest::currentTestFailed())
                return;
            if (clock.elapsed() > std::max(LimitSeconds, playFor) * 1000)
                break;
        }
        if (clock.elapsed() > std::max(LimitSeconds, playFor) * 1000)
            break;
    }
    const double seconds = clock.elapsed() / 1000.0;
    qInfo("%d games in %d sessions from seed %u in %.1f s: %d rounds (%d bonus), %d cleared, "
          "%d time-ups, %d taken; %d moves, %d stock turns, %d refused, %d clicks in a "
          "sequence; %d entries (%d default names), %d picture screens, %d clears; best %d",
          figures.games, sessions, seed, seconds, figures.rounds, figures.bonusRounds,
          figures.cleared, figures.timeUps, figures.takes, figures.moves, figures.stockTurns,
          figures.refused, figures.clicksInSequences, figures.entries, figures.defaultNames,
          figures.pictures, figures.tableClears, figures.bestGame);
    QVERIFY2(figures.games >= MinimumGames,
             qPrintable(QStringLiteral("only %1 games in %2 s").arg(figures.games).arg(seconds)));
    QVERIFY(figures.bonusRounds > 0 && figures.cleared > 0 && figures.timeUps > 0);
    QVERIFY(figures.pictures > 0 && figures.defaultNames > 0 && figures.tableClears > 0);
}

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"
