#include "table/frmvorlina.h"

#include "images/pictures.h"
#include "runtime/convert.h"
#include "runtime/datafile.h"
#include "runtime/runtime.h"
#include "table/frmbacks.h"
#include "table/frmteampic.h"
#include "table/rules.h"
#include "table/tablelinks.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <limits>

namespace {

constexpr int WindowWidth = 8580;
constexpr int WindowHeight = 6915;
constexpr int SpotWidth = 1125;
constexpr int SpotHeight = 1500;

const QString ScoresFile = QStringLiteral("qimscores.dat");
const QString BacksFile = QStringLiteral("qimbacks.dat");
const QString RunFile = QStringLiteral("qimruntot.dat");

// Left and top of each spot: the tableau row by row, then the face-up card and the stock.
constexpr std::array<QPoint, SpotCount> SpotPlaces = {{
    {1920, 240}, {5520, 240},
    {1320, 840}, {2520, 840}, {4920, 840}, {6120, 840},
    {720, 1440}, {1920, 1440}, {3120, 1440}, {4320, 1440}, {5520, 1440}, {6720, 1440},
    {120, 2040}, {1320, 2040}, {2520, 2040}, {3720, 2040}, {4920, 2040}, {6120, 2040}, {7320, 2040},
    {720, 2640}, {1920, 2640}, {3120, 2640}, {4320, 2640}, {5520, 2640}, {6720, 2640},
    {3720, 3240},
    {4320, 5280}, // the face-up card
    {3120, 5280}, // the stock
}};

// The tableau spots a deal lays face up: none covers them.
constexpr std::array<int, 5> OpenAtDeal = {19, 20, 23, 24, 25};

constexpr Face Futura = Face::FuturaMdBT;

// Every label of the table is bold Futura.
const LabelDesign<frmVorlina> Labels[] = {
    {&frmVorlina::lblHighRunlbl, "High Run:", {120, 120, 1455, 375}, Futura, 14.25, true,
     Bgr::Red},
    {&frmVorlina::lblHighRun, "0", {360, 480, 735, 375}, Futura, 15.75, true, Bgr::Green},
    {&frmVorlina::lblHighScorelbl, "High Score:", {6840, 120, 1695, 375}, Futura, 14.25, true,
     Bgr::Red},
    {&frmVorlina::lblHighScore, "99999", {7320, 480, 1215, 375}, Futura, 15.75, true,
     Bgr::Green},
    {&frmVorlina::lblSpot0, "1000", {2040, 360, 975, 255}, Futura, 12, true, Bgr::Yellow},
    {&frmVorlina::lblSpot1, "1000", {5640, 360, 975, 255}, Futura, 12, true, Bgr::Yellow},
    {&frmVorlina::lblBonuslbl, "CARD BONUS:", {2640, 1560, 3255, 495}, Futura, 21.75, true,
     Bgr::Red},
    {&frmVorlina::lblBonus, "999", {3720, 2280, 1215, 615}, Futura, 24, true, Bgr::Magenta},
    {&frmVorlina::lblCardslbl, "Cards Left:", {360, 5760, 1455, 375}, Futura, 12, true, Bgr::Red,
     Qt::AlignLeft | Qt::AlignTop},
    {&frmVorlina::lblCards, "25", {2160, 5760, 495, 375}, Futura, 14.25, true, Bgr::Yellow,
     Qt::AlignRight | Qt::AlignTop},
    {&frmVorlina::lblRunlbl, "Run:", {5760, 5640, 1215, 375}, Futura, 15.75, true, Bgr::Red},
    {&frmVorlina::lblRun, "0", {7200, 5640, 975, 375}, Futura, 18, true, Bgr::Cyan},
    {&frmVorlina::lblScorelbl, "Score:", {5760, 6240, 1215, 375}, Futura, 15.75, true,
     Bgr::Red},
    {&frmVorlina::lblScore, "0", {7080, 6240, 1335, 375}, Futura, 18, true, Bgr::Yellow},
    {&frmVorlina::lblTime, "Time Left:", {120, 6480, 1335, 255}, Futura, 12, true, Bgr::Red,
     Qt::AlignLeft | Qt::AlignTop},
};

struct ButtonSpec
{
    QPushButton *frmVorlina::*button;
    const char *caption;
    TwipsRect rect;
};

// In tab order.
const ButtonSpec Buttons[] = {
    {&frmVorlina::cmdDeal, "Deal", {1920, 4320, 1095, 495}},
    {&frmVorlina::cmdExit, "Exit", {5520, 4320, 1095, 495}},
    {&frmVorlina::cmdMenu, "Menu", {3720, 240, 1095, 495}},
    {&frmVorlina::cmdTake, "Take Score", {6240, 4560, 1575, 735}},
    {&frmVorlina::cmdScores, "High Scores", {3720, 840, 1095, 495}},
};

constexpr TwipsRect TimeBarRect = {1440, 6480, 1455, 255};

// Counts the end-of-round sequences running, so that none starts inside another.
class SequenceScope
{
public:
    explicit SequenceScope(int &depth) : m_depth(depth) { ++m_depth; }
    ~SequenceScope() { --m_depth; }
    SequenceScope(const SequenceScope &) = delete;
    SequenceScope &operator=(const SequenceScope &) = delete;

private:
    int &m_depth;
};

// The face of the card number a Tag holds; the Tags are written only by the deal.
const QPixmap &faceOf(const QString &tag)
{
    const double card = Val(tag);
    return card >= 1 && card <= FaceCount ? cardFace(static_cast<int>(card) - 1) : blankCard();
}

} // namespace

frmVorlina::frmVorlina(Runtime &rt, TableLinks *links, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint),
      m_rt(rt), m_links(links)
{
    setWindowTitle(QStringLiteral("Vorlina"));
    setWindowIcon(programIcon());
    setFixedSize(fromTwips(WindowWidth), fromTwips(WindowHeight));
    // The stored place is the client area's, as the side windows' are.
    setGeometry(QRect(fromTwips(TableStoredOrigin.x()), fromTwips(TableStoredOrigin.y()),
                      width(), height()));
    setBackColour(this, Bgr::Blue);

    // Created in drawing order: each spot over the one before it, the labels over the spots.
    for (int i = 0; i < SpotCount; ++i) {
        imgSpot[i] = new ImageControl(this);
        imgSpot[i]->setGeometry(fromTwips(
            TwipsRect{SpotPlaces[i].x(), SpotPlaces[i].y(), SpotWidth, SpotHeight}));
        imgSpot[i]->setPicture(blankCard());
        connect(imgSpot[i], &ImageControl::clicked, this, [this, i] { imgSpot_Click(i); });
    }
    makeLabels(this, Labels, Bgr::Blue);
    QWidget *previous = nullptr;
    for (const ButtonSpec &design : Buttons) {
        auto *button = new QPushButton(QString::fromLatin1(design.caption), this);
        button->setGeometry(fromTwips(design.rect));
        // Not the Enter button, but Enter presses it while it has the focus.
        button->setAutoDefault(true);
        this->*design.button = button;
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
    cmdTake->setFont(formsFont(Face::MSSansSerif, 13.5, true));
    connect(cmdDeal, &QPushButton::clicked, this, &frmVorlina::cmdDeal_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmVorlina::cmdExit_Click);
    connect(cmdMenu, &QPushButton::clicked, this, &frmVorlina::cmdMenu_Click);
    connect(cmdScores, &QPushButton::clicked, this, &frmVorlina::cmdScores_Click);
    connect(cmdTake, &QPushButton::clicked, this, &frmVorlina::cmdTake_Click);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(fromTwips(TimeBarRect));
    ProgressBar1->setRange(0, RoundSeconds);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFocusPolicy(Qt::NoFocus);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmVorlina::Timer1_Timer);

    Form_Load();
    cmdDeal->setFocus();
}

frmVorlina::~frmVorlina() = default;

frmBacks &frmVorlina::backs()
{
    if (!m_backs)
        m_backs = std::make_unique<frmBacks>(m_rt, *this);
    return *m_backs;
}

frmTeamPic &frmVorlina::teamPic()
{
    if (!m_teamPic)
        m_teamPic = std::make_unique<frmTeamPic>(*this);
    return *m_teamPic;
}

template <typename T> T frmVorlina::checked(qint64 value)
{
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) {
        m_rt.fail(this, QStringLiteral("Overflow"));
        return value < 0 ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
    }
    return static_cast<T>(value);
}

qint16 frmVorlina::readBackIndex(qint16 current)
{
    qint16 index = current;
    {
        DataFile file(m_rt, this, BacksFile);
        file.get(1, index);
    }
    // A damaged or foreign file may hold any number: only backs 0 .. 9 exist.
    return index >= 0 && index < BackCount ? index : 0;
}

void frmVorlina::Form_Load()
{
    m_rt.Randomize();
    TimeLeft = RoundSeconds;
    TeamPicDone = 0;
    Round = 1;
    Score = 0;
    Timer1->stop();
    lblSpot0->hide();
    lblSpot1->hide();
    lblBonuslbl->hide();
    lblBonus->hide();
    cmdTake->hide();
    {
        DataFile file(m_rt, this, ScoresFile);
        file.get(10, HighScore);
    }
    lblHighScore->setText(QString::number(HighScore));
    CardBack = readBackIndex(CardBack);
    {
        DataFile file(m_rt, this, RunFile);
        file.get(1, HighRun);
    }
    lblHighRun->setText(QString::number(HighRun));
    for (ImageControl *spot : imgSpot) {
        spot->setEnabled(false);
        spot->setPicture(cardBack(CardBack));
    }
    if (m_links)
        m_links->LoadNames();
}

void frmVorlina::GetGameVal()
{
    GameVal = rankOf(CardNum);
}

void frmVorlina::FlipCard()
{
    // The stock spot is hidden once all its cards are turned.
    if (StockPos < 0 || StockPos >= StockSize)
        return;
    const qint16 card = Stock[StockPos];
    imgSpot[FaceUpSpot]->setPicture(cardFace(card - 1));
    imgSpot[FaceUpSpot]->Tag = QString::number(card);
    SpotTag();
    RunCount = 0;
    lblRun->setText(QStringLiteral("0"));
    ++StockPos;
    lblCards->setText(QString::number(StockSize - StockPos));
    if (StockPos == StockSize)
        imgSpot[StockSpot]->hide();
}

void frmVorlina::MoveCard()
{
    ImageControl *played = imgSpot[SpotNum];
    imgSpot[FaceUpSpot]->setPicture(played->picture());
    imgSpot[FaceUpSpot]->Tag = played->Tag;
    played->hide();
    if (SpotNum == 0) {
        Score = checked<qint32>(qint64(Score) + PeakBonus);
        lblScore->setText(QString::number(Score));
        lblSpot0->show();
    }
    if (SpotNum == 1) {
        Score = checked<qint32>(qint64(Score) + PeakBonus);
        lblScore->setText(QString::number(Score));
        lblSpot1->show();
    }
    SpotTag();
    ScoreRun();
}

void frmVorlina::SpotTag()
{
    CardNum = checked<qint16>(qRound64(Val(imgSpot[FaceUpSpot]->Tag)));
    GetGameVal();
    imgSpot[FaceUpSpot]->Tag = QString::number(GameVal);
}

void frmVorlina::EnableOpenCards()
{
    GoneCount = 0;
    for (int spot = 0; spot < TableauSize; ++spot)
        SpotOpen(spot);
    for (int spot = 0; spot < CountedSpots; ++spot) {
        if (imgSpot[spot]->isHidden())
            ++GoneCount;
    }
    if (GoneCount == CountedSpots)
        ClearBonus();
}

void frmVorlina::SpotOpen(int spot)
{
    const Cover cover = CoveredBy[spot];
    if (cover.first < 0)
        return; // never covered: the deal opens it
    const bool firstGone = imgSpot[cover.first]->isHidden();
    const bool secondGone = cover.second < 0 || imgSpot[cover.second]->isHidden();
    if (firstGone && secondGone) {
        imgSpot[spot]->setEnabled(true);
        imgSpot[spot]->setPicture(faceOf(imgSpot[spot]->Tag));
    }
}

void frmVorlina::ReSetCards()
{
    CardBack = readBackIndex(CardBack);
    for (int i = 0; i <= FaceUpSpot; ++i) {
        ImageControl *spot = imgSpot[i];
        spot->Tag = QString::number(static_cast<int>(shuffle.Deck(i + 1)));
        spot->setPicture(cardBack(CardBack));
        spot->show();
        spot->setEnabled(false);
    }
    auto turnUp = [this](int i) {
        imgSpot[i]->setEnabled(true);
        imgSpot[i]->show();
        imgSpot[i]->setPicture(faceOf(imgSpot[i]->Tag));
    };
    for (const int i : OpenAtDeal)
        turnUp(i);
    turnUp(FaceUpSpot);
    for (int i = 0; i < StockSize; ++i)
        Stock[i] = static_cast<qint16>(shuffle.Deck(i + 28));
    imgSpot[StockSpot]->setEnabled(true);
    imgSpot[StockSpot]->show();
    imgSpot[StockSpot]->setPicture(cardBack(CardBack));
    imgSpot[FaceUpSpot]->setEnabled(false);
    SpotTag();
    RunCount = 0;
    lblScore->setText(QString::number(Score));
    lblRun->setText(QStringLiteral("0"));
    lblCards->setText(QString::number(StockSize));
}

void frmVorlina::ScoreRun()
{
    const qint16 run = checked<qint16>(qint64(RunCount) + RunStep);
    const qint32 score = checked<qint32>(qint64(Score) + run);
    RunCount = run;
    Score = score;
    lblScore->setText(QString::number(Score));
    const qint16 cards = RunCount / RunStep;
    lblRun->setText(QString::number(cards));
    if (cards > HighRun) {
        HighRun = cards;
        lblHighRun->setText(QString::number(HighRun));
        DataFile file(m_rt, this, RunFile);
        file.put(1, HighRun);
    }
}

void frmVorlina::pause(double length)
{
    const double start = m_rt.Timer();
    for (;;) {
        double elapsed = m_rt.Timer() - start;
        if (elapsed < 0)
            elapsed += 86400.0; // the clock passed midnight
        if (elapsed >= length)
            return;
        m_rt.DoEvents(length - elapsed);
    }
}

void frmVorlina::Pause1()
{
    pause(0.15);
}

void frmVorlina::Pause2()
{
    pause(1.0);
}

void frmVorlina::GameOver()
{
    lblBonuslbl->setText(QStringLiteral("GAME OVER"));
    lblBonuslbl->show();
    if (m_links)
        m_links->HighScores(Score, HighScore);
    lblBonus->hide();
    cmdTake->hide();
    cmdDeal->show();
    cmdExit->show();
    cmdMenu->show();
    cmdScores->show();
    Round = 1;
    Score = 0;
    // The cards the last round left open must not score into the next game.
    for (ImageControl *spot : imgSpot)
        spot->setEnabled(false);
}

void frmVorlina::ClearBonus()
{
    SequenceScope sequence(m_sequenceDepth);
    Timer1->stop();
    cmdTake->hide();
    lblBonuslbl->setText(QStringLiteral("YOU DID IT!!"));
    lblBonuslbl->show();
    Pause2();
    lblBonuslbl->setText(QStringLiteral("CARD BONUS:"));
    lblBonus->setText(QStringLiteral("0"));
    lblBonus->show();
    const qint16 cards = StockSize - StockPos;
    for (qint16 i = 1; i <= cards; ++i) {
        lblBonus->setText(QString::number(CardBonusPerCard * i));
        Score = checked<qint32>(qint64(Score) + CardBonusPerCard);
        lblScore->setText(QString::number(Score));
        lblCards->setText(QString::number(StockSize - StockPos - i));
        Pause1();
    }
    Pause2();
    cmdTake_Click();
}

void frmVorlina::cmdDeal_Click()
{
    shuffle.ShuffleDeck(m_rt);
    ReSetCards();
    StockPos = 0;
    TimeLeft = RoundSeconds;
    Timer1->start();
    lblSpot0->hide();
    lblSpot1->hide();
    lblBonuslbl->hide();
    lblBonus->hide();
    cmdDeal->hide();
    cmdTake->show();
    cmdExit->hide();
    cmdMenu->hide();
    cmdScores->hide();
}

void frmVorlina::cmdExit_Click()
{
    m_rt.End(0);
}

void frmVorlina::cmdMenu_Click()
{
    if (!m_links)
        return;
    m_links->showMenu();
    setEnabled(false);
}

void frmVorlina::cmdScores_Click()
{
    if (!m_links)
        return;
    m_links->showScores();
    setEnabled(false);
}

void frmVorlina::cmdTake_Click()
{
    SequenceScope sequence(m_sequenceDepth);
    Timer1->stop();
    cmdTake->hide();
    lblBonuslbl->setText(QStringLiteral("TIME BONUS:"));
    lblBonuslbl->show();
    lblBonus->setText(QStringLiteral("0"));
    lblBonus->show();
    Round = checked<qint16>(qint64(Round) + 1);
    const qint16 seconds = TimeLeft;
    for (qint16 i = 1; i <= seconds; ++i) {
        lblBonus->setText(QString::number(TimeBonusPerSecond * i));
        Score = checked<qint32>(qint64(Score) + TimeBonusPerSecond);
        lblScore->setText(QString::number(Score));
        ProgressBar1->setValue(TimeLeft - i);
        Pause1();
    }
    Pause2();
    if (Round == 2 || (Round == 3 && Score > BonusRoundScore)) {
        lblBonuslbl->setText(QStringLiteral("Round: ") + QString::number(Round));
        lblBonuslbl->show();
        lblBonus->hide();
        Pause2();
        cmdDeal_Click();
        return;
    }
    if (Score == PictureScore) {
        teamPic().show();
        setEnabled(false);
        while (TeamPicDone == 0)
            Pause1();
    }
    TeamPicDone = 0;
    GameOver();
}

void frmVorlina::imgSpot_Click(int index)
{
    // An end-of-round sequence takes no plays: one inside it could clear the tableau and
    // start a second sequence within the first.
    if (inSequence() || index < 0 || index >= SpotCount)
        return;
    if (index == StockSpot) {
        FlipCard();
        return;
    }
    CardNum = checked<qint16>(qRound64(Val(imgSpot[index]->Tag)));
    GetGameVal();
    SpotNum = static_cast<qint16>(index);
    if (playsOnto(Val(imgSpot[FaceUpSpot]->Tag), GameVal))
        MoveCard();
    else
        m_rt.Beep();
    EnableOpenCards();
}

void frmVorlina::Timer1_Timer()
{
    TimeLeft = checked<qint16>(qint64(TimeLeft) - 1);
    if (TimeLeft == -1) {
        SequenceScope sequence(m_sequenceDepth);
        // Stopped before the box: no tick may count down while it is up.
        Timer1->stop();
        m_rt.MsgBox(this, QStringLiteral("time is up!!!"));
        TimeLeft = 0;
        cmdTake_Click();
    }
    ProgressBar1->setValue(TimeLeft);
}

void frmVorlina::closeEvent(QCloseEvent *event)
{
    // Switched off, the table takes no input, its close box included: a game waiting on the
    // picture screen would otherwise end before its score is offered to the top ten.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    // Closing the table ends the program, as Exit does.
    event->accept();
    m_rt.End(0);
}
