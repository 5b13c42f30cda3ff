#include "scriptedbrowser.h"

#include "web/browserwindows.h"
#include "web/frmbrowser.h"

#include <QComboBox>
#include <QPointer>
#include <QTest>

class tst_BrowserWindows : public QObject
{
    Q_OBJECT
private slots:
    void showAgainAndReload();
};

void tst_BrowserWindows::showAgainAndReload()
{
    QList<ScriptedBrowser *> browsers;
    BrowserWindows windows([&browsers] {
        auto browser = std::make_unique<ScriptedBrowser>();
        browsers << browser.get();
        return browser;
    });
    WebWindowFactory *factory = qobject_cast<WebWindowFactory *>(&windows);
    QVERIFY(factory);
    const QRect screen(0, 0, 1024, 768);
    const Beside menu{QRect(371, 320, 293, 107), QMargins(), screen};

    // A window that is loaded opens beside the menu, shrunk to stay on the screen.
    factory->showBrowser(QStringLiteral("http://h/home"), menu);
    QPointer<frmBrowser> first = windows.window();
    QVERIFY(first && first->isVisible());
    QCOMPARE(first->geometry(), placeBeside(QSize(722, 571), menu));
    QCOMPARE(first->height(), 341);
    QCOMPARE(browsers.size(), 1);
    browsers[0]->reach(QStringLiteral("http://h/other"), QStringLiteral("Other"));

    // A loaded window is only shown again: it keeps its place, page and history.
    const QRect moved(10, 20, 500, 400);
    first->setGeometry(moved);
    factory->showBrowser(QStringLiteral("http://h/again"), menu);
    QCOMPARE(first->geometry(), moved);
    first->showMinimized();
    factory->showBrowser(QStringLiteral("http://h/again"), menu);
    QCOMPARE(windows.window(), first.data());
    QCOMPARE(first->StartingAddress, QStringLiteral("http://h/again"));
    QVERIFY(first->isVisible() && !first->isMinimized());
    first->showMaximized();
    factory->showBrowser(QStringLiteral("http://h/again"), menu);
    QVERIFY(first->isVisible() && first->isMaximized());
    QCOMPARE(browsers.size(), 1);
    QCOMPARE(browsers[0]->calls, QStringList{QStringLiteral("Navigate http://h/home")});
    QCOMPARE(first->cboAddress->count(), 2);

    // Closing unloads it; the next showing loads a new window with a fresh history, even
    // before the closed one is gone.
    QVERIFY(first->close());
    QCOMPARE(windows.window(), nullptr);
    const Beside menuElsewhere{QRect(100, 50, 293, 107), QMargins(2, 20, 2, 2), screen};
    factory->showBrowser(QStringLiteral("http://h/new"), menuElsewhere);
    frmBrowser *second = windows.window();
    QVERIFY(second && second != first.data() && second->isVisible());
    QCOMPARE(second->geometry(), placeBeside(QSize(722, 571), menuElsewhere));
    QCOMPARE(browsers.size(), 2);
    QCOMPARE(browsers[1]->calls, QStringList{QStringLiteral("Navigate http://h/new")});
    QCOMPARE(second->cboAddress->count(), 1);
    QTRY_VERIFY(first.isNull());
}

QTEST_MAIN(tst_BrowserWindows)
#include "tst_browserwindows.moc"
