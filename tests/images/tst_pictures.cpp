#include "images/artwork.h"
#include "images/pictures.h"

#include <QCryptographicHash>
#include <QSet>
#include <QTest>

namespace {

bool nearlyBlack(QRgb pixel)
{
    return qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel))) <= 40;
}

bool red(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

// The first pixel of the outermost rows and columns that is not nearly black, or (-1, -1).
QPoint lightEdgePixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool edge = x == 0 || y == 0 || x == image.width() - 1
                              || y == image.height() - 1;
            if (edge && !nearlyBlack(image.pixel(x, y)))
                return {x, y};
        }
    }
    return {-1, -1};
}

int redPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += red(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

QByteArray fingerprint(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    return QCryptographicHash::hash(
        QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha1);
}

} // namespace

class tst_Pictures : public QObject
{
    Q_OBJECT

private slots:
    void sizes();
    void iconSizes();
    void cardsAreFramed();
    void faceColourFollowsSuit();
    void faceOrder_data();
    void faceOrder();
    void wordOnTopSymbolBelow();
    void picturesAreDistinct();
    void outOfRangeGivesBlankCard_data();
    void outOfRangeGivesBlankCard();
    void picturesAreCached();
    void texturesRepeat();
    void toolbarGroundIsMaskGrey();
};

void tst_Pictures::sizes()
{
    const QSize card(CardWidth, CardHeight);
    for (int k = 0; k < FaceCount; ++k)
        QCOMPARE(cardFace(k).size(), card);
    for (int i = 0; i < BackCount; ++i)
        QCOMPARE(cardBack(i).size(), card);
    QCOMPARE(blankCard().size(), card);
    QCOMPARE(skullPicture().size(), card);
    QCOMPARE(teamPhoto().size(), QSize(300, 208));
    for (int t = 0; t < 6; ++t)
        QCOMPARE(toolbarImage(ToolbarImage(t)).size(), QSize(24, 24));
}

void tst_Pictures::iconSizes()
{
    QVERIFY(programIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(programIcon().pixmap(32, 32).size(), QSize(32, 32));
    QVERIFY(skullIcon().availableSizes().contains(QSize(16, 16)));
    const QList<QSize> heart = heartIcon().availableSizes();
    QVERIFY(heart.contains(QSize(32, 32)));
    QVERIFY(heart.contains(QSize(16, 16)));
}

void tst_Pictures::cardsAreFramed()
{
    for (int k = 0; k < FaceCount; ++k) {
        const QImage face = cardFace(k).toImage();
        QCOMPARE(lightEdgePixel(face), QPoint(-1, -1));
        // Below the word and beside the symbol the card is plain white.
        QCOMPARE(face.pixel(4, 95), qRgb(255, 255, 255));
        QCOMPARE(face.pixel(70, 30), qRgb(255, 255, 255));
    }
    for (int i = 0; i < BackCount; ++i)
        QCOMPARE(lightEdgePixel(cardBack(i).toImage()), QPoint(-1, -1));
    QCOMPARE(lightEdgePixel(blankCard().toImage()), QPoint(-1, -1));
}

void tst_Pictures::faceColourFollowsSuit()
{
    for (int k = 0; k < FaceCount; ++k) {
        const int suit = k / 13;
        const int count = redPixels(cardFace(k).toImage());
        if (suit == 1 || suit == 3)
            QVERIFY2(count > 500, qPrintable(QString::number(k)));
        else
            QVERIFY2(count == 0, qPrintable(QString::number(k)));
    }
    // The symbol of a black suit is there all the same: its middle is black.
    QVERIFY(nearlyBlack(cardFace(0).toImage().pixel(37, 58)));
    QVERIFY(nearlyBlack(cardFace(26).toImage().pixel(37, 58)));
}

void tst_Pictures::faceOrder_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("suit");
    QTest::addColumn<int>("rank");
    QTest::newRow("ace of spades") << 0 << 0 << 1;
    QTest::newRow("king of spades") << 12 << 0 << 13;
    QTest::newRow("ace of hearts") << 13 << 1 << 1;
    QTest::newRow("ace of clubs") << 26 << 2 << 1;
    QTest::newRow("king of clubs") << 38 << 2 << 13;
    QTest::newRow("ace of diamonds") << 39 << 3 << 1;
    QTest::newRow("king of diamonds") << 51 << 3 << 13;
}

void tst_Pictures::faceOrder()
{
    QFETCH(int, index);
    QFETCH(int, suit);
    QFETCH(int, rank);
    QCOMPARE(cardFace(index).toImage().convertToFormat(QImage::Format_RGB32),
             Artwork::cardFace(suit, rank));
}

void tst_Pictures::wordOnTopSymbolBelow()
{
    // The rank's word fills the top band and the suit's symbol the rest: cards of one rank
    // share the band, cards of one suit share the rest, and no two ranks share a word.
    const int band = 30;
    auto top = [](int k) { return cardFace(k).toImage().copy(0, 0, CardWidth, band); };
    auto rest = [](int k) {
        return cardFace(k).toImage().copy(0, band, CardWidth, CardHeight - band);
    };
    QSet<QByteArray> words;
    for (int k = 0; k < FaceCount; ++k) {
        QCOMPARE(top(k), top(k % 13));
        QCOMPARE(rest(k), rest(k / 13 * 13));
        if (k < 13)
            words.insert(fingerprint(QPixmap::fromImage(top(k))));
    }
    QCOMPARE(words.size(), 13);
}

void tst_Pictures::picturesAreDistinct()
{
    QSet<QByteArray> faces;
    for (int k = 0; k < FaceCount; ++k)
        faces.insert(fingerprint(cardFace(k)));
    QCOMPARE(faces.size(), FaceCount);
    QSet<QByteArray> backs;
    for (int i = 0; i < BackCount; ++i)
        backs.insert(fingerprint(cardBack(i)));
    QCOMPARE(backs.size(), BackCount);
    QVERIFY(!backs.contains(fingerprint(blankCard())));
}

void tst_Pictures::outOfRangeGivesBlankCard_data()
{
    QTest::addColumn<bool>("face");
    QTest::addColumn<int>("index");
    QTest::newRow("face -1") << true << -1;
    QTest::newRow("face 52") << true << FaceCount;
    QTest::newRow("face huge") << true << 2147483647;
    QTest::newRow("back -1") << false << -1;
    QTest::newRow("back 10") << false << BackCount;
    QTest::newRow("back -32768") << false << -32768;
}

void tst_Pictures::outOfRangeGivesBlankCard()
{
    QFETCH(bool, face);
    QFETCH(int, index);
    const QPixmap &picture = face ? cardFace(index) : cardBack(index);
    QCOMPARE(&picture, &blankCard());
    const QImage image = picture.toImage();
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(37, 50), qRgb(255, 255, 255));
}

void tst_Pictures::picturesAreCached()
{
    QCOMPARE(&cardFace(17), &cardFace(17));
    QCOMPARE(cardFace(17).cacheKey(), cardFace(17).cacheKey());
    QCOMPARE(&cardBack(3), &cardBack(3));
    QCOMPARE(cardBack(3).cacheKey(), cardBack(3).cacheKey());
    QCOMPARE(&skullPicture(), &skullPicture());
    QCOMPARE(&teamPhoto(), &teamPhoto());
    QCOMPARE(&toolbarImage(ToolbarImage::Home), &toolbarImage(ToolbarImage::Home));
    QVERIFY(&cardFace(17) != &cardFace(18));
    QCOMPARE(programIcon().cacheKey(), programIcon().cacheKey());
}

void tst_Pictures::texturesRepeat()
{
    // The textured backs and the photograph come from fixed seeds: a fresh painting matches.
    for (int i = 0; i < BackCount; ++i)
        QCOMPARE(Artwork::cardBack(i), cardBack(i).toImage().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(Artwork::teamPhoto(), teamPhoto().toImage().convertToFormat(QImage::Format_RGB32));
}

void tst_Pictures::toolbarGroundIsMaskGrey()
{
    const QRgb grey = qRgb(0xC0, 0xC0, 0xC0);
    for (int t = 0; t < 6; ++t) {
        const QImage image = toolbarImage(ToolbarImage(t)).toImage();
        QCOMPARE(image.pixel(0, 0), grey);
        QCOMPARE(image.pixel(23, 0), grey);
        QCOMPARE(image.pixel(0, 23), grey);
        // Something is drawn on it.
        QVERIFY(image.pixel(12, 12) != grey);
    }
}

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
