#include "app/windows.h"
#include "runtime/convert.h"
#include "runtime/qtruntime.h"
#include "table/frmvorlina.h"
#include "filesystems.h"
#include "testsupport.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <array>
#include <cstdio>
#include <functional>
#include <limits>
#include <memory>

// The game on the real runtime, each run a program of its own, as the player starts it: what
// only the real clock, random source, file system and modal boxes show. The test runs itself
// again with --play and a scenario to be such a program.

namespace {

// What the playing program reports, one "key: value" line each.
void report(const QString &key, const QString &value)
{
    std::printf("%s: %s\n", qPrintable(key), qPrintable(value));
    std::fflush(stdout);
}

// Answers the name prompt with a name, and reports on the first message box: its text, its
// owner, and what went on behind it for half a second before it is answered.
void watchBoxes(frmVorlina &table)
{
    QTimer::singleShot(10, [&table] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *prompt = qobject_cast<QInputDialog *>(modal)) {
            prompt->findChild<QLineEdit *>()->setText(QStringLiteral("Tester"));
            prompt->accept();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            report(QStringLiteral("message"), box->text().replace(QLatin1Char('\n'), ' '));
            report(QStringLiteral("over the table"),
                   box->parentWidget() == &table ? QStringLiteral("yes") : QStringLiteral("no"));
            const qint16 timeLeft = table.TimeLeft;
            QTimer::singleShot(500, [&table, box, timeLeft] {
                report(QStringLiteral("ticks"), QString::number(timeLeft - table.TimeLeft));
                int boxes = 0;
                for (const QWidget *window : QApplication::topLevelWidgets())
                    boxes += window->isVisible() && qobject_cast<const QDialog *>(window);
                report(QStringLiteral("boxes"), QString::number(boxes));
                box->button(QMessageBox::Ok)->click();
            });
            return;
        }
        watchBoxes(table);
    });
}

// Deals, then plays a card one rank above the face-up card, which makes a new longest run.
void playACard(frmVorlina &table)
{
    table.cmdDeal_Click();
    // Quick ticks: a clock running behind a box shows within the half second it is watched.
    table.Timer1->setInterval(20);
    const int faceUp = int(Val(table.imgSpot[FaceUpSpot]->Tag));
    table.imgSpot[19]->Tag = QString::number(faceUp % 13 + 1);
    table.imgSpot_Click(19);
}

int play(const QString &scenario)
{
    QtRuntime rt;
    Windows windows(rt);
    frmVorlina table(rt, &windows);
    windows.setTable(&table);
    table.show();
    watchBoxes(table);
    if (scenario == QLatin1String("deal")) {
        table.cmdDeal_Click();
        QStringList deck;
        for (int i = 1; i <= DeckSize; ++i)
            deck << QString::number(table.shuffle.Deck(i));
        report(QStringLiteral("deal"), deck.join(QLatin1Char(' ')));
    } else if (scenario == QLatin1String("record")) {
        playACard(table);
    } else if (scenario == QLatin1String("overflow")) {
        table.Score = std::numeric_limits<qint32>::max() - 50;
        playACard(table);
    } else if (scenario == QLatin1String("game over")) {
        table.Score = 5000;
        table.GameOver();
    }
    report(QStringLiteral("played on"), QStringLiteral("yes"));
    return 0;
}

// A top ten that a game of 5000 enters at rank 4.
const QByteArray Scores = QByteArray(9, '\0') + le32(9000) + le32(8000) + le32(7000)
                          + QByteArray(28, '\0');
const QByteArray Names = QByteArray(9, '\0') + QByteArray("Ivo Strand     ").repeated(3)
                         + QByteArray(105, ' ');

struct Game
{
    QProcess process;
    QMap<QString, QString> reports;

    void start(const QString &scenario, const QString &folder, rlim_t fileSizeLimit)
    {
        process.setProgram(QCoreApplication::applicationFilePath());
        process.setArguments({QStringLiteral("--play"), scenario});
        process.setWorkingDirectory(folder);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setChildProcessModifier([fileSizeLimit] {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
        process.start();
    }

    bool finish()
    {
        if (!process.waitForFinished(60000))
            return false;
        const QStringList lines = QString::fromLocal8Bit(process.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &line : lines)
            reports.insert(line.section(QStringLiteral(": "), 0, 0),
                           line.section(QStringLiteral(": "), 1));
        return true;
    }
};

QMap<QString, QByteArray> dataFiles()
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir().entryList(QDir::Files))
        files[name] = readFile(name);
    return files;
}

} // namespace

class tst_RealRuntime : public QObject
{
    Q_OBJECT
private slots:
    void twoStartsDealDifferentGames();
    void fatalErrorStopsTheGameAndEnds_data();
    void fatalErrorStopsTheGameAndEnds();
};

void tst_RealRuntime::twoStartsDealDifferentGames()
{
    constexpr int Starts = 6;
    std::array<WorkingDirectory, Starts> folders;
    std::array<Game, Starts> games;
    // All started before any is waited for, as close together as a player could.
    for (int i = 0; i < Starts; ++i)
        games[i].start(QStringLiteral("deal"), folders[i].path(), RLIM_INFINITY);
    QSet<QString> deals;
    for (Game &game : games) {
        QVERIFY(game.finish());
        QCOMPARE(game.process.exitCode(), 0);
        QVERIFY(!game.reports.value(QStringLiteral("deal")).isEmpty());
        deals.insert(game.reports.value(QStringLiteral("deal")));
    }
    QCOMPARE(deals.size(), qsizetype(Starts));
}

void tst_RealRuntime::fatalErrorStopsTheGameAndEnds_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<bool>("noFileSize"); // the file size limit is 0
    QTest::addColumn<QString>("message");
    QTest::newRow("new record on a full disk") << "record" << true << false << "qimruntot.dat";
    QTest::newRow("new record past the file size limit") << "record" << false << true
                                                         << "qimruntot.dat";
    QTest::newRow("score overflow") << "overflow" << false << false << "Overflow";
    QTest::newRow("game over on a full disk") << "game over" << true << false
                                              << "qimscores.dat";
}

// A file that cannot be written, or an overflow, brings up the message over the table: behind
// it nothing of the game runs, no file changes, and answering it ends the program with
// status 1, not a signal.
void tst_RealRuntime::fatalErrorStopsTheGameAndEnds()
{
    QFETCH(QString, scenario);
    QFETCH(bool, fullDisk);
    QFETCH(bool, noFileSize);
    QFETCH(QString, message);
    WorkingDirectory folder;
    std::unique_ptr<SmallDisk> disk;
    if (fullDisk) {
        disk = std::make_unique<SmallDisk>();
        if (!disk->mounted())
            QSKIP(disk->why());
    }
    writeFile(QStringLiteral("qimscores.dat"), Scores);
    writeFile(QStringLiteral("names.dat"), Names);
    writeFile(QStringLiteral("qimruntot.dat"), le16(0));
    writeFile(QStringLiteral("qimbacks.dat"), le16(3));
    if (disk)
        QVERIFY(disk->fill());
    const QMap<QString, QByteArray> before = dataFiles();

    Game game;
    game.start(scenario, QDir::currentPath(), noFileSize ? 0 : RLIM_INFINITY);
    QVERIFY(game.finish());

    QCOMPARE(game.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.process.exitCode(), 1);
    QVERIFY2(game.reports.value(QStringLiteral("message")).contains(message),
             qPrintable(game.reports.value(QStringLiteral("message"))));
    QCOMPARE(game.reports.value(QStringLiteral("over the table")), QStringLiteral("yes"));
    QCOMPARE(game.reports.value(QStringLiteral("ticks")), QStringLiteral("0"));
    QCOMPARE(game.reports.value(QStringLiteral("boxes")), QStringLiteral("1"));
    QVERIFY(!game.reports.contains(QStringLiteral("played on")));
    QCOMPARE(dataFiles(), before);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--play") == 0)
        return play(QString::fromLocal8Bit(argv[2]));
    tst_RealRuntime test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_realruntime.moc"
