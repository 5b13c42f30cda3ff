#include "loopbackserver.h"

#include "web/site.h"
#include "web/webenginebrowser.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

// The real engine, on pages served here; each wait is bounded.
class tst_WebEngineBrowser : public QObject
{
    Q_OBJECT
private slots:
    void refusedCommands();
    void loadsAndHistory();
    void movesWithinAPage();
    void carriedPages();
    void unknownCarriedPage_data();
    void unknownCarriedPage();
    void localPageReadsNoFile();
};

namespace {

constexpr int LoadTimeout = 15000;
const QString Home = QString::fromLatin1(Site::HomeAddress);
const QString Search = QString::fromLatin1(Site::SearchAddress);

// Notes every request of the engine and lets only the program's own pages through, so that a
// page loads here as it would with no network.
class OwnPagesOnly : public QWebEngineUrlRequestInterceptor
{
public:
    OwnPagesOnly() { QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(this); }
    ~OwnPagesOnly() override
    {
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(nullptr);
    }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        requests << info.requestUrl().toString();
        info.block(info.requestUrl().scheme() != QLatin1String(Site::Scheme));
    }

    QStringList requests;
};

// The view is the engine's own, inside the control.
QWebEnginePage *pageOf(const WebEngineBrowser &browser)
{
    return browser.findChild<QWebEngineView *>()->page();
}

QString pageText(const WebEngineBrowser &browser)
{
    QString text;
    bool done = false;
    pageOf(browser)->toPlainText([&](const QString &t) {
        text = t;
        done = true;
    });
    return QTest::qWaitFor([&] { return done; }, LoadTimeout) ? text : QString();
}

} // namespace

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

// The home and search pages travel with the program: they load with no network, and a search
// goes to a search engine on the Web.
void tst_WebEngineBrowser::carriedPages()
{
    WebEngineBrowser browser(Home, Search);
    OwnPagesOnly network;
    browser.resize(715, 420);
    browser.show();
    QStringList reached;
    connect(&browser, &BrowserControl::NavigateComplete2, this, [&] {
        reached << browser.LocationName() + QLatin1Char(' ') + browser.LocationURL();
    });

    QVERIFY(browser.GoHome());
    QTRY_COMPARE_WITH_TIMEOUT(reached.size(), 1, LoadTimeout);
    // Reached at the address the menu passes, so that the history holds it once.
    QCOMPARE(reached.last(), QStringLiteral("Vorlina Home vorlina:home"));
    const QString text = pageText(browser);
    QVERIFY2(text.contains(QStringLiteral("Version " VORLINA_VERSION)), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Orrin Tavish")), qPrintable(text));

    QVERIFY(browser.GoSearch());
    QTRY_COMPARE_WITH_TIMEOUT(reached.size(), 2, LoadTimeout);
    QCOMPARE(reached.last(), QStringLiteral("Search the Web vorlina:search"));
    QTRY_VERIFY_WITH_TIMEOUT(!browser.Busy(), LoadTimeout);
    QCOMPARE(network.requests, (QStringList{Home, Search}));

    pageOf(browser)->runJavaScript(QStringLiteral(
        "document.forms[0].q.value = 'two peaks'; document.forms[0].submit();"));
    QTRY_COMPARE_WITH_TIMEOUT(network.requests.size(), 3, LoadTimeout);
    QCOMPARE(network.requests.last(),
             QStringLiteral("https://html.duckduckgo.com/html/?q=two+peaks"));
    QTRY_VERIFY_WITH_TIMEOUT(!browser.Busy(), LoadTimeout);
}

// Any other address of the scheme is no page: the load fails and ends like any failed load.
void tst_WebEngineBrowser::unknownCarriedPage_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("no such page") << QStringLiteral("vorlina:nowhere");
    QTest::newRow("letter case differs") << QStringLiteral("vorlina:Home");
    QTest::newRow("a resource of the program") << QStringLiteral("vorlina::/web/pages/home.html");
    QTest::newRow("a file") << QStringLiteral("vorlina:/etc/hostname");
}

void tst_WebEngineBrowser::unknownCarriedPage()
{
    QFETCH(QString, address);
    WebEngineBrowser browser(Home, Search);
    browser.resize(400, 300);
    browser.show();
    QStringList reached;
    connect(&browser, &BrowserControl::NavigateComplete2, this,
            [&] { reached << browser.LocationURL(); });
    QSignalSpy downloads(&browser, &BrowserControl::DownloadComplete);

    QVERIFY(browser.Navigate(address));
    QTRY_COMPARE_WITH_TIMEOUT(downloads.count(), 1, LoadTimeout);
    QCOMPARE(reached, QStringList{address});
    QVERIFY(!browser.Busy());
    QVERIFY(!pageText(browser).contains(QStringLiteral("Version " VORLINA_VERSION)));

    // The window's pages are still there.
    QVERIFY(browser.GoHome());
    QTRY_COMPARE_WITH_TIMEOUT(reached.size(), 2, LoadTimeout);
    QCOMPARE(browser.LocationName(), QStringLiteral("Vorlina Home"));
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

    WebEngineBrowser browser(Home, Search);
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
