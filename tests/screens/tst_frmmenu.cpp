#include "screens/frmmenu.h"

#include "menufixture.h"
#include "screens/frmabout.h"
#include "screens/frmcredits.h"
#include "screens/frminstruct.h"
#include "table/frmbacks.h"
#include "testsupport.h"

#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString HomePage = QStringLiteral("https://vorlina.example.org/");

// The menu's windows that are up; the table is not counted.
QList<QWidget *> shown(MenuFixture &f)
{
    QList<QWidget *> up;
    for (QWidget *w : {static_cast<QWidget *>(&f.menu), static_cast<QWidget *>(f.menu.credits()),
                       static_cast<QWidget *>(f.menu.instruct()),
                       static_cast<QWidget *>(f.menu.about()),
                       static_cast<QWidget *>(&f.table.backs())}) {
        if (w && w->isVisible())
            up << w;
    }
    return up;
}

// Opens one screen from the menu by its button and returns it.
QWidget *open(MenuFixture &f, char screen)
{
    switch (screen) {
    case 'C':
        QTest::mouseClick(f.menu.cmdCredits, Qt::LeftButton);
        return f.menu.credits();
    case 'I':
        QTest::mouseClick(f.menu.cmdInst, Qt::LeftButton);
        return f.menu.instruct();
    case 'A':
        QTest::mouseClick(f.menu.cmdAbout, Qt::LeftButton);
        return f.menu.about();
    default:
        QTest::mouseClick(f.menu.cmdBacks, Qt::LeftButton);
        return &f.table.backs();
    }
}

// Leaves a screen by its own way back to the menu.
void leave(MenuFixture &f, char screen)
{
    switch (screen) {
    case 'C':
        QTest::mouseClick(f.menu.credits()->Command1, Qt::LeftButton);
        break;
    case 'I':
        QTest::mouseClick(f.menu.instruct()->Command1, Qt::LeftButton);
        break;
    case 'A':
        QTest::mouseClick(f.menu.about()->cmdOK, Qt::LeftButton);
        break;
    case 'B':
        QTest::mouseClick(f.table.backs().cmdCancel, Qt::LeftButton);
        break;
    default:
        QTest::mouseClick(f.table.backs().cmdOK, Qt::LeftButton);
        break;
    }
}

} // namespace

class tst_frmMenu : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void tableStaysOffUntilClose_data();
    void tableStaysOffUntilClose();
    void screensAreKeptBetweenShowings_data();
    void screensAreKeptBetweenShowings();
    void closeCommandLeadsBack_data();
    void closeCommandLeadsBack();

private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

// Each letter is one visit: C credits, I instructions, A About, B chooser left by Cancel,
// O chooser left by OK, W the web button.
void tst_frmMenu::tableStaysOffUntilClose_data()
{
    QTest::addColumn<QByteArray>("visits");
    QTest::newRow("none") << QByteArray();
    QTest::newRow("each once") << QByteArray("CIABOW");
    QTest::newRow("web first and again") << QByteArray("WWCW");
    QTest::newRow("repeated") << QByteArray("CCIIAABBOOAWIC");
}

void tst_frmMenu::tableStaysOffUntilClose()
{
    QFETCH(QByteArray, visits);
    MenuFixture f;
    QCOMPARE(f.menu.focusWidget(), f.menu.cmdCredits);
    int webCalls = 0;
    for (char visit : visits) {
        if (visit == 'W') {
            QTest::mouseClick(f.menu.cmdWeb, Qt::LeftButton);
            QCOMPARE(f.addresses, QStringList(++webCalls, HomePage));
        } else {
            QWidget *screen = open(f, visit);
            QCOMPARE(shown(f), QList<QWidget *>{screen});
            QVERIFY(!f.table.isEnabled());
            leave(f, visit);
        }
        QCOMPARE(shown(f), QList<QWidget *>{&f.menu});
        QVERIFY(!f.table.isEnabled());
    }
    QTest::mouseClick(f.menu.cmdClose, Qt::LeftButton);
    QVERIFY(f.table.isEnabled());
    QVERIFY(f.table.isVisible());
    QVERIFY(shown(f).isEmpty());
    QCOMPARE(f.addresses.size(), webCalls);
}

void tst_frmMenu::screensAreKeptBetweenShowings_data()
{
    QTest::addColumn<char>("screen");
    QTest::newRow("credits") << 'C';
    QTest::newRow("instructions") << 'I';
}

void tst_frmMenu::screensAreKeptBetweenShowings()
{
    QFETCH(char, screen);
    MenuFixture f;
    QWidget *first = open(f, screen);
    leave(f, screen);
    QVERIFY(first->isHidden());
    QWidget *again = open(f, screen);
    QCOMPARE(again, first);
    QVERIFY(again->isVisible());
    QPushButton *ok = screen == 'C' ? f.menu.credits()->Command1 : f.menu.instruct()->Command1;
    QCOMPARE(again->focusWidget(), ok);
}

// The platform's close command on each window does what its own way back does.
void tst_frmMenu::closeCommandLeadsBack_data()
{
    QTest::addColumn<char>("screen");
    QTest::newRow("credits") << 'C';
    QTest::newRow("instructions") << 'I';
    QTest::newRow("About") << 'A';
    QTest::newRow("chooser") << 'B';
    QTest::newRow("menu") << 'M';
}

void tst_frmMenu::closeCommandLeadsBack()
{
    QFETCH(char, screen);
    MenuFixture f;
    if (screen == 'M') {
        f.menu.close();
        QVERIFY(f.table.isEnabled());
        QVERIFY(shown(f).isEmpty());
        return;
    }
    open(f, screen)->close();
    QCOMPARE(shown(f), QList<QWidget *>{&f.menu});
    QVERIFY(!f.table.isEnabled());
    QCOMPARE(readFile(QStringLiteral("qimbacks.dat")), QByteArray(""));
}

QTEST_MAIN(tst_frmMenu)
#include "tst_frmmenu.moc"
