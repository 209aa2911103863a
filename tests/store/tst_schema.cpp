#include <QSqlField>
#include <QSqlRecord>
#include <QTest>

#include "store/database.h"
#include "store/delivereddata.h"
#include "store/passwordhash.h"
#include "store/schema.h"
#include "store/schemaupgrade.h"
#include "store/storeerror.h"
#include "support/testdatabase.h"

using TestSupport::Contents;
using TestSupport::TestDatabase;

namespace {

qlonglong count(const Database& db, const QString& sql, const QVariantList& params = {}) {
    return db.value(sql, params).toLongLong();
}

// Row counts of every table: what a repeated upgrade must leave alone.
QList<qlonglong> allCounts(const Database& db) {
    QList<qlonglong> counts;
    for (const TableDef& table : Schema::tables()) {
        counts << count(db, QStringLiteral("select count(*) from %1").arg(table.name));
    }
    return counts;
}

}  // namespace

class TestSchema : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void everyTableAndColumnExists() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        const QStringList tables = db.tableNames();
        for (const TableDef& table : Schema::tables()) {
            QVERIFY2(tables.contains(table.name.toLower()), qPrintable(table.name));
            const QStringList columns = db.columnNames(table.name);
            for (const ColumnDef& column : table.columns) {
                QVERIFY2(columns.contains(column.name.toLower()),
                         qPrintable(table.name + "." + column.name));
            }
            QCOMPARE(columns.size(), table.columns.size());
        }
        QCOMPARE(SchemaUpgrade::recordedVersion(db), Schema::kVersion);
    }

    // A sample of the layout that later work relies on, spelled as the tables name them.
    void layoutSamples_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("members with upgrade columns")
            << "BM_KH" << QStringList{"QF", "JSRBM", "JSRJF", "KH", "QTDH", "HQ", "TSJ"};
        QTest::newRow("order payment methods")
            << "xsd_zb" << QStringList{"YYSK_FS", "SS_FS", "QXSK_FS", "WC", "SJ", "YYRQ"};
        QTest::newRow("order line points") << "xsd_mx" << QStringList{"JFGZ", "MXJF", "TJFJE"};
        QTest::newRow("counters") << "GG_XZ" << QStringList{"YGBM", "DJLX", "RQ", "DJSL"};
        QTest::newRow("points audit")
            << "jf_xg" << QStringList{"ZJF", "DXJF", "SYJF", "X_ZJF", "X_DXJF", "X_SYJF"};
        QTest::newRow("sales return lines") << "xtd_mx" << QStringList{"ZQDJ", "ML", "MXJF"};
        QTest::newRow("stock-taking lines")
            << "pdd_mx" << QStringList{"XSL", "YKSL", "XJE", "YKJE"};
        QTest::newRow("supplier payment lines") << "fkd_mx" << QStringList{"DJLX", "DJ_ID", "BCSK"};
        QTest::newRow("company") << "BM_GSXX" << QStringList{"QXTS", "QXSJ", "XJF", "TZK", "BF"};
    }
    void layoutSamples() {
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        TestDatabase t(TestSupport::currentEngine());
        const QStringList existing = t.db().columnNames(table);
        for (const QString& c : columns) {
            QVERIFY2(existing.contains(c.toLower()), qPrintable(table + "." + c));
        }
    }

    void reservedRowsAreDelivered() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        QCOMPARE(db.value(QStringLiteral("select MC from BM_KH where BM = '999'")).toString(),
                 QStringLiteral("普通客户"));
        QCOMPARE(db.value(QStringLiteral("select MC from BM_GHS where BM = '001'")).toString(),
                 QStringLiteral("通用供货商"));
        QSqlQuery admin =
            db.exec(QStringLiteral("select DLMC, MM, QXQT from BM_YG where BM = '000'"));
        QVERIFY(admin.next());
        QCOMPARE(admin.value(0).toString(), QStringLiteral("sa"));
        QVERIFY(PasswordHash::verify(QString::fromLatin1(PasswordHash::kDefaultPassword),
                                     admin.value(1).toString()));
        QCOMPARE(admin.value(2).toString(), QStringLiteral("QX-10,11,12,13,14,15,16,17,18,"));
        QSqlQuery company =
            db.exec(QStringLiteral("select MR_KH, MR_GHS, XJF, TZK, BF, QXTS from BM_GSXX"));
        QVERIFY(company.next());
        QCOMPARE(company.value(0).toString(), QStringLiteral("999"));
        QCOMPARE(company.value(1).toString(), QStringLiteral("001"));
        QVERIFY(company.value(2).toInt() > 0);
        QCOMPARE(company.value(3).toDouble(), 1.0);
        QCOMPARE(company.value(4).toString(), QStringLiteral("backup/"));
        QVERIFY(!company.next());
    }

    void printKindsAndTableListAreDelivered() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        QCOMPARE(count(db, QStringLiteral("select count(*) from GG_DJ")),
                 DeliveredData::printKinds().size());
        for (const char* code :
             {"xsd", "XSD_L", "XSD_Y", "XSD_Q", "czd", "kc_kcdtb", "bb_xsd_HZ", "bb_pdd", "TXM"}) {
            QVERIFY2(count(db, QStringLiteral("select count(*) from GG_DJ where DM = ?"),
                           {QString::fromLatin1(code)}) == 1,
                     qPrintable(code));
        }
        QCOMPARE(db.value(QStringLiteral("select SM from GG_XTB where MC = 'xsd_zb'")).toString(),
                 QStringLiteral("婚礼订单"));
        QCOMPARE(count(db, QStringLiteral("select count(*) from GG_XTB where XZ <> 'F'")), 0);
    }

    void printKindCodesIgnoreCase() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        const QString lookup = QStringLiteral("select MC from GG_DJ where lower(DM) = lower(?)");
        QCOMPARE(db.value(lookup, {QStringLiteral("XSD")}).toString(),
                 QStringLiteral("照相单打印格式"));
        QCOMPARE(db.value(lookup, {QStringLiteral("xsd")}).toString(),
                 QStringLiteral("照相单打印格式"));
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 db.exec(QStringLiteral("insert into GG_DJ (DM, MC) values (?, ?)"),
                                         {QStringLiteral("XSD"), QStringLiteral("again")}));
    }

    void keysRefuseDuplicates_data() {
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QVariantList>("values");
        QTest::newRow("member code") << "insert into BM_KH (BM) values (?)" << QVariantList{"999"};
        QTest::newRow("supplier code")
            << "insert into BM_GHS (BM) values (?)" << QVariantList{"001"};
        QTest::newRow("pinyin character")
            << "insert into BM_JP (MC, JP) values (?, ?)" << QVariantList{"迅", "X"};
        QTest::newRow("counter per operator and kind")
            << "insert into GG_XZ (YGBM, DJLX, RQ, DJSL) values (?, ?, ?, ?), (?, ?, ?, ?)"
            << QVariantList{"000", "XSD", "20261211", 0, "000", "XSD", "20261212", 0};
        QTest::newRow("order number")
            << "insert into xsd_zb (ID) values (?), (?)" << QVariantList{"N1", "N1"};
    }
    void keysRefuseDuplicates() {
        QFETCH(QString, insert);
        QFETCH(QVariantList, values);
        TestDatabase t(TestSupport::currentEngine());
        QVERIFY_THROWS_EXCEPTION(StoreError, t.db().exec(insert, values));
    }

    void pinyinTableAnswersWhatTheRangesLeaveOut_data() {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("initial");
        QTest::newRow("迅 in the gap after X") << "迅"
                                               << "X";
        QTest::newRow("褣 outside GB2312") << "褣"
                                           << "R";
        QTest::newRow("level two 亍") << "亍"
                                      << "C";
        QTest::newRow("level two 鬯") << "鬯"
                                      << "C";
    }
    void pinyinTableAnswersWhatTheRangesLeaveOut() {
        QFETCH(QString, character);
        QFETCH(QString, initial);
        TestDatabase t(TestSupport::currentEngine());
        QCOMPARE(t.db()
                     .value(QStringLiteral("select JP from BM_JP where MC = ?"), {character})
                     .toString(),
                 initial);
    }

    void pinyinTableLeavesLevelOneToTheRanges() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        // 啊 (45217) and 座 (55289) are the ends of the built-in ranges.
        QCOMPARE(count(db, QStringLiteral("select count(*) from BM_JP where MC in (?, ?)"),
                       {QStringLiteral("啊"), QStringLiteral("座")}),
                 0);
        QVERIFY(count(db, QStringLiteral("select count(*) from BM_JP")) > 15000);
    }

    void emptyDatabaseGetsEverything() {
        TestDatabase t(TestSupport::currentEngine(), Contents::Empty);
        const Database& db = t.db();
        QCOMPARE(SchemaUpgrade::recordedVersion(db), 0);
        SchemaUpgrade::ensureCurrent(db);
        QCOMPARE(SchemaUpgrade::recordedVersion(db), Schema::kVersion);
        QCOMPARE(count(db, QStringLiteral("select count(*) from BM_KH")), 1);
    }

    void upgradeTwiceChangesNothing() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        const QList<qlonglong> before = allCounts(db);
        const QString adminHash =
            db.value(QStringLiteral("select MM from BM_YG where BM = '000'")).toString();
        for (const SchemaUpgrade::StepResult& step : SchemaUpgrade::run(db)) {
            QVERIFY2(step.ok, qPrintable(step.description + ": " + step.error));
        }
        SchemaUpgrade::ensureCurrent(db);
        QCOMPARE(allCounts(db), before);
        QCOMPARE(db.value(QStringLiteral("select MM from BM_YG where BM = '000'")).toString(),
                 adminHash);
    }

    void upgradeRestoresWhatAnOlderLayoutLacks() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        db.exec(QStringLiteral("alter table BM_KH drop column HQ"));
        db.exec(QStringLiteral("drop table GG_XZ"));
        db.exec(QStringLiteral("delete from GG_DJ where DM = 'TXM'"));
        db.exec(QStringLiteral("insert into xsd_zb (ID, RQ, SH) values (?, ?, ?)"),
                {QStringLiteral("N1"), QDate(2026, 5, 1), QStringLiteral("T")});
        db.exec(QStringLiteral("update BM_KH set ZK = 0.9 where BM = '999'"));
        for (const SchemaUpgrade::StepResult& step : SchemaUpgrade::run(db)) {
            QVERIFY2(step.ok, qPrintable(step.description + ": " + step.error));
        }
        QVERIFY(db.columnNames(QStringLiteral("BM_KH")).contains(QStringLiteral("hq")));
        QVERIFY(db.tableNames().contains(QStringLiteral("gg_xz")));
        QCOMPARE(count(db, QStringLiteral("select count(*) from GG_DJ where DM = 'TXM'")), 1);
        QCOMPARE(db.value(QStringLiteral("select SS_RQ from xsd_zb where ID = 'N1'")).toDate(),
                 QDate(2026, 5, 1));
        QCOMPARE(db.value(QStringLiteral("select ZK from BM_KH where BM = '999'")).toDouble(), 0.9);
    }

    void unknownOrNewerDatabasesAreRefused() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        db.exec(QStringLiteral("update GG_BB set BBH = ?"), {Schema::kVersion + 1});
        QVERIFY_THROWS_EXCEPTION(StoreError, SchemaUpgrade::ensureCurrent(db));
        db.exec(QStringLiteral("drop table GG_BB"));
        QVERIFY_THROWS_EXCEPTION(StoreError, SchemaUpgrade::ensureCurrent(db));
        QVERIFY(!db.tableNames().contains(QStringLiteral("gg_bb")));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
