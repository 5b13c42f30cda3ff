#include "runtime/scriptedruntime.h"
#include "table/shuffle.h"
#include "tablefixture.h"

#include <QTest>

#include <cmath>

class tst_Shuffle : public QObject
{
    Q_OBJECT

private slots:
    void repeatsAreDropped();
    void drawsCoverTheWholeRange_data();
    void drawsCoverTheWholeRange();
    void everyDeckIsAPermutation();
    void nextShuffleStartsClearedAndDrawsOn();
};

void tst_Shuffle::repeatsAreDropped()
{
    ScriptedRuntime rt;
    for (const int card : {5, 5, 3, 5})
        rt.randomValues.enqueue(static_cast<float>((card - 0.5) / 52.0));
    Shuffle shuffle;
    shuffle.ShuffleDeck(rt);
    QCOMPARE(shuffle.Deck(1), 5.0f);
    QCOMPARE(shuffle.Deck(2), 3.0f);
    QCOMPARE(shuffle.DeckTotal, double(DeckSum));
}

namespace {

// The largest draw that still gives card k; the next one up gives k + 1.
float lastDrawFor(int k)
{
    float r = static_cast<float>(k / 52.0);
    while (double(r) * 52.0 >= k)
        r = std::nextafter(r, 0.0f);
    return r;
}

} // namespace

void tst_Shuffle::drawsCoverTheWholeRange_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<float>("card");
    QTest::newRow("zero") << 0.0f << 1.0f;
    QTest::newRow("largest below one") << std::nextafter(1.0f, 0.0f) << 52.0f;
    QTest::newRow("middle") << 0.5f << 27.0f;
    // In single precision these products would round up to the next card.
    for (const int k : {1, 15, 51}) {
        QTest::addRow("last draw of %d", k) << lastDrawFor(k) << float(k);
        QTest::addRow("first draw of %d", k + 1)
            << std::nextafter(lastDrawFor(k), 1.0f) << float(k + 1);
    }
}

void tst_Shuffle::drawsCoverTheWholeRange()
{
    QFETCH(float, r);
    QFETCH(float, card);
    ScriptedRuntime rt;
    rt.randomValues.enqueue(r);
    Shuffle shuffle;
    shuffle.ShuffleDeck(rt);
    QCOMPARE(shuffle.Deck(1), card);
}

void tst_Shuffle::everyDeckIsAPermutation()
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        ScriptedRuntime rt;
        rt.randomSeed = seed;
        Shuffle shuffle;
        shuffle.ShuffleDeck(rt);
        std::array<int, 53> seen{};
        for (int i = 1; i <= 52; ++i) {
            const float card = shuffle.Deck(i);
            QVERIFY(card >= 1 && card <= 52 && card == std::floor(card));
            ++seen[int(card)];
        }
        for (int card = 1; card <= 52; ++card)
            QVERIFY2(seen[card] == 1, qPrintable(QStringLiteral("seed %1").arg(seed)));
        QCOMPARE(shuffle.DeckTotal, double(DeckSum));
    }
}

void tst_Shuffle::nextShuffleStartsClearedAndDrawsOn()
{
    ScriptedRuntime rt;
    scriptDeck(rt, inOrderDeck());
    DeckOrder reversed = inOrderDeck();
    std::reverse(reversed.begin(), reversed.end());
    scriptDeck(rt, reversed);
    Shuffle shuffle;
    shuffle.ShuffleDeck(rt);
    QCOMPARE(shuffle.Deck(1), 1.0f);
    shuffle.ShuffleDeck(rt);
    // Drawing 1 .. 52 again would be dropped if the first deck were still there.
    QCOMPARE(shuffle.Deck(1), 52.0f);
    QCOMPARE(shuffle.Deck(52), 1.0f);
    QVERIFY(rt.randomValues.isEmpty());
}

QTEST_GUILESS_MAIN(tst_Shuffle)
#include "tst_shuffle.moc"
