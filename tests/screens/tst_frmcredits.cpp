#include "screens/frmcredits.h"

#include "designcheck.h"
#include "images/pictures.h"
#include "menufixture.h"
#include "testsupport.h"

#include <QApplication>
#include <QTest>

#include <memory>

class tst_frmCredits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setFont(formsFont(Face::MSSansSerif, 8)); }
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void layoutMatchesTheDesign();
    void keysOnOk_data();
    void keysOnOk();

private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

void tst_frmCredits::layoutMatchesTheDesign()
{
    MenuFixture f;
    QTest::mouseClick(f.menu.cmdCredits, Qt::LeftButton);
    frmCredits &w = *f.menu.credits();
    QCOMPARE(w.size(), QSize(312, 273));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.windowTitle(), QStringLiteral("Credits"));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 0, 255));
    QCOMPARE(w.windowIcon().availableSizes(), QList<QSize>{QSize(16, 16)});
    checkFrame(&w, {{0, 30, 4680, 30}, {0, 4050, 4680, 4050}, {15, 0, 15, 4095},
                    {4650, 0, 4650, 4095}});

    const QColor white(255, 255, 255);
    const QColor red(255, 0, 0);
    const LabelLook labels[] = {
        {w.Label1, {240, 240, 1935, 375}, QStringLiteral("Written By:"), Face::FuturaMdBT, 12, white,
         Qt::AlignLeft},
        {w.Label2, {2280, 240, 1935, 375}, QStringLiteral("Orrin Tavish"), Face::FuturaMdBT, 14.25,
         red, Qt::AlignRight},
        {w.Label3, {240, 720, 1935, 375}, QStringLiteral("Playtesters:"), Face::MSSansSerif, 13.5,
         white, Qt::AlignLeft},
        {w.Label4, {2280, 840, 1935, 375}, QStringLiteral("Della Farrow"), Face::MSSansSerif, 13.5,
         red, Qt::AlignRight},
        {w.Label5, {2280, 1320, 1935, 375}, QStringLiteral("Nessa Crane"), Face::MSSansSerif, 13.5,
         red, Qt::AlignRight},
        {w.Label6, {2160, 1800, 2175, 375}, QStringLiteral("Electro Skull By:"), Face::MSSansSerif,
         13.5, white, Qt::AlignHCenter},
        {w.Label7, {2160, 2280, 2055, 375}, QStringLiteral("Lamar Quell"), Face::MSSansSerif, 18,
         QColor(0, 255, 255), Qt::AlignHCenter},
        {w.Label8, {2040, 2880, 2415, 255}, QStringLiteral("lquell@example.org"), Face::MSSansSerif,
         9.75, white, Qt::AlignHCenter},
    };
    for (const LabelLook &look : labels) {
        checkLabel(look);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(w.Image1->geometry(), pixels({480, 1560, 1125, 1500}));
    QCOMPARE(w.Image1->picture().cacheKey(), skullPicture().cacheKey());
    QCOMPARE(skullPicture().size(), QSize(75, 100));
    QCOMPARE(w.Command1->geometry(), pixels({1680, 3360, 1215, 495}));
    QCOMPARE(w.Command1->text(), QStringLiteral("OK"));
    QVERIFY(!w.Command1->isDefault());
    QCOMPARE(tabChain(w.Command1), QList<QWidget *>{w.Command1});
    QCOMPARE(w.focusWidget(), w.Command1);
}

void tst_frmCredits::keysOnOk_data()
{
    okKeyRows();
}

void tst_frmCredits::keysOnOk()
{
    MenuFixture f;
    checkOkKey(f, f.menu.cmdCredits, [&f] { return f.menu.credits(); });
}

QTEST_MAIN(tst_frmCredits)
#include "tst_frmcredits.moc"
