#include <QSqlQuery>
#include <QTest>

#include "accounts/memberaccount.h"
#include "store/database.h"
#include "store/storeerror.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;

namespace {

Decimal2 d(const char* text) {
    return *Decimal2::parse(QString::fromLatin1(text));
}

QVariant money(const char* text) {
    return QVariant::fromValue(d(text));
}

struct Account {
    QString LJXF, ZHQK, ZJF, SYJF, JB, ZK;
};

Account account(const Database& db, const QString& code) {
    QSqlQuery q = db.exec(
        QStringLiteral("select LJXF, ZHQK, ZJF, SYJF, JB, ZK from BM_KH where BM = ?"), {code});
    q.next();
    auto m = [&](int i) { return Decimal2::fromVariant(q.value(i)).toString(); };
    return {m(0), m(1), m(2), m(3), q.value(4).toString(), m(5)};
}

// Bands 0–100 "普通", 100–500 "银卡", 500 and up "金卡".
void makeLevels(const Database& db) {
    db.exec(QStringLiteral("insert into BM_KHJB (BM, MC, ZK, QJF, ZJF) values "
                           "(?, ?, ?, ?, ?), (?, ?, ?, ?, ?), (?, ?, ?, ?, ?)"),
            {"01", "普通", money("1"), money("0"), money("100"), "02", "银卡", money("0.95"),
             money("100"), money("500"), "03", "金卡", money("0.9"), money("500"), money("0")});
}

void makeMember(const Database& db, bool automatic, const char* redeemed = "0") {
    db.exec(
        QStringLiteral("insert into BM_KH (BM, MC, TSJ, JB, ZK, DXJF) values (?, ?, ?, ?, ?, ?)"),
        {"0001", "张三", automatic, "手工", money("0.8"), money(redeemed)});
}

}  // namespace

class TestMemberAccount : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void approvalAndCancellationBalanceOut() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        makeMember(db, false);
        UpdateMemberAccount(db, "0001", true, d("1234.56"), d("200.10"), d("7.9"));
        Account a = account(db, "0001");
        QCOMPARE(a.LJXF, QStringLiteral("1234.56"));
        QCOMPARE(a.ZHQK, QStringLiteral("200.10"));
        QCOMPARE(a.ZJF, QStringLiteral("7.00"));
        QCOMPARE(a.SYJF, QStringLiteral("7.00"));
        UpdateMemberAccount(db, "0001", false, d("1234.56"), d("200.10"), d("7.9"));
        a = account(db, "0001");
        QCOMPARE(a.LJXF, QStringLiteral("0.00"));
        QCOMPARE(a.ZHQK, QStringLiteral("0.00"));
        QCOMPARE(a.ZJF, QStringLiteral("0.00"));
    }

    void negativePointsTruncateTowardZero() {
        TestDatabase t(TestSupport::currentEngine());
        makeMember(t.db(), false);
        UpdateMemberAccount(t.db(), "0001", true, Decimal2(), Decimal2(), d("-3.5"));
        QCOMPARE(account(t.db(), "0001").ZJF, QStringLiteral("-3.00"));
    }

    void levelFollowsTheTotal_data() {
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("discount");
        QTest::newRow("inside the first band") << "99"
                                               << "普通"
                                               << "1.00";
        QTest::newRow("lower bound is inclusive") << "100"
                                                  << "银卡"
                                                  << "0.95";
        QTest::newRow("upper bound is exclusive") << "500"
                                                  << "金卡"
                                                  << "0.90";
        QTest::newRow("open band") << "100000"
                                   << "金卡"
                                   << "0.90";
        QTest::newRow("below every band") << "-5"
                                          << ""
                                          << "0.00";
    }
    void levelFollowsTheTotal() {
        QFETCH(QString, points);
        QFETCH(QString, level);
        QFETCH(QString, discount);
        TestDatabase t(TestSupport::currentEngine());
        makeLevels(t.db());
        makeMember(t.db(), true);
        UpdateMemberAccount(t.db(), "0001", true, Decimal2(), Decimal2(), *Decimal2::parse(points));
        const Account a = account(t.db(), "0001");
        QCOMPARE(a.JB, level);
        QCOMPARE(a.ZK, discount);
    }

    void manualLevelStaysButRemainingPointsFollow() {
        TestDatabase t(TestSupport::currentEngine());
        makeLevels(t.db());
        makeMember(t.db(), false, "30");
        UpdateMemberAccount(t.db(), "0001", true, Decimal2(), Decimal2(), d("600"));
        UpdateMemberAccount(t.db(), "0001", false, Decimal2(), Decimal2(), d("590"));
        const Account a = account(t.db(), "0001");
        QCOMPARE(a.JB, QStringLiteral("手工"));
        QCOMPARE(a.ZK, QStringLiteral("0.80"));
        QCOMPARE(a.ZJF, QStringLiteral("10.00"));
        QCOMPARE(a.SYJF, QStringLiteral("-20.00"));  // no floor after redemptions
    }

    void unknownMemberChangesNothing() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        UpdateMemberAccount(db, "nobody", true, d("10"), d("10"), d("10"));
        QCOMPARE(db.value(QStringLiteral("select count(*) from BM_KH")).toInt(), 1);
    }

    void failureLaterInTheTransactionUndoesIt() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        makeMember(db, false);
        try {
            db.transact([&] {
                UpdateMemberAccount(db, "0001", true, d("100"), d("0"), d("10"));
                db.exec(QStringLiteral("update no_such_table set x = 1"));
            });
            QFAIL("the failing statement did not throw");
        } catch (const StoreError&) {
        }
        QCOMPARE(account(db, "0001").LJXF, QStringLiteral("0.00"));
    }
};

QTEST_GUILESS_MAIN(TestMemberAccount)
#include "tst_memberaccount.moc"
