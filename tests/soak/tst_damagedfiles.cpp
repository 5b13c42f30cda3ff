#include "images/pictures.h"
#include "runtime/scriptedruntime.h"
#include "scores/frmhiscores.h"
#include "scores/names.h"
#include "table/frmvorlina.h"
#include "table/tablelinks.h"
#include "decks.h"
#include "filesystems.h"
#include "scorelinks.h"
#include "testsupport.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QtEndian>

#include <array>
#include <limits>
#include <memory>
#include <random>

// Damaged data files: the table and the score window are started on them as the program does,
// one whole game is played, and what was shown and written back is checked against the files'
// rules. A file that cannot be used at all must end the program with a message naming it,
// with the other files as the game had left them at that moment.
class tst_DamagedFiles : public QObject
{
    Q_OBJECT

private slots:
    void oneGame_data();
    void oneGame();
    void randomDamage();
    void clearWhenAScoreFileCannotChange_data();
    void clearWhenAScoreFileCannotChange();
};

namespace {

const QString ScoresFile = QStringLiteral("qimscores.dat");
const QString NamesFile = QStringLiteral("names.dat");
const QString RunFile = QStringLiteral("qimruntot.dat");
const QString BacksFile = QStringLiteral("qimbacks.dat");
const QStringList AllFiles = {ScoresFile, NamesFile, RunFile, BacksFile};

enum class Damage {
    Missing,
    Bytes,        // the file holds these bytes
    Directory,    // a directory stands where the file should be
    ParentIsFile, // the name leads into a regular file, so nothing can be made there
    Immutable,    // these bytes, readable, but the file system refuses every change
};

// Where a file that cannot be used stops the game.
enum class Stop { Never, StartUp, NewRecord, GameOver };

constexpr qint32 GameScore = 48600; // the game played below
constexpr int GameRun = 26;
const QString PlayerName = QStringLiteral("Tester");

QByteArray field(const QByteArray &name)
{
    return name.leftJustified(15, ' ', true);
}

QByteArray scoresBytes(const QList<qint32> &scores, const QByteArray &head = QByteArray(9, '\0'))
{
    QByteArray bytes = head;
    for (const qint32 score : scores)
        bytes += le32(score);
    return bytes;
}

QByteArray namesBytes(const QList<QByteArray> &names, const QByteArray &head = QByteArray(9, '\0'))
{
    QByteArray bytes = head;
    for (const QByteArray &name : names)
        bytes += field(name);
    return bytes;
}

const QList<qint32> GoodScores = {50000, 40000, 30000, 20000, 10000, 9000, 8000, 7000, 6000, 5000};
const QList<QByteArray> GoodNames = {"Alpha", "Bravo", "Charlie", "Delta", "Echo",
                                     "Foxtrot", "Golf", "Hotel", "India", "Juliett"};

QByteArray goodFile(const QString &name)
{
    if (name == ScoresFile)
        return scoresBytes(GoodScores);
    if (name == NamesFile)
        return namesBytes(GoodNames);
    if (name == RunFile)
        return le16(7);
    return le16(3);
}

QByteArray randomBytes(int size, unsigned seed)
{
    std::mt19937 dice(seed);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(dice() & 0xFF);
    return bytes;
}

QByteArray oneMiB(const QByteArray &start)
{
    return start + QByteArray((1 << 20) - start.size(), '\xAB');
}

// The ten rows as the files' readers take them: a field the file does not wholly hold keeps
// the row above it (0 and blanks above rank 1).
struct Rows
{
    QList<qint32> scores;
    QList<QByteArray> names;
};

Rows readRows(const QByteArray &scores, const QByteArray &names)
{
    Rows rows;
    qint32 score = 0;
    QByteArray name(15, ' ');
    for (int r = 0; r < 10; ++r) {
        if (scores.size() >= 9 + 4 * (r + 1))
            score = qFromLittleEndian<qint32>(scores.constData() + 9 + 4 * r);
        if (names.size() >= 9 + 15 * (r + 1))
            name = names.mid(9 + 15 * r, 15);
        rows.scores << score;
        rows.names << name;
    }
    return rows;
}

// The file after all ten rows were put back: its bytes before and after the rows stay.
QByteArray rewritten(const QByteArray &before, const QByteArray &rows, int rowsStart)
{
    QByteArray bytes = before.left(rowsStart).leftJustified(rowsStart, '\0', true);
    bytes += rows;
    if (before.size() > bytes.size())
        bytes += before.mid(bytes.size());
    return bytes;
}

qint16 run16(const QByteArray &bytes)
{
    return bytes.size() >= 2 ? qFromLittleEndian<qint16>(bytes.constData()) : 0;
}

// The four files as laid out for a game: a file that is not there, or is no file, has no entry.
using Files = QMap<QString, QByteArray>;

// The table and the score window started on the files as the program does, and one game
// played: round 1 cleared in one run, round 2 and the bonus round taken at once, for 48,600
// points and a run of 26. Stops where the program would have ended.
class GameOnFiles
{
public:
    GameOnFiles() : links(rt)
    {
        rt.onMessage = [this](const QString &message) {
            if (ended || message == QStringLiteral("time is up!!!"))
                return;
            ended = true; // the program would end here: keep the files as they are now
            for (const QString &name : AllFiles)
                atEnd[name] = readFile(name);
        };
    }
    ~GameOnFiles()
    {
        links.close();
        table.reset();
    }

    void play(const Files &before)
    {
        table = std::make_unique<frmVorlina>(rt, &links);
        links.attach(table.get());
        rt.inputAnswers.enqueue(PlayerName);
        if (stopped())
            return;
        const Rows rows = readRows(before.value(ScoresFile), before.value(NamesFile));
        const qint16 storedBack = run16(before.value(BacksFile));
        const int back = storedBack >= 0 && storedBack < BackCount ? storedBack : 0;
        QCOMPARE(table->lblHighScore->text(), QString::number(rows.scores[0]));
        QCOMPARE(table->lblHighRun->text(), QString::number(run16(before.value(RunFile))));
        for (const ImageControl *spot : table->imgSpot)
            QCOMPARE(spot->picture().cacheKey(), cardBack(back).cacheKey());

        scriptDeck(rt, clearableDeck());
        QTest::mouseClick(table->cmdDeal, Qt::LeftButton);
        for (const ImageControl *spot : {table->imgSpot[0], table->imgSpot[StockSpot]})
            QCOMPARE(spot->picture().cacheKey(), cardBack(back).cacheKey());
        for (int spot = 25; spot >= 0 && !stopped(); --spot) {
            if (spot == 0)
                scriptDeck(rt, clearableDeck()); // round 2
            QTest::mousePress(table->imgSpot[spot], Qt::LeftButton);
        }
        for (int round = 2; round <= 3 && !stopped(); ++round) {
            QCOMPARE(table->Round, qint16(round));
            QTest::mouseClick(table->cmdTake, Qt::LeftButton);
        }
    }

    // The files usable: the game entered where the rules put it and all rows written back.
    void checkWrittenBack(const Files &before)
    {
        QCOMPARE(rt.endStatus, -1);
        QVERIFY2(rt.messages.isEmpty(), qPrintable(rt.messages.join('|')));
        const Rows rows = readRows(before.value(ScoresFile), before.value(NamesFile));
        const qint16 storedRun = run16(before.value(RunFile));
        Rows after = rows;
        int newRank = -1;
        for (int r = 9; r >= 0; --r) {
            if (GameScore > rows.scores[r])
                newRank = r;
        }
        if (newRank >= 0) {
            after.scores.insert(newRank, GameScore);
            after.names.insert(newRank, field(PlayerName.toLatin1()));
            after.scores.removeLast();
            after.names.removeLast();
        }
        QCOMPARE(rt.prompts.size(), newRank >= 0 ? 1 : 0);
        QCOMPARE(readFile(ScoresFile),
                 rewritten(before.value(ScoresFile), scoresBytes(after.scores, {}), 9));
        QCOMPARE(readFile(NamesFile),
                 rewritten(before.value(NamesFile), namesBytes(after.names, {}), 9));
        QCOMPARE(readFile(RunFile), storedRun < GameRun
                                        ? rewritten(before.value(RunFile), le16(GameRun), 0)
                                        : before.value(RunFile));
        QCOMPARE(readFile(BacksFile), before.value(BacksFile));
        QCOMPARE(table->HighScore, std::max(rows.scores[0], GameScore));
        QCOMPARE(table->lblHighScore->text(), QString::number(table->HighScore));
        QCOMPARE(table->HighRun, std::max(storedRun, qint16(GameRun)));

        // Entered: the score window shows the rows, and OK gives the table back.
        QCOMPARE(links.scoresShown(), newRank >= 0);
        if (newRank >= 0) {
            for (int r = 0; r < 10; ++r)
                QCOMPARE(links.scores().lblScore[r]->text(), QString::number(after.scores[r]));
            QTest::mouseClick(links.scores().cmdOkay, Qt::LeftButton);
        }
        QVERIFY(table->isEnabled());
    }

    bool stopped() const { return rt.endStatus >= 0; }

    ScriptedRuntime rt;
    ScoreLinks links;
    std::unique_ptr<frmVorlina> table;
    bool ended = false;
    Files atEnd;
};

} // namespace

void tst_DamagedFiles::oneGame_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("damage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("stop");

    for (const QString &file : AllFiles) {
        const QByteArray good = goodFile(file);
        const QByteArray name = file.toLatin1();
        QTest::addRow("%s missing", name.constData())
            << file << int(Damage::Missing) << QByteArray() << int(Stop::Never);
        QTest::addRow("%s empty", name.constData())
            << file << int(Damage::Bytes) << QByteArray() << int(Stop::Never);
        QTest::addRow("%s one byte", name.constData())
            << file << int(Damage::Bytes) << QByteArray("\x05", 1) << int(Stop::Never);
        QTest::addRow("%s 1 MiB", name.constData())
            << file << int(Damage::Bytes) << oneMiB(good) << int(Stop::Never);
        QTest::addRow("%s random bytes", name.constData())
            << file << int(Damage::Bytes) << randomBytes(good.size(), 1) << int(Stop::Never);
        QTest::addRow("%s random 4 kB", name.constData())
            << file << int(Damage::Bytes) << randomBytes(4096, 2) << int(Stop::Never);
        // Start-up reads every file but the names, which wait for the end of the game.
        const Stop stop = file == NamesFile ? Stop::GameOver : Stop::StartUp;
        QTest::addRow("%s is a directory", name.constData())
            << file << int(Damage::Directory) << QByteArray() << int(stop);
        QTest::addRow("%s under a regular file", name.constData())
            << file << int(Damage::ParentIsFile) << QByteArray() << int(stop);
        // The game never writes the back; the best run goes at the first run past 7.
        const Stop write = file == ScoresFile || file == NamesFile ? Stop::GameOver
                           : file == RunFile                       ? Stop::NewRecord
                                                                   : Stop::Never;
        QTest::addRow("%s cannot be changed", name.constData())
            << file << int(Damage::Immutable) << good << int(write);
    }
    for (int rank = 1; rank <= 10; ++rank) {
        QTest::addRow("qimscores.dat one byte short of rank %d", rank)
            << ScoresFile << int(Damage::Bytes) << goodFile(ScoresFile).left(9 + 4 * rank - 1)
            << int(Stop::Never);
        QTest::addRow("names.dat one byte short of rank %d", rank)
            << NamesFile << int(Damage::Bytes) << goodFile(NamesFile).left(9 + 15 * rank - 1)
            << int(Stop::Never);
    }
    QTest::newRow("qimscores.dat first nine bytes only")
        << ScoresFile << int(Damage::Bytes) << QByteArray(9, '\x11') << int(Stop::Never);
    QTest::newRow("every score negative")
        << ScoresFile << int(Damage::Bytes)
        << scoresBytes({-1, -2, -3, -4, -5, -6, -7, -8, -9, -10}) << int(Stop::Never);
    QTest::newRow("every score the lowest")
        << ScoresFile << int(Damage::Bytes)
        << scoresBytes(QList<qint32>(10, std::numeric_limits<qint32>::min())) << int(Stop::Never);
    QTest::newRow("every score the highest")
        << ScoresFile << int(Damage::Bytes)
        << scoresBytes(QList<qint32>(10, std::numeric_limits<qint32>::max())) << int(Stop::Never);
    QTest::newRow("scores out of order")
        << ScoresFile << int(Damage::Bytes)
        << scoresBytes({100, 90000, -5, 48600, 0, 70000, 1, 2, 3, 48601}) << int(Stop::Never);
    QTest::newRow("names with NUL, 0xFF and control bytes")
        << NamesFile << int(Damage::Bytes)
        << namesBytes({QByteArray(15, '\0'), QByteArray(15, '\xFF'), "tab\there\r\n\x1b[2J",
                       QByteArray("nul\0inside", 10), "\x7f\x80\x81\x8d\x8f\x90\x9d", "Echo",
                       "Foxtrot", "Golf", "Hotel", QByteArray(15, '\x01')})
        << int(Stop::Never);
    for (const qint16 back : {qint16(-1), qint16(10), qint16(127), qint16(32767), qint16(-32768)}) {
        QTest::addRow("back index %d", back)
            << BacksFile << int(Damage::Bytes) << le16(back) << int(Stop::Never);
    }
    QTest::newRow("back index 9 with a tail")
        << BacksFile << int(Damage::Bytes) << QByteArray::fromHex("0900ffff") << int(Stop::Never);
    for (const qint16 run : {qint16(-1), qint16(0), qint16(25), qint16(26), qint16(27),
                             qint16(32767), qint16(-32768)}) {
        QTest::addRow("best run %d", run)
            << RunFile << int(Damage::Bytes) << le16(run) << int(Stop::Never);
    }
    QTest::newRow("best run 3 after a clear")
        << RunFile << int(Damage::Bytes) << QByteArray::fromHex("03000000") << int(Stop::Never);
}

void tst_DamagedFiles::oneGame()
{
    QFETCH(QString, file);
    QFETCH(int, damage);
    QFETCH(QByteArray, bytes);
    QFETCH(int, stop);

    WorkingDirectory dir;
    ImmutableGuard guard;
    Files before;
    for (const QString &name : AllFiles) {
        if (name != file) {
            before[name] = goodFile(name);
            writeFile(name, before[name]);
        }
    }
    switch (Damage(damage)) {
    case Damage::Missing:
        break;
    case Damage::Bytes:
        writeFile(file, bytes);
        before[file] = bytes;
        break;
    case Damage::Directory:
        QVERIFY(QDir().mkdir(file));
        break;
    case Damage::ParentIsFile:
        writeFile(QStringLiteral("blocker"), "a regular file");
        QVERIFY(QFile::link(QStringLiteral("blocker/") + file, file));
        break;
    case Damage::Immutable:
        writeFile(file, bytes);
        before[file] = bytes;
        if (!guard.set(file))
            QSKIP("this file system cannot make a file unchangeable");
        break;
    }

    GameOnFiles game;
    game.play(before);
    if (QTest::currentTestFailed())
        return;
    if (Stop(stop) == Stop::Never) {
        game.checkWrittenBack(before);
        return;
    }
    QCOMPARE(game.rt.endStatus, 1);
    QVERIFY2(game.ended && game.rt.messages.last().contains(file),
             qPrintable(game.rt.messages.join('|')));
    // Nothing changed but what the game had rightly written by then.
    Files expected = before;
    if (Stop(stop) == Stop::GameOver && run16(before.value(RunFile)) < GameRun)
        expected[RunFile] = rewritten(before.value(RunFile), le16(GameRun), 0);
    for (const QString &name : AllFiles) {
        if (name != file)
            QVERIFY2(game.atEnd[name] == expected[name], qPrintable(name + " changed"));
    }
    if (before.contains(file))
        QCOMPARE(game.atEnd[file], before[file]);
    if (damage == int(Damage::Directory))
        QVERIFY(QFileInfo(file).isDir());
}

// All four files damaged at once, at random: missing, empty, random bytes, cut short, bytes
// flipped, a tail added.
void tst_DamagedFiles::randomDamage()
{
    constexpr unsigned FirstSeed = 5000;
    for (unsigned seed = FirstSeed; seed < FirstSeed + 200; ++seed) {
        WorkingDirectory dir;
        std::mt19937 dice(seed);
        const auto below = [&dice](int n) { return int(dice() % unsigned(n)); };
        Files before;
        for (const QString &name : AllFiles) {
            QByteArray bytes = goodFile(name);
            switch (below(6)) {
            case 0:
                continue; // missing
            case 1:
                bytes.clear();
                break;
            case 2:
                bytes = randomBytes(1 + below(200), dice());
                break;
            case 3:
                bytes.truncate(below(int(bytes.size())));
                break;
            case 4:
                for (int flips = 1 + below(5); flips > 0; --flips)
                    bytes[below(int(bytes.size()))] = char(dice());
                break;
            default:
                bytes += randomBytes(1 + below(100), dice());
                break;
            }
            writeFile(name, bytes);
            before[name] = bytes;
        }
        GameOnFiles game;
        game.play(before);
        if (!QTest::currentTestFailed())
            game.checkWrittenBack(before);
        if (QTest::currentTestFailed()) {
            qWarning("damaged at random with seed %u", seed);
            return;
        }
    }
}

void tst_DamagedFiles::clearWhenAScoreFileCannotChange_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("qimscores.dat") << ScoresFile;
    QTest::newRow("names.dat") << NamesFile;
}

// Clear writes both score files: when one of them refuses, neither may change.
void tst_DamagedFiles::clearWhenAScoreFileCannotChange()
{
    QFETCH(QString, file);
    WorkingDirectory dir;
    ImmutableGuard guard;
    for (const QString &name : AllFiles)
        writeFile(name, goodFile(name));
    if (!guard.set(file))
        QSKIP("this file system cannot make a file unchangeable");

    QMap<QString, QByteArray> atEnd;
    ScriptedRuntime rt;
    rt.onMessage = [&](const QString &message) {
        if (atEnd.isEmpty() && message.contains(file)) {
            for (const QString &name : AllFiles)
                atEnd[name] = readFile(name);
        }
    };
    ScoreLinks links(rt);
    frmVorlina table(rt, &links);
    links.attach(&table);
    QTest::mouseClick(table.cmdScores, Qt::LeftButton);
    QVERIFY(links.scoresShown());
    rt.msgBoxAnswers.enqueue(Runtime::AnswerYes);
    QTest::mouseClick(links.scores().cmdClear, Qt::LeftButton);

    QCOMPARE(rt.endStatus, 1);
    QVERIFY2(rt.messages.last().contains(file), qPrintable(rt.messages.join('|')));
    for (const QString &name : AllFiles)
        QVERIFY2(atEnd[name] == goodFile(name), qPrintable(name + " changed"));
    links.close();
}

QTEST_MAIN(tst_DamagedFiles)
#include "tst_damagedfiles.moc"
