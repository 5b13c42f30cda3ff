#include "images/pictures.h"
#include "runtime/scriptedruntime.h"
#include "table/frmteampic.h"
#include "table/frmvorlina.h"
#include "testsupport.h"

#include <QPushButton>
#include <QTest>

// The picture screen shown when a game ends on exactly 11,000 points.
class tst_frmTeamPic : public QObject
{
    Q_OBJECT

private slots:
    void layoutMatchesTheDesign();
    void okSwitchesTheTableOnAndReleasesTheWait();
};

void tst_frmTeamPic::layoutMatchesTheDesign()
{
    WorkingDirectory dir;
    ScriptedRuntime rt;
    frmVorlina table(rt);
    table.show();
    frmTeamPic &pic = table.teamPic();
    pic.show();

    QVERIFY(pic.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(pic.size(), QSize(4785 / 15, 4020 / 15));
    QCOMPARE(pic.minimumSize(), pic.maximumSize());
    // Stored at 3945, 2355 twips: over the middle of the table, wherever the table stands.
    const QPoint offset((3945 - 1935) / 15, (2355 - 855) / 15);
    QCOMPARE(pic.pos(), table.mapToGlobal(QPoint(0, 0)) + offset);
    QCOMPARE(pic.Image1->geometry(), QRect(120 / 15, 120 / 15, 4500 / 15, 3120 / 15));
    QCOMPARE(pic.Image1->picture().cacheKey(), teamPhoto().cacheKey());
    QCOMPARE(pic.cmdOK->geometry(), QRect(1680 / 15, 3360 / 15, 1215 / 15, 495 / 15));
    QCOMPARE(pic.cmdOK->text(), QStringLiteral("OK"));
    QCOMPARE(pic.focusWidget(), pic.cmdOK);

    // A 5-pixel black frame along the four edges, blue inside it.
    const QImage shot = pic.grab().toImage();
    const QColor black(0, 0, 0), blue(0, 0, 255);
    const int right = 4740 / 15, bottom = 3975 / 15;
    for (const QPoint edge : {QPoint(150, 2), QPoint(2, 130), QPoint(right, 130),
                              QPoint(150, bottom), QPoint(0, 0), QPoint(318, 130), QPoint(150, 267)})
        QCOMPARE(shot.pixelColor(edge), black);
    for (const QPoint inside : {QPoint(6, 6), QPoint(6, 240), QPoint(310, 240)})
        QCOMPARE(shot.pixelColor(inside), blue);
}

void tst_frmTeamPic::okSwitchesTheTableOnAndReleasesTheWait()
{
    WorkingDirectory dir;
    ScriptedRuntime rt;
    frmVorlina table(rt);
    table.show();
    frmTeamPic &pic = table.teamPic();
    pic.show();
    table.setEnabled(false);

    QTest::mouseClick(pic.cmdOK, Qt::LeftButton);
    QVERIFY(table.isEnabled());
    QVERIFY(pic.isHidden());
    QCOMPARE(table.TeamPicDone, qint16(1));
    // Hidden, not destroyed: the next showing is the same window.
    QCOMPARE(&table.teamPic(), &pic);
}

QTEST_MAIN(tst_frmTeamPic)
#include "tst_frmteampic.moc"
