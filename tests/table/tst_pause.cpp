#include "runtime/qtruntime.h"
#include "table/frmvorlina.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <array>
#include <ctime>

namespace {

// Sleeps until the monotonic clock, which the event loop's timers run on, stands at the given
// millisecond of a 50 ms period.
void sleepUntilPhase(qint64 ms)
{
    QElapsedTimer clock;
    clock.start();
    QThread::msleep(static_cast<unsigned long>((ms - clock.msecsSinceReference() % 50 + 50) % 50));
}

} // namespace

// The real pause waits in the event loop: it lets events through and leaves the core idle.
class tst_Pause : public QObject
{
    Q_OBJECT

private slots:
    void pauseSleepsAndLetsEventsThrough();
    void shortPausesKeepTime();
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

// A time bonus of a whole round counts 60 short pauses: each must last its length, not a few
// milliseconds more, or the count drags. The median leaves out a pause a busy machine delayed.
void tst_Pause::shortPausesKeepTime()
{
    WorkingDirectory dir;
    QtRuntime rt;
    frmVorlina table(rt);
    std::array<double, 21> late{};
    for (double &pauseLate : late) {
        // A coarse timer moves its wake-up to a round 50 ms up to a twentieth of its wait later:
        // each pause starts where that would wake it 7 ms after its end.
        sleepUntilPhase(43);
        QElapsedTimer wall;
        wall.start();
        table.Pause1();
        pauseLate = wall.nsecsElapsed() / 1e9 - 0.15;
    }
    std::sort(late.begin(), late.end());
    const double median = late[late.size() / 2];
    QVERIFY2(median < 0.002, qPrintable(QStringLiteral("%1 s late").arg(median)));
}

QTEST_MAIN(tst_Pause)
#include "tst_pause.moc"
