#include "screens/frminstruct.h"

#include "designcheck.h"
#include "images/pictures.h"
#include "menufixture.h"
#include "testsupport.h"

#include <QApplication>
#include <QTest>

#include <memory>

class tst_frmInstruct : public QObject
{
    Q_OBJECT

private slots:
    // The program's default font, the dialog font of the rules.
    void initTestCase() { QApplication::setFont(formsFont(Face::MSSansSerif, 8)); }
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void layoutMatchesTheDesign();
    void keysOnOk_data();
    void keysOnOk();

private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

void tst_frmInstruct::layoutMatchesTheDesign()
{
    MenuFixture f;
    QTest::mouseClick(f.menu.cmdInst, Qt::LeftButton);
    frmInstruct &w = *f.menu.instruct();
    QCOMPARE(w.size(), QSize(312, 211));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.windowTitle(), QStringLiteral("Instructions"));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 0, 255));
    QCOMPARE(w.windowIcon().availableSizes(), QList<QSize>{QSize(16, 16)});
    checkFrame(&w, {{0, 15, 4680, 15}, {0, 3135, 4680, 3135}, {15, 0, 15, 3165},
                    {4650, 0, 4650, 3165}});

    const QColor white(255, 255, 255);
    const LabelLook labels[] = {
        {w.Label2, {720, 120, 3375, 375}, QStringLiteral("INSTRUCTIONS"), Face::FuturaMdBT, 15.75,
         QColor(255, 0, 0), Qt::AlignHCenter},
        {w.Label1, {1920, 600, 2415, 1815},
         QStringLiteral("Click on the Deal button to begin.  Then click on the face-up cards "
                        "that are either one greater or one less than the face up card at the "
                        "bottom. Example - You can put a seven or a five on a six. A king or a "
                        "two can go on an ace. Click on the face down deck to get a new card."),
         Face::Dialog, 8, white, Qt::AlignLeft},
        {w.Label3, {1920, 2520, 2535, 495},
         QStringLiteral("Get 12,000 in two rounds and you get a bonus round."), Face::Dialog,
         8, white, Qt::AlignLeft},
    };
    for (const LabelLook &look : labels) {
        checkLabel(look);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(w.Image1->geometry(), pixels({240, 600, 1125, 1500}));
    QCOMPARE(w.Image1->picture().cacheKey(), cardBack(0).cacheKey());
    QCOMPARE(w.Command1->geometry(), pixels({120, 2520, 1215, 495}));
    QCOMPARE(w.Command1->text(), QStringLiteral("OK"));
    QVERIFY(!w.Command1->isDefault());
    QCOMPARE(tabChain(w.Command1), QList<QWidget *>{w.Command1});
    QCOMPARE(w.focusWidget(), w.Command1);
}

void tst_frmInstruct::keysOnOk_data()
{
    okKeyRows();
}

void tst_frmInstruct::keysOnOk()
{
    MenuFixture f;
    checkOkKey(f, f.menu.cmdInst, [&f] { return f.menu.instruct(); });
}

QTEST_MAIN(tst_frmInstruct)
#include "tst_frminstruct.moc"
