#include "loopbackserver.h"

#include "web/webwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPluginLoader>
#include <QPointer>
#include <QTest>

// The program's road to the web page window: the module loaded from the build folder, showing
// a page served here. The module holds its own copy of the window's code, so the window is
// found by what it shows, not by its type.
class tst_WebPlugin : public QObject
{
    Q_OBJECT
private slots:
    void showsPageFromModule();
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

} // namespace

void tst_WebPlugin::showsPageFromModule()
{
    LoopbackServer server;
    QVERIFY(server.isListening());
    QPluginLoader loader(QDir(QStringLiteral(VORLINA_BUILD_DIR)).filePath("vorlina_web"));
    QObject *instance = loader.instance();
    QVERIFY2(instance, qPrintable(loader.errorString()));
    auto *factory = qobject_cast<WebWindowFactory *>(instance);
    QVERIFY(factory);

    const QString a = server.url(QStringLiteral("a"));
    factory->showBrowser(a);
    QPointer<QWidget> window = shownWindow();
    QVERIFY(window);
    QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), LoopbackServer::title("a"), LoadTimeout);
    QCOMPARE(entries(window), QStringList{a});

    // Closed, it is unloaded; shown again, it is a new window with a fresh history.
    window->close();
    QTRY_VERIFY(window.isNull());
    const QString b = server.url(QStringLiteral("b"));
    factory->showBrowser(b);
    window = shownWindow();
    QVERIFY(window);
    QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), LoopbackServer::title("b"), LoadTimeout);
    QCOMPARE(entries(window), QStringList{b});

    // The pages go before the engine does.
    delete instance;
    QVERIFY(window.isNull());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // As the program does, just before it loads the module.
    shareContextForBrowser();
    tst_WebPlugin test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webplugin.moc"
