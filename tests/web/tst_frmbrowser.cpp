#include "scriptedbrowser.h"

#include "runtime/forms.h"
#include "web/frmbrowser.h"
#include "web/site.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>

namespace {

const QString Home = QString::fromUtf8(Site::HomeAddress);
const QString SiteName = QString::fromUtf8(Site::Name);
const QSize DesignSize(fromTwips(10830), fromTwips(8565));

// Every expected geometry is in twips and goes through fromTwips, as the window's does.
QRect twips(int left, int top, int width, int height)
{
    return fromTwips(TwipsRect{left, top, width, height});
}

struct Loaded
{
    ScriptedBrowser *browser = nullptr;
    std::unique_ptr<frmBrowser> window;
};

Loaded load(const QString &startingAddress = {})
{
    Loaded loaded;
    auto browser = std::make_unique<ScriptedBrowser>();
    loaded.browser = browser.get();
    loaded.window = std::make_unique<frmBrowser>(std::move(browser));
    loaded.window->StartingAddress = startingAddress;
    loaded.window->Form_Load();
    return loaded;
}

QStringList entries(const QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

} // namespace

class tst_frmBrowser : public QObject
{
    Q_OBJECT
private slots:
    void layoutAfterLoad();
    void resize_data();
    void resize();
    void emptyStartingAddress();
    void startingAddress_data();
    void startingAddress();
    void history_data();
    void history();
    void downloadAlone();
    void keyInBox_data();
    void keyInBox();
    void leavingTheBox_data();
    void leavingTheBox();
    void chooseFromList_data();
    void chooseFromList();
    void toolbar_data();
    void toolbar();
    void stopEndsThePoll();
    void closeKey_data();
    void closeKey();
};

void tst_frmBrowser::layoutAfterLoad()
{
    Loaded l = load();
    frmBrowser &w = *l.window;
    QVERIFY(w.isVisible());
    QCOMPARE(w.size(), DesignSize);
    QVERIFY(w.windowFlags() & Qt::WindowMinMaxButtonsHint);
    QVERIFY(!w.windowIcon().isNull());

    QCOMPARE(w.tbToolBar->geometry(), twips(0, 0, 10830, 540));
    QCOMPARE(w.picAddress->geometry(), twips(0, 540, 10830, 675));
    QCOMPARE(w.lblAddress->geometry(), twips(45, 60, 3075, 255));
    QCOMPARE(w.cboAddress->geometry(), twips(50, 330, 10730, 315));
    QCOMPARE(w.Label1->geometry(), twips(240, 1320, 5775, 615));
    QCOMPARE(w.brwWebBrowser->geometry(), twips(120, 2175, 10730, 6290));

    QCOMPARE(w.lblAddress->text(), QStringLiteral("&Address:"));
    QCOMPARE(w.lblAddress->buddy(), w.cboAddress);
    QVERIFY(w.cboAddress->isEditable());
    QCOMPARE(w.cboAddress->insertPolicy(), QComboBox::NoInsert);
    QCOMPARE(w.Label1->text(), SiteName);
    QCOMPARE(w.Label1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(w.Label1->palette().color(QPalette::WindowText), fromBgr(Bgr::Green));
    QCOMPARE(w.Label1->palette().color(QPalette::Window), fromBgr(Bgr::Black));
    QCOMPARE(w.Label1->font(), formsFont(Face::FuturaMdBT, 24, true));
    QCOMPARE(w.timTimer->interval(), 5);

    const QStringList keys = {"Back", "Forward", "Stop", "Refresh", "Home", "Search"};
    const QList<QAction *> actions = w.tbToolBar->actions();
    QCOMPARE(actions.size(), keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        QCOMPARE(actions[i]->text(), keys[i]);
        QCOMPARE(actions[i]->toolTip(), keys[i]);
        QVERIFY(!actions[i]->icon().isNull());
    }
}

void tst_frmBrowser::resize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("boxWidth");
    QTest::addColumn<QSize>("browserSize");

    const int designWidth = fromTwips(10730);
    const int designHeight = fromTwips(6290);
    QTest::newRow("design") << DesignSize << designWidth << QSize(designWidth, designHeight);
    QTest::newRow("larger") << QSize(800, 600) << fromTwips(11900)
                            << QSize(fromTwips(11900), fromTwips(6725));
    // Each negative size leaves its control as it was; the others are still applied.
    QTest::newRow("minimised") << QSize(0, 0) << designWidth << QSize(designWidth, designHeight);
    QTest::newRow("narrower than 100 twips") << QSize(6, 400) << designWidth
                                             << QSize(designWidth, fromTwips(3725));
    QTest::newRow("lower than the browser") << QSize(500, 151) << fromTwips(7400)
                                            << QSize(fromTwips(7400), designHeight);
    QTest::newRow("just room") << QSize(7, 152) << 0 << QSize(0, 0);
}

void tst_frmBrowser::resize()
{
    QFETCH(QSize, size);
    QFETCH(int, boxWidth);
    QFETCH(QSize, browserSize);

    Loaded l = load();
    frmBrowser &w = *l.window;
    w.resize(size);
    QCOMPARE(w.size(), size);
    QCOMPARE(w.cboAddress->geometry(), QRect(fromTwips(50), fromTwips(330), boxWidth, fromTwips(315)));
    QCOMPARE(w.brwWebBrowser->geometry(),
             QRect(QPoint(fromTwips(120), fromTwips(2175)), browserSize));
    QCOMPARE(w.tbToolBar->geometry(), QRect(0, 0, size.width(), fromTwips(540)));
    QCOMPARE(w.picAddress->geometry(), QRect(0, fromTwips(540), size.width(), fromTwips(675)));
    QCOMPARE(w.Label1->geometry(), twips(240, 1320, 5775, 615));

    // Restoring brings every size back to the formulas.
    w.resize(DesignSize);
    QCOMPARE(w.cboAddress->width(), fromTwips(10730));
    QCOMPARE(w.brwWebBrowser->size(), QSize(fromTwips(10730), fromTwips(6290)));
}

void tst_frmBrowser::emptyStartingAddress()
{
    Loaded l = load();
    QCOMPARE(l.window->cboAddress->currentText(), Home);
    QCOMPARE(l.window->cboAddress->count(), 0);
    QVERIFY(!l.window->timTimer->isActive());
    QCOMPARE(l.browser->calls, QStringList());
    QCOMPARE(l.window->windowTitle(), SiteName);
}

void tst_frmBrowser::startingAddress_data()
{
    QTest::addColumn<bool>("refuse");
    QTest::newRow("taken") << false;
    QTest::newRow("refused") << true;
}

void tst_frmBrowser::startingAddress()
{
    QFETCH(bool, refuse);
    auto browser = std::make_unique<ScriptedBrowser>();
    ScriptedBrowser &b = *browser;
    if (refuse)
        b.refused << QStringLiteral("Navigate");
    frmBrowser w(std::move(browser));
    w.StartingAddress = QStringLiteral("http://start.example/");
    w.Form_Load();

    QVERIFY(w.isVisible());
    QCOMPARE(w.cboAddress->currentText(), w.StartingAddress);
    QCOMPARE(entries(w.cboAddress), QStringList{w.StartingAddress});
    QVERIFY(w.timTimer->isActive());
    QCOMPARE(b.calls, QStringList{QStringLiteral("Navigate http://start.example/")});
    QCOMPARE(w.cboAddress->geometry(), twips(50, 330, 10730, 315));
}

void tst_frmBrowser::history_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("reached");
    QTest::addColumn<QStringList>("list");

    QTest::newRow("A, B, A") << QString() << QStringList{"http://h/a", "http://h/b", "http://h/a"}
                             << QStringList{"http://h/a", "http://h/b"};
    QTest::newRow("letter case differs") << QString() << QStringList{"http://h/a", "http://h/A"}
                                         << QStringList{"http://h/A", "http://h/a"};
    QTest::newRow("start spelt otherwise")
        << QStringLiteral("Vorlina:home") << QStringList{Home}
        << QStringList{Home, QStringLiteral("Vorlina:home")};
    QTest::newRow("start reached") << Home << QStringList{Home, "http://h/b", Home}
                                   << QStringList{Home, "http://h/b"};
}

void tst_frmBrowser::history()
{
    QFETCH(QString, start);
    QFETCH(QStringList, reached);
    QFETCH(QStringList, list);

    Loaded l = load(start);
    frmBrowser &w = *l.window;
    const QStringList loadCalls = l.browser->calls;
    for (const QString &address : reached) {
        w.cboAddress->setEditText(QStringLiteral("typed meanwhile"));
        l.browser->reach(address, QStringLiteral("Name of ") + address);
        QCOMPARE(w.windowTitle(), QStringLiteral("Name of ") + address);
        QCOMPARE(w.cboAddress->currentText(), address);
    }
    QCOMPARE(entries(w.cboAddress), list);
    QCOMPARE(w.cboAddress->currentIndex(), 0);
    // Rebuilding the list selects an entry from code, which must not navigate.
    QCOMPARE(l.browser->calls, loadCalls);
}

// A stopped load ends a download without reaching a page: the caption follows, the list does not.
void tst_frmBrowser::downloadAlone()
{
    Loaded l = load();
    frmBrowser &w = *l.window;
    l.browser->reach(QStringLiteral("http://h/a"), QStringLiteral("Page A"));
    l.browser->url = QStringLiteral("http://h/b");
    l.browser->name = QStringLiteral("Page B so far");
    emit l.browser->DownloadComplete();
    QCOMPARE(w.windowTitle(), QStringLiteral("Page B so far"));
    QCOMPARE(entries(w.cboAddress), QStringList{QStringLiteral("http://h/a")});
    QCOMPARE(w.cboAddress->currentText(), QStringLiteral("http://h/a"));
}

void tst_frmBrowser::keyInBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("textAfter");

    const QString typed = QStringLiteral("http://h/typed");
    QTest::newRow("Enter") << typed << int(Qt::Key_Return) << false
                           << QStringList{"Navigate http://h/typed"} << typed;
    QTest::newRow("keypad Enter") << typed << int(Qt::Key_Enter) << false
                                  << QStringList{"Navigate http://h/typed"} << typed;
    // The box's own Enter handling must not choose the matching entry a second time.
    QTest::newRow("Enter on an entry") << "http://h/b" << int(Qt::Key_Return) << false
                                       << QStringList{"Navigate http://h/b"} << "http://h/b";
    QTest::newRow("Enter in an empty box, refused") << "" << int(Qt::Key_Return) << true
                                                    << QStringList{"Navigate "} << "";
    // Other keys start nothing and reach the box as typed.
    QTest::newRow("letter") << typed << int(Qt::Key_X) << false << QStringList() << typed + "x";
    QTest::newRow("Escape") << typed << int(Qt::Key_Escape) << false << QStringList() << typed;
}

void tst_frmBrowser::keyInBox()
{
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(bool, refuse);
    QFETCH(QStringList, calls);
    QFETCH(QString, textAfter);

    Loaded l = load();
    frmBrowser &w = *l.window;
    l.browser->reach(QStringLiteral("http://h/b"), QStringLiteral("B"));
    l.browser->reach(QStringLiteral("http://h/a"), QStringLiteral("A"));
    if (refuse)
        l.browser->refused << QStringLiteral("Navigate");
    w.cboAddress->setEditText(text);
    w.activateWindow();
    w.cboAddress->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.cboAddress);
    QTest::keyClick(w.windowHandle(), Qt::Key(key));

    QCOMPARE(l.browser->calls, calls);
    QCOMPARE(w.timTimer->isActive(), !calls.isEmpty());
    QCOMPARE(w.cboAddress->currentText(), textAfter);
    QVERIFY(w.isVisible());

    qint16 keyAscii = 13;
    w.cboAddress_KeyPress(keyAscii);
    QCOMPARE(keyAscii, qint16(13));
}

namespace {
enum class Leave { Tab, Backtab, ClickIntoPage, OtherWindow, OpenAndCloseList };
} // namespace

// With page B shown and page A in the list, typing A's address and leaving the box is no
// choice: the box must not load A by itself.
void tst_frmBrowser::leavingTheBox_data()
{
    QTest::addColumn<Leave>("leave");
    QTest::newRow("Tab") << Leave::Tab;
    QTest::newRow("Shift+Tab") << Leave::Backtab;
    QTest::newRow("click into the page") << Leave::ClickIntoPage;
    QTest::newRow("another window activated") << Leave::OtherWindow;
    QTest::newRow("list opened and closed") << Leave::OpenAndCloseList;
}

void tst_frmBrowser::leavingTheBox()
{
    QFETCH(Leave, leave);
    Loaded l = load();
    frmBrowser &w = *l.window;
    const QString a = QStringLiteral("http://h/a");
    l.browser->reach(a, QStringLiteral("A"));
    l.browser->reach(QStringLiteral("http://h/b"), QStringLiteral("B"));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.cboAddress->setFocus();
    QCOMPARE(QApplication::focusWidget(), w.cboAddress);
    w.cboAddress->lineEdit()->selectAll();
    QTest::keyClicks(w.cboAddress, a);
    QCOMPARE(w.cboAddress->currentText(), a);

    QWidget other;
    switch (leave) {
    case Leave::Tab:
        QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
        break;
    case Leave::Backtab:
        QTest::keyClick(w.windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case Leave::ClickIntoPage:
        QTest::mouseClick(l.browser, Qt::LeftButton);
        break;
    case Leave::OtherWindow:
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        break;
    case Leave::OpenAndCloseList:
        w.cboAddress->showPopup();
        QVERIFY(w.cboAddress->view()->isVisible());
        QTest::keyClick(w.cboAddress->view(), Qt::Key_Escape);
        QVERIFY(!w.cboAddress->view()->isVisible());
        break;
    }
    if (leave == Leave::OpenAndCloseList)
        QCOMPARE(QApplication::focusWidget(), w.cboAddress);
    else
        QVERIFY(QApplication::focusWidget() != w.cboAddress);
    QCOMPARE(l.browser->calls, QStringList());
    QVERIFY(!w.timTimer->isActive());
    QCOMPARE(w.cboAddress->currentText(), a);
}

void tst_frmBrowser::chooseFromList_data()
{
    QTest::addColumn<bool>("popup");
    QTest::addColumn<bool>("mouse");
    QTest::newRow("arrow key on the closed box") << false << false;
    QTest::newRow("list, keyboard") << true << false;
    QTest::newRow("list, mouse") << true << true;
}

void tst_frmBrowser::chooseFromList()
{
    QFETCH(bool, popup);
    QFETCH(bool, mouse);
    Loaded l = load();
    frmBrowser &w = *l.window;
    l.browser->reach(QStringLiteral("http://h/b"), QStringLiteral("B"));
    l.browser->reach(QStringLiteral("http://h/a"), QStringLiteral("A"));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.cboAddress->setFocus();
    if (!popup) {
        QTest::keyClick(w.cboAddress, Qt::Key_Down);
    } else {
        w.cboAddress->showPopup();
        QAbstractItemView *list = w.cboAddress->view();
        QVERIFY(list->isVisible());
        if (mouse) {
            const QPoint entry = list->visualRect(list->model()->index(1, 0)).center();
            QTest::mouseMove(list->viewport(), entry);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
        } else {
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
        }
        QVERIFY(!list->isVisible());
    }
    QCOMPARE(l.browser->calls, QStringList{QStringLiteral("Navigate http://h/b")});
    QVERIFY(w.timTimer->isActive());
    QCOMPARE(w.cboAddress->currentText(), QStringLiteral("http://h/b"));
}

void tst_frmBrowser::toolbar_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("Back") << "Back" << false << QStringList{"GoBack"};
    QTest::newRow("Back on the first page") << "Back" << true << QStringList{"GoBack"};
    QTest::newRow("Forward") << "Forward" << false << QStringList{"GoForward"};
    QTest::newRow("Forward on the last page") << "Forward" << true << QStringList{"GoForward"};
    QTest::newRow("Refresh") << "Refresh" << false << QStringList{"Refresh"};
    QTest::newRow("Home") << "Home" << false << QStringList{"GoHome"};
    QTest::newRow("Search") << "Search" << false << QStringList{"GoSearch"};
    // Keys match exactly; any other key only starts the poll, which ends at its next tick.
    QTest::newRow("lower case") << "back" << false << QStringList();
    QTest::newRow("upper case") << "HOME" << false << QStringList();
    QTest::newRow("unknown") << "Print" << false << QStringList();
}

void tst_frmBrowser::toolbar()
{
    QFETCH(QString, key);
    QFETCH(bool, refuse);
    QFETCH(QStringList, calls);

    Loaded l = load();
    frmBrowser &w = *l.window;
    ScriptedBrowser &b = *l.browser;
    b.reach(QStringLiteral("http://h/a"), QStringLiteral("Page A"));
    w.setWindowTitle(QStringLiteral("before"));
    if (refuse)
        b.refused << calls.first();

    QAction *action = nullptr;
    for (QAction *a : w.tbToolBar->actions()) {
        if (a->text() == key)
            action = a;
    }
    if (action)
        QTest::mouseClick(w.tbToolBar->widgetForAction(action), Qt::LeftButton);
    else
        w.tbToolBar_ButtonClick(key);

    QCOMPARE(b.calls, calls);
    QVERIFY(w.timTimer->isActive());
    w.timTimer_Timer();
    if (b.busy) {
        QCOMPARE(w.windowTitle(), QStringLiteral("Working..."));
        QVERIFY(w.timTimer->isActive());
        b.reach(QStringLiteral("http://h/b"), QStringLiteral("Page B"));
        w.timTimer_Timer();
    }
    QVERIFY(!w.timTimer->isActive());
    QCOMPARE(w.windowTitle(), b.name);
    QVERIFY(w.isVisible());
}

void tst_frmBrowser::stopEndsThePoll()
{
    Loaded l = load(QStringLiteral("http://h/slow"));
    frmBrowser &w = *l.window;
    ScriptedBrowser &b = *l.browser;
    b.name = QStringLiteral("Page so far");
    w.timTimer_Timer();
    QCOMPARE(w.windowTitle(), QStringLiteral("Working..."));

    QAction *stop = w.tbToolBar->actions().at(2);
    QTest::mouseClick(w.tbToolBar->widgetForAction(stop), Qt::LeftButton);
    QCOMPARE(b.calls.last(), QStringLiteral("Stop"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Page so far"));
    QVERIFY(!w.timTimer->isActive());
}

// Where no window manager draws a close box, the keyboard must still close the window.
void tst_frmBrowser::closeKey_data()
{
    QTest::addColumn<QKeyCombination>("key");
    QTest::newRow("Ctrl+W") << QKeyCombination(Qt::ControlModifier, Qt::Key_W);
    QTest::newRow("Ctrl+F4") << QKeyCombination(Qt::ControlModifier, Qt::Key_F4);
}

void tst_frmBrowser::closeKey()
{
    QFETCH(QKeyCombination, key);
    Loaded l = load(QStringLiteral("http://h/a"));
    // The window deletes itself once closed.
    QPointer<frmBrowser> w = l.window.release();
    QSignalSpy unloaded(w.data(), &frmBrowser::unloaded);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->cboAddress->setFocus();
    QTest::keyClick(w->windowHandle(), key.key(), key.keyboardModifiers());
    QCOMPARE(unloaded.count(), 1);
    QTRY_VERIFY(w.isNull());
}

QTEST_MAIN(tst_frmBrowser)
#include "tst_frmbrowser.moc"
