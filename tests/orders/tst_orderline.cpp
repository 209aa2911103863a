#include <QTest>

#include "masterdata/productrecord.h"
#include "orders/orderline.h"
#include "store/decimal4.h"

namespace {

Decimal2 d(const char* text) {
    return *Decimal2::parse(QString::fromLatin1(text));
}

ProductRecord product(const char* retail = "100", bool discounted = true, bool points = true,
                      const char* rule = "") {
    ProductRecord p;
    p.BM = QStringLiteral("P1");
    p.MC = QStringLiteral("婚纱照套餐");
    p.MJ = d("0.5");
    p.TDZ = discounted;
    p.TJF = points;
    p.JJ = d("40");
    p.prices = {d(retail), d("95"), d("90"), d("85"), d("80"), d("75")};
    p.JFGZ = QString::fromLatin1(rule);
    return p;
}

OrderLine filled(const ProductRecord& p, int level = 0, const char* discount = "1",
                 int divisor = 10) {
    const LineFill fill = FillLine(p, level, d(discount), divisor);
    return fill.line.value_or(OrderLine{});
}

}  // namespace

Q_DECLARE_METATYPE(LineField)

class TestOrderLine : public QObject {
    Q_OBJECT

private slots:
    void toCents_data() {
        QTest::addColumn<qlonglong>("tenThousandths");
        QTest::addColumn<qlonglong>("cents");
        QTest::newRow("2.345") << 23450LL << 235LL;
        QTest::newRow("2.3449") << 23449LL << 234LL;
        QTest::newRow("-1.234") << -12340LL << -123LL;
        QTest::newRow("-1.235 half away from zero") << -12350LL << -124LL;
        QTest::newRow("-60 stays -60") << -600000LL << -6000LL;
        QTest::newRow("zero") << 0LL << 0LL;
    }
    void toCents() {
        QFETCH(qlonglong, tenThousandths);
        QFETCH(qlonglong, cents);
        QCOMPARE(ToCents(Decimal4{tenThousandths}).cents(), cents);
    }

    void priceLevels_data() {
        QTest::addColumn<QString>("jg");
        QTest::addColumn<int>("level");
        QTest::newRow("原价") << "原价" << 0;
        QTest::newRow("售价二") << "售价二" << 2;
        QTest::newRow("售价五") << "售价五" << 5;
        QTest::newRow("other text") << "会员价" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void priceLevels() {
        QFETCH(QString, jg);
        QFETCH(int, level);
        QCOMPARE(PriceLevelOf(jg).value_or(-1), level);
    }

    void fillTakesPriceDiscountAndPoints_data() {
        QTest::addColumn<bool>("discounted");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("zk");
        QTest::addColumn<QString>("dj");
        QTest::addColumn<QString>("ml");
        QTest::newRow("discounted product") << true << 0 << "0.90"
                                            << "90.00"
                                            << "50.00";
        QTest::newRow("product without discount") << false << 0 << "1.00"
                                                  << "100.00"
                                                  << "60.00";
        QTest::newRow("level two price") << true << 2 << "0.90"
                                         << "81.00"
                                         << "41.00";
    }
    void fillTakesPriceDiscountAndPoints() {
        QFETCH(bool, discounted);
        QFETCH(int, level);
        QFETCH(QString, zk);
        QFETCH(QString, dj);
        QFETCH(QString, ml);
        const OrderLine line = filled(product("100", discounted), level, "0.9");
        QCOMPARE(line.SPMC, QStringLiteral("婚纱照套餐"));
        QCOMPARE(line.ZK.toString(), zk);
        QCOMPARE(line.DJ.toString(), dj);
        QCOMPARE(line.SL, Decimal2::fromUnits(1));
        QCOMPARE(line.JE, line.DJ);
        QCOMPARE(line.ML.toString(), ml);
        QCOMPARE(line.TJFJE, std::optional<Decimal2>(line.JE));
    }

    void fillUsesAverageCostBeforePurchasePrice() {
        ProductRecord p = product();
        p.CBJJ = d("30");
        QCOMPARE(filled(p).JJ, d("30"));
        p.CBJJ = Decimal2();
        QCOMPARE(filled(p).JJ, d("40"));
    }

    void fillFailures_data() {
        QTest::addColumn<bool>("known");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown code") << false << "" << 10 << "您输入的编码不存在0！";
        QTest::newRow("company divisor 0") << true << "" << 0 << "您输入的编码不存在1！";
        QTest::newRow("product rule 0") << true << "0" << 10 << "您输入的编码不存在1！";
    }
    void fillFailures() {
        QFETCH(bool, known);
        QFETCH(QString, rule);
        QFETCH(int, divisor);
        QFETCH(QString, message);
        ProductRecord p = product();
        p.JFGZ = rule;
        const LineFill fill = FillLine(known ? std::optional(p) : std::nullopt, 0, d("1"), divisor);
        QVERIFY(!fill.line);
        QCOMPARE(fill.error, message);
    }

    // Each row: a line of SL 1, DJ 100 (JJ 40, TJF) gets one field changed.
    void changesKeepTheLineConsistent_data() {
        QTest::addColumn<LineField>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("dj");
        QTest::addColumn<QString>("je");
        QTest::addColumn<QString>("ml");
        QTest::addColumn<QString>("mxjf");
        QTest::newRow("quantity 3 at 33.33") << LineField::SL << "3"
                                             << "100.00"
                                             << "300.00"
                                             << "180.00"
                                             << "30.00";
        QTest::newRow("discount 0.85") << LineField::ZK << "0.85"
                                       << "85.00"
                                       << "85.00"
                                       << "45.00"
                                       << "8.50";
        QTest::newRow("list price 99.99") << LineField::ZQDJ << "99.99"
                                          << "99.99"
                                          << "99.99"
                                          << "59.99"
                                          << "10.00";
        QTest::newRow("unit price") << LineField::DJ << "33.33"
                                    << "33.33"
                                    << "33.33"
                                    << "-6.67"
                                    << "3.33";
        QTest::newRow("amount typed, price kept") << LineField::JE << "255"
                                                  << "100.00"
                                                  << "255.00"
                                                  << "215.00"
                                                  << "25.50";
        QTest::newRow("points typed stay") << LineField::MXJF << "7"
                                           << "100.00"
                                           << "100.00"
                                           << "60.00"
                                           << "7.00";
    }
    void changesKeepTheLineConsistent() {
        QFETCH(LineField, field);
        QFETCH(QString, value);
        QFETCH(QString, dj);
        QFETCH(QString, je);
        QFETCH(QString, ml);
        QFETCH(QString, mxjf);
        OrderLine line = filled(product());
        QCOMPARE(ChangeLine(line, field, *Decimal2::parse(value), 10), std::nullopt);
        QCOMPARE(line.DJ.toString(), dj);
        QCOMPARE(line.JE.toString(), je);
        QCOMPARE(line.ML.toString(), ml);
        QCOMPARE(line.MXJF.toString(), mxjf);
    }

    void amountRuleOnQuantities() {
        OrderLine line = filled(product());
        ChangeLine(line, LineField::DJ, d("33.33"), 10);
        ChangeLine(line, LineField::SL, d("3"), 10);
        QCOMPARE(line.JE, d("99.99"));
        QCOMPARE(line.MJ, d("1.50"));
        ChangeLine(line, LineField::DJ, d("1.23"), 10);
        ChangeLine(line, LineField::SL, d("-1"), 10);
        QCOMPARE(line.JE, d("-1.23"));
    }

    void pointsFollowTheProductRule() {
        OrderLine line = filled(product("255", false, true, "5"));
        QCOMPARE(line.MXJF, d("51"));
        line = filled(product("255", false, false));
        QCOMPARE(line.TJFJE, std::nullopt);
        QCOMPARE(line.MXJF, Decimal2());
    }

    void zeroDivisorRefusesTheChange() {
        OrderLine line = filled(product());
        const OrderLine before = line;
        const std::optional<QString> refused = ChangeLine(line, LineField::SL, d("2"), 0);
        QCOMPARE(refused, std::optional<QString>(LineMessages::kNoPointsDivisor));
        QCOMPARE(line.SL, before.SL);
        QCOMPARE(line.JE, before.JE);
    }

    void totalsSumTheLines() {
        OrderLine a = filled(product("255", false));  // 25.5 points
        OrderLine b = filled(product("100", false));  // 10 points
        ChangeLine(b, LineField::SL, d("-1"), 10);
        const OrderTotals t = ComputeTotals({a, b}, QStringLiteral("0001"));
        QCOMPARE(t.ZJE, d("155"));
        QCOMPARE(t.ZSL, Decimal2());
        QCOMPARE(t.ZML, d("155"));  // 215 and -60
        QCOMPARE(t.JF, d("15"));    // 25.5 - 10, truncated
        QCOMPARE(ComputeTotals({a}, QStringLiteral("0001")).JF, d("25"));
        QCOMPARE(ComputeTotals({a}, QStringLiteral("999")).JF, Decimal2());
        QCOMPARE(ComputeTotals({}, QStringLiteral("0001")).ZJE, Decimal2());
    }
};

QTEST_GUILESS_MAIN(TestOrderLine)
#include "tst_orderline.moc"
