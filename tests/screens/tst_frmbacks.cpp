#include "table/frmbacks.h"

#include "menufixture.h"
#include "testsupport.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QString BacksFile = QStringLiteral("qimbacks.dat");

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// What a new back must leave alone on every table spot.
struct SpotState
{
    bool hidden;
    bool enabled;
    QString tag;
    bool operator==(const SpotState &) const = default;
};

QList<SpotState> spotStates(const frmVorlina &table)
{
    QList<SpotState> states;
    for (const ImageControl *spot : table.imgSpot)
        states << SpotState{spot->isHidden(), spot->isEnabled(), spot->Tag};
    return states;
}

// Spots in the states a finished game leaves: some played, some open, all tagged.
void layOutLikeAfterAGame(frmVorlina &table)
{
    for (int i = 0; i < SpotCount; ++i) {
        table.imgSpot[i]->Tag = QString::number(i + 1);
        table.imgSpot[i]->setVisible(i % 3 != 0);
        table.imgSpot[i]->setEnabled(i % 2 == 0);
    }
}

bool spotsShow(const frmVorlina &table, int back)
{
    for (const ImageControl *spot : table.imgSpot) {
        if (spot->picture().cacheKey() != cardBack(back).cacheKey())
            return false;
    }
    return true;
}

} // namespace

class tst_frmBacks : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void okStoresAndPaintsChoice_data();
    void okStoresAndPaintsChoice();
    void clickOutlinesChoiceRed();
    void cancelKeepsChoiceAndClearsOutlines_data();
    void cancelKeepsChoiceAndClearsOutlines();
    void unwritableFileIsReported();

private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

void tst_frmBacks::okStoresAndPaintsChoice_data()
{
    QTest::addColumn<QByteArray>("before"); // null: no file
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("no file, no click") << QByteArray() << QList<int>() << bytes("0000");
    QTest::newRow("stored 5, no click") << bytes("0500") << QList<int>() << bytes("0000");
    QTest::newRow("click 2 then 7") << bytes("0100") << QList<int>{2, 7} << bytes("0700");
    QTest::newRow("ten-byte file") << bytes("01000304050607080900") << QList<int>{9}
                                   << bytes("09000304050607080900");
}

void tst_frmBacks::okStoresAndPaintsChoice()
{
    QFETCH(QByteArray, before);
    QFETCH(QList<int>, clicks);
    QFETCH(QByteArray, after);
    if (!before.isNull())
        writeFile(BacksFile, before);
    MenuFixture f;
    if (before.isNull())
        QVERIFY(QFile::remove(BacksFile));
    layOutLikeAfterAGame(f.table);
    const QList<SpotState> states = spotStates(f.table);
    frmBacks &backs = f.table.backs();
    QSignalSpy finished(&backs, &frmBacks::finished);

    QTest::mouseClick(f.menu.cmdBacks, Qt::LeftButton);
    for (int back : clicks)
        QTest::mouseClick(backs.imgCardBack[back], Qt::LeftButton);
    QTest::mouseClick(backs.cmdOK, Qt::LeftButton);

    QCOMPARE(readFile(BacksFile), after);
    const int chosen = clicks.isEmpty() ? 0 : clicks.last();
    QVERIFY(spotsShow(f.table, chosen));
    QCOMPARE(spotStates(f.table), states);
    QCOMPARE(f.table.CardBack, qint16(before.isNull() ? 0 : before.at(0)));
    QCOMPARE(finished.count(), 1);
    QVERIFY(backs.isHidden());
    QVERIFY(f.menu.isVisible());
}

void tst_frmBacks::clickOutlinesChoiceRed()
{
    MenuFixture f;
    frmBacks &backs = f.table.backs();
    QTest::mouseClick(f.menu.cmdBacks, Qt::LeftButton);
    for (int i = 0; i < BackCount; ++i)
        QVERIFY(!backs.outlineOf(i).isValid());
    for (int clicked : {2, 7}) {
        QTest::mouseClick(backs.imgCardBack[clicked], Qt::LeftButton);
        for (int i = 0; i < BackCount; ++i)
            QCOMPARE(backs.outlineOf(i), i == clicked ? QColor(Qt::red) : QColor(Qt::black));
    }
    QCOMPARE(backs.BackChoice, qint16(7));
}

void tst_frmBacks::cancelKeepsChoiceAndClearsOutlines_data()
{
    QTest::addColumn<QByteArray>("how");
    QTest::newRow("Cancel") << QByteArray("button");
    QTest::newRow("Esc") << QByteArray("escape");
    QTest::newRow("close command") << QByteArray("close");
}

void tst_frmBacks::cancelKeepsChoiceAndClearsOutlines()
{
    QFETCH(QByteArray, how);
    writeFile(BacksFile, bytes("0600"));
    MenuFixture f;
    frmBacks &backs = f.table.backs();
    QSignalSpy finished(&backs, &frmBacks::finished);
    QTest::mouseClick(f.menu.cmdBacks, Qt::LeftButton);
    QTest::mouseClick(backs.imgCardBack[3], Qt::LeftButton);

    if (how == "button")
        QTest::mouseClick(backs.cmdCancel, Qt::LeftButton);
    else if (how == "escape")
        QTest::keyClick(backs.focusWidget(), Qt::Key_Escape);
    else
        backs.close();
    QCOMPARE(finished.count(), 1);
    QVERIFY(backs.isHidden());
    QVERIFY(f.menu.isVisible());
    QCOMPARE(readFile(BacksFile), bytes("0600"));
    QVERIFY(spotsShow(f.table, 6));

    QTest::mouseClick(f.menu.cmdBacks, Qt::LeftButton);
    for (int i = 0; i < BackCount; ++i)
        QVERIFY(!backs.outlineOf(i).isValid());
    QTest::mouseClick(backs.cmdOK, Qt::LeftButton);
    QCOMPARE(readFile(BacksFile), bytes("0300"));
    QVERIFY(spotsShow(f.table, 3));
}

// A folder in the file's place: the player is told, the program ends, nothing is painted.
void tst_frmBacks::unwritableFileIsReported()
{
    MenuFixture f;
    QVERIFY(QFile::remove(BacksFile));
    QVERIFY(QDir().mkdir(BacksFile));
    frmBacks &backs = f.table.backs();
    QSignalSpy finished(&backs, &frmBacks::finished);
    QTest::mouseClick(f.menu.cmdBacks, Qt::LeftButton);
    QTest::mouseClick(backs.imgCardBack[4], Qt::LeftButton);
    QTest::mouseClick(backs.cmdOK, Qt::LeftButton);

    QCOMPARE(f.rt.messages.size(), 1);
    QVERIFY(f.rt.messages.first().contains(BacksFile));
    QCOMPARE(f.rt.endStatus, 1);
    QVERIFY(spotsShow(f.table, 0));
    QCOMPARE(finished.count(), 0);
    QVERIFY(QFileInfo(BacksFile).isDir());
}

QTEST_MAIN(tst_frmBacks)
#include "tst_frmbacks.moc"
