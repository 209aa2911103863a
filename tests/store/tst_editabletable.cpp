#include <QTest>

#include "store/database.h"
#include "store/editabletable.h"
#include "store/storeerror.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;

namespace {

QString memberName(const Database& db, const QString& code) {
    return db.value(QStringLiteral("select MC from BM_KH where BM = ?"), {code}).toString();
}

qlonglong members(const Database& db) {
    return db.value(QStringLiteral("select count(*) from BM_KH")).toLongLong();
}

void addMember(EditableTable& t, const QString& code, const QString& name) {
    const int row = t.rowCount();
    QVERIFY(t.insertRows(row, 1));
    t.setValue(row, QStringLiteral("BM"), code);
    t.setValue(row, QStringLiteral("MC"), name);
}

}  // namespace

class TestEditableTable : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void editsReachTheTableOnlyOnSave() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        EditableTable list(db, QStringLiteral("bm_kh"));
        list.load(QStringLiteral("where BM <> ? order by BM"), {QStringLiteral("999")});
        QCOMPARE(list.rowCount(), 0);
        addMember(list, QStringLiteral("0001"), QStringLiteral("张三"));
        addMember(list, QStringLiteral("0002"), QStringLiteral("李四"));
        QVERIFY(list.isDirty());
        QCOMPARE(members(db), 1);
        list.save();
        QVERIFY(!list.isDirty());
        QCOMPARE(memberName(db, QStringLiteral("0002")), QStringLiteral("李四"));

        list.setValue(0, QStringLiteral("BM"), QStringLiteral("0009"));  // a changed code
        list.setValue(0, QStringLiteral("MC"), QStringLiteral("王五"));
        QVERIFY(list.removeRows(1, 1));
        list.save();
        QCOMPARE(members(db), 2);
        QCOMPARE(memberName(db, QStringLiteral("0009")), QStringLiteral("王五"));
        QCOMPARE(memberName(db, QStringLiteral("0001")), QString());
        QCOMPARE(list.rowCount(), 1);
    }

    void failedSaveKeepsEveryPendingChange() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        EditableTable list(db, QStringLiteral("BM_KH"));
        list.load(QStringLiteral("order by BM"));
        addMember(list, QStringLiteral("0001"), QStringLiteral("张三"));
        addMember(list, QStringLiteral("999"), QStringLiteral("重复"));  // the walk-in code again
        QVERIFY_THROWS_EXCEPTION(StoreError, list.save());
        QCOMPARE(members(db), 1);
        QVERIFY(list.isDirty());
        QCOMPARE(list.rowCount(), 3);
        list.setValue(2, QStringLiteral("BM"), QStringLiteral("0002"));
        list.save();
        QCOMPARE(members(db), 3);
        QCOMPARE(memberName(db, QStringLiteral("0001")), QStringLiteral("张三"));
    }

    void typedValuesAreChecked_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("money rounds to cents") << "ZK" << QVariant("0.955") << true << "0.96";
        QTest::newRow("money refuses text") << "ZK" << QVariant("abc") << false << "0.00";
        QTest::newRow("empty money is null") << "ZK" << QVariant("") << true << "";
        QTest::newRow("date") << "HQ" << QVariant(QDate(2027, 5, 20)) << true << "2027-05-20";
        QTest::newRow("bad date") << "HQ" << QVariant("soon") << false << "";
    }
    void typedValuesAreChecked() {
        QFETCH(QString, field);
        QFETCH(QVariant, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, shown);
        TestDatabase t(TestSupport::currentEngine());
        EditableTable list(t.db(), QStringLiteral("BM_KH"));
        list.load();
        const QModelIndex cell = list.index(0, list.column(field));
        QCOMPARE(list.setData(cell, typed, Qt::EditRole), accepted);
        QCOMPARE(cell.data(Qt::DisplayRole).toString(), shown);
    }

    void valuesSurviveTheRoundTrip() {
        TestDatabase t(TestSupport::currentEngine());
        EditableTable list(t.db(), QStringLiteral("BM_KH"));
        list.load();
        const QModelIndex automatic = list.index(0, list.column(QStringLiteral("TSJ")));
        QVERIFY(list.flags(automatic) & Qt::ItemIsUserCheckable);
        QVERIFY(list.setData(automatic, Qt::Checked, Qt::CheckStateRole));
        list.setValue(0, QStringLiteral("ZHYE"), QStringLiteral("-12.34"));
        list.setValue(0, QStringLiteral("SR"), QDate(1995, 2, 28));
        list.save();
        EditableTable reread(t.db(), QStringLiteral("BM_KH"));
        reread.load();
        QCOMPARE(reread.value(0, QStringLiteral("TSJ")).toBool(), true);
        QCOMPARE(reread.value(0, QStringLiteral("ZHYE")).value<Decimal2>(),
                 Decimal2::fromCents(-1234));
        QCOMPARE(reread.value(0, QStringLiteral("SR")).toDate(), QDate(1995, 2, 28));
        QCOMPARE(reread.value(0, QStringLiteral("JP")).isNull(), true);
    }

    void linesGetTheirKeyFromTheDatabase() {
        TestDatabase t(TestSupport::currentEngine());
        EditableTable package(t.db(), QStringLiteral("BM_TX"));
        package.load(QStringLiteral("where LB = ? order by HH"), {QStringLiteral("T1")});
        for (const QString& product : {QStringLiteral("P2"), QStringLiteral("P1")}) {
            const int row = package.rowCount();
            package.insertRows(row, 1);
            package.setValue(row, QStringLiteral("BM"), product);
            package.setValue(row, QStringLiteral("LB"), QStringLiteral("T1"));
        }
        package.save();
        QCOMPARE(package.rowCount(), 2);
        QCOMPARE(package.value(0, QStringLiteral("BM")).toString(), QStringLiteral("P2"));
        QVERIFY(package.value(0, QStringLiteral("HH")).toInt() <
                package.value(1, QStringLiteral("HH")).toInt());
        package.removeRows(0, 1);
        package.save();
        QCOMPARE(t.db().value(QStringLiteral("select BM from BM_TX")).toString(),
                 QStringLiteral("P1"));
    }

    void tablesWithoutAKeyAreRefused() {
        TestDatabase t(TestSupport::currentEngine());
        QVERIFY_THROWS_EXCEPTION(StoreError, EditableTable(t.db(), QStringLiteral("BM_GSXX")));
    }
};

QTEST_GUILESS_MAIN(TestEditableTable)
#include "tst_editabletable.moc"
