#include "app/windows.h"

#include "runtime/scriptedruntime.h"
#include "screens/frmmenu.h"
#include "table/frmvorlina.h"
#include "testsupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

class tst_Windows : public QObject
{
    Q_OBJECT
private slots:
    void webPageCannotOpen_data();
    void webPageCannotOpen();
    void sideWindowsStandOverTheTable_data();
    void sideWindowsStandOverTheTable();
};

namespace {

QMap<QString, QByteArray> dataFiles()
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir().entryList(QDir::Files))
        files[name] = readFile(name);
    return files;
}

QWidget *shownWindow(const char *className)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && qstrcmp(widget->metaObject()->className(), className) == 0)
            return widget;
    }
    return nullptr;
}

frmMenu *shownMenu()
{
    return qobject_cast<frmMenu *>(shownWindow("frmMenu"));
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
        QCOMPARE(rt.messageOwners.last(), menu); // its button was pressed
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

// Each window that the switched-off table waits on lies where it was drawn over the table,
// and window managers keep it over the table even when the table is clicked.
void tst_Windows::sideWindowsStandOverTheTable_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QPoint>("storedTwips"); // the client area's
    QTest::newRow("score table") << QByteArray("frmHiScores") << QPoint(3240, 2295);
    QTest::newRow("menu") << QByteArray("frmMenu") << QPoint(4110, 3360);
    QTest::newRow("instructions") << QByteArray("frmInstruct") << QPoint(3960, 2895);
    QTest::newRow("credits") << QByteArray("frmCredits") << QPoint(3825, 2190);
    QTest::newRow("about") << QByteArray("frmAbout") << QPoint(3240, 2415);
    QTest::newRow("back chooser") << QByteArray("frmBacks") << QPoint(2850, 2025);
}

void tst_Windows::sideWindowsStandOverTheTable()
{
    QFETCH(QByteArray, window);
    QFETCH(QPoint, storedTwips);
    WorkingDirectory wd;
    ScriptedRuntime rt;
    Windows windows(rt, {});
    frmVorlina table(rt, &windows);
    windows.setTable(&table);
    table.move(200, 100);
    table.show();

    if (window == "frmHiScores") {
        QTest::mouseClick(table.cmdScores, Qt::LeftButton);
    } else {
        QTest::mouseClick(table.cmdMenu, Qt::LeftButton);
        frmMenu *menu = shownMenu();
        QVERIFY(menu);
        const QMap<QByteArray, QPushButton *> buttons = {{"frmInstruct", menu->cmdInst},
                                                         {"frmCredits", menu->cmdCredits},
                                                         {"frmAbout", menu->cmdAbout},
                                                         {"frmBacks", menu->cmdBacks}};
        if (QPushButton *button = buttons.value(window))
            QTest::mouseClick(button, Qt::LeftButton);
    }
    QWidget *shown = shownWindow(window.constData());
    QVERIFY(shown);
    QCOMPARE(shown->geometry().topLeft(),
             table.geometry().topLeft() + (storedTwips - QPoint(1935, 855)) / 15);
    QCOMPARE(shown->windowType(), Qt::Dialog);
    QVERIFY(shown->windowHandle());
    QCOMPARE(shown->windowHandle()->transientParent(), table.windowHandle());
}

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
