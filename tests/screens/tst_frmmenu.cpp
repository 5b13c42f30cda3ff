#include "screens/frmmenu.h"

#include "designcheck.h"
#include "menufixture.h"
#include "screens/frmabout.h"
#include "screens/frmcredits.h"
#include "screens/frminstruct.h"
#include "table/frmbacks.h"
#include "testsupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString HomePage = QStringLiteral("vorlina:home");

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
    // The program's default font, which the buttons use.
    void initTestCase() { QApplication::setFont(formsFont(Face::MSSansSerif, 8)); }
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void layoutMatchesTheDesign();
    void captionsKeepClearOfButtonEdges_data();
    void captionsKeepClearOfButtonEdges();
    void keysOnTheFocusedButton_data();
    void keysOnTheFocusedButton();
    void tableStaysOffUntilClose_data();
    void tableStaysOffUntilClose();
    void screensAreKeptBetweenShowings_data();
    void screensAreKeptBetweenShowings();
    void closeCommandLeadsBack_data();
    void closeCommandLeadsBack();

private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

void tst_frmMenu::layoutMatchesTheDesign()
{
    MenuFixture f;
    QCOMPARE(f.menu.size(), QSize(293, 107));
    QCOMPARE(f.menu.minimumSize(), f.menu.maximumSize());
    QVERIFY(f.menu.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(f.menu.windowTitle(), QStringLiteral("Menu"));
    QCOMPARE(f.menu.palette().color(QPalette::Window), QColor(0, 0, 255));
    QCOMPARE(f.menu.windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
    checkFrame(&f.menu, {{0, 30, 4395, 30}, {0, 1560, 4395, 1560}, {30, 0, 30, 1560},
                         {4350, 0, 4350, 1560}});

    struct Expected
    {
        QPushButton *button;
        TwipsRect twips;
        const char *caption;
    };
    const Expected buttons[] = {
        {f.menu.cmdCredits, {120, 240, 1215, 495}, "Credits"},
        {f.menu.cmdInst, {1575, 240, 1215, 495}, "Instructions"},
        {f.menu.cmdAbout, {3030, 240, 1215, 495}, "About"},
        {f.menu.cmdWeb, {120, 960, 1215, 495}, "Visit Me On The Web"},
        {f.menu.cmdBacks, {1575, 960, 1215, 495}, "Change Cardbacks"},
        {f.menu.cmdClose, {3030, 960, 1215, 495}, "Close"},
    };
    QList<QWidget *> order;
    for (const Expected &e : buttons) {
        QCOMPARE(e.button->geometry(), pixels(e.twips));
        QCOMPARE(e.button->text(), QLatin1String(e.caption));
        QVERIFY(!e.button->isDefault());
        order << e.button;
    }
    QCOMPARE(tabChain(f.menu.cmdCredits), order);
}

// The long captions wrap; no caption may run into the button's frame.
void tst_frmMenu::captionsKeepClearOfButtonEdges_data()
{
    QTest::addColumn<int>("button");
    const char *names[] = {"Credits", "Instructions", "About", "Visit Me On The Web",
                           "Change Cardbacks", "Close"};
    for (int i = 0; i < 6; ++i)
        QTest::newRow(names[i]) << i;
}

void tst_frmMenu::captionsKeepClearOfButtonEdges()
{
    QFETCH(int, button);
    MenuFixture f;
    QPushButton *buttons[] = {f.menu.cmdCredits, f.menu.cmdInst, f.menu.cmdAbout,
                              f.menu.cmdWeb, f.menu.cmdBacks, f.menu.cmdClose};
    QVERIFY(captionKeepsClearOfEdges(buttons[button], 4));
}

// No button is the Enter or Esc button, but Enter presses the one that has the focus.
void tst_frmMenu::keysOnTheFocusedButton_data()
{
    QTest::addColumn<char>("focus"); // C credits, I instructions, X close
    QTest::addColumn<int>("key");
    QTest::addColumn<char>("after"); // the screen now up; T: only the table, switched on

    QTest::newRow("Enter on Credits") << 'C' << int(Qt::Key_Return) << 'C';
    QTest::newRow("keypad Enter on Instructions") << 'I' << int(Qt::Key_Enter) << 'I';
    QTest::newRow("Space on Instructions") << 'I' << int(Qt::Key_Space) << 'I';
    QTest::newRow("Enter on Close") << 'X' << int(Qt::Key_Return) << 'T';
    QTest::newRow("Esc on Credits") << 'C' << int(Qt::Key_Escape) << 'M';
    QTest::newRow("Esc on Close") << 'X' << int(Qt::Key_Escape) << 'M';
}

void tst_frmMenu::keysOnTheFocusedButton()
{
    QFETCH(char, focus);
    QFETCH(int, key);
    QFETCH(char, after);
    MenuFixture f;
    QPushButton *button = focus == 'C' ? f.menu.cmdCredits
                          : focus == 'I' ? f.menu.cmdInst
                                         : f.menu.cmdClose;
    button->setFocus();
    QTest::keyClick(button, Qt::Key(key));

    QList<QWidget *> expected;
    if (after == 'C')
        expected << f.menu.credits();
    else if (after == 'I')
        expected << f.menu.instruct();
    else if (after == 'M')
        expected << &f.menu;
    QCOMPARE(shown(f), expected);
    QCOMPARE(f.table.isEnabled(), after == 'T');
}

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
