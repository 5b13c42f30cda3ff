// Wall and CPU time of whole end-of-round sequences with the real pauses, against the same
// table left idle for as long.
#include "benchsupport.h"
#include "decks.h"
#include "runtime/qtruntime.h"
#include "table/frmvorlina.h"

#include <QApplication>
#include <QEventLoop>
#include <QQueue>
#include <QTimer>

#include <cstdlib>

namespace {

// The real runtime, except that a deal can be given a chosen deck.
class BenchRuntime : public QtRuntime
{
public:
    float Rnd() override { return draws.isEmpty() ? QtRuntime::Rnd() : draws.dequeue(); }
    QQueue<float> draws;
};

struct Reading
{
    double wall, cpu;
};

template <typename F> Reading measure(F &&work)
{
    const double wall = bench::seconds();
    const double cpu = bench::cpuSeconds();
    work();
    return {bench::seconds() - wall, bench::cpuSeconds() - cpu};
}

void idleFor(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

void print(const char *what, const std::vector<Reading> &readings)
{
    std::vector<double> wall, cpu, load;
    for (const Reading &r : readings) {
        wall.push_back(r.wall);
        cpu.push_back(r.cpu * 1000);
        load.push_back(r.cpu / r.wall * 100);
    }
    std::printf("%-24s wall_s %6.2f  cpu_ms %7.1f  cpu_pct %6.3f  (%zu runs)\n", what,
                bench::median(wall), bench::median(cpu), bench::median(load), readings.size());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    BenchRuntime rt;
    frmVorlina table(rt);
    table.show();
    idleFor(0.5); // shown and painted

    std::vector<Reading> take, takeIdle, cleared, clearedIdle;
    for (int run = 0; run < runs; ++run) {
        // Take Score with 10 seconds left: ten counted steps, the hold, "Round: 2", the deal.
        table.Round = 1;
        table.Score = 0;
        table.cmdDeal_Click();
        table.TimeLeft = 10;
        take.push_back(measure([&] { table.cmdTake_Click(); }));
        table.Timer1->stop();
        takeIdle.push_back(measure([&] { idleFor(take.back().wall); }));

        // A tableau cleared with 10 stock cards and 10 seconds left.
        table.Round = 1;
        table.Score = 0;
        for (const int card : clearableDeck())
            rt.draws.enqueue(drawFor(card));
        table.cmdDeal_Click();
        table.StockPos = 15;
        table.TimeLeft = 10;
        cleared.push_back(measure([&] {
            for (int spot = 25; spot >= 0; --spot)
                table.imgSpot_Click(spot);
        }));
        table.Timer1->stop();
        clearedIdle.push_back(measure([&] { idleFor(cleared.back().wall); }));
    }
    print("take_score", take);
    print("take_score_idle", takeIdle);
    print("cleared_tableau", cleared);
    print("cleared_tableau_idle", clearedIdle);
    return 0;
}
