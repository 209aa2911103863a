#include <QTest>

#include "masterdata/productcategory.h"
#include "masterdata/productcode.h"
#include "masterdata/productcopy.h"
#include "masterdata/productdelete.h"
#include "masterdata/productinitials.h"
#include "masterdata/productpicture.h"
#include "masterdata/productsearch.h"
#include "services/pinyin.h"
#include "store/database.h"
#include "store/editabletable.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;

namespace {

QVariant money(const char* text) {
    return QVariant::fromValue(*Decimal2::parse(QString::fromLatin1(text)));
}

void addProduct(const Database& db, const QString& code, const QString& category,
                const QString& initials = {}, const QString& barcode = {},
                const QString& rule = {}) {
    db.exec(
        QStringLiteral("insert into BM_SP (BM, MC, LB, JP, TXM, JFGZ) values (?, ?, ?, ?, ?, ?)"),
        {code, QStringLiteral("商品") + code, category, initials, barcode, rule});
}

void addCategory(const Database& db, const QString& code, const QString& rule) {
    db.exec(QStringLiteral("insert into BM_SPLB (BM, MC, JFGZ) values (?, ?, ?)"),
            {code, QStringLiteral("类别") + code, rule.isNull() ? QVariant() : QVariant(rule)});
}

QStringList codesOf(const Database& db, const ProductQuery& q) {
    EditableTable rows(db, QStringLiteral("BM_SP"));
    rows.load(q.whereAndOrder, q.params);
    QStringList codes;
    for (int r = 0; r < rows.rowCount(); ++r) {
        codes << rows.value(r, QStringLiteral("BM")).toString();
    }
    return codes;
}

}  // namespace

class TestProductCatalog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void proposesCodes_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("expected");
        QTest::newRow("category prefix kept") << "01"
                                              << "01009"
                                              << "01010";
        QTest::newRow("empty category") << "03"
                                        << ""
                                        << "030001";
        QTest::newRow("other shape, width kept") << "01"
                                                 << "0099"
                                                 << "0100";
        QTest::newRow("prefix rest overflows") << "01"
                                               << "0199"
                                               << "01100";
        QTest::newRow("not a number") << "01"
                                      << "A-12"
                                      << "";
        QTest::newRow("prefix rest not a number") << "01"
                                                  << "01X"
                                                  << "";
        QTest::newRow("equals the category") << "02"
                                             << "02"
                                             << "03";
    }
    void proposesCodes() {
        QFETCH(QString, category);
        QFETCH(QString, last);
        QFETCH(QString, expected);
        QCOMPARE(ProposeProductCode(category, last), expected);
    }

    void newProductTakesDefaults() {
        TestDatabase t(TestSupport::currentEngine());
        EditableTable rows(t.db(), QStringLiteral("BM_SP"));
        rows.load();
        rows.insertRows(0, 2);
        QVERIFY(
            !FillNewProduct(rows, 0, QString::fromLatin1(kRootCategory), {}, QStringLiteral("5")));
        QVERIFY(rows.value(0, QStringLiteral("LB")).isNull());
        QVERIFY(rows.value(0, QStringLiteral("TDZ")).isNull());
        QVERIFY(FillNewProduct(rows, 1, QStringLiteral("01"), QStringLiteral("01009"),
                               QStringLiteral("5")));
        QCOMPARE(rows.value(1, QStringLiteral("BM")).toString(), QStringLiteral("01010"));
        QCOMPARE(rows.value(1, QStringLiteral("LB")).toString(), QStringLiteral("01"));
        QCOMPARE(rows.value(1, QStringLiteral("SLHS")).toBool(), false);
        QCOMPARE(rows.value(1, QStringLiteral("TDZ")).toBool(), true);
        QCOMPARE(rows.value(1, QStringLiteral("TJF")).toBool(), true);
        QCOMPARE(rows.value(1, QStringLiteral("KCSL")).value<Decimal2>(), Decimal2());
        QCOMPARE(rows.value(1, QStringLiteral("JFGZ")).toString(), QStringLiteral("5"));
        rows.removeRows(0, 1);
        rows.save();
        QCOMPARE(t.db().value(QStringLiteral("select LB from BM_SP where BM = ?"), {"01010"}),
                 QVariant(QStringLiteral("01")));
    }

    void listsProductsByCategoryPrefix_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("root: every product with a category")
            << "%" << QStringList{"A1", "A2", "A3", "A4"};
        QTest::newRow("prefix takes nested codes") << "01" << QStringList{"A1", "A2"};
        QTest::newRow("nested code") << "0102" << QStringList{"A2"};
        QTest::newRow("wildcard in a code is literal") << "0_" << QStringList{"A4"};
        QTest::newRow("unknown") << "09" << QStringList{};
    }
    void listsProductsByCategoryPrefix() {
        QFETCH(QString, category);
        QFETCH(QStringList, codes);
        TestDatabase t(TestSupport::currentEngine());
        addProduct(t.db(), "A1", "01");
        addProduct(t.db(), "A2", "0102");
        addProduct(t.db(), "A3", "02");
        addProduct(t.db(), "A4", "0_");
        addProduct(t.db(), "N1", {});
        addProduct(t.db(), "N2", "");
        QCOMPARE(codesOf(t.db(), ProductsOfCategory(category)), codes);
    }

    void categoriesAndTheirRules() {
        TestDatabase t(TestSupport::currentEngine());
        addCategory(t.db(), "02", "10");
        addCategory(t.db(), "01", "3");
        addCategory(t.db(), "03", QString());
        const QList<ProductCategory> all = LoadProductCategories(t.db());
        QCOMPARE(all.size(), 3);
        QCOMPARE(CategoryNodeText(all[0]), QStringLiteral("01.类别01"));
        QCOMPARE(DefaultPointsRule(t.db(), "02"), QStringLiteral("10"));
        QCOMPARE(DefaultPointsRule(t.db(), "%"), QStringLiteral("3"));
        QCOMPARE(DefaultPointsRule(t.db(), "0%"), QString());

        addProduct(t.db(), "P1", "02", {}, {}, "5");
        addProduct(t.db(), "P2", "03", {}, {}, "7");
        addProduct(t.db(), "P3", "0201", {}, {}, "8");  // no category of that exact code
        ApplyCategoryPointsRules(t.db());
        const auto rule = [&](const char* code) {
            return t.db()
                .value(QStringLiteral("select JFGZ from BM_SP where BM = ?"), {code})
                .toString();
        };
        QCOMPARE(rule("P1"), QStringLiteral("10"));
        QCOMPARE(rule("P2"), QString());
        QCOMPARE(rule("P3"), QStringLiteral("8"));
    }

    void deleteRefusedWhileLinesUseIt_data() {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("free") << ""
                              << "";
        QTest::newRow("goods received") << "rkd_mx"
                                        << "当前商品在入库单使用过，无法删除！";
        QTest::newRow("order") << "xsd_mx"
                               << "当前商品在销售单使用过，无法删除！";
        QTest::newRow("stock-taking") << "pdd_mx"
                                      << "当前商品在盘点单使用过，无法删除！";
    }
    void deleteRefusedWhileLinesUseIt() {
        QFETCH(QString, lines);
        QFETCH(QString, refusal);
        TestDatabase t(TestSupport::currentEngine());
        const QString code = QStringLiteral("O'1%");
        addProduct(t.db(), code, "01");
        addProduct(t.db(), "O11", "01");
        if (!lines.isEmpty()) {
            t.db().exec(QStringLiteral("insert into %1 (ID, SPBM) values (?, ?)").arg(lines),
                        {"2026010100000001", code});
        }
        QCOMPARE(ProductDeleteRefusal(t.db(), code).value_or(QString()), refusal);
        QVERIFY(!ProductDeleteRefusal(t.db(), "O11"));
    }

    void clearingNeedsRight13_data() {
        QTest::addColumn<QString>("rights");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("message");
        QTest::newRow("held") << "QX-10,13," << 0 << "清空成功！";
        QTest::newRow("not held") << "QX-10,12," << 2 << "您没有权操作，请联系管理员！";
    }
    void clearingNeedsRight13() {
        QFETCH(QString, rights);
        QFETCH(int, left);
        QFETCH(QString, message);
        TestDatabase t(TestSupport::currentEngine());
        addProduct(t.db(), "P1", "01");
        addProduct(t.db(), "P2", "01");
        QCOMPARE(ClearProductsMessage(ClearProducts(t.db(), rights)), message);
        QCOMPARE(t.db().value(QStringLiteral("select count(*) from BM_SP")).toInt(), left);
    }

    void pasteKeepsTheCodeAndCopiesTheRest() {
        TestDatabase t(TestSupport::currentEngine());
        t.db().exec(
            QStringLiteral("insert into BM_SP (BM, MC, LSJ, KCSL, SLHS, TDZ, LB, TP) "
                           "values (?, ?, ?, ?, ?, ?, ?, ?)"),
            {"S1", "水晶相册", money("1999.5"), money("12"), true, false, "01", "/p/a.jpg"});
        addProduct(t.db(), "T1", "02");
        EditableTable rows(t.db(), QStringLiteral("BM_SP"));
        rows.load(QStringLiteral("order by BM"));
        QVERIFY(PasteProductRow(t.db(), "S1", rows, 1));
        QVERIFY(!PasteProductRow(t.db(), "gone", rows, 1));
        rows.save();
        const auto v = [&](const char* field) {
            return t.db().value(QStringLiteral("select %1 from BM_SP where BM = 'T1'").arg(field));
        };
        QCOMPARE(v("MC").toString(), QStringLiteral("水晶相册"));
        QCOMPARE(Decimal2::fromVariant(v("LSJ")).toString(), QStringLiteral("1999.50"));
        QCOMPARE(Decimal2::fromVariant(v("KCSL")).toString(), QStringLiteral("12.00"));
        QCOMPARE(v("SLHS").toBool(), true);
        QCOMPARE(v("TDZ").toBool(), false);
        QCOMPARE(v("LB").toString(), QStringLiteral("01"));
        QCOMPARE(t.db().value(QStringLiteral("select count(*) from BM_SP")).toInt(), 2);
    }

    void regeneratesInitialsWithProgress() {
        TestDatabase t(TestSupport::currentEngine());
        t.db().exec(QStringLiteral("insert into BM_SP (BM, MC) values (?, ?), (?, ?)"),
                    {"1", "婚纱A8", "2", "相册"});
        EditableTable rows(t.db(), QStringLiteral("BM_SP"));
        rows.load(QStringLiteral("order by BM"));
        PinyinDictionary dictionary(t.db());
        QList<int> steps;
        RegenerateProductInitials(rows, dictionary, [&](int done, int total) {
            QCOMPARE(total, 2);
            steps << done;
        });
        QCOMPARE(steps, (QList<int>{1, 2}));
        QCOMPARE(rows.value(0, QStringLiteral("JP")).toString(), QStringLiteral("HSA8"));
        QCOMPARE(rows.value(1, QStringLiteral("JP")).toString(), QStringLiteral("XC"));
        QVERIFY(rows.isDirty());
    }

    void quickSearchFindsAsTyped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("initials contain, any case") << "sj" << QStringList{"1001", "1002"};
        QTest::newRow("code equals") << "1003" << QStringList{"1003"};
        QTest::newRow("code is not a prefix") << "100" << QStringList{};
        QTest::newRow("barcode contains") << "6901" << QStringList{"1002"};
        QTest::newRow("percent as typed") << "50%" << QStringList{"1003"};
        QTest::newRow("underscore as typed") << "A_B" << QStringList{"A_B"};
        QTest::newRow("quote as typed") << "O'K" << QStringList{"1004"};
        QTest::newRow("none") << "zz" << QStringList{};
    }
    void quickSearchFindsAsTyped() {
        QFETCH(QString, text);
        QFETCH(QStringList, codes);
        TestDatabase t(TestSupport::currentEngine());
        addProduct(t.db(), "1001", "01", "SJXC");
        addProduct(t.db(), "1002", "01", "DSJ", "6901234");
        addProduct(t.db(), "1003", "01", "ZK50%");
        addProduct(t.db(), "1004", "01", "O'KA");
        addProduct(t.db(), "A_B", "01", "X");
        addProduct(t.db(), "AXB", "01", "AXB");
        QCOMPARE(CountQuickMatches(t.db(), text), codes.size());
        QCOMPARE(codesOf(t.db(), QuickMatches(text)), codes);
    }

    void picturePathRoundTrip() {
        TestDatabase t(TestSupport::currentEngine());
        addProduct(t.db(), "P1", "01");
        QCOMPARE(ProductPicturePath(t.db(), "P1"), QString());
        StoreProductPicturePath(t.db(), "P1", QStringLiteral("/home/图片/a'b.png"));
        QCOMPARE(ProductPicturePath(t.db(), "P1"), QStringLiteral("/home/图片/a'b.png"));
    }
};

QTEST_GUILESS_MAIN(TestProductCatalog)
#include "tst_productcatalog.moc"
