#include "runtime/convert.h"

#include <QTest>

class tst_Convert : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void wholeNumber();
    void ansiRoundTrip_data();
    void ansiRoundTrip();
};

void tst_Convert::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digits") << "52" << 52.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("leading blanks") << "  7" << 7.0;
}

void tst_Convert::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(Val(text), value);
}

void tst_Convert::wholeNumber()
{
    QCOMPARE(toNumber(QStringLiteral("13")), std::optional<double>(13));
    QCOMPARE(toNumber(QStringLiteral("13x")), std::nullopt);
    QCOMPARE(toNumber(QString()), std::nullopt);
}

void tst_Convert::ansiRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("back");
    QTest::newRow("ascii") << "Dace Wymer" << QByteArray("Dace Wymer") << "Dace Wymer";
    QTest::newRow("latin") << QString::fromUtf8("Zo\u00eb") << QByteArray("Zo\xeb") << QString::fromUtf8("Zo\u00eb");
    QTest::newRow("euro") << QString::fromUtf8("\u20ac5") << QByteArray("\x80" "5") << QString::fromUtf8("\u20ac5");
    QTest::newRow("outside the code page") << QString::fromUtf8("\u4e2d\U0001F600x")
                                           << QByteArray("??x") << "??x";
}

void tst_Convert::ansiRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, back);
    QCOMPARE(toAnsi(text), bytes);
    QCOMPARE(fromAnsi(bytes), back);
}

QTEST_GUILESS_MAIN(tst_Convert)
#include "tst_convert.moc"
