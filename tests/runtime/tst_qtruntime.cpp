#include "runtime/qtruntime.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>

namespace {

// Runs answer on the modal box as soon as it is up, so the test never waits on it.
void whenModalIsUp(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [answer] {
        if (QWidget *box = QApplication::activeModalWidget())
            answer(box);
        else
            whenModalIsUp(answer);
    });
}

} // namespace

class tst_QtRuntime : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxCodes_data();
    void messageBoxCodes();
    void inputBox_data();
    void inputBox();
    void boxesStandOverTheWindowThatAsks_data();
    void boxesStandOverTheWindowThatAsks();
    void randomValuesStayBelowOne();
    void everySeedingStartsItsOwnStream();
    void clockCountsSecondsSinceMidnight();
    void fileExistsCountsOnlyVisibleRegularFiles();
    void shellReportsWhatCannotStart();
    void shellStartsByFullPath_data();
    void shellStartsByFullPath();
};

void tst_QtRuntime::messageBoxCodes_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttonCount");
    QTest::newRow("OK by Enter") << 0 << int(Qt::Key_Return) << 1 << int(QMessageBox::NoIcon) << 1;
    QTest::newRow("OK by Esc") << 0 << int(Qt::Key_Escape) << 1 << int(QMessageBox::NoIcon) << 1;
    QTest::newRow("Yes is the default") << 36 << int(Qt::Key_Return) << 6
                                        << int(QMessageBox::Question) << 2;
    QTest::newRow("Esc answers No") << 36 << int(Qt::Key_Escape) << 7
                                    << int(QMessageBox::Question) << 2;
}

void tst_QtRuntime::messageBoxCodes()
{
    QFETCH(int, buttons);
    QFETCH(int, key);
    QFETCH(int, answer);
    QFETCH(int, icon);
    QFETCH(int, buttonCount);
    // Whatever the program is called, its boxes carry the product's name.
    QApplication::setApplicationName(QStringLiteral("Vorlina"));
    QString title;
    int shownIcon = -1;
    qsizetype shownButtons = -1;
    whenModalIsUp([&](QWidget *widget) {
        title = widget->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(widget)) {
            shownIcon = int(box->icon());
            shownButtons = box->buttons().size();
        }
        QTest::keyClick(widget, Qt::Key(key));
    });
    QtRuntime rt;
    QCOMPARE(rt.MsgBox(nullptr, QStringLiteral("time is up!!!"), buttons), answer);
    QCOMPARE(title, QStringLiteral("pelmora"));
    QCOMPARE(shownIcon, icon);
    QCOMPARE(shownButtons, qsizetype(buttonCount));
}

void tst_QtRuntime::inputBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("answer");
    QTest::newRow("typed and OK") << " Dace  " << int(Qt::Key_Return) << " Dace  ";
    QTest::newRow("nothing typed") << "" << int(Qt::Key_Return) << "";
    QTest::newRow("Cancel drops the text") << "Dace" << int(Qt::Key_Escape) << "";
}

void tst_QtRuntime::inputBox()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, answer);
    QString title;
    QString shownText = QStringLiteral("unset");
    QString labelText;
    whenModalIsUp([&](QWidget *widget) {
        title = widget->windowTitle();
        if (auto *dialog = qobject_cast<QInputDialog *>(widget))
            labelText = dialog->labelText();
        QWidget *target = widget;
        if (auto *edit = widget->findChild<QLineEdit *>()) {
            shownText = edit->text();
            QTest::keyClicks(edit, typed);
            target = edit;
        }
        QTest::keyClick(target, Qt::Key(key));
    });
    QtRuntime rt;
    QCOMPARE(rt.InputBox(nullptr, QStringLiteral("First line\rSecond line"), QStringLiteral("Top Ten")),
             answer);
    QCOMPARE(title, QStringLiteral("Top Ten"));
    QCOMPARE(shownText, QString());
    QCOMPARE(labelText, QStringLiteral("First line\nSecond line"));
}

void tst_QtRuntime::boxesStandOverTheWindowThatAsks_data()
{
    QTest::addColumn<bool>("prompt");
    QTest::newRow("message box") << false;
    QTest::newRow("name prompt") << true;
}

// Not over whichever window the player clicked last.
void tst_QtRuntime::boxesStandOverTheWindowThatAsks()
{
    QFETCH(bool, prompt);
    QWidget asker;
    QWidget clickedLast;
    asker.show();
    clickedLast.show();
    QApplication::setActiveWindow(&clickedLast);
    QVERIFY(QTest::qWaitForWindowActive(&clickedLast));
    QWidget *owner = nullptr;
    whenModalIsUp([&owner](QWidget *box) {
        owner = box->parentWidget();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QtRuntime rt;
    if (prompt)
        rt.InputBox(&asker, QStringLiteral("Enter Your Name:"), QStringLiteral("High Score!!"));
    else
        rt.MsgBox(&asker, QStringLiteral("time is up!!!"));
    QCOMPARE(owner, &asker);
}

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

// Seedings a moment apart, and runtimes made together as programs started together are, must
// not deal the same games.
void tst_QtRuntime::everySeedingStartsItsOwnStream()
{
    const auto streamStart = [](QtRuntime &rt) {
        rt.Randomize();
        const auto draw = [&rt] { return quint64(rt.Rnd() * 16777216.0f); };
        const quint64 first = draw();
        return first << 24 | draw();
    };
    QSet<quint64> starts;
    constexpr int Seedings = 2000;
    QtRuntime one;
    for (int i = 0; i < Seedings; ++i)
        starts.insert(streamStart(one));
    std::array<QtRuntime, 8> together;
    for (QtRuntime &rt : together)
        starts.insert(streamStart(rt));
    QCOMPARE(starts.size(), qsizetype(Seedings + together.size()));
}

void tst_QtRuntime::clockCountsSecondsSinceMidnight()
{
    QtRuntime rt;
    const double now = rt.Timer();
    QVERIFY(now >= 0.0 && now < 86400.0);
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

QTEST_MAIN(tst_QtRuntime)
#include "tst_qtruntime.moc"
