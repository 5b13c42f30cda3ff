#include "loopbackserver.h"

#include "web/webenginebrowser.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The real engine, on pages served here; each wait is bounded.
class tst_WebEngineBrowser : public QObject
{
    Q_OBJECT
private slots:
    void refusedCommands();
    void loadsAndHistory();
    void movesWithinAPage();
    void localPageReadsNoFile();
};

namespace {
constexpr int LoadTimeout = 15000;
}

void tst_WebEngineBrowser::refusedCommands()
{
    WebEngineBrowser browser(QStringLiteral("http://127.0.0.1:1/"), QString());
    QVERIFY(!browser.GoBack());
    QVERIFY(!browser.GoForward());
    QVERIFY(!browser.Refresh());
    QVERIFY(!browser.Navigate(QString()));
    QVERIFY(!browser.Navigate(QStringLiteral("  ")));
    QVERIFY(!browser.Busy());
}

void tst_WebEngineBrowser::loadsAndHistory()
{
    LoopbackServer server;
    QVERIFY(server.isListening());
    // A port nothing listens on: the engine shows its error page, and no command hangs.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const QString unreachable = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    closed.close();

    WebEngineBrowser browser(server.url(QStringLiteral("home")), server.url(QStringLiteral("find")));
    browser.resize(400, 300);
    browser.show();
    QStringList reached;
    connect(&browser, &BrowserControl::NavigateComplete2, this, [&] {
        reached << browser.LocationName() + QLatin1Char(' ') + browser.LocationURL();
    });
    QSignalSpy downloads(&browser, &BrowserControl::DownloadComplete);
    const auto page = [&](const QString &path) {
        return LoopbackServer::title(path) + QLatin1Char(' ') + server.url(path);
    };

    QVERIFY(browser.Navigate(server.url(QStringLiteral("a"))));
    QVERIFY(browser.Busy());
    QTRY_COMPARE_WITH_TIMEOUT(reached.size(), 1, LoadTimeout);
    QCOMPARE(reached.last(), page(QStringLiteral("a")));
    QCOMPARE(downloads.count(), 1);
    QVERIFY(!browser.Busy());

    QVERIFY(browser.GoHome());
    QTRY_COMPARE_WITH_TIMEOUT(reached.size(), 2, LoadTimeout);
    QCOMPARE(reached.last(), page(QStringLiteral("home")));
    QVERIFY(!browser.GoForward());

    QVERIFY(browser.GoBack());
    QTRY_COMPARE_WITH_TIMEOUT(reached.size(), 3, LoadTimeout);
    QCOMPARE(reached.last(), page(QStringLiteral("a")));
    QVERIFY(!browser.GoBack());

    QVERIFY(browser.Navigate(unreachable));
    QTRY_COMPARE_WITH_TIMEOUT(reached.size(), 4, LoadTimeout);
    QVERIFY(reached.last().endsWith(unreachable));
    QTRY_VERIFY_WITH_TIMEOUT(!browser.Busy(), LoadTimeout);
    QCOMPARE(downloads.count(), 4);
    // Each load reached its page once.
    QCOMPARE(reached.size(), 4);
}

// A move to another part of the page loads nothing, yet it reaches a new address.
void tst_WebEngineBrowser::movesWithinAPage()
{
    LoopbackServer server;
    QVERIFY(server.isListening());
    WebEngineBrowser browser(server.url(QStringLiteral("home")), QString());
    browser.resize(400, 300);
    browser.show();
    QStringList reached;
    connect(&browser, &BrowserControl::NavigateComplete2, this,
            [&] { reached << browser.LocationURL(); });
    QSignalSpy downloads(&browser, &BrowserControl::DownloadComplete);

    const QString page = server.url(QStringLiteral("a"));
    QVERIFY(browser.Navigate(page));
    QTRY_COMPARE_WITH_TIMEOUT(reached, QStringList{page}, LoadTimeout);

    QVERIFY(browser.Navigate(page + QStringLiteral("#part")));
    QTRY_COMPARE_WITH_TIMEOUT(reached.size(), 2, LoadTimeout);
    QCOMPARE(reached.last(), page + QStringLiteral("#part"));
    QCOMPARE(browser.LocationName(), LoopbackServer::title(QStringLiteral("a")));
    QVERIFY(!browser.Busy());

    QVERIFY(browser.GoBack());
    QTRY_COMPARE_WITH_TIMEOUT(reached.size(), 3, LoadTimeout);
    QCOMPARE(reached.last(), page);
    QVERIFY(!browser.Busy());
    QCOMPARE(downloads.count(), 1);
}

// A page opened from disk reads no other file, even one beside it.
void tst_WebEngineBrowser::localPageReadsNoFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile secret(dir.filePath(QStringLiteral("secret.txt")));
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write("hidden words");
    secret.close();
    QFile page(dir.filePath(QStringLiteral("page.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>waiting</title></head><body><script>"
               "var request = new XMLHttpRequest();"
               "request.onload = function () { document.title = 'read ' + request.responseText; };"
               "request.onerror = function () { document.title = 'refused'; };"
               "try { request.open('GET', 'secret.txt'); request.send(); }"
               "catch (e) { document.title = 'refused'; }"
               "</script></body></html>");
    page.close();

    WebEngineBrowser browser{QString(), QString()};
    browser.resize(400, 300);
    browser.show();
    QVERIFY(browser.Navigate(QUrl::fromLocalFile(page.fileName()).toString()));
    QTRY_VERIFY_WITH_TIMEOUT(browser.LocationName() == QLatin1String("refused")
                                 || browser.LocationName().startsWith(QLatin1String("read")),
                             LoadTimeout);
    QCOMPARE(browser.LocationName(), QStringLiteral("refused"));
}

QTEST_MAIN(tst_WebEngineBrowser)
#include "tst_webenginebrowser.moc"
