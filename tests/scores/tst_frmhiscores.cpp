#include "scores/frmhiscores.h"

#include "runtime/scriptedruntime.h"
#include "scores/names.h"
#include "table/frmvorlina.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QtEndian>

#include <sys/fsuid.h>
#include <unistd.h>

#include <functional>
#include <limits>
#include <memory>
#include <random>

namespace {

const QString ScoresFile = QStringLiteral("qimscores.dat");
const QString NamesFile = QStringLiteral("names.dat");
const QString RunFile = QStringLiteral("qimruntot.dat");
const QByteArray Header(9, '\0');
const QByteArray Blank(15, ' ');

QByteArray scoreRows(const QList<qint32> &scores)
{
    QByteArray bytes;
    for (const qint32 score : scores) {
        char le[4];
        qToLittleEndian(score, le);
        bytes.append(le, 4);
    }
    return bytes;
}

QByteArray nameRows(const QList<QByteArray> &names)
{
    QByteArray bytes;
    for (const QByteArray &name : names)
        bytes += name.leftJustified(15, ' ', true);
    return bytes;
}

QList<qint32> repeated(qint32 score, int count)
{
    return QList<qint32>(count, score);
}

// 1000, 900, ..., 100.
QList<qint32> descending()
{
    QList<qint32> scores;
    for (int s = 1000; s >= 100; s -= 100)
        scores << s;
    return scores;
}

QStringList texts(const std::array<QLabel *, TopTen> &labels)
{
    QStringList result;
    for (const QLabel *label : labels)
        result << label->text();
    return result;
}

// Runs a check when a widget receives an event of one type.
class OnEvent : public QObject
{
public:
    OnEvent(QWidget *target, QEvent::Type type, std::function<void()> action)
        : m_type(type), m_action(std::move(action))
    {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type)
            m_action();
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_action;
};

// A runtime that can act while the name prompt is up, when both score files are open.
class PromptingRuntime : public ScriptedRuntime
{
public:
    QString InputBox(QWidget *owner, const QString &prompt, const QString &title) override
    {
        if (onPrompt)
            onPrompt();
        return ScriptedRuntime::InputBox(owner, prompt, title);
    }
    std::function<void()> onPrompt;
};

// The working folder closed to new files, as a shared game folder may be, so that a file can
// only be rewritten in place. An administrator's right to write anywhere is set aside
// meanwhile, so that the files' modes count.
class ClosedFolder
{
public:
    explicit ClosedFolder(const QString &path) : m_path(path)
    {
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                          | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        if (::geteuid() == 0) {
            ::setfsuid(65534);
            m_asPlayer = true;
        }
    }
    ~ClosedFolder()
    {
        if (m_asPlayer)
            ::setfsuid(0);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ClosedFolder(const ClosedFolder &) = delete;
    ClosedFolder &operator=(const ClosedFolder &) = delete;

private:
    QString m_path;
    bool m_asPlayer = false;
};

struct Fixture
{
    PromptingRuntime rt;
    frmVorlina table{rt};
    frmHiScores w{rt, table};
};

} // namespace

class tst_frmHiScores : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Names::LoadNames(); }
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void clearScoresWritesEmptyTable_data();
    void clearScoresWritesEmptyTable();
    void clearButton_data();
    void clearButton();
    void firstShowing_data();
    void firstShowing();
    void secondShowingDoesNotSetUpAgain();
    void getScoresShowsRows_data();
    void getScoresShowsRows();
    void rankSearch_data();
    void rankSearch();
    void enteredName_data();
    void enteredName();
    void entryBytesOnFreshFiles();
    void bestScore_data();
    void bestScore();
    void okayAndCloseBoxFreeTheTable_data();
    void okayAndCloseBoxFreeTheTable();
    void keys_data();
    void keys();
    void damagedFiles_data();
    void damagedFiles();
    void unusableFileEndsWithoutTouchingTheOther_data();
    void unusableFileEndsWithoutTouchingTheOther();
    void folderClosedToNewFiles_data();
    void folderClosedToNewFiles();

private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

void tst_frmHiScores::clearScoresWritesEmptyTable_data()
{
    QTest::addColumn<QByteArray>("scores");
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<QByteArray>("run");

    QTest::newRow("no files") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("full table, own header bytes")
        << "ABCDEFGHI" + scoreRows(descending())
        << "abcdefghi" + nameRows(QList<QByteArray>(10, "Orrin Tavish"))
        << QByteArray::fromHex("0900");
}

void tst_frmHiScores::clearScoresWritesEmptyTable()
{
    QFETCH(QByteArray, scores);
    QFETCH(QByteArray, names);
    QFETCH(QByteArray, run);
    for (const auto &[file, bytes] : {std::pair(ScoresFile, scores), std::pair(NamesFile, names),
                                      std::pair(RunFile, run)}) {
        if (!bytes.isEmpty())
            writeFile(file, bytes);
    }
    Fixture f;
    if (scores.isEmpty()) {
        // The table made them empty at start-up; the score table must cope with none at all.
        QFile::remove(ScoresFile);
        QFile::remove(NamesFile);
        QFile::remove(RunFile);
    }
    f.w.ClearScores();

    const QByteArray scoresHeader = scores.isEmpty() ? Header : scores.left(9);
    const QByteArray namesHeader = names.isEmpty() ? Header : names.left(9);
    QCOMPARE(readFile(ScoresFile), scoresHeader + scoreRows(repeated(0, 10)));
    QCOMPARE(readFile(NamesFile), namesHeader + nameRows(QList<QByteArray>(10, Blank)));
    QCOMPARE(readFile(ScoresFile).size(), 49);
    QCOMPARE(readFile(NamesFile).size(), 159);
    QCOMPARE(readFile(RunFile), QByteArray(4, '\0'));
    QCOMPARE(f.table.HighScore, 0);
    QCOMPARE(f.table.HighRun, qint16(0));
    QCOMPARE(f.table.lblHighScore->text(), QStringLiteral("0"));
    QCOMPARE(f.table.lblHighRun->text(), QStringLiteral("0"));
    QCOMPARE(texts(f.w.lblScore), QStringList(10, QStringLiteral("0")));
    QCOMPARE(texts(f.w.lblName), QStringList(10, QString(Blank)));
    QCOMPARE(f.rt.endStatus, -1);
}

void tst_frmHiScores::clearButton_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << Runtime::AnswerYes;
    QTest::newRow("no") << Runtime::AnswerNo;
}

void tst_frmHiScores::clearButton()
{
    QFETCH(int, answer);
    const QByteArray scores = Header + scoreRows(descending());
    const QByteArray names = Header + nameRows(QList<QByteArray>(10, "Ivo Strand"));
    const QByteArray run = QByteArray::fromHex("0700");
    writeFile(ScoresFile, scores);
    writeFile(NamesFile, names);
    writeFile(RunFile, run);
    Fixture f;
    f.w.show();
    f.w.GetScores();
    f.table.setEnabled(false);
    f.rt.msgBoxAnswers << answer;

    QTest::mouseClick(f.w.cmdClear, Qt::LeftButton);

    QCOMPARE(f.rt.messages, QStringList{QStringLiteral("Are you sure you want clear the highscores")});
    QCOMPARE(f.rt.messageButtons, QList<int>{Runtime::MsgYesNoQuestion});
    QCOMPARE(f.rt.messageOwners, QList<QWidget *>{&f.w});
    QVERIFY(f.w.isVisible());
    QVERIFY(!f.table.isEnabled());
    if (answer == Runtime::AnswerYes) {
        QCOMPARE(readFile(ScoresFile), Header + scoreRows(repeated(0, 10)));
        QCOMPARE(readFile(NamesFile), Header + nameRows(QList<QByteArray>(10, Blank)));
        // A 2-byte run file grows to 4: the clear writes a 32-bit zero.
        QCOMPARE(readFile(RunFile), QByteArray(4, '\0'));
        QCOMPARE(f.table.HighScore, 0);
        QCOMPARE(f.table.HighRun, qint16(0));
        QCOMPARE(f.table.lblHighScore->text(), QStringLiteral("0"));
        QCOMPARE(f.table.lblHighRun->text(), QStringLiteral("0"));
        QCOMPARE(texts(f.w.lblScore), QStringList(10, QStringLiteral("0")));
        QCOMPARE(texts(f.w.lblName), QStringList(10, QString(Blank)));
    } else {
        QCOMPARE(readFile(ScoresFile), scores);
        QCOMPARE(readFile(NamesFile), names);
        QCOMPARE(readFile(RunFile), run);
        QCOMPARE(f.table.HighScore, 1000);
        QCOMPARE(f.table.HighRun, qint16(7));
        QCOMPARE(f.table.lblHighScore->text(), QStringLiteral("1000"));
        QCOMPARE(f.table.lblHighRun->text(), QStringLiteral("7"));
        QCOMPARE(f.w.lblScore[9]->text(), QStringLiteral("100"));
        QCOMPARE(f.w.lblName[0]->text(), QStringLiteral("Ivo Strand     "));
    }
}

void tst_frmHiScores::firstShowing_data()
{
    QTest::addColumn<QByteArray>("scores");
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<bool>("setsUp");

    const QByteArray emptyScores = Header + scoreRows(repeated(0, 10));
    const QByteArray emptyNames = Header + nameRows(QList<QByteArray>(10, Blank));
    QTest::newRow("fresh directory") << QByteArray() << QByteArray() << true;
    QTest::newRow("cleared in an earlier run") << emptyScores << emptyNames << true;
    QTest::newRow("best score above zero")
        << Header + scoreRows({300}) << Header + nameRows({"Colm Ardagh"}) << false;
}

void tst_frmHiScores::firstShowing()
{
    QFETCH(QByteArray, scores);
    QFETCH(QByteArray, names);
    QFETCH(bool, setsUp);
    writeFile(ScoresFile, scores);
    writeFile(NamesFile, names);
    writeFile(RunFile, QByteArray::fromHex("0500"));
    Fixture f;
    f.table.HighScore = 77;
    f.table.lblHighScore->setText(QStringLiteral("77"));

    bool filesReadyWhenShown = false;
    OnEvent atShow(&f.w, QEvent::Show, [&] {
        filesReadyWhenShown = readFile(ScoresFile).size() == 49;
    });
    f.w.show();

    if (setsUp) {
        QVERIFY(filesReadyWhenShown);
        QCOMPARE(readFile(ScoresFile), Header + scoreRows(repeated(0, 10)));
        QCOMPARE(readFile(NamesFile), Header + nameRows(QList<QByteArray>(10, Blank)));
        QCOMPARE(f.table.HighScore, 0);
        QCOMPARE(f.table.lblHighScore->text(), QStringLiteral("0"));
    } else {
        QCOMPARE(readFile(ScoresFile), scores);
        QCOMPARE(readFile(NamesFile), names);
        QCOMPARE(f.table.HighScore, 77);
    }
    // The best run is none of the first showing's business, nor are the rows, which the
    // caller fills next.
    QCOMPARE(readFile(RunFile), QByteArray::fromHex("0500"));
    QCOMPARE(f.table.HighRun, qint16(5));
    QCOMPARE(f.table.lblHighRun->text(), QStringLiteral("5"));
    QCOMPARE(texts(f.w.lblScore), QStringList(10, QString()));
    QCOMPARE(f.w.LoadFlag, qint16(0));

    f.w.GetScores();
    QCOMPARE(f.w.lblScore[0]->text(), setsUp ? QStringLiteral("0") : QStringLiteral("300"));
    QCOMPARE(f.w.LblTen->text(), QStringLiteral("#10"));
}

void tst_frmHiScores::secondShowingDoesNotSetUpAgain()
{
    writeFile(ScoresFile, Header + scoreRows({500}));
    Fixture f;
    f.w.show();
    QTest::mouseClick(f.w.cmdOkay, Qt::LeftButton);
    QVERIFY(!f.w.isVisible());

    const QByteArray zeroBest = Header + scoreRows({0, 400});
    writeFile(ScoresFile, zeroBest);
    f.w.show();
    f.w.GetScores();
    QCOMPARE(readFile(ScoresFile), zeroBest);
    QCOMPARE(f.w.lblScore[1]->text(), QStringLiteral("400"));
}

void tst_frmHiScores::getScoresShowsRows_data()
{
    QTest::addColumn<QByteArray>("scores");
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<QStringList>("shownScores");
    QTest::addColumn<QStringList>("shownNames");

    const QList<QByteArray> ten = {"Orrin Tavish", "Dace Wymer", "C", "D", "E",
                                   "F", "G", "H", "I", "Rudy Plover"};
    QStringList tenShown;
    for (const QByteArray &name : ten)
        tenShown << QString::fromLatin1(name.leftJustified(15));

    QTest::newRow("no files") << QByteArray() << QByteArray() << QStringList(10, "0")
                              << QStringList(10, QString(Blank));
    QTest::newRow("full, with a negative score")
        << Header + scoreRows({11000, -5, 300, 200, 100, 0, 0, 0, 0, -2147483647 - 1})
        << Header + nameRows(ten)
        << QStringList{"11000", "-5", "300", "200", "100", "0", "0", "0", "0", "-2147483648"}
        << tenShown;
    // Rows past the end repeat the row above; the two files are read independently.
    QTest::newRow("scores cut after rank 3")
        << Header + scoreRows({900, 800, 700}) << Header + nameRows(ten)
        << QStringList{"900", "800", "700", "700", "700", "700", "700", "700", "700", "700"}
        << tenShown;
    QTest::newRow("cut inside a row")
        << Header + scoreRows({900, 800}) + QByteArray("\x01\x02", 2)
        << Header + nameRows({"Lamar Quell"}) + QByteArray("Colm")
        << QStringList{"900", "800", "800", "800", "800", "800", "800", "800", "800", "800"}
        << QStringList(10, QStringLiteral("Lamar Quell    "));
}

void tst_frmHiScores::getScoresShowsRows()
{
    QFETCH(QByteArray, scores);
    QFETCH(QByteArray, names);
    QFETCH(QStringList, shownScores);
    QFETCH(QStringList, shownNames);
    writeFile(ScoresFile, scores);
    writeFile(NamesFile, names);
    Fixture f;
    f.w.GetScores();
    QCOMPARE(texts(f.w.lblScore), shownScores);
    QCOMPARE(texts(f.w.lblName), shownNames);
    // Reading never writes.
    QCOMPARE(readFile(ScoresFile), scores);
    QCOMPARE(readFile(NamesFile), names);
}

void tst_frmHiScores::rankSearch_data()
{
    QTest::addColumn<QList<qint32>>("stored"); // one names row per stored score, "N1", "N2", ...
    QTest::addColumn<qint32>("score");
    QTest::addColumn<int>("rank"); // 0: does not enter
    QTest::addColumn<QList<qint32>>("written");

    QTest::newRow("a tie ranks below")
        << QList<qint32>{5000, 4000, 4000, 3000, 0, 0, 0, 0, 0, 0} << 4000 << 4
        << QList<qint32>{5000, 4000, 4000, 4000, 3000, 0, 0, 0, 0, 0};
    QTest::newRow("equal to rank 10") << descending() << 100 << 0 << descending();
    QTest::newRow("zero on a cleared table") << repeated(0, 10) << 0 << 0 << repeated(0, 10);
    QTest::newRow("rank 10 moves nothing")
        << descending() << 150 << 10
        << QList<qint32>{1000, 900, 800, 700, 600, 500, 400, 300, 200, 150};
    QTest::newRow("new best") << descending() << 5000 << 1
                              << QList<qint32>{5000, 1000, 900, 800, 700, 600, 500, 400, 300, 200};
    QTest::newRow("no rows yet") << QList<qint32>{} << 300 << 1
                                 << QList<qint32>{300, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    // Short files are written back whole, with the rows as they were read.
    QTest::newRow("short files, no entry")
        << QList<qint32>{1000, 500} << 500 << 0
        << QList<qint32>{1000, 500, 500, 500, 500, 500, 500, 500, 500, 500};
    // The first showing must not take the new zero at rank 1 for an empty table.
    QTest::newRow("zero above damaged negative rows")
        << repeated(-5, 10) << 0 << 1 << QList<qint32>{0, -5, -5, -5, -5, -5, -5, -5, -5, -5};
}

void tst_frmHiScores::rankSearch()
{
    QFETCH(QList<qint32>, stored);
    QFETCH(qint32, score);
    QFETCH(int, rank);
    QFETCH(QList<qint32>, written);
    QList<QByteArray> storedNames;
    for (int r = 1; r <= stored.size(); ++r)
        storedNames << "N" + QByteArray::number(r);
    writeFile(ScoresFile, Header + scoreRows(stored));
    writeFile(NamesFile, Header + nameRows(storedNames));

    // What was read: a row past the end repeats the row above.
    QList<QByteArray> writtenNames;
    for (int r = 0; r < 10; ++r)
        writtenNames << (r < storedNames.size() ? storedNames[r]
                                                : writtenNames.value(r - 1, Blank));
    if (rank > 0) {
        writtenNames.insert(rank - 1, "New");
        writtenNames.removeLast();
    }

    Fixture f;
    f.rt.inputAnswers << QStringLiteral("New");
    qint32 highScore = std::numeric_limits<qint32>::max();
    f.w.HighScores(score, highScore);

    QCOMPARE(readFile(ScoresFile), Header + scoreRows(written));
    QCOMPARE(readFile(NamesFile), Header + nameRows(writtenNames));
    QCOMPARE(f.rt.prompts.size(), rank > 0 ? 1 : 0);
    QCOMPARE(f.w.isVisible(), rank > 0);
    QCOMPARE(f.table.isEnabled(), rank == 0);
    if (rank > 0) {
        QCOMPARE(f.w.lblScore[rank - 1]->text(), QString::number(score));
        QCOMPARE(f.w.lblName[rank - 1]->text(), QStringLiteral("New            "));
    }
    QCOMPARE(f.rt.randomizeCalls, 2); // once at start-up, once for this game
}

void tst_frmHiScores::enteredName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("random");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");

    QTest::newRow("20 characters") << QStringLiteral("ABCDEFGHIJKLMNOPQRST") << 0.0f
                                   << QByteArray("ABCDEFGHIJKLMNO")
                                   << QStringLiteral("ABCDEFGHIJKLMNO");
    QTest::newRow("10 characters") << QStringLiteral("Ann Marsh!") << 0.0f
                                   << QByteArray("Ann Marsh!     ")
                                   << QStringLiteral("Ann Marsh!     ");
    QTest::newRow("spaces kept") << QStringLiteral("  ") << 0.0f << Blank << QString(Blank);
    QTest::newRow("Windows-1252") << QStringLiteral("Zo\u00eb \u20ac") << 0.0f
                                  << QByteArray("Zo\xeb \x80          ")
                                  << QStringLiteral("Zo\u00eb \u20ac          ");
    // Cut by bytes: one "?" for a character outside the code page, even outside the BMP.
    QTest::newRow("outside the code page")
        << QStringLiteral("\u03a9mega \U0001F600 long name here") << 0.0f
        << QByteArray("?mega ? long na") << QStringLiteral("?mega ? long na");
    QTest::newRow("cancel, random 0") << QString() << 0.0f << QByteArray("Orrin Tavish   ")
                                      << QStringLiteral("Orrin Tavish   ");
    QTest::newRow("cancel, random 0.2") << QString() << 0.2f << QByteArray("Lamar Quell    ")
                                        << QStringLiteral("Lamar Quell    ");
    QTest::newRow("cancel, random 0.34") << QString() << 0.34f << QByteArray("Colm Ardagh    ")
                                         << QStringLiteral("Colm Ardagh    ");
    QTest::newRow("cancel, random 0.5") << QString() << 0.5f << QByteArray("Dace Wymer     ")
                                        << QStringLiteral("Dace Wymer     ");
    QTest::newRow("cancel, random 0.7") << QString() << 0.7f << QByteArray("Ivo Strand     ")
                                        << QStringLiteral("Ivo Strand     ");
    QTest::newRow("cancel, random below 1")
        << QString() << 0.99999994f << QByteArray("Rudy Plover    ")
        << QStringLiteral("Rudy Plover    ");
}

void tst_frmHiScores::enteredName()
{
    QFETCH(QString, typed);
    QFETCH(float, random);
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    Fixture f;
    f.rt.inputAnswers << typed;
    f.rt.randomValues << random;
    qint32 score = 2500;
    qint32 highScore = 0;
    f.w.HighScores(score, highScore);

    QCOMPARE(f.rt.prompts, QStringList{QStringLiteral(
                               "You Got A High Score!!\rEnter Your Name:\r(10 Characters Max.)")});
    QCOMPARE(f.rt.promptTitles, QStringList{QStringLiteral("High Score!!")});
    // The game ended on the table, and the score window is not up yet.
    QCOMPARE(f.rt.promptOwners, QList<QWidget *>{&f.table});
    QCOMPARE(readFile(NamesFile).mid(9, 15), stored);
    QCOMPARE(f.w.lblName[0]->text(), shown);
    // The random value is taken only for a name left empty.
    QCOMPARE(f.rt.randomValues.isEmpty(), typed.isEmpty());
}

void tst_frmHiScores::entryBytesOnFreshFiles()
{
    Fixture f;
    f.rt.randomValues << 0.5f;
    qint32 score = 11000;
    qint32 highScore = 0;
    f.w.HighScores(score, highScore);
    QCOMPARE(readFile(ScoresFile),
             Header + QByteArray::fromHex("f82a0000") + QByteArray(36, '\0'));
    QCOMPARE(readFile(NamesFile), Header + QByteArray("Dace Wymer     ") + QByteArray(135, ' '));

    // The same score again ranks below it: rank 2 fills offsets 24 to 38.
    f.rt.inputAnswers << QStringLiteral("Dace Wymer");
    f.w.HighScores(score, highScore);
    QCOMPARE(readFile(NamesFile).mid(24, 15), QByteArray("Dace Wymer     "));
    QCOMPARE(readFile(ScoresFile).mid(13, 4), QByteArray::fromHex("f82a0000"));
}

void tst_frmHiScores::bestScore_data()
{
    QTest::addColumn<qint32>("best");
    QTest::addColumn<qint32>("score");
    QTest::addColumn<bool>("raised");
    QTest::newRow("new best") << 1000 << 5000 << true;
    QTest::newRow("equal to the best") << 4000 << 4000 << false;
    QTest::newRow("below the best") << 9000 << 4000 << false;
}

void tst_frmHiScores::bestScore()
{
    QFETCH(qint32, best);
    QFETCH(qint32, score);
    QFETCH(bool, raised);
    Fixture f;
    f.table.HighScore = best;
    f.table.Score = score;
    f.table.lblHighScore->setText(QStringLiteral("as before"));

    qint32 bestAtShow = 0;
    QString labelAtShow;
    OnEvent atShow(&f.w, QEvent::Show, [&] {
        bestAtShow = f.table.HighScore;
        labelAtShow = f.table.lblHighScore->text();
    });
    // As the table hands them over at the end of a game.
    f.w.HighScores(f.table.Score, f.table.HighScore);

    QVERIFY(f.w.isVisible()); // an empty table: every score above 0 enters
    QCOMPARE(bestAtShow, raised ? score : best);
    QCOMPARE(labelAtShow, raised ? QString::number(score) : QStringLiteral("as before"));
    QCOMPARE(f.table.HighScore, raised ? score : best);
    QCOMPARE(f.table.Score, score);
}

void tst_frmHiScores::okayAndCloseBoxFreeTheTable_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("OK") << false;
    QTest::newRow("close box") << true;
}

void tst_frmHiScores::okayAndCloseBoxFreeTheTable()
{
    QFETCH(bool, closeBox);
    Fixture f;
    f.table.show();
    f.w.show();
    f.w.GetScores();
    f.table.setEnabled(false);
    QVERIFY(!f.table.isEnabled());

    bool tableOnAtHide = false;
    OnEvent atHide(&f.w, QEvent::Hide, [&] { tableOnAtHide = f.table.isEnabled(); });
    if (closeBox)
        f.w.close();
    else
        QTest::mouseClick(f.w.cmdOkay, Qt::LeftButton);

    QVERIFY(tableOnAtHide);
    QVERIFY(!f.w.isVisible());
    QVERIFY(f.table.isEnabled());
}

void tst_frmHiScores::keys_data()
{
    QTest::addColumn<bool>("onClear"); // where the focus is; OK has it when the window opens
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("hides");
    QTest::addColumn<bool>("asks");

    QTest::newRow("Enter on OK") << false << int(Qt::Key_Return) << true << false;
    QTest::newRow("keypad Enter on OK") << false << int(Qt::Key_Enter) << true << false;
    QTest::newRow("Space on OK") << false << int(Qt::Key_Space) << true << false;
    QTest::newRow("Enter on Clear") << true << int(Qt::Key_Return) << false << true;
    // No cancel button: Esc does nothing.
    QTest::newRow("Esc on OK") << false << int(Qt::Key_Escape) << false << false;
    QTest::newRow("Esc on Clear") << true << int(Qt::Key_Escape) << false << false;
}

void tst_frmHiScores::keys()
{
    QFETCH(bool, onClear);
    QFETCH(int, key);
    QFETCH(bool, hides);
    QFETCH(bool, asks);
    Fixture f;
    f.table.show();
    f.w.show();
    f.w.GetScores();
    f.table.setEnabled(false);
    QCOMPARE(f.w.focusWidget(), f.w.cmdOkay);
    if (onClear)
        f.w.cmdClear->setFocus();
    f.rt.msgBoxAnswers << Runtime::AnswerNo;

    QTest::keyClick(f.w.focusWidget(), Qt::Key(key));
    QCOMPARE(f.w.isVisible(), !hides);
    QCOMPARE(f.table.isEnabled(), hides);
    QCOMPARE(f.rt.messages.size(), asks ? 1 : 0);
}

void tst_frmHiScores::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("scores");
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<QString>("firstShown"); // null: not checked

    std::mt19937 random(20240521);
    QByteArray noise(159 + 40, '\0');
    for (char &byte : noise)
        byte = char(random() & 0xFF);
    noise[9] = '\x01'; // a best score other than 0

    QTest::newRow("random bytes, longer than whole") << noise.left(49 + 20) << noise << QString();
    QTest::newRow("control bytes and 0xFF")
        << Header + scoreRows(descending())
        << Header + QByteArray("A\0B\x01\t\n\r\x1b\x7f\x81\xff<b>x", 15)
               + nameRows(QList<QByteArray>(9, "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r"))
        << QStringLiteral("A?B???????\u00ff<b>x");
    QTest::newRow("negative scores")
        << Header + scoreRows(repeated(-5, 10))
        << Header + nameRows(QList<QByteArray>(10, QByteArray(15, '\0'))) << QString(15, '?');
}

void tst_frmHiScores::damagedFiles()
{
    QFETCH(QByteArray, scores);
    QFETCH(QByteArray, names);
    QFETCH(QString, firstShown);
    writeFile(ScoresFile, scores);
    writeFile(NamesFile, names);
    Fixture f;
    f.w.show();
    f.w.GetScores();

    if (!firstShown.isNull())
        QCOMPARE(f.w.lblName[0]->text(), firstShown);
    for (int r = 0; r < TopTen; ++r) {
        const QLabel *name = f.w.lblName[r];
        QCOMPARE(name->text().size(), 15);
        for (const QChar c : name->text())
            QVERIFY2(c.category() != QChar::Other_Control, qPrintable(QString::number(r)));
        QVERIFY(!name->wordWrap());
        QCOMPARE(name->textFormat(), Qt::PlainText);
        // One line, like any plain name in the same font.
        QLabel probe(QStringLiteral("Plain"));
        probe.setFont(name->font());
        QCOMPARE(name->sizeHint().height(), probe.sizeHint().height());
    }

    // A score that cannot enter writes every row back exactly as it was read.
    qint32 lowest = std::numeric_limits<qint32>::min();
    qint32 best = 0;
    f.w.HighScores(lowest, best);
    QCOMPARE(readFile(ScoresFile), scores);
    QCOMPARE(readFile(NamesFile), names);

    // One that enters moves the damaged rows down byte for byte.
    qint32 highest = std::numeric_limits<qint32>::max();
    f.rt.inputAnswers << QStringLiteral("New");
    f.w.HighScores(highest, best);
    QCOMPARE(readFile(ScoresFile).mid(9, 40), scoreRows({highest}) + scores.mid(9, 36));
    QCOMPARE(readFile(ScoresFile).mid(49), scores.mid(49));
    QCOMPARE(readFile(NamesFile).mid(9, 150), nameRows({"New"}) + names.mid(9, 135));
    QCOMPARE(readFile(NamesFile).mid(159), names.mid(159));
    QCOMPARE(f.rt.endStatus, -1);
}

void tst_frmHiScores::unusableFileEndsWithoutTouchingTheOther_data()
{
    QTest::addColumn<QString>("broken");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("enter"); // otherwise clear
    QTest::addColumn<bool>("duringPrompt");

    QTest::newRow("clear, scores unusable") << ScoresFile << NamesFile << false << false;
    QTest::newRow("clear, names unusable") << NamesFile << ScoresFile << false << false;
    QTest::newRow("entry, scores unusable") << ScoresFile << NamesFile << true << false;
    QTest::newRow("entry, names unusable") << NamesFile << ScoresFile << true << false;
    QTest::newRow("entry, scores cannot be written")
        << ScoresFile << NamesFile << true << true;
}

void tst_frmHiScores::unusableFileEndsWithoutTouchingTheOther()
{
    QFETCH(QString, broken);
    QFETCH(QString, kept);
    QFETCH(bool, enter);
    QFETCH(bool, duringPrompt);
    const QByteArray keptBytes = kept == ScoresFile ? Header + scoreRows(descending())
                                                    : Header + nameRows({"Keep me"});
    Fixture f;
    // A clear is asked for in the score window; an entry comes from the table.
    QWidget *asker = &f.table;
    if (!enter) {
        f.w.show();
        asker = &f.w;
    }
    writeFile(kept, keptBytes);
    const auto breakIt = [&] {
        QFile::remove(broken);
        QDir().mkdir(broken);
    };
    if (duringPrompt)
        f.rt.onPrompt = breakIt;
    else
        breakIt();

    if (enter) {
        qint32 score = 5000;
        qint32 best = 0;
        f.w.HighScores(score, best);
        QCOMPARE(f.rt.prompts.size(), duringPrompt ? 1 : 0);
        QCOMPARE(best, 0);
        QVERIFY(!f.w.isVisible());
        QVERIFY(f.table.isEnabled());
    } else {
        f.table.HighScore = 1000;
        f.w.ClearScores();
        QCOMPARE(f.table.HighScore, 1000);
    }
    QCOMPARE(f.rt.endStatus, 1);
    QCOMPARE(f.rt.messages.size(), 1);
    QVERIFY2(f.rt.messages[0].contains(broken), qPrintable(f.rt.messages[0]));
    QCOMPARE(f.rt.messageOwners, QList<QWidget *>{asker});
    QCOMPARE(readFile(kept), keptBytes);
}

void tst_frmHiScores::folderClosedToNewFiles_data()
{
    QTest::addColumn<bool>("enter"); // otherwise clear
    QTest::addColumn<bool>("namesWritable");

    QTest::newRow("entry") << true << true;
    QTest::newRow("entry, names read-only") << true << false;
    QTest::newRow("clear, names read-only") << false << false;
}

void tst_frmHiScores::folderClosedToNewFiles()
{
    QFETCH(bool, enter);
    QFETCH(bool, namesWritable);
    const QByteArray scores = Header + scoreRows(descending());
    const QByteArray names = Header + nameRows(QList<QByteArray>(10, "Hana Obi"));
    writeFile(ScoresFile, scores);
    writeFile(NamesFile, names);
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto writable = readOnly | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    QVERIFY(QFile::setPermissions(ScoresFile, writable));
    QVERIFY(QFile::setPermissions(NamesFile, namesWritable ? writable : readOnly));
    Fixture f;
    f.rt.inputAnswers << QStringLiteral("New");
    {
        ClosedFolder closed(m_dir->path());
        if (enter) {
            qint32 score = 5000;
            qint32 best = 0;
            f.w.HighScores(score, best);
        } else {
            f.w.ClearScores();
        }
    }

    if (namesWritable) {
        QCOMPARE(f.rt.endStatus, -1);
        QCOMPARE(readFile(ScoresFile),
                 Header + scoreRows({5000, 1000, 900, 800, 700, 600, 500, 400, 300, 200}));
        QCOMPARE(readFile(NamesFile),
                 Header + nameRows({"New", "Hana Obi", "Hana Obi", "Hana Obi", "Hana Obi",
                                    "Hana Obi", "Hana Obi", "Hana Obi", "Hana Obi", "Hana Obi"}));
        QVERIFY(f.w.isVisible());
    } else {
        // Rows and names stay together: neither file changes.
        QCOMPARE(f.rt.endStatus, 1);
        QCOMPARE(f.rt.messages.size(), 1);
        QVERIFY2(f.rt.messages[0].contains(NamesFile), qPrintable(f.rt.messages[0]));
        QCOMPARE(readFile(ScoresFile), scores);
        QCOMPARE(readFile(NamesFile), names);
    }
}

QTEST_MAIN(tst_frmHiScores)
#include "tst_frmhiscores.moc"
