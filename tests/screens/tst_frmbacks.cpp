#include "table/frmbacks.h"

#include "designcheck.h"
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

    void layoutMatchesTheDesign();
    void outlinesLieOverThePictureFrames();
    void reopenedChooserKeepsItsFocus_data();
    void reopenedChooserKeepsItsFocus();
    void okStoresAndPaintsChoice_data();
    void okStoresAndPaintsChoice();
    void clickOutlinesChoiceRed();
    void cancelKeepsChoiceAndClearsOutlines_data();
    void cancelKeepsChoiceAndClearsOutlines();
    void enterOnOkStoresChoice();
    void unwritableFileIsReported();

private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

void tst_frmBacks::layoutMatchesTheDesign()
{
    MenuFixture f;
    frmBacks &backs = f.table.backs();
    QCOMPARE(backs.size(), QSize(458, 298));
    QCOMPARE(backs.minimumSize(), backs.maximumSize());
    QVERIFY(backs.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(backs.windowTitle(), QStringLiteral("Change Cardbacks"));
    QCOMPARE(backs.palette().color(QPalette::Window), QColor(0, 0, 255));
    QCOMPARE(backs.windowIcon().availableSizes(), QList<QSize>{QSize(16, 16)});
    checkFrame(&backs, {{0, 30, 7470, 30}, {0, 4425, 6870, 4425}, {30, 0, 30, 4470},
                        {6825, 0, 6825, 4470}});

    for (int i = 0; i < BackCount; ++i) {
        const int lefts[] = {240, 1560, 2880, 4200, 5520};
        QCOMPARE(backs.imgCardBack[i]->geometry(),
                 pixels({lefts[i % 5], i < 5 ? 240 : 2640, 1125, 1500}));
        QCOMPARE(backs.imgCardBack[i]->picture().cacheKey(), cardBack(i).cacheKey());
    }
    QCOMPARE(backs.cmdCancel->geometry(), pixels({840, 1920, 1215, 495}));
    QCOMPARE(backs.cmdCancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(backs.cmdOK->geometry(), pixels({4800, 1920, 1215, 495}));
    QCOMPARE(backs.cmdOK->text(), QStringLiteral("OK"));
    for (QPushButton *button : {backs.cmdOK, backs.cmdCancel}) {
        QVERIFY(!button->isDefault());
    }
    QCOMPARE(tabChain(backs.cmdOK), (QList<QWidget *>{backs.cmdOK, backs.cmdCancel}));
    checkLabel({backs.Label1, {2280, 1920, 2055, 495},
                QStringLiteral("Highlight your card choice and click OK."), Face::MSSansSerif, 9.75,
                QColor(0, 255, 255), Qt::AlignHCenter});

    QTest::mouseClick(f.menu.cmdBacks, Qt::LeftButton);
    QCOMPARE(backs.focusWidget(), backs.cmdOK);
}

// Each box runs from (1, 1) to (74, 99) of its picture, one pixel wide, over the picture's
// own frame on the right and at the bottom; a reopened chooser shows the bare pictures.
void tst_frmBacks::outlinesLieOverThePictureFrames()
{
    MenuFixture f;
    frmBacks &backs = f.table.backs();
    QTest::mouseClick(f.menu.cmdBacks, Qt::LeftButton);
    QTest::mouseClick(backs.imgCardBack[2], Qt::LeftButton);
    QTest::mouseClick(backs.imgCardBack[7], Qt::LeftButton);

    const QPoint onTheBox[] = {{1, 1}, {74, 1}, {1, 99}, {74, 99}, {37, 1}, {1, 50}, {74, 50},
                               {37, 99}};
    const QPoint offTheBox[] = {{0, 0}, {2, 2}, {73, 98}, {37, 50}, {0, 50}, {37, 0}};
    QImage window = backs.grab().toImage();
    for (int i = 0; i < BackCount; ++i) {
        const QImage picture = cardBack(i).toImage();
        const QPoint corner = backs.imgCardBack[i]->pos();
        const QRgb colour = i == 7 ? qRgb(255, 0, 0) : qRgb(0, 0, 0);
        for (QPoint p : onTheBox)
            QCOMPARE(window.pixel(corner + p), colour);
        for (QPoint p : offTheBox)
            QCOMPARE(window.pixel(corner + p), picture.pixel(p));
    }

    QTest::mouseClick(backs.cmdCancel, Qt::LeftButton);
    QTest::mouseClick(f.menu.cmdBacks, Qt::LeftButton);
    window = backs.grab().toImage();
    for (int i = 0; i < BackCount; ++i) {
        const QImage picture = cardBack(i).toImage();
        for (QPoint p : onTheBox)
            QCOMPARE(window.pixel(backs.imgCardBack[i]->pos() + p), picture.pixel(p));
    }
}

// Hiding keeps a window as it was: shown again, the button last used still has the focus.
void tst_frmBacks::reopenedChooserKeepsItsFocus_data()
{
    QTest::addColumn<bool>("viaCancel");
    QTest::newRow("Cancel") << true;
    QTest::newRow("OK") << false;
}

void tst_frmBacks::reopenedChooserKeepsItsFocus()
{
    QFETCH(bool, viaCancel);
    MenuFixture f;
    frmBacks &backs = f.table.backs();
    QPushButton *used = viaCancel ? backs.cmdCancel : backs.cmdOK;
    QTest::mouseClick(f.menu.cmdBacks, Qt::LeftButton);
    QTest::mouseClick(used, Qt::LeftButton);
    QTest::mouseClick(f.menu.cmdBacks, Qt::LeftButton);
    QCOMPARE(backs.focusWidget(), used);
}

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
    QTest::newRow("Enter on Cancel") << QByteArray("enter");
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
    else if (how == "enter")
        QTest::keyClick(backs.cmdCancel, Qt::Key_Return);
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

// OK is not the Enter button, but Enter presses it while it has the focus, as it has at first.
void tst_frmBacks::enterOnOkStoresChoice()
{
    MenuFixture f;
    frmBacks &backs = f.table.backs();
    QTest::mouseClick(f.menu.cmdBacks, Qt::LeftButton);
    QTest::mouseClick(backs.imgCardBack[8], Qt::LeftButton);
    QCOMPARE(backs.focusWidget(), backs.cmdOK);
    QTest::keyClick(backs.cmdOK, Qt::Key_Enter);
    QCOMPARE(readFile(BacksFile), bytes("0800"));
    QVERIFY(spotsShow(f.table, 8));
    QVERIFY(backs.isHidden());
    QVERIFY(f.menu.isVisible());
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
    QCOMPARE(f.rt.messageOwners, QList<QWidget *>{&backs});
    QCOMPARE(f.rt.endStatus, 1);
    QVERIFY(spotsShow(f.table, 0));
    QCOMPARE(finished.count(), 0);
    QVERIFY(QFileInfo(BacksFile).isDir());
}

QTEST_MAIN(tst_frmBacks)
#include "tst_frmbacks.moc"
