#include "runtime/datafile.h"
#include "runtime/scriptedruntime.h"
#include "testsupport.h"

#include <QDir>
#include <QTest>

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

QTEST_GUILESS_MAIN(tst_DataFile)
#include "tst_datafile.moc"
