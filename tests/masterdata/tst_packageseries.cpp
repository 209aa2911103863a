#include <QTest>

#include "masterdata/packageseries.h"
#include "masterdata/productrecord.h"
#include "store/database.h"
#include "store/editabletable.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;

namespace {

void seed(const Database& db) {
    db.exec(QStringLiteral("insert into BM_TXLB (BM, MC) values (?, ?), (?, ?), (?, ?)"),
            {"02", "豪华套系", "01", "经典套系", "03", "豪华套系"});
    db.exec(QStringLiteral("insert into BM_SP (BM, MC, LSJ) values (?, ?, ?)"),
            {"P1", "婚纱照", QVariant::fromValue(Decimal2::fromUnits(1999))});
}

}  // namespace

class TestPackageSeries : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void findsSeriesByName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("unique") << "经典套系"
                                << "01";
        QTest::newRow("same name twice: the first") << "豪华套系"
                                                    << "02";
        QTest::newRow("none") << "没有"
                              << "";
    }
    void findsSeriesByName() {
        QFETCH(QString, name);
        QFETCH(QString, code);
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        QCOMPARE(PackageSeriesNames(t.db()), (QStringList{"经典套系", "豪华套系", "豪华套系"}));
        QCOMPARE(PackageSeriesCode(t.db(), name).value_or(QString()), code);
    }

    void addedProductIsOneUnitAtRetailPrice_data() {
        QTest::addColumn<QString>("series");
        QTest::addColumn<int>("linesOfSeries01");
        QTest::newRow("series chosen") << "01" << 1;
        QTest::newRow("no series yet: belongs to none") << "" << 0;
    }
    void addedProductIsOneUnitAtRetailPrice() {
        QFETCH(QString, series);
        QFETCH(int, linesOfSeries01);
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        EditableTable contents(t.db(), QStringLiteral("BM_TX"));
        LoadPackageContents(contents,
                            series.isEmpty() ? std::nullopt : std::optional<QString>(series));
        QCOMPARE(contents.rowCount(), 0);
        AddProductToSeries(contents, *findProduct(t.db(), "P1"), series);
        contents.save();
        QCOMPARE(t.db().value(QStringLiteral("select count(*) from BM_TX")).toInt(), 1);
        const QList<PackageLine> lines = PackageSeriesLines(t.db(), "01");
        QCOMPARE(lines.size(), linesOfSeries01);
        if (!lines.isEmpty()) {
            QCOMPARE(lines[0].BM, QStringLiteral("P1"));
            QCOMPARE(lines[0].MC, QStringLiteral("婚纱照"));
            QCOMPARE(lines[0].SL, Decimal2::fromUnits(1));
            QCOMPARE(lines[0].DJ, Decimal2::fromUnits(1999));
        }
    }

    void linesKeepTheirWrittenOrderAndEditedPrice() {
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        t.db().exec(QStringLiteral("insert into BM_TX (BM, MC, SL, DJ, LB) values "
                                   "(?, ?, 1, 10, ?), (?, ?, 2, 20, ?)"),
                    {"Z9", "后写", "01", "A1", "先读", "02"});
        t.db().exec(QStringLiteral("insert into BM_TX (BM, MC, SL, DJ, LB) values (?, ?, 1, 5, ?)"),
                    {"B2", "再写", "01"});
        EditableTable contents(t.db(), QStringLiteral("BM_TX"));
        LoadPackageContents(contents, QStringLiteral("01"));
        QCOMPARE(contents.rowCount(), 2);
        contents.setValue(0, QStringLiteral("DJ"), QStringLiteral("1500"));
        contents.save();
        const QList<PackageLine> lines = PackageSeriesLines(t.db(), "01");
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].BM, QStringLiteral("Z9"));
        QCOMPARE(lines[0].DJ, Decimal2::fromUnits(1500));
        QCOMPARE(lines[1].BM, QStringLiteral("B2"));
    }
};

QTEST_GUILESS_MAIN(TestPackageSeries)
#include "tst_packageseries.moc"
