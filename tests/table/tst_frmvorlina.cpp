#include "table/frmvorlina.h"
#include "table/rules.h"
#include "tablefixture.h"
#include "testsupport.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <limits>
#include <memory>
#include <set>

class tst_frmVorlina : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<WorkingDirectory>();
        m_rt = std::make_unique<ScriptedRuntime>();
        m_links = std::make_unique<FakeLinks>();
    }
    void cleanup() { m_dir.reset(); }

    // Start-up
    void firstStartInEmptyDirectory();
    void startUpReadsTheFiles_data();
    void startUpReadsTheFiles();
    void unusableFileEndsWithMessage();
    void startUpReadsInOrderAndLoadsNamesLast();
    void layoutMatchesTheDesign();
    void windowFrameAndFocus();
    void coveringFollowsThePlaces();
    void exitEndsAtOnce();
    void switchedOffTableTakesNoClicks();
    void closingTheTable_data();
    void closingTheTable();

    // A deal
    void dealLaysOutTheDeck();
    void everyDealReadsTheBackFile();
    void dealResetsWhatTheLastRoundLeft();

    // Uncovering
    void removingSpotsOpensWhatTheyCovered_data();
    void removingSpotsOpensWhatTheyCovered();
    void openedSpotShowsItsOwnFace();
    void clearingTheLastCountedSpotEndsTheRound();
    void onlyTableauClicksOpenSpots();
    void playedSpotTakesNoMoreClicks();

    // Moves, runs and the stock
    void moveRule_data();
    void moveRule();
    void runScoresWithPeak_data();
    void runScoresWithPeak();
    void longestRunIsWritten_data();
    void longestRunIsWritten();
    void stockTurnsEndTheRun();
    void fatalErrorStopsTheGameAndEnds_data();
    void fatalErrorStopsTheGameAndEnds();

private:
    // The table after a deal of the given deck.
    std::unique_ptr<frmVorlina> dealt(const DeckOrder &deck)
    {
        auto w = std::make_unique<frmVorlina>(*m_rt, m_links.get());
        w->show();
        scriptDeck(*m_rt, deck);
        QTest::mouseClick(w->cmdDeal, Qt::LeftButton);
        return w;
    }
    void click(frmVorlina &w, int spot)
    {
        QTest::mouseClick(w.imgSpot[spot], Qt::LeftButton, {}, QPoint(30, 10));
    }

    std::unique_ptr<WorkingDirectory> m_dir;
    std::unique_ptr<ScriptedRuntime> m_rt;
    std::unique_ptr<FakeLinks> m_links;
};

void tst_frmVorlina::firstStartInEmptyDirectory()
{
    ScriptedRuntime rt;
    FakeLinks links;
    frmVorlina w(rt, &links);
    w.show();
    for (const char *name : {"qimscores.dat", "qimbacks.dat", "qimruntot.dat"})
        QCOMPARE(readFile(QLatin1String(name)), QByteArray(""));
    QCOMPARE(w.lblHighScore->text(), QStringLiteral("0"));
    QCOMPARE(w.lblHighRun->text(), QStringLiteral("0"));
    for (const ImageControl *spot : w.imgSpot) {
        QVERIFY(showsBack(spot, 0));
        QVERIFY(!spot->isEnabled());
        QVERIFY(!spot->isHidden());
        QVERIFY(spot->Tag.isEmpty());
    }
    for (QWidget *hidden : {(QWidget *)w.cmdTake, (QWidget *)w.lblSpot0, (QWidget *)w.lblSpot1,
                            (QWidget *)w.lblBonuslbl, (QWidget *)w.lblBonus})
        QVERIFY(hidden->isHidden());
    for (QPushButton *shown : {w.cmdDeal, w.cmdExit, w.cmdMenu, w.cmdScores})
        QVERIFY(!shown->isHidden());
    QVERIFY(!w.Timer1->isActive());
    QCOMPARE(w.windowTitle(), QStringLiteral("Vorlina"));
    QCOMPARE(rt.randomizeCalls, 1);
    QCOMPARE(links.loadNames, 1);

    // Nothing to click before the first deal.
    click(w, 19);
    click(w, StockSpot);
    QCOMPARE(rt.beeps, 0);
    QVERIFY(w.imgSpot[StockSpot]->Tag.isEmpty());
}

void tst_frmVorlina::startUpReadsTheFiles_data()
{
    QTest::addColumn<QByteArray>("scores");
    QTest::addColumn<QByteArray>("backs");
    QTest::addColumn<QByteArray>("run");
    QTest::addColumn<QString>("highScore");
    QTest::addColumn<QString>("highRun");
    QTest::addColumn<int>("back");

    const QByteArray nine(9, '\x00');
    QTest::newRow("stored values") << nine + QByteArray::fromHex("f82a0000") << QByteArray::fromHex("0300")
                                   << QByteArray::fromHex("05000000") << "11000" << "5" << 3;
    QTest::newRow("scores end before byte 10") << nine << QByteArray() << QByteArray() << "0" << "0" << 0;
    QTest::newRow("score field cut short") << nine + QByteArray::fromHex("f82a") << QByteArray()
                                           << QByteArray() << "0" << "0" << 0;
    QTest::newRow("negative values shown as stored")
        << nine + QByteArray::fromHex("fbffffff") << QByteArray::fromHex("0900")
        << QByteArray::fromHex("ffff") << "-5" << "-1" << 9;
    QTest::newRow("one byte run file") << QByteArray() << QByteArray() << QByteArray("\x07", 1)
                                       << "0" << "0" << 0;
    QTest::newRow("back -1") << QByteArray() << QByteArray::fromHex("ffff") << QByteArray() << "0" << "0" << 0;
    QTest::newRow("back 10") << QByteArray() << QByteArray::fromHex("0a00") << QByteArray() << "0" << "0" << 0;
    QTest::newRow("back 32767") << QByteArray() << QByteArray::fromHex("ff7f") << QByteArray() << "0" << "0" << 0;
}

void tst_frmVorlina::startUpReadsTheFiles()
{
    QFETCH(QByteArray, scores);
    QFETCH(QByteArray, backs);
    QFETCH(QByteArray, run);
    QFETCH(QString, highScore);
    QFETCH(QString, highRun);
    QFETCH(int, back);
    writeFile(QStringLiteral("qimscores.dat"), scores);
    writeFile(QStringLiteral("qimbacks.dat"), backs);
    writeFile(QStringLiteral("qimruntot.dat"), run);
    ScriptedRuntime rt;
    frmVorlina w(rt);
    QCOMPARE(w.lblHighScore->text(), highScore);
    QCOMPARE(w.lblHighRun->text(), highRun);
    QCOMPARE(int(w.CardBack), back);
    for (const ImageControl *spot : w.imgSpot)
        QVERIFY(showsBack(spot, back));
    // Reading changes no file.
    QCOMPARE(readFile(QStringLiteral("qimscores.dat")), scores);
    QCOMPARE(readFile(QStringLiteral("qimbacks.dat")), backs);
    QCOMPARE(readFile(QStringLiteral("qimruntot.dat")), run);
    QCOMPARE(rt.endStatus, -1);
}

void tst_frmVorlina::unusableFileEndsWithMessage()
{
    QDir().mkdir(QStringLiteral("qimruntot.dat"));
    ScriptedRuntime rt;
    frmVorlina w(rt);
    QCOMPARE(rt.endStatus, 1);
    QCOMPARE(rt.messages.size(), 1);
    QVERIFY(rt.messages[0].contains(QStringLiteral("qimruntot.dat")));
}

void tst_frmVorlina::startUpReadsInOrderAndLoadsNamesLast()
{
    const QStringList files = {QStringLiteral("qimscores.dat"), QStringLiteral("qimbacks.dat"),
                               QStringLiteral("qimruntot.dat")};
    for (const QString &name : files)
        QDir().mkdir(name);
    ScriptedRuntime rt;
    FakeLinks links;
    bool backsLaid = false;
    links.onLoadNames = [&] {
        // By then the three files are read and the spots show the back, disabled.
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (const auto *table = qobject_cast<frmVorlina *>(window)) {
                backsLaid = rt.messages.size() == files.size();
                for (const ImageControl *spot : table->imgSpot)
                    backsLaid = backsLaid && showsBack(spot, 0) && !spot->isEnabled();
            }
        }
    };
    // The scripted runtime goes on past a failure, so each read reports in turn.
    frmVorlina w(rt, &links);
    QCOMPARE(rt.messages.size(), files.size());
    for (int i = 0; i < files.size(); ++i)
        QVERIFY2(rt.messages[i].contains(files[i]), qPrintable(rt.messages[i]));
    QCOMPARE(links.loadNames, 1);
    QVERIFY(backsLaid);
}

void tst_frmVorlina::layoutMatchesTheDesign()
{
    ScriptedRuntime rt;
    frmVorlina w(rt);
    QCOMPARE(w.size(), QSize(572, 461));
    QCOMPARE(w.minimumSize(), w.maximumSize());

    // Left and top in twips, row by row as the cards were laid out.
    const int spots[SpotCount][2] = {
        {1920, 240}, {5520, 240}, {1320, 840}, {2520, 840}, {4920, 840}, {6120, 840},
        {720, 1440}, {1920, 1440}, {3120, 1440}, {4320, 1440}, {5520, 1440}, {6720, 1440},
        {120, 2040}, {1320, 2040}, {2520, 2040}, {3720, 2040}, {4920, 2040}, {6120, 2040},
        {7320, 2040}, {720, 2640}, {1920, 2640}, {3120, 2640}, {4320, 2640}, {5520, 2640},
        {6720, 2640}, {3720, 3240}, {4320, 5280}, {3120, 5280}};
    for (int i = 0; i < SpotCount; ++i)
        QCOMPARE(w.imgSpot[i]->geometry(), QRect(spots[i][0] / 15, spots[i][1] / 15, 75, 100));

    // Labels: bold Futura in the given size, the colour 0x00BBGGRR on the table's blue.
    struct Expected
    {
        QWidget *control;
        QRect twips;
        const char *caption;
        double points = 0;
        unsigned fore = 0;
        Qt::Alignment align = Qt::AlignHCenter;
    };
    constexpr unsigned red = 0x0000FF, green = 0x00FF00, yellow = 0x00FFFF, magenta = 0xFF00FF,
                       cyan = 0xFFFF00;
    const Expected controls[] = {
        {w.lblHighRunlbl, {120, 120, 1455, 375}, "High Run:", 14.25, red},
        {w.lblHighRun, {360, 480, 735, 375}, nullptr, 15.75, green},
        {w.lblHighScorelbl, {6840, 120, 1695, 375}, "High Score:", 14.25, red},
        {w.lblHighScore, {7320, 480, 1215, 375}, nullptr, 15.75, green},
        {w.lblSpot0, {2040, 360, 975, 255}, "1000", 12, yellow},
        {w.lblSpot1, {5640, 360, 975, 255}, "1000", 12, yellow},
        {w.lblBonuslbl, {2640, 1560, 3255, 495}, "CARD BONUS:", 21.75, red},
        {w.lblBonus, {3720, 2280, 1215, 615}, "999", 24, magenta},
        {w.lblCardslbl, {360, 5760, 1455, 375}, "Cards Left:", 12, red, Qt::AlignLeft},
        {w.lblCards, {2160, 5760, 495, 375}, "25", 14.25, yellow, Qt::AlignRight},
        {w.lblRunlbl, {5760, 5640, 1215, 375}, "Run:", 15.75, red},
        {w.lblRun, {7200, 5640, 975, 375}, "0", 18, cyan},
        {w.lblScorelbl, {5760, 6240, 1215, 375}, "Score:", 15.75, red},
        {w.lblScore, {7080, 6240, 1335, 375}, "0", 18, yellow},
        {w.lblTime, {120, 6480, 1335, 255}, "Time Left:", 12, red, Qt::AlignLeft},
        {w.cmdDeal, {1920, 4320, 1095, 495}, "Deal"},
        {w.cmdExit, {5520, 4320, 1095, 495}, "Exit"},
        {w.cmdMenu, {3720, 240, 1095, 495}, "Menu"},
        {w.cmdScores, {3720, 840, 1095, 495}, "High Scores"},
        {w.cmdTake, {6240, 4560, 1575, 735}, "Take Score", 13.5},
        {w.ProgressBar1, {1440, 6480, 1455, 255}, nullptr},
    };
    const auto colour = [](unsigned bgr) {
        return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    };
    const QObjectList stacking = w.children();
    const qsizetype topSpot = stacking.indexOf(w.imgSpot[SpotCount - 1]);
    for (const Expected &e : controls) {
        const QRect t = e.twips;
        QCOMPARE(e.control->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
        QVERIFY(stacking.indexOf(e.control) > topSpot); // drawn over every spot
        // Sizes are points at 96 dots per inch; buttons without a size keep the program's font.
        QCOMPARE(e.control->testAttribute(Qt::WA_SetFont), e.points > 0);
        if (e.points > 0) {
            QCOMPARE(e.control->font().pixelSize(), qRound(e.points * 4 / 3));
            QVERIFY(e.control->font().bold());
        }
        if (const auto *label = qobject_cast<QLabel *>(e.control)) {
            QCOMPARE(label->font().families(), formsFont(Face::FuturaMdBT, 12).families());
            QCOMPARE(label->palette().color(QPalette::WindowText), colour(e.fore));
            QCOMPARE(label->palette().color(QPalette::Window), colour(0xFF0000));
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, e.align);
            QCOMPARE(label->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
        if (!e.caption)
            continue;
        const auto *label = qobject_cast<QLabel *>(e.control);
        const auto *button = qobject_cast<QPushButton *>(e.control);
        QCOMPARE(label ? label->text() : button->text(), QLatin1String(e.caption));
    }
    QCOMPARE(w.cmdTake->font().families(), formsFont(Face::MSSansSerif, 8).families());
    for (int i = 1; i < SpotCount; ++i)
        QVERIFY(stacking.indexOf(w.imgSpot[i]) > stacking.indexOf(w.imgSpot[i - 1]));
    QCOMPARE(w.palette().color(QPalette::Window), colour(0xFF0000));
    QCOMPARE(w.ProgressBar1->minimum(), 0);
    QCOMPARE(w.ProgressBar1->maximum(), 60);
    QCOMPARE(w.Timer1->interval(), 1000);
}

void tst_frmVorlina::windowFrameAndFocus()
{
    ScriptedRuntime rt;
    frmVorlina w(rt);
    QCOMPARE(w.pos(), QPoint(1935 / 15, 855 / 15));
    const Qt::WindowFlags flags = w.windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(flags & Qt::CustomizeWindowHint); // only the buttons asked for
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!w.windowIcon().isNull());

    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.cmdDeal);
    // Only the buttons take the focus, in their tab order.
    QList<QWidget *> chain;
    QWidget *next = w.cmdDeal;
    do {
        if (next->focusPolicy() & Qt::TabFocus)
            chain << next;
        next = next->nextInFocusChain();
    } while (next != w.cmdDeal);
    QCOMPARE(chain, (QList<QWidget *>{w.cmdDeal, w.cmdExit, w.cmdMenu, w.cmdTake, w.cmdScores}));

    // No button is the Enter button, but Enter presses the one with the focus.
    QTest::keyClick(w.cmdDeal, Qt::Key_Return);
    QVERIFY(w.Timer1->isActive());
    QVERIFY(w.cmdTake->isVisible());
}

void tst_frmVorlina::coveringFollowsThePlaces()
{
    // A spot is covered by the spots of the next row whose left edge lies 40 pixels to
    // either side of its own; the last row has none below it.
    ScriptedRuntime rt;
    frmVorlina w(rt);
    for (int row = 0; row + 1 < int(RowStart.size()); ++row) {
        const int belowEnd = row + 2 < int(RowStart.size()) ? RowStart[row + 2] : TableauSize;
        for (int spot = RowStart[row]; spot < RowStart[row + 1]; ++spot) {
            std::set<int> expected;
            for (int below = RowStart[row + 1]; below < belowEnd; ++below) {
                if (std::abs(w.imgSpot[below]->x() - w.imgSpot[spot]->x()) == 40)
                    expected.insert(below);
            }
            std::set<int> table;
            for (const int cover : {CoveredBy[spot].first, CoveredBy[spot].second}) {
                if (cover >= 0)
                    table.insert(cover);
            }
            QVERIFY2(table == expected, qPrintable(QString::number(spot)));
        }
    }
}

void tst_frmVorlina::exitEndsAtOnce()
{
    writeFile(QStringLiteral("qimruntot.dat"), QByteArray::fromHex("0300"));
    ScriptedRuntime rt;
    frmVorlina w(rt);
    QTest::mouseClick(w.cmdExit, Qt::LeftButton);
    QCOMPARE(rt.endStatus, 0);
    QCOMPARE(readFile(QStringLiteral("qimruntot.dat")), QByteArray::fromHex("0300"));
}

void tst_frmVorlina::switchedOffTableTakesNoClicks()
{
    frmVorlina w(*m_rt, m_links.get());
    w.show();
    QTest::mouseClick(w.cmdMenu, Qt::LeftButton);
    QCOMPARE(m_links->menus, 1);
    QVERIFY(!w.isEnabled());
    QTest::mouseClick(w.cmdDeal, Qt::LeftButton);
    QTest::mouseClick(w.cmdScores, Qt::LeftButton);
    QVERIFY(w.cmdTake->isHidden());
    QCOMPARE(m_links->scoreWindows, 0);

    w.setEnabled(true);
    QTest::mouseClick(w.cmdScores, Qt::LeftButton);
    QCOMPARE(m_links->scoreWindows, 1);
    QVERIFY(!w.isEnabled());
    // Start-up seeds once; showing the table again does not.
    w.setEnabled(true);
    w.show();
    QCOMPARE(m_rt->randomizeCalls, 1);
}

void tst_frmVorlina::closingTheTable_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("ends");
    QTest::newRow("between games") << QString() << true;
    QTest::newRow("in a round") << QStringLiteral("Deal") << true;
    QTest::newRow("menu up") << QStringLiteral("Menu") << false;
    QTest::newRow("score window up") << QStringLiteral("High Scores") << false;
}

void tst_frmVorlina::closingTheTable()
{
    QFETCH(QString, before);
    QFETCH(bool, ends);
    writeFile(QStringLiteral("qimruntot.dat"), QByteArray::fromHex("0300"));
    frmVorlina w(*m_rt, m_links.get());
    w.show();
    scriptDeck(*m_rt, inOrderDeck());
    for (QPushButton *button : w.findChildren<QPushButton *>()) {
        if (button->text() == before)
            QTest::mouseClick(button, Qt::LeftButton);
    }
    // Like Exit; but a switched-off table takes no input, its close box included.
    w.close();
    QCOMPARE(m_rt->endStatus, ends ? 0 : -1);
    QCOMPARE(w.isVisible(), !ends);
    if (!ends) {
        w.setEnabled(true); // the side window's closing button
        w.close();
        QCOMPARE(m_rt->endStatus, 0);
    }
    QCOMPARE(readFile(QStringLiteral("qimruntot.dat")), QByteArray::fromHex("0300"));
}

void tst_frmVorlina::dealLaysOutTheDeck()
{
    const auto w = dealt(inOrderDeck());
    for (int i = 0; i < TableauSize; ++i) {
        const bool open = i == 19 || i == 20 || i >= 23;
        QCOMPARE(w->imgSpot[i]->Tag, QString::number(i + 1));
        QCOMPARE(w->imgSpot[i]->isEnabled(), open);
        QVERIFY(!w->imgSpot[i]->isHidden());
        QVERIFY(open ? showsFace(w->imgSpot[i], i + 1) : showsBack(w->imgSpot[i], 0));
    }
    QVERIFY(showsFace(w->imgSpot[FaceUpSpot], 27));
    QCOMPARE(w->imgSpot[FaceUpSpot]->Tag, QStringLiteral("1")); // card 27, the ace of clubs
    QVERIFY(!w->imgSpot[FaceUpSpot]->isEnabled());
    QVERIFY(showsBack(w->imgSpot[StockSpot], 0));
    QVERIFY(w->imgSpot[StockSpot]->isEnabled());
    QCOMPARE(w->Stock[0], qint16(28));
    QCOMPARE(w->Stock[24], qint16(52));
    QCOMPARE(w->lblCards->text(), QStringLiteral("25"));
    QCOMPARE(w->lblRun->text(), QStringLiteral("0"));
    QCOMPARE(w->lblScore->text(), QStringLiteral("0"));
    QVERIFY(w->Timer1->isActive());
    QVERIFY(!w->cmdTake->isHidden());
    for (QPushButton *hidden : {w->cmdDeal, w->cmdExit, w->cmdMenu, w->cmdScores})
        QVERIFY(hidden->isHidden());
}

void tst_frmVorlina::everyDealReadsTheBackFile()
{
    frmVorlina w(*m_rt, m_links.get());
    writeFile(QStringLiteral("qimbacks.dat"), QByteArray::fromHex("0200"));
    scriptDeck(*m_rt, inOrderDeck());
    w.cmdDeal_Click();
    // Every face-down card and the stock.
    for (int i = 0; i < SpotCount; ++i) {
        const bool faceDown = i <= 18 || i == 21 || i == 22 || i == StockSpot;
        QCOMPARE(showsBack(w.imgSpot[i], 2), faceDown);
    }

    QFile::remove(QStringLiteral("qimbacks.dat"));
    scriptDeck(*m_rt, inOrderDeck());
    w.cmdDeal_Click();
    QVERIFY(showsBack(w.imgSpot[0], 2)); // a missing file keeps the back it had
    QCOMPARE(readFile(QStringLiteral("qimbacks.dat")), QByteArray(""));
}

void tst_frmVorlina::dealResetsWhatTheLastRoundLeft()
{
    const auto w = dealt(clearableDeck());
    for (const int spot : {25, 24, 23, 22, 21})
        click(*w, spot);
    click(*w, StockSpot);
    for (const int opened : {15, 16, 17, 18}) // the round turned these face up
        QVERIFY(w->imgSpot[opened]->isEnabled());
    const QList<QLabel *> roundLabels = {w->lblSpot0, w->lblSpot1, w->lblBonuslbl, w->lblBonus};
    for (QLabel *label : roundLabels)
        label->show();
    scriptDeck(*m_rt, inOrderDeck());
    w->cmdDeal_Click();
    for (int i = 0; i < TableauSize; ++i) {
        const bool open = i == 19 || i == 20 || i >= 23;
        QCOMPARE(w->imgSpot[i]->isEnabled(), open);
        QVERIFY(!w->imgSpot[i]->isHidden());
        QVERIFY(open ? showsFace(w->imgSpot[i], i + 1) : showsBack(w->imgSpot[i], 0));
    }
    QVERIFY(w->imgSpot[StockSpot]->isEnabled());
    QVERIFY(!w->imgSpot[StockSpot]->isHidden());
    for (QLabel *label : roundLabels)
        QVERIFY(label->isHidden());
    QCOMPARE(w->lblCards->text(), QStringLiteral("25"));
    QCOMPARE(w->StockPos, qint16(0));
    // The score of the round before is kept for the next one.
    QCOMPARE(w->lblScore->text(), QString::number(runPoints(5)));
}

void tst_frmVorlina::removingSpotsOpensWhatTheyCovered_data()
{
    QTest::addColumn<QList<int>>("removed");
    QTest::addColumn<QList<int>>("opened");
    QTest::newRow("25 opens 21 and 22") << QList<int>{25} << QList<int>{21, 22};
    QTest::newRow("19 opens 12 only") << QList<int>{19} << QList<int>{12};
    QTest::newRow("19 and 20 open 12 and 13") << QList<int>{19, 20} << QList<int>{12, 13};
    QTest::newRow("one of two covers left") << QList<int>{23} << QList<int>{};
    QTest::newRow("peak 0 once 2 and 3 are gone") << QList<int>{2, 3} << QList<int>{0};
    QTest::newRow("peak 1 once 4 and 5 are gone") << QList<int>{4, 5} << QList<int>{1};
    QTest::newRow("a removed spot is enabled but stays hidden") << QList<int>{25, 21}
                                                                << QList<int>{21, 22};
}

void tst_frmVorlina::removingSpotsOpensWhatTheyCovered()
{
    QFETCH(QList<int>, removed);
    QFETCH(QList<int>, opened);
    const auto w = dealt(inOrderDeck());
    for (const int spot : removed)
        w->imgSpot[spot]->hide();
    w->EnableOpenCards();
    w->EnableOpenCards(); // a second call changes nothing
    for (int i = 0; i < CountedSpots; ++i) {
        if (i == 19 || i == 20)
            continue;
        const bool open = opened.contains(i);
        QCOMPARE(w->imgSpot[i]->isEnabled(), open);
        QCOMPARE(showsFace(w->imgSpot[i], i + 1), open);
    }
    for (const int spot : removed)
        QVERIFY(w->imgSpot[spot]->isHidden());
    QVERIFY(w->Timer1->isActive());
}

void tst_frmVorlina::openedSpotShowsItsOwnFace()
{
    const auto w = dealt(inOrderDeck());
    w->imgSpot[21]->Tag = QStringLiteral("1");
    w->imgSpot[22]->Tag = QStringLiteral("52");
    w->imgSpot[25]->hide();
    w->EnableOpenCards();
    QVERIFY(showsFace(w->imgSpot[21], 1));
    QVERIFY(showsFace(w->imgSpot[22], 52));
}

void tst_frmVorlina::clearingTheLastCountedSpotEndsTheRound()
{
    const auto w = dealt(clearableDeck());
    for (int spot = 25; spot >= 1; --spot)
        click(*w, spot);
    QCOMPARE(w->GoneCount, qint16(22));
    QCOMPARE(w->Round, qint16(1));
    QVERIFY(w->Timer1->isActive());
    scriptDeck(*m_rt, inOrderDeck());
    click(*w, 0);
    // The whole end of the round ran inside the click, up to the deal of round 2.
    QCOMPARE(w->Round, qint16(2));
    QCOMPARE(w->imgSpot[0]->Tag, QStringLiteral("1"));
    QVERIFY(!w->imgSpot[0]->isHidden());
}

void tst_frmVorlina::onlyTableauClicksOpenSpots()
{
    const auto w = dealt(inOrderDeck());
    w->imgSpot[25]->hide(); // gone, but no click has looked at the tableau since
    click(*w, StockSpot);   // turns up card 28, a 2
    for (const int spot : {21, 22}) {
        QVERIFY(!w->imgSpot[spot]->isEnabled());
        QVERIFY(showsBack(w->imgSpot[spot], 0));
    }
    click(*w, 19); // a 7 onto the 2 is refused, and the tableau is still looked at
    QCOMPARE(m_rt->beeps, 1);
    QVERIFY(!w->imgSpot[19]->isHidden());
    for (const int spot : {21, 22}) {
        QVERIFY(w->imgSpot[spot]->isEnabled());
        QVERIFY(showsFace(w->imgSpot[spot], spot + 1));
    }
    for (const int spot : {19, 20, 23, 24})
        QVERIFY(w->imgSpot[spot]->isEnabled());
    QCOMPARE(w->Score, 0);
    QCOMPARE(w->Round, qint16(1));
    QVERIFY(w->lblBonuslbl->isHidden());
}

void tst_frmVorlina::playedSpotTakesNoMoreClicks()
{
    // Clicks go through the window, which finds the spot under the pointer, as a player's do.
    const auto w = dealt(clearableDeck());
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    const QPoint belowTheRest = w->imgSpot[25]->geometry().topLeft() + QPoint(30, 80);
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, belowTheRest);
    QVERIFY(w->imgSpot[25]->isHidden());
    QCOMPARE(w->Score, runPoints(1));
    const QString faceUp = w->imgSpot[FaceUpSpot]->Tag;
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, belowTheRest);
    QVERIFY(w->imgSpot[25]->isEnabled()); // still enabled, but hidden: nothing there to click
    QCOMPARE(w->Score, runPoints(1));
    QCOMPARE(w->imgSpot[FaceUpSpot]->Tag, faceUp);
    QCOMPARE(m_rt->beeps, 0);
}

void tst_frmVorlina::moveRule_data()
{
    QTest::addColumn<int>("faceUpRank");
    QTest::addColumn<int>("clickedCard");
    QTest::addColumn<bool>("moves");
    QTest::newRow("2 on ace") << 1 << 15 << true;
    QTest::newRow("king on ace") << 1 << 52 << true;
    QTest::newRow("queen on king") << 13 << 25 << true;
    QTest::newRow("ace on king") << 13 << 40 << true;
    QTest::newRow("6 on 7") << 7 << 32 << true;
    QTest::newRow("8 on 7") << 7 << 8 << true;
    QTest::newRow("same rank") << 7 << 20 << false;
    QTest::newRow("two apart") << 7 << 9 << false;
    QTest::newRow("queen on ace") << 1 << 12 << false;
}

void tst_frmVorlina::moveRule()
{
    QFETCH(int, faceUpRank);
    QFETCH(int, clickedCard);
    QFETCH(bool, moves);
    const auto w = dealt(inOrderDeck());
    w->imgSpot[FaceUpSpot]->Tag = QString::number(faceUpRank);
    w->imgSpot[19]->Tag = QString::number(clickedCard);
    w->imgSpot[19]->setPicture(cardFace(clickedCard - 1));
    click(*w, 19);
    QCOMPARE(w->imgSpot[19]->isHidden(), moves);
    QCOMPARE(m_rt->beeps, moves ? 0 : 1);
    QCOMPARE(w->Score, moves ? 100 : 0);
    QCOMPARE(w->imgSpot[FaceUpSpot]->Tag,
             QString::number(moves ? (clickedCard - 1) % 13 + 1 : faceUpRank));
    if (moves)
        QVERIFY(showsFace(w->imgSpot[FaceUpSpot], clickedCard));
}

void tst_frmVorlina::runScoresWithPeak_data()
{
    QTest::addColumn<int>("peak");
    QTest::addColumn<QList<int>>("covers");
    QTest::newRow("peak 0") << 0 << QList<int>{2, 3};
    QTest::newRow("peak 1") << 1 << QList<int>{4, 5};
}

void tst_frmVorlina::runScoresWithPeak()
{
    QFETCH(int, peak);
    QFETCH(QList<int>, covers);
    const auto w = dealt(inOrderDeck());
    // Face-up 5, then 6, 7 and the peak card 8, opened by taking its covering cards away.
    w->imgSpot[FaceUpSpot]->Tag = QStringLiteral("5");
    w->imgSpot[19]->Tag = QStringLiteral("6");
    w->imgSpot[20]->Tag = QStringLiteral("20");   // the 7 of hearts
    w->imgSpot[peak]->Tag = QStringLiteral("34"); // the 8 of clubs
    for (const int spot : covers)
        w->imgSpot[spot]->hide();
    w->EnableOpenCards();
    click(*w, 19);
    click(*w, 24); // the 11 of spades beeps and leaves the run going
    click(*w, 20);
    click(*w, peak);
    QCOMPARE(m_rt->beeps, 1);
    QCOMPARE(w->Score, 100 + 200 + 1000 + 300);
    QCOMPARE(w->lblScore->text(), QStringLiteral("1600"));
    QCOMPARE(w->lblRun->text(), QStringLiteral("3"));
    QCOMPARE(w->lblSpot0->isHidden(), peak != 0);
    QCOMPARE(w->lblSpot1->isHidden(), peak != 1);
}

void tst_frmVorlina::longestRunIsWritten_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("cards");
    QTest::addColumn<QList<QByteArray>>("afterEachCard");
    QTest::addColumn<QList<int>>("writtenAt"); // the cards of the run after which it is written
    QTest::newRow("no file") << QByteArray() << 1 << QList<QByteArray>{QByteArray::fromHex("0100")}
                             << QList<int>{1};
    QTest::newRow("after a clear") << QByteArray::fromHex("00000000") << 5
        << QList<QByteArray>{QByteArray::fromHex("01000000"), QByteArray::fromHex("02000000"),
                             QByteArray::fromHex("03000000"), QByteArray::fromHex("04000000"),
                             QByteArray::fromHex("05000000")}
        << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("equal leaves it, longer rewrites it") << QByteArray::fromHex("0300") << 6
        << QList<QByteArray>{QByteArray::fromHex("0300"), QByteArray::fromHex("0300"),
                             QByteArray::fromHex("0300"), QByteArray::fromHex("0400"),
                             QByteArray::fromHex("0500"), QByteArray::fromHex("0600")}
        << QList<int>{4, 5, 6};
    QTest::newRow("bytes after the second kept") << QByteArray::fromHex("0200abcdef") << 3
        << QList<QByteArray>{QByteArray::fromHex("0200abcdef"), QByteArray::fromHex("0200abcdef"),
                             QByteArray::fromHex("0300abcdef")}
        << QList<int>{3};
    QTest::newRow("one byte file reads as no record") << QByteArray("\x07", 1) << 1
        << QList<QByteArray>{QByteArray::fromHex("0100")} << QList<int>{1};
    QTest::newRow("record below 1") << QByteArray::fromHex("ffff") << 1
                                    << QList<QByteArray>{QByteArray::fromHex("0100")} << QList<int>{1};
    QTest::newRow("record of 26 never beaten") << QByteArray::fromHex("1a00") << 3
        << QList<QByteArray>{QByteArray::fromHex("1a00"), QByteArray::fromHex("1a00"),
                             QByteArray::fromHex("1a00")}
        << QList<int>{};
}

void tst_frmVorlina::longestRunIsWritten()
{
    QFETCH(QByteArray, before);
    QFETCH(int, cards);
    QFETCH(QList<QByteArray>, afterEachCard);
    QFETCH(QList<int>, writtenAt);
    const QString name = QStringLiteral("qimruntot.dat");
    if (!before.isNull())
        writeFile(name, before);
    const auto w = dealt(clearableDeck());
    // A rewrite with the same bytes shows only in the file's time.
    const QDateTime longAgo(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
    for (int k = 0; k < cards; ++k) {
        {
            QFile file(name);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
        }
        click(*w, 25 - k);
        QCOMPARE(readFile(name), afterEachCard[k]);
        QCOMPARE(QFileInfo(name).lastModified() != longAgo, writtenAt.contains(k + 1));
    }
    const qint16 record = before.size() >= 2 ? qFromLittleEndian<qint16>(before.constData()) : 0;
    QCOMPARE(w->lblHighRun->text(), QString::number(std::max<int>(cards, record)));
    QCOMPARE(m_rt->endStatus, -1);
}

void tst_frmVorlina::stockTurnsEndTheRun()
{
    const auto w = dealt(clearableDeck());
    click(*w, 25);
    click(*w, 24);
    click(*w, StockSpot);
    QCOMPARE(w->lblRun->text(), QStringLiteral("0"));
    QCOMPARE(w->lblCards->text(), QStringLiteral("24"));
    QVERIFY(showsFace(w->imgSpot[FaceUpSpot], w->Stock[0]));
    QCOMPARE(w->imgSpot[FaceUpSpot]->Tag, QString::number((w->Stock[0] - 1) % 13 + 1));
    QVERIFY(!w->imgSpot[StockSpot]->isHidden());
    QCOMPARE(w->Score, runPoints(2)); // turning the stock costs nothing
    // The next card played starts a new run.
    const int faceUpRank = (w->Stock[0] - 1) % 13 + 1;
    w->imgSpot[23]->Tag = QString::number(faceUpRank % 13 + 1);
    click(*w, 23);
    QVERIFY(w->imgSpot[23]->isHidden());
    QCOMPARE(w->Score, runPoints(2) + runPoints(1));
    QCOMPARE(w->lblRun->text(), QStringLiteral("1"));
    for (int turn = 2; turn <= StockSize; ++turn)
        click(*w, StockSpot);
    QCOMPARE(w->lblCards->text(), QStringLiteral("0"));
    QVERIFY(w->imgSpot[StockSpot]->isHidden());
    QVERIFY(showsFace(w->imgSpot[FaceUpSpot], w->Stock[24]));
    click(*w, StockSpot); // hidden: takes no click
    QCOMPARE(w->StockPos, qint16(StockSize));
    QVERIFY(w->Timer1->isActive()); // the round goes on
}

// An overflow, or a record that cannot be written, ends the program with a message over the
// table; the round clock is stopped before the message comes up, since its box runs events.
void tst_frmVorlina::fatalErrorStopsTheGameAndEnds_data()
{
    QTest::addColumn<int>("runCount");
    QTest::addColumn<qint32>("score");
    QTest::addColumn<int>("spot");
    QTest::addColumn<bool>("recordUnwritable");
    QTest::addColumn<QString>("message");
    const qint32 top = std::numeric_limits<qint32>::max();
    const QString overflow = QStringLiteral("Overflow");
    QTest::newRow("run value past 16 bits") << 32700 << 0 << 19 << false << overflow;
    QTest::newRow("score past 32 bits") << 0 << top - 50 << 19 << false << overflow;
    QTest::newRow("peak bonus past 32 bits") << 0 << top - 500 << 0 << false << overflow;
    QTest::newRow("record cannot be written") << 0 << 0 << 19 << true
                                              << QStringLiteral("qimruntot.dat");
}

void tst_frmVorlina::fatalErrorStopsTheGameAndEnds()
{
    QFETCH(int, runCount);
    QFETCH(qint32, score);
    QFETCH(int, spot);
    QFETCH(bool, recordUnwritable);
    QFETCH(QString, message);
    const auto w = dealt(inOrderDeck());
    if (recordUnwritable) {
        QVERIFY(QFile::remove(QStringLiteral("qimruntot.dat")));
        QVERIFY(QDir().mkdir(QStringLiteral("qimruntot.dat")));
    }
    bool clockRanBehindTheMessage = true;
    m_rt->onMessage = [&](const QString &) { clockRanBehindTheMessage = w->Timer1->isActive(); };
    w->imgSpot[2]->hide();
    w->imgSpot[3]->hide();
    w->EnableOpenCards();
    w->imgSpot[spot]->Tag = QStringLiteral("2"); // onto the ace face up
    w->RunCount = qint16(runCount);
    w->Score = score;
    click(*w, spot);
    QVERIFY2(m_rt->messages.value(0).contains(message), qPrintable(m_rt->messages.value(0)));
    QCOMPARE(m_rt->messageOwners.value(0), w.get());
    QVERIFY(!clockRanBehindTheMessage);
    QCOMPARE(m_rt->endStatus, 1);
}

QTEST_MAIN(tst_frmVorlina)
#include "tst_frmvorlina.moc"
