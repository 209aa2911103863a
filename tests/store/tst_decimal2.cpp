#include <QTest>

#include "store/decimal2.h"

class TestDecimal2 : public QObject {
    Q_OBJECT

private slots:
    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qlonglong>("cents");
        QTest::newRow("integer") << "12" << true << 1200LL;
        QTest::newRow("one place") << "12.5" << true << 1250LL;
        QTest::newRow("two places") << "0.05" << true << 5LL;
        QTest::newRow("half up") << "2.345" << true << 235LL;
        QTest::newRow("below half") << "2.3449" << true << 234LL;
        QTest::newRow("negative half away from zero") << "-2.345" << true << -235LL;
        QTest::newRow("leading point") << ".5" << true << 50LL;
        QTest::newRow("trailing point") << "7." << true << 700LL;
        QTest::newRow("blanks") << "  3.10 " << true << 310LL;
        QTest::newRow("exponent") << "1.5e2" << true << 15000LL;
        QTest::newRow("long digits from a double") << "0.30000000000000004" << true << 30LL;
        QTest::newRow("empty") << "" << false << 0LL;
        QTest::newRow("two points") << "1.2.3" << false << 0LL;
        QTest::newRow("letters") << "12a" << false << 0LL;
        QTest::newRow("sign only") << "-" << false << 0LL;
        QTest::newRow("full-width digit") << "１２" << false << 0LL;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qlonglong, cents);
        const std::optional<Decimal2> d = Decimal2::parse(text);
        QCOMPARE(d.has_value(), valid);
        if (valid) {
            QCOMPARE(d->cents(), cents);
        }
    }

    void format_data() {
        QTest::addColumn<qlonglong>("cents");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0LL << "0.00";
        QTest::newRow("cents only") << 5LL << "0.05";
        QTest::newRow("negative cents") << -5LL << "-0.05";
        QTest::newRow("large") << 123456789012LL << "1234567890.12";
    }
    void format() {
        QFETCH(qlonglong, cents);
        QFETCH(QString, text);
        QCOMPARE(Decimal2::fromCents(cents).toString(), text);
    }

    void fromDoubleRecoversTheTypedDecimal_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<qlonglong>("cents");
        QTest::newRow("2.345") << 2.345 << 235LL;
        QTest::newRow("1.005") << 1.005 << 101LL;
        QTest::newRow("-1.234") << -1.234 << -123LL;
        QTest::newRow("0.1+0.2") << (0.1 + 0.2) << 30LL;
        QTest::newRow("large") << 98765432.105 << 9876543211LL;
    }
    void fromDoubleRecoversTheTypedDecimal() {
        QFETCH(double, value);
        QFETCH(qlonglong, cents);
        QCOMPARE(Decimal2::fromDouble(value).cents(), cents);
    }

    void fromVariantReadsWhatQueriesReturn() {
        QCOMPARE(Decimal2::fromVariant(QVariant()).cents(), 0);
        QCOMPARE(Decimal2::fromVariant(QVariant(QMetaType::fromType<double>())).cents(), 0);
        QCOMPARE(Decimal2::fromVariant(QVariant(qlonglong(7))).cents(), 700);
        QCOMPARE(Decimal2::fromVariant(QVariant(12.34)).cents(), 1234);
        QCOMPARE(Decimal2::fromVariant(QVariant(QStringLiteral("12.34"))).cents(), 1234);
        QCOMPARE(Decimal2::fromVariant(QVariant::fromValue(Decimal2::fromCents(-9))).cents(), -9);
    }

    void sumsOfManyCentsStayExact() {
        Decimal2 sum;
        for (int i = 0; i < 100000; ++i) {
            sum += Decimal2::fromCents(10);
        }
        QCOMPARE(sum, Decimal2::fromUnits(10000));
        QVERIFY(Decimal2::fromCents(-1) < Decimal2());
        QCOMPARE((Decimal2::fromCents(150) - Decimal2::fromCents(200)).toString(), "-0.50");
    }
};

QTEST_GUILESS_MAIN(TestDecimal2)
#include "tst_decimal2.moc"
