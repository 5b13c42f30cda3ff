#include "runtime/qtruntime.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_QtRuntime : public QObject
{
    Q_OBJECT

private slots:
    void randomValuesStayBelowOne();
    void clockCountsSecondsSinceMidnight();
    void fileExistsCountsOnlyVisibleRegularFiles();
    void shellReportsWhatCannotStart();
    void shellStartsByFullPath_data();
    void shellStartsByFullPath();
    void messageBoxBearsTheApplicationTitle_data();
    void messageBoxBearsTheApplicationTitle();
};

void tst_QtRuntime::randomValuesStayBelowOne()
{
    QtRuntime rt;
    rt.Randomize();
    float lowest = 1, highest = 0;
    for (int i = 0; i < 100000; ++i) {
        const float r = rt.Rnd();
        QVERIFY(r >= 0.0f && r < 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    QVERIFY(lowest < 0.001f && highest > 0.999f);
}

void tst_QtRuntime::clockCountsSecondsSinceMidnight()
{
    QtRuntime rt;
    const float now = rt.Timer();
    QVERIFY(now >= 0.0f && now < 86400.0f);
}

void tst_QtRuntime::fileExistsCountsOnlyVisibleRegularFiles()
{
    WorkingDirectory dir;
    writeFile(QStringLiteral("MSINFO32.EXE"), "x");
    writeFile(QStringLiteral(".hidden"), "x");
    QDir().mkdir(QStringLiteral("folder"));
    QtRuntime rt;
    QVERIFY(rt.FileExists(QStringLiteral("MSINFO32.EXE")));
    QVERIFY(!rt.FileExists(QStringLiteral(".hidden")));
    QVERIFY(!rt.FileExists(QStringLiteral("folder")));
    QVERIFY(!rt.FileExists(QStringLiteral("missing")));
}

void tst_QtRuntime::shellReportsWhatCannotStart()
{
    QtRuntime rt;
    QVERIFY(!rt.Shell(QString(), 1));
    QVERIFY(!rt.Shell(QStringLiteral("/nonexistent/program"), 1));
}

void tst_QtRuntime::shellStartsByFullPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<bool>("starts");

    QTest::newRow("program") << QStringLiteral("sysinfo") << true << true;
    QTest::newRow("blank in the name") << QStringLiteral("system info") << true << true;
    QTest::newRow("not executable") << QStringLiteral("sysinfo") << false << false;
}

// The path is the program itself, never split into a command line.
void tst_QtRuntime::shellStartsByFullPath()
{
    QFETCH(QString, name);
    QFETCH(bool, executable);
    QFETCH(bool, starts);
    WorkingDirectory dir;
    const QString program = QDir(dir.path()).filePath(name);
    writeFile(program, "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(program, executable ? QFile::ReadOwner | QFile::ExeOwner
                                              : QFile::ReadOwner);
    QtRuntime rt;
    QCOMPARE(rt.Shell(program, 1), starts);
}

void tst_QtRuntime::messageBoxBearsTheApplicationTitle_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("answer");

    QTest::newRow("OK only") << 0 << int(QMessageBox::NoIcon) << QStringList{"OK"} << 1;
    QTest::newRow("Yes and No") << 36 << int(QMessageBox::Question)
                                << QStringList{"Yes", "No"} << 6;
}

// Whatever the program is called, its boxes carry the product's name.
void tst_QtRuntime::messageBoxBearsTheApplicationTitle()
{
    QFETCH(int, buttons);
    QFETCH(int, icon);
    QFETCH(QStringList, captions);
    QFETCH(int, answer);
    QApplication::setApplicationName(QStringLiteral("Vorlina"));
    QString title;
    int shownIcon = -1;
    QStringList shownCaptions;
    // Reads the box once it is up, then presses its first button.
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        shownIcon = box->icon();
        QList<QAbstractButton *> order;
        for (QMessageBox::StandardButton b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok}) {
            if (QAbstractButton *button = box->button(b))
                order << button;
        }
        for (QAbstractButton *button : order)
            shownCaptions << button->text().remove(QLatin1Char('&'));
        order.first()->click();
    });
    QtRuntime rt;
    QCOMPARE(rt.MsgBox(QStringLiteral("time is up!!!"), buttons), answer);
    QCOMPARE(title, QStringLiteral("pelmora"));
    QCOMPARE(shownIcon, icon);
    QCOMPARE(shownCaptions, captions);
}

QTEST_MAIN(tst_QtRuntime)
#include "tst_qtruntime.moc"
