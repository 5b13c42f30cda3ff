// The shuffle, and a deal with its moves, on the table window with the scripted runtime
// (offscreen), against baselines of the same size.
#include "benchsupport.h"
#include "decks.h"
#include "images/pictures.h"
#include "runtime/forms.h"
#include "runtime/scriptedruntime.h"
#include "table/frmvorlina.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <numeric>
#include <random>

namespace {

// The median time of one call, in microseconds, over many calls.
double perCall(int calls, const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> times;
    times.reserve(calls);
    for (int i = 0; i <= calls; ++i) {
        prepare();
        const double begin = bench::seconds();
        work();
        const double took = bench::seconds() - begin;
        if (i > 0) // the first call pays for the pictures and the record file
            times.push_back(took * 1e6);
    }
    return bench::median(times);
}

void print(const char *what, double micros, int calls)
{
    std::printf("%-24s us %10.2f  (median of %d)\n", what, micros, calls);
}

// The widget changes of a deal and 25 moves, made straight on plain widgets.
class PlainTable : public QWidget
{
public:
    PlainTable()
    {
        for (auto &spot : spots) {
            spot = new ImageControl(this);
            spot->resize(CardWidth, CardHeight);
        }
        for (auto &label : labels)
            label = new QLabel(this);
    }
    void deal()
    {
        for (ImageControl *spot : spots) {
            spot->setPicture(cardBack(0));
            spot->show();
            spot->setEnabled(false);
        }
        for (const int open : {19, 20, 23, 24, 25, 26})
            spots[open]->setPicture(cardFace(open));
        for (QLabel *label : labels)
            label->setText(QStringLiteral("0"));
    }
    void move(int spot)
    {
        spots[26]->setPicture(spots[spot]->picture());
        spots[spot]->hide();
        labels[0]->setText(QString::number(spot * 100));
        labels[1]->setText(QString::number(spot));
    }
    std::array<ImageControl *, 28> spots{};
    std::array<QLabel *, 3> labels{};
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int calls = argc > 1 ? std::atoi(argv[1]) : 2000;

    ScriptedRuntime rt;
    rt.randomSeed = 7;
    frmVorlina table(rt);
    table.show();
    QApplication::processEvents();

    Shuffle shuffle;
    print("shuffle", perCall(calls, [] {}, [&] { shuffle.ShuffleDeck(rt); }),
          calls);
    std::mt19937 generator(7);
    std::array<int, 52> cards{};
    print("std_shuffle",
          perCall(calls, [&] { std::iota(cards.begin(), cards.end(), 1); },
                  [&] { std::shuffle(cards.begin(), cards.end(), generator); }),
          calls);

    const auto scriptClearable = [&] {
        table.Timer1->stop();
        table.Round = 1;
        table.Score = 0;
        for (const int card : clearableDeck())
            rt.randomValues.enqueue(drawFor(card));
    };
    print("deal_25_moves",
          perCall(calls, scriptClearable,
                  [&] {
                      table.cmdDeal_Click();
                      for (int spot = 25; spot >= 1; --spot)
                          table.imgSpot_Click(spot);
                  }),
          calls);
    print("deal_26_moves_clearing",
          perCall(calls / 10, scriptClearable,
                  [&] {
                      table.cmdDeal_Click();
                      for (int spot = 25; spot >= 0; --spot)
                          table.imgSpot_Click(spot);
                  }),
          calls / 10);
    PlainTable plain;
    plain.show();
    QApplication::processEvents();
    print("plain_widget_changes",
          perCall(calls, [] {},
                  [&] {
                      plain.deal();
                      for (int spot = 25; spot >= 1; --spot)
                          plain.move(spot);
                  }),
          calls);
    return 0;
}
