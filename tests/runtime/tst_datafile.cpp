#include "runtime/datafile.h"
#include "runtime/scriptedruntime.h"
#include "filesystems.h"
#include "testsupport.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>

class tst_DataFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void missingFileIsCreatedEmpty();
    void readsLittleEndianAtOneBasedPositions();
    void fieldNotWhollyInFileLeavesTarget_data();
    void fieldNotWhollyInFileLeavesTarget();
    void writesPatchWithoutShortening_data();
    void writesPatchWithoutShortening();
    void readsItsOwnWritesBeforeClose();
    void writePastTheEndLengthensTheFileForReads();
    void unusableFileIsReportedAndEnds_data();
    void unusableFileIsReportedAndEnds();
    void fullDiskLeavesEveryFileAsItWas_data();
    void fullDiskLeavesEveryFileAsItWas();
    void rewriteKeepsOwnerAndMode();

private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

void tst_DataFile::missingFileIsCreatedEmpty()
{
    ScriptedRuntime rt;
    qint16 value = 7;
    {
        DataFile file(rt, nullptr, QStringLiteral("a.dat"));
        file.get(1, value);
    }
    QCOMPARE(value, qint16(7));
    QCOMPARE(readFile(QStringLiteral("a.dat")), QByteArray(""));
    QCOMPARE(rt.endStatus, -1);
}

void tst_DataFile::readsLittleEndianAtOneBasedPositions()
{
    writeFile(QStringLiteral("a.dat"), QByteArray::fromHex("00f82a0000ffff41424344"));
    ScriptedRuntime rt;
    DataFile file(rt, nullptr, QStringLiteral("a.dat"));
    qint32 score = 0;
    qint16 small = 0;
    QByteArray text(4, ' ');
    file.get(2, score);
    file.get(6, small);
    file.get(8, text);
    QCOMPARE(score, 11000);
    QCOMPARE(small, qint16(-1));
    QCOMPARE(text, QByteArray("ABCD"));
}

void tst_DataFile::fieldNotWhollyInFileLeavesTarget_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("position");
    QTest::newRow("empty") << QByteArray() << 1;
    QTest::newRow("one byte of two") << QByteArray("\x05", 1) << 1;
    QTest::newRow("past the end") << QByteArray("\x05\x00\x00", 3) << 3;
    QTest::newRow("position 0") << QByteArray("\x05\x00", 2) << 0;
}

void tst_DataFile::fieldNotWhollyInFileLeavesTarget()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, position);
    writeFile(QStringLiteral("a.dat"), bytes);
    ScriptedRuntime rt;
    qint16 value = 42;
    QByteArray text("keep");
    {
        DataFile file(rt, nullptr, QStringLiteral("a.dat"));
        file.get(position, value);
        file.get(position, text);
    }
    QCOMPARE(value, qint16(42));
    QCOMPARE(text, QByteArray("keep"));
    QCOMPARE(readFile(QStringLiteral("a.dat")), bytes);
}

void tst_DataFile::writesPatchWithoutShortening_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("empty") << QByteArray() << QByteArray::fromHex("0000000000000000000007000000");
    QTest::newRow("longer file keeps its tail")
        << QByteArray::fromHex("11111111111111111111111111111111")
        << QByteArray::fromHex("11111111111111111111070000001111");
}

void tst_DataFile::writesPatchWithoutShortening()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    writeFile(QStringLiteral("a.dat"), before);
    ScriptedRuntime rt;
    {
        DataFile file(rt, nullptr, QStringLiteral("a.dat"));
        file.put(11, qint32(7));
    }
    QCOMPARE(readFile(QStringLiteral("a.dat")), after);
}

void tst_DataFile::readsItsOwnWritesBeforeClose()
{
    ScriptedRuntime rt;
    DataFile file(rt, nullptr, QStringLiteral("a.dat"));
    file.put(1, qint16(513));
    qint16 value = 0;
    file.get(1, value);
    QCOMPARE(value, qint16(513));
}

void tst_DataFile::writePastTheEndLengthensTheFileForReads()
{
    writeFile(QStringLiteral("a.dat"), QByteArray::fromHex("0102030405"));
    ScriptedRuntime rt;
    qint32 straddling = -1;
    qint16 beyond = -1;
    {
        DataFile file(rt, nullptr, QStringLiteral("a.dat"));
        file.put(11, qint16(0x0a0b));
        // The file now runs to byte 12; the gap reads as the zero bytes it will hold.
        file.get(4, straddling);
        file.get(12, beyond);
    }
    QCOMPARE(straddling, qint32(0x00000504));
    QCOMPARE(beyond, qint16(-1));
    QCOMPARE(readFile(QStringLiteral("a.dat")), QByteArray::fromHex("010203040500000000000b0a"));
}

void tst_DataFile::unusableFileIsReportedAndEnds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a directory in its place") << QStringLiteral("dir.dat") << QStringLiteral("opened");
    QTest::newRow("a missing directory") << QStringLiteral("nowhere/a.dat")
                                         << QStringLiteral("created");
}

void tst_DataFile::unusableFileIsReportedAndEnds()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QDir().mkdir(QStringLiteral("dir.dat"));
    writeFile(QStringLiteral("other.dat"), QByteArray("\x01\x02", 2));
    ScriptedRuntime rt;
    qint16 value = 3;
    {
        DataFile file(rt, nullptr, name);
        file.get(1, value);
        file.put(1, qint16(9));
    }
    QCOMPARE(rt.endStatus, 1);
    QCOMPARE(rt.messages.size(), 1);
    QVERIFY2(rt.messages[0].contains(name) && rt.messages[0].contains(reason),
             qPrintable(rt.messages[0]));
    QCOMPARE(value, qint16(3));
    QCOMPARE(readFile(QStringLiteral("other.dat")), QByteArray("\x01\x02", 2));
}

void tst_DataFile::fullDiskLeavesEveryFileAsItWas_data()
{
    QTest::addColumn<bool>("closedFolder"); // no new file can be made beside the old ones
    QTest::addColumn<qint64>("spare");      // room left on the disk
    QTest::addColumn<QByteArray>("scores");
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<bool>("pair");         // both files are written, or only the scores
    QTest::addColumn<QString>("failing");   // the file named in the message, if any

    const QByteArray scores = QByteArray(9, '\0') + QByteArray(40, '\x11');
    const QByteArray names = QByteArray(9, '\0') + QByteArray(150, 'n');
    const QString scoresFile = QStringLiteral("qimscores.dat");
    const QString namesFile = QStringLiteral("names.dat");
    QTest::newRow("one file") << false << 0LL << scores << names << false << scoresFile;
    QTest::newRow("the pair, room for one") << false << 4096LL << scores << names << true
                                            << namesFile;
    QTest::newRow("closed folder, a file that grows") << true << 0LL << QByteArray("") << names
                                                       << false << scoresFile;
    QTest::newRow("closed folder, the pair, room for one")
        << true << 4096LL << QByteArray("") << QByteArray("") << true << namesFile;
    QTest::newRow("closed folder, within the file's length")
        << true << 0LL << scores << names << false << QString();
}

// On a real file system with no room left: a write that cannot reach the disk whole leaves
// every file byte for byte as it was, and is reported; nothing is left behind.
void tst_DataFile::fullDiskLeavesEveryFileAsItWas()
{
    QFETCH(bool, closedFolder);
    QFETCH(qint64, spare);
    QFETCH(QByteArray, scores);
    QFETCH(QByteArray, names);
    QFETCH(bool, pair);
    QFETCH(QString, failing);
    SmallDisk disk;
    if (!disk.mounted())
        QSKIP(disk.why());
    const QString scoresFile = QStringLiteral("qimscores.dat");
    const QString namesFile = QStringLiteral("names.dat");
    writeFile(scoresFile, scores);
    writeFile(namesFile, names);
    QVERIFY(disk.fill(spare));
    ImmutableGuard closed;
    if (closedFolder)
        QVERIFY(closed.set(disk.path()));

    ScriptedRuntime rt;
    {
        DataFile scoresData(rt, nullptr, scoresFile);
        DataFile namesData(rt, nullptr, namesFile);
        scoresData.put(10, qint32(5000));
        if (pair)
            namesData.put(10, QByteArray("Tester         "));
        DataFile::closeBoth(scoresData, namesData);
    }

    QCOMPARE(QDir().entryList(QDir::Files), QStringList({namesFile, scoresFile}));
    if (failing.isEmpty()) {
        QVERIFY2(rt.messages.isEmpty(), qPrintable(rt.messages.join('|')));
        QCOMPARE(readFile(scoresFile), scores.left(9) + QByteArray::fromHex("88130000")
                                           + scores.mid(13));
        return;
    }
    QCOMPARE(rt.endStatus, 1);
    QCOMPARE(rt.messages.size(), 1);
    QVERIFY2(rt.messages[0].contains(failing), qPrintable(rt.messages[0]));
    QCOMPARE(readFile(scoresFile), scores);
    QCOMPARE(readFile(namesFile), names);
}

// A file rewritten by a run as root stays its owner's, with its mode.
void tst_DataFile::rewriteKeepsOwnerAndMode()
{
    if (::geteuid() != 0)
        QSKIP("only root can give a file to another user");
    const QString name = QStringLiteral("a.dat");
    writeFile(name, QByteArray::fromHex("0102"));
    const QByteArray path = QFile::encodeName(name);
    QCOMPARE(::chown(path.constData(), 4321, 4322), 0);
    QCOMPARE(::chmod(path.constData(), 0640), 0);
    ScriptedRuntime rt;
    {
        DataFile file(rt, nullptr, name);
        file.put(3, qint16(7));
    }
    struct stat after = {};
    QCOMPARE(::stat(path.constData(), &after), 0);
    QCOMPARE(readFile(name), QByteArray::fromHex("01020700"));
    QCOMPARE(after.st_uid, uid_t(4321));
    QCOMPARE(after.st_gid, gid_t(4322));
    QCOMPARE(after.st_mode & 07777, mode_t(0640));
}

QTEST_GUILESS_MAIN(tst_DataFile)
#include "tst_datafile.moc"
