#include "app/windows.h"

#include "runtime/scriptedruntime.h"
#include "screens/frmmenu.h"
#include "table/frmvorlina.h"
#include "testsupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

class tst_Windows : public QObject
{
    Q_OBJECT
private slots:
    void webPageCannotOpen_data();
    void webPageCannotOpen();
};

namespace {

QMap<QString, QByteArray> dataFiles()
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir().entryList(QDir::Files))
        files[name] = readFile(name);
    return files;
}

frmMenu *shownMenu()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *menu = qobject_cast<frmMenu *>(widget); menu && menu->isVisible())
            return menu;
    }
    return nullptr;
}

} // namespace

// Without a working module the player is told why, once a try, and the game goes on.
void tst_Windows::webPageCannotOpen_data()
{
    QTest::addColumn<QByteArray>("module"); // the module file's bytes; null: no file
    QTest::addColumn<QString>("why");
    QTest::newRow("absent") << QByteArray()
                            << QStringLiteral("The web page cannot be shown: its module "
                                              "vorlina_web is not installed");
    // The loader's own reason follows.
    QTest::newRow("damaged") << QByteArray("not a module")
                             << QStringLiteral("The web page cannot be shown: Failed to extract plugin meta data");
}

void tst_Windows::webPageCannotOpen()
{
    QFETCH(QByteArray, module);
    QFETCH(QString, why);
    WorkingDirectory wd;
    writeFile(QStringLiteral("qimscores.dat"), QByteArray(49, '\x01'));
    writeFile(QStringLiteral("qimbacks.dat"), QByteArray::fromHex("0300"));
    QTemporaryDir place;
    if (!module.isNull())
        writeFile(QDir(place.path()).filePath(QStringLiteral("vorlina_web.so")), module);

    ScriptedRuntime rt;
    Windows windows(rt, {place.path()});
    frmVorlina table(rt, &windows);
    windows.setTable(&table);
    table.show();
    const auto files = dataFiles();

    QTest::mouseClick(table.cmdMenu, Qt::LeftButton);
    frmMenu *menu = shownMenu();
    QVERIFY(menu);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        QTest::mouseClick(menu->cmdWeb, Qt::LeftButton);
        QCOMPARE(rt.messages.size(), attempt);
        QVERIFY2(rt.messages.last().startsWith(why), qPrintable(rt.messages.last()));
    }
    QCOMPARE(rt.endStatus, -1);
    QCOMPARE(dataFiles(), files);

    // The menu is still in charge and hands the table back.
    QVERIFY(menu->isVisible() && menu->isEnabled());
    QVERIFY(!table.isEnabled());
    QTest::mouseClick(menu->cmdClose, Qt::LeftButton);
    QVERIFY(!menu->isVisible());
    QVERIFY(table.isEnabled());
}

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
