#include <QTest>

#include "masterdata/productrecord.h"
#include "store/database.h"
#include "support/testdatabase.h"

class TestProductRecord : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void readsWhatLinesTake() {
        TestSupport::TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        const auto money = [](const char* text) {
            return QVariant::fromValue(*Decimal2::parse(QString::fromLatin1(text)));
        };
        db.exec(QStringLiteral("insert into BM_SP (BM, MC, LSJ, SJ2, CBJJ, TJF, JFGZ) "
                               "values (?, ?, ?, ?, ?, ?, ?)"),
                {QStringLiteral("P7"), QStringLiteral("相册"), money("88.8"), money("70"),
                 money("20.5"), true, QStringLiteral("2")});
        const std::optional<ProductRecord> p = findProduct(db, QStringLiteral("P7"));
        QVERIFY(p);
        QCOMPARE(p->MC, QStringLiteral("相册"));
        QCOMPARE(p->prices[0].toString(), QStringLiteral("88.80"));
        QCOMPARE(p->prices[2].toString(), QStringLiteral("70.00"));
        QCOMPARE(p->CBJJ.toString(), QStringLiteral("20.50"));
        QVERIFY(p->TDZ);  // an empty flag: discounts apply
        QVERIFY(p->TJF);
        QCOMPARE(p->JFGZ, QStringLiteral("2"));
        QVERIFY(!findProduct(db, QStringLiteral("nope")));
    }
};

QTEST_GUILESS_MAIN(TestProductRecord)
#include "tst_productrecord.moc"
