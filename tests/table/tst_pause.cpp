#include "runtime/qtruntime.h"
#include "table/frmvorlina.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <ctime>

// The real pause waits in the event loop: it lets events through and leaves the core idle.
class tst_Pause : public QObject
{
    Q_OBJECT

private slots:
    void pauseSleepsAndLetsEventsThrough();
};

void tst_Pause::pauseSleepsAndLetsEventsThrough()
{
    WorkingDirectory dir;
    QtRuntime rt;
    frmVorlina table(rt);
    int fired = 0;
    QTimer::singleShot(300, &table, [&fired] { ++fired; });

    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpuStart = std::clock();
    table.Pause2();
    const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double elapsed = wall.elapsed() / 1000.0;

    QCOMPARE(fired, 1);
    QVERIFY2(elapsed >= 0.95 && elapsed < 2.0, qPrintable(QString::number(elapsed)));
    QVERIFY2(cpu < 0.2 * elapsed, qPrintable(QStringLiteral("cpu %1 s").arg(cpu)));
}

QTEST_MAIN(tst_Pause)
#include "tst_pause.moc"
