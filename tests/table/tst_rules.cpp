#include "table/rules.h"
#include "tablefixture.h"

#include <QTest>

class tst_Rules : public QObject
{
    Q_OBJECT

private slots:
    void rankOfCardNumber_data();
    void rankOfCardNumber();
    void playsOntoFaceUp_data();
    void playsOntoFaceUp();
    void everyCoveredSpotLiesInTheNextRow();
};

void tst_Rules::rankOfCardNumber_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("rank");
    const int cases[][2] = {{1, 1},  {13, 13}, {14, 1},  {26, 13}, {27, 1},
                            {39, 13}, {40, 1}, {52, 13}, {0, 0}};
    for (const auto &c : cases)
        QTest::addRow("%d", c[0]) << c[0] << c[1];
}

void tst_Rules::rankOfCardNumber()
{
    QFETCH(int, card);
    QFETCH(int, rank);
    QCOMPARE(int(rankOf(std::int16_t(card))), rank);
}

void tst_Rules::playsOntoFaceUp_data()
{
    QTest::addColumn<int>("faceUp");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<bool>("plays");
    for (int faceUp = 1; faceUp <= 13; ++faceUp) {
        for (int clicked = 1; clicked <= 13; ++clicked) {
            const int apart = std::abs(faceUp - clicked);
            QTest::addRow("%d on %d", clicked, faceUp) << faceUp << clicked
                                                       << (apart == 1 || apart == 12);
        }
    }
}

void tst_Rules::playsOntoFaceUp()
{
    QFETCH(int, faceUp);
    QFETCH(int, clicked);
    QFETCH(bool, plays);
    QCOMPARE(playsOnto(faceUp, clicked), plays);
}

void tst_Rules::everyCoveredSpotLiesInTheNextRow()
{
    for (int row = 0; row + 1 < int(RowStart.size()) - 1; ++row) {
        for (int spot = RowStart[row]; spot < RowStart[row + 1]; ++spot) {
            for (const int cover : {CoveredBy[spot].first, CoveredBy[spot].second}) {
                if (cover >= 0)
                    QVERIFY(cover >= RowStart[row + 1] && cover < RowStart[row + 2]);
            }
        }
    }
}

QTEST_GUILESS_MAIN(tst_Rules)
#include "tst_rules.moc"
