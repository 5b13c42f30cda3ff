#include "runtime/forms.h"

#include <QTest>

class tst_Forms : public QObject
{
    Q_OBJECT
private slots:
    void placeBeside_data();
    void placeBeside();
};

namespace {
// The web page window's client area at its design size.
constexpr QSize Design(722, 571);
// The menu, centred over a table centred on a screen of 1024 x 768.
constexpr QRect Menu(371, 320, 293, 107);
} // namespace

void tst_Forms::placeBeside_data()
{
    QTest::addColumn<QRect>("keepClear");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("client");

    const QMargins none;
    QTest::newRow("fits right") << Menu << none << QRect(0, 0, 1920, 1080)
                                << QRect(664, 320, 722, 571);
    QTest::newRow("fits only left") << QRect(900, 300, 293, 107) << none
                                    << QRect(0, 0, 1280, 1024) << QRect(178, 300, 722, 571);
    // Kept on the screen, so no longer level with the menu's left edge.
    QTest::newRow("fits only below") << QRect(250, 50, 293, 107) << none << QRect(0, 0, 800, 800)
                                     << QRect(78, 157, 722, 571);
    QTest::newRow("fits only above") << QRect(250, 650, 293, 107) << none
                                     << QRect(0, 0, 800, 800) << QRect(78, 79, 722, 571);
    // Right 360 x 768, left 371 x 768, below 1024 x 341, above 1024 x 320: below keeps most.
    QTest::newRow("fits nowhere: shrunk below") << Menu << none << QRect(0, 0, 1024, 768)
                                                << QRect(302, 427, 722, 341);
    QTest::newRow("fits nowhere, framed") << Menu << QMargins(1, 20, 1, 1)
                                          << QRect(0, 0, 1024, 768) << QRect(301, 447, 722, 320);
    // The window fits right of the menu, but its frame does not.
    QTest::newRow("frame counts") << QRect(819, 476, 293, 107) << QMargins(4, 24, 4, 4)
                                  << QRect(0, 0, 1837, 1080) << QRect(93, 500, 722, 571);
    QTest::newRow("second screen") << QRect(1930, 1100, 293, 107) << QMargins(1, 20, 1, 1)
                                   << QRect(1920, 200, 1920, 1080) << QRect(2224, 708, 722, 571);
}

void tst_Forms::placeBeside()
{
    QFETCH(QRect, keepClear);
    QFETCH(QMargins, frame);
    QFETCH(QRect, screen);
    QFETCH(QRect, client);

    const QRect placed = ::placeBeside(Design, {keepClear, frame, screen});
    QCOMPARE(placed, client);
    const QRect framed = placed.marginsAdded(frame);
    QVERIFY(screen.contains(framed));
    QVERIFY(!framed.intersects(keepClear));
}

QTEST_APPLESS_MAIN(tst_Forms)
#include "tst_forms.moc"
