#include "scores/frmhiscores.h"

#include "images/pictures.h"
#include "runtime/convert.h"
#include "runtime/datafile.h"
#include "runtime/forms.h"
#include "runtime/runtime.h"
#include "scores/names.h"
#include "table/frmvorlina.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include <optional>

namespace {

const QString ScoresFile = QStringLiteral("qimscores.dat");
const QString NamesFile = QStringLiteral("names.dat");
const QString RunFile = QStringLiteral("qimruntot.dat");

constexpr int NameLength = 15;
const QByteArray BlankName(NameLength, ' ');

constexpr qint64 scorePos(int rank)
{
    return 10 + 4 * (rank - 1);
}

constexpr qint64 namePos(int rank)
{
    return 10 + NameLength * (rank - 1);
}

constexpr TwipsRect ClientArea = {3240, 2295, 6030, 4200};

struct RowLayout
{
    QLabel *frmHiScores::*rankLabel;
    const char *rankCaption;
    TwipsRect rank;
    TwipsRect name;
    TwipsRect score;
    unsigned colour;
    double points;
};

const RowLayout Rows[TopTen] = {
    {&frmHiScores::lblOne, "#1", {240, 360, 495, 495}, {840, 360, 3015, 495},
     {3840, 360, 1455, 495}, Bgr::Red, 20.25},
    {&frmHiScores::lblTwo, "#2", {240, 840, 375, 375}, {840, 840, 2775, 495},
     {3840, 840, 1455, 375}, Bgr::Yellow, 18},
    {&frmHiScores::lblThree, "#3", {240, 1200, 375, 375}, {840, 1200, 2775, 375},
     {3840, 1200, 1455, 375}, Bgr::Green, 15.75},
    {&frmHiScores::lblFour, "#4", {240, 1560, 375, 375}, {840, 1560, 2775, 375},
     {3840, 1560, 1455, 375}, Bgr::Cyan, 14.25},
    {&frmHiScores::lblFive, "#5", {240, 1920, 255, 255}, {840, 1920, 2415, 255},
     {3840, 1920, 1455, 255}, Bgr::Blue, 12},
    {&frmHiScores::lblSix, "#6", {240, 2280, 255, 255}, {840, 2280, 2415, 255},
     {3840, 2280, 1455, 255}, Bgr::Magenta, 9.75},
    {&frmHiScores::lblSeven, "#7", {240, 2520, 255, 255}, {840, 2520, 2415, 255},
     {3840, 2520, 1455, 255}, Bgr::Magenta, 9.75},
    {&frmHiScores::lblEight, "#8", {240, 2760, 255, 255}, {840, 2760, 2415, 255},
     {3840, 2760, 1455, 255}, Bgr::Magenta, 9.75},
    {&frmHiScores::lblNine, "#9", {240, 3000, 255, 255}, {840, 3000, 2415, 255},
     {3840, 3000, 1455, 255}, Bgr::Magenta, 9.75},
    {&frmHiScores::LblTen, "#10", {240, 3240, 375, 255}, {840, 3240, 2415, 255},
     {3840, 3240, 1455, 255}, Bgr::Magenta, 9.75},
};

constexpr TwipsRect OkayRect = {1800, 3600, 735, 495};
constexpr TwipsRect ClearRect = {3240, 3600, 735, 495};

// A name as the player typed it, in the file's single-byte form: cut and padded to the field.
QByteArray nameField(const QString &name)
{
    QByteArray bytes = toAnsi(name).left(NameLength);
    bytes.append(NameLength - bytes.size(), ' ');
    return bytes;
}

// A stored name for a label. A damaged file may hold control bytes, which would break the
// row, so they show as "?"; the file keeps them as they are.
QString shownName(const QByteArray &bytes)
{
    QString text = fromAnsi(bytes);
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    }
    return text;
}

} // namespace

frmHiScores::frmHiScores(Runtime &rt, frmVorlina &table)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_rt(rt), m_table(table)
{
    setWindowTitle(QStringLiteral("High Scores"));
    setWindowIcon(programIcon());
    setFixedSize(fromTwips(ClientArea.width), fromTwips(ClientArea.height));
    setBackColour(this, Bgr::Black);

    for (int i = 0; i < TopTen; ++i) {
        const RowLayout &row = Rows[i];
        const auto label = [&](const QString &caption, TwipsRect rect, Qt::Alignment align) {
            QLabel *made = makeLabel(this, caption, rect, Face::TimesNewRoman, row.points, true,
                                     row.colour, Bgr::Black, align | Qt::AlignTop);
            made->setWordWrap(false);
            return made;
        };
        this->*row.rankLabel = label(QString::fromLatin1(row.rankCaption), row.rank,
                                     Qt::AlignLeft);
        lblName[i] = label(QString(), row.name, Qt::AlignLeft);
        lblScore[i] = label(QString(), row.score, Qt::AlignRight);
    }

    cmdOkay = new QPushButton(QStringLiteral("OK"), this);
    cmdOkay->setGeometry(fromTwips(OkayRect));
    QPalette palette = cmdOkay->palette();
    palette.setColor(QPalette::Button, fromBgr(Bgr::LightGrey));
    cmdOkay->setPalette(palette);
    cmdClear = new QPushButton(QStringLiteral("Clear"), this);
    cmdClear->setGeometry(fromTwips(ClearRect));
    // Neither is the window's Enter button, but Enter presses whichever has the focus.
    cmdOkay->setAutoDefault(true);
    cmdClear->setAutoDefault(true);
    setTabOrder(cmdOkay, cmdClear);
    cmdOkay->setFocus();
    connect(cmdOkay, &QPushButton::clicked, this, &frmHiScores::cmdOkay_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmHiScores::cmdClear_Click);
}

void frmHiScores::setVisible(bool visible)
{
    // Set up once, at the first showing, before the window appears.
    if (visible && firstShowing())
        Form_Load();
    QWidget::setVisible(visible);
}

bool frmHiScores::firstShowing()
{
    if (m_loaded)
        return false;
    m_loaded = true;
    placeLikeStored(this, QPoint(ClientArea.left, ClientArea.top), &m_table);
    return true;
}

// The window the player answers to: this one while it is up, else the table, where a game has
// just ended or the High Scores button was pressed.
QWidget *frmHiScores::asker()
{
    return isVisible() ? static_cast<QWidget *>(this) : &m_table;
}

void frmHiScores::Form_Load()
{
    qint32 best = 0;
    {
        DataFile scores(m_rt, asker(), ScoresFile);
        if (scores.failed())
            return;
        scores.get(scorePos(1), best);
    }
    if (best == 0) {
        LoadFlag = 1;
        ClearScores();
    }
}

void frmHiScores::ClearScores()
{
    const bool loading = LoadFlag == 1;
    LoadFlag = 0;
    {
        DataFile scores(m_rt, asker(), ScoresFile);
        if (scores.failed())
            return;
        DataFile names(m_rt, asker(), NamesFile);
        if (names.failed())
            return;
        for (int r = 1; r <= TopTen; ++r) {
            scores.put(scorePos(r), qint32(0));
            names.put(namePos(r), BlankName);
        }
        // Both files or neither, so that every row keeps its name.
        DataFile::closeBoth(scores, names);
        if (scores.failed() || names.failed())
            return;
    }
    m_table.lblHighScore->setText(QStringLiteral("0"));
    m_table.HighScore = 0;
    if (loading)
        return;

    {
        DataFile run(m_rt, asker(), RunFile);
        run.put(1, qint32(0));
        run.close();
        if (run.failed())
            return;
    }
    m_table.lblHighRun->setText(QStringLiteral("0"));
    m_table.HighRun = 0;
    GetScores();
}

void frmHiScores::GetScores()
{
    qint32 score = 0;
    QByteArray name = BlankName;
    DataFile scores(m_rt, asker(), ScoresFile);
    if (scores.failed())
        return;
    DataFile names(m_rt, asker(), NamesFile);
    if (names.failed())
        return;
    for (int r = 1; r <= TopTen; ++r) {
        scores.get(scorePos(r), score);
        lblScore[r - 1]->setText(QString::number(score));
        names.get(namePos(r), name);
        lblName[r - 1]->setText(shownName(name));
    }
}

void frmHiScores::HighScores(qint32 &Score, qint32 &HighScore)
{
    m_rt.Randomize();
    std::array<qint32, TopTen + 1> Scores{};
    std::array<QByteArray, TopTen + 1> TopNames;
    std::optional<int> NewRank;
    {
        DataFile scores(m_rt, asker(), ScoresFile);
        if (scores.failed())
            return;
        DataFile names(m_rt, asker(), NamesFile);
        if (names.failed())
            return;

        // A row past the end of a file repeats the row above it.
        qint32 score = 0;
        QByteArray name = BlankName;
        for (int r = 1; r <= TopTen; ++r) {
            scores.get(scorePos(r), score);
            Scores[r] = score;
            names.get(namePos(r), name);
            TopNames[r] = name;
        }

        // A tie ranks below the score already stored.
        for (int r = TopTen; r >= 1; --r) {
            if (Score > Scores[r])
                NewRank = r;
        }

        if (NewRank) {
            QString answer = m_rt.InputBox(
                asker(),
                QStringLiteral("You Got A High Score!!\rEnter Your Name:\r(10 Characters Max.)"),
                QStringLiteral("High Score!!"));
            if (answer.isEmpty())
                answer = Names::DefaultNames[int(m_rt.Rnd() * 6.0)];
            for (int r = TopTen; r > *NewRank; --r) {
                Scores[r] = Scores[r - 1];
                TopNames[r] = TopNames[r - 1];
            }
            Scores[*NewRank] = Score;
            TopNames[*NewRank] = nameField(answer);
        }

        // Every row goes back, entered or not; both files or neither.
        for (int r = 1; r <= TopTen; ++r) {
            scores.put(scorePos(r), Scores[r]);
            names.put(namePos(r), TopNames[r]);
        }
        DataFile::closeBoth(scores, names);
        if (scores.failed() || names.failed())
            return;
    }

    if (Score > HighScore) {
        HighScore = Score;
        m_table.lblHighScore->setText(QString::number(HighScore));
    }

    if (NewRank) {
        // Both files were just written whole, so a first showing has nothing to set up; its
        // reset of a best score of 0 (a damaged table of negative scores) would lose this entry.
        firstShowing();
        show();
        GetScores();
        m_table.setEnabled(false);
    }
}

void frmHiScores::cmdClear_Click()
{
    if (m_rt.MsgBox(this, QStringLiteral("Are you sure you want clear the highscores"),
                    Runtime::MsgYesNoQuestion)
        == Runtime::AnswerYes) {
        ClearScores();
    }
}

void frmHiScores::cmdOkay_Click()
{
    m_table.setEnabled(true);
    hide();
}

void frmHiScores::closeEvent(QCloseEvent *event)
{
    // The close box acts as OK, so the table is never left switched off with nothing to free it.
    event->ignore();
    cmdOkay_Click();
}
