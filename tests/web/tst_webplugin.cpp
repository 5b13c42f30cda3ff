#include "loopbackserver.h"

#include "app/webmodule.h"
#include "app/windows.h"
#include "runtime/scriptedruntime.h"
#include "screens/frmmenu.h"
#include "table/frmvorlina.h"
#include "testsupport.h"
#include "web/site.h"
#include "web/webwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolBar>

#include <unistd.h>

// The program's road to the web page window: the module loaded from the build folder by the
// program's loader, showing a page served here. The module holds its own copy of the window's
// code, so the window is found by what it shows, not by its type. Run as root, the engine's
// sandbox switch is taken away first: the loader must set it, or the engine ends the process.
class tst_WebPlugin : public QObject
{
    Q_OBJECT
private slots:
    void engineMissingAPart_data();
    void engineMissingAPart();
    void homePage();
    void showsPageFromModule();
    void opensBesideTheMenu();
};

namespace {

constexpr int LoadTimeout = 15000;

QWidget *shownWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->findChild<QComboBox *>())
            return widget;
    }
    return nullptr;
}

QStringList entries(const QWidget *window)
{
    const auto *box = window->findChild<QComboBox *>();
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

// No window to keep clear of: the window opens where it fits on the screen.
Beside anywhere()
{
    return {QRect(), QMargins(), QApplication::primaryScreen()->availableGeometry()};
}

void clickButton(QWidget *window, const QString &key)
{
    const QList<QAction *> actions = window->findChild<QToolBar *>()->actions();
    for (QAction *action : actions) {
        if (action->text() == key)
            action->trigger();
    }
}

} // namespace

// Asked before any page is made, so the engine never starts without its parts.
void tst_WebPlugin::engineMissingAPart_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("why");
    QTest::newRow("helper program")
        << QByteArray("QTWEBENGINEPROCESS_PATH")
        << QStringLiteral("the browser engine's helper program QtWebEngineProcess is missing");
    QTest::newRow("resources") << QByteArray("QTWEBENGINE_RESOURCES_PATH")
                               << QStringLiteral("the browser engine's resources are missing");
}

void tst_WebPlugin::engineMissingAPart()
{
    QFETCH(QByteArray, variable);
    QFETCH(QString, why);
    WebModule module({QStringLiteral(VORLINA_BUILD_DIR)});
    qputenv(variable.constData(), "/nonexistent");
    QString reason;
    QCOMPARE(module.factory(reason), nullptr);
    qunsetenv(variable.constData());
    QCOMPARE(reason, why);
    QVERIFY(module.factory(reason));
    QCOMPARE(reason, QString());
}

// The home page the menu opens travels with the module. Reached at the very address the menu
// passes, it holds one entry of the history like any page; an address of its own kind that is
// no page fails like any failed load.
void tst_WebPlugin::homePage()
{
    WebModule module({QStringLiteral(VORLINA_BUILD_DIR)});
    QString why;
    WebWindowFactory *factory = module.factory(why);
    QVERIFY2(factory, qPrintable(why));
    const QString home = QString::fromLatin1(Site::HomeAddress);
    const QString search = QString::fromLatin1(Site::SearchAddress);
    const QString nowhere = QStringLiteral("vorlina:nowhere");

    factory->showBrowser(home, anywhere());
    QPointer<QWidget> window = shownWindow();
    QVERIFY(window);
    QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), QStringLiteral("Vorlina Home"), LoadTimeout);
    QCOMPARE(entries(window), QStringList{home});

    clickButton(window, QStringLiteral("Search"));
    QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), QStringLiteral("Search the Web"), LoadTimeout);
    QCOMPARE(entries(window), (QStringList{search, home}));
    clickButton(window, QStringLiteral("Home"));
    QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), QStringLiteral("Vorlina Home"), LoadTimeout);
    QCOMPARE(entries(window), (QStringList{home, search}));

    auto *box = window->findChild<QComboBox *>();
    box->setEditText(nowhere);
    window->activateWindow();
    box->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    // The engine names the page it could not reach by its address.
    QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), nowhere, LoadTimeout);
    QCOMPARE(entries(window), (QStringList{nowhere, home, search}));

    clickButton(window, QStringLiteral("Back"));
    QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), QStringLiteral("Vorlina Home"), LoadTimeout);
    QCOMPARE(entries(window), (QStringList{home, nowhere, search}));
    window->close();
    QTRY_VERIFY(window.isNull());
}

void tst_WebPlugin::showsPageFromModule()
{
    LoopbackServer server;
    QVERIFY(server.isListening());
    WebModule module({QStringLiteral("/nonexistent"), QStringLiteral(VORLINA_BUILD_DIR)});
    QString why;
    WebWindowFactory *factory = module.factory(why);
    QVERIFY2(factory, qPrintable(why));
    if (::geteuid() == 0)
        QVERIFY(qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));

    const QString a = server.url(QStringLiteral("a"));
    factory->showBrowser(a, anywhere());
    QPointer<QWidget> window = shownWindow();
    QVERIFY(window);
    QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), LoopbackServer::title("a"), LoadTimeout);
    QCOMPARE(entries(window), QStringList{a});

    // Closed, it is unloaded; shown again, it is a new window with a fresh history.
    window->close();
    QTRY_VERIFY(window.isNull());
    const QString b = server.url(QStringLiteral("b"));
    factory->showBrowser(b, anywhere());
    window = shownWindow();
    QVERIFY(window);
    QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), LoopbackServer::title("b"), LoadTimeout);
    QCOMPARE(entries(window), QStringList{b});

    // The pages go before the engine does.
    delete dynamic_cast<QObject *>(factory);
    QVERIFY(window.isNull());
}

// Where no window manager lets the player move windows, a window over the menu would bury its
// Close, and with it the only way back to the table.
void tst_WebPlugin::opensBesideTheMenu()
{
    WorkingDirectory wd;
    ScriptedRuntime rt;
    Windows windows(rt, {QStringLiteral(VORLINA_BUILD_DIR)});
    frmVorlina table(rt, &windows);
    windows.setTable(&table);
    table.show();
    QTest::mouseClick(table.cmdMenu, Qt::LeftButton);
    frmMenu *menu = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *shown = qobject_cast<frmMenu *>(widget); shown && shown->isVisible())
            menu = shown;
    }
    QVERIFY(menu);

    QTest::mouseClick(menu->cmdWeb, Qt::LeftButton);
    QCOMPARE(rt.messages, QStringList());
    QPointer<QWidget> window = shownWindow();
    QVERIFY(window);
    QVERIFY(!window->frameGeometry().intersects(menu->frameGeometry()));
    QVERIFY(menu->screen()->availableGeometry().contains(window->frameGeometry()));

    // Shown again, it stays where the player has put it.
    const QRect moved = window->geometry().translated(-5, 5);
    window->setGeometry(moved);
    QTest::mouseClick(menu->cmdWeb, Qt::LeftButton);
    QCOMPARE(window->geometry(), moved);
    window->close();
    QTRY_VERIFY(window.isNull());
}

int main(int argc, char *argv[])
{
    if (::geteuid() == 0)
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    QApplication app(argc, argv);
    tst_WebPlugin test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webplugin.moc"
