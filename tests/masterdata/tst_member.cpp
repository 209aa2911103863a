#include <QSqlQuery>
#include <QTest>

#include "masterdata/member.h"
#include "masterdata/membercode.h"
#include "masterdata/membercodecolumn.h"
#include "masterdata/memberlist.h"
#include "masterdata/memberpicklist.h"
#include "store/database.h"
#include "store/editabletable.h"
#include "store/storeerror.h"
#include "support/testdatabase.h"
#include "widgets/containsfilter.h"

using TestSupport::TestDatabase;

namespace {

struct Seed {
    QString code;
    QString name;
    QDate joined;
    QString level;
};

void insertMembers(const Database& db, const QList<Seed>& members) {
    for (const Seed& m : members) {
        db.exec(QStringLiteral("insert into BM_KH (BM, MC, RQ, JB) values (?, ?, ?, ?)"),
                {m.code, m.name,
                 m.joined.isValid() ? QVariant(m.joined) : QVariant(QMetaType::fromType<QDate>()),
                 m.level.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(m.level)});
    }
}

QStringList codesOf(const QStringList& list) {
    QStringList sorted = list;
    sorted.sort();
    return sorted;
}

QStringList rowCodes(const Database& db, const MemberRows& rows) {
    EditableTable table(db, QStringLiteral("BM_KH"));
    table.load(rows.whereAndOrder, rows.params);
    QStringList codes;
    for (int r = 0; r < table.rowCount(); ++r) {
        codes << table.value(r, QStringLiteral("BM")).toString();
    }
    return codes;
}

}  // namespace

class TestMember : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void nextCodeKeepsTheWidth_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("next");
        QTest::newRow("carry") << "0099"
                               << "0100";
        QTest::newRow("overflow keeps width") << "99"
                                              << "00";
        QTest::newRow("zeros") << "0012"
                               << "0013";
        QTest::newRow("plain") << "1234"
                               << "1235";
        QTest::newRow("letters") << "A12"
                                 << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("longer than a 64-bit number") << "99999999999999999999999"
                                                     << "00000000000000000000000";
    }
    void nextCodeKeepsTheWidth() {
        QFETCH(QString, code);
        QFETCH(QString, next);
        QCOMPARE(NextCodeKeepingWidth(code), next);
    }

    void memberWindowProposesAfterTheHighestText() {
        QCOMPARE(NextMemberCodeAfter({"0010", "0099", "0001"}), QStringLiteral("0100"));
        QCOMPARE(NextMemberCodeAfter({"5", "12"}), QStringLiteral("6"));  // text order: "5" > "12"
        QCOMPARE(NextMemberCodeAfter({}), QString());
    }

    void codeColumnProposesChecksAndResets() {
        TestDatabase t(TestSupport::currentEngine());
        insertMembers(t.db(), {{"0099", "甲", {}, {}}, {"0010", "乙", {}, {}}});
        EditableTable table(t.db(), QStringLiteral("BM_KH"));
        table.load(MembersButWalkIn().whereAndOrder, MembersButWalkIn().params);
        QStringList offered;
        MemberCodeColumn rules(&table, MemberCodeColumn::List::Members, [&](const QString& code) {
            offered << code;
            return code != QLatin1String("0010");
        });
        const auto pricing = [&](int row) {
            return table.value(row, "JG").toString() + QLatin1Char('/') +
                   table.value(row, "ZK").value<Decimal2>().toString();
        };
        table.setValue(0, "JG", QStringLiteral("售价三"));
        table.setValue(0, "ZK", QStringLiteral("0.8"));
        table.insertRows(table.rowCount(), 1);
        QCOMPARE(table.value(2, "BM").toString(), QStringLiteral("0100"));
        QCOMPARE(pricing(2), QStringLiteral("原价/1.00"));

        table.setValue(1, "BM", QStringLiteral("0010"));  // refused: put back
        QCOMPARE(table.value(1, "BM").toString(), QStringLiteral("0099"));
        table.setValue(1, "JG", QStringLiteral("售价二"));
        table.setValue(1, "ZK", QStringLiteral("0.9"));
        table.setValue(1, "BM", QStringLiteral("0200"));
        QCOMPARE(pricing(1), QStringLiteral("原价/1.00"));
        QCOMPARE(offered, (QStringList{"0100", "0010", "0200"}));
        QCOMPARE(pricing(0), QStringLiteral("售价三/0.80"));  // untouched by the others
    }

    void levelCodeSetsTheFactorOnce() {
        TestDatabase t(TestSupport::currentEngine());
        EditableTable table(t.db(), QStringLiteral("BM_KHJB"));
        table.load(QStringLiteral("order by BM asc"));
        MemberCodeColumn rules(&table, MemberCodeColumn::List::Levels,
                               [](const QString&) { return true; });
        const int row = table.rowCount();
        table.insertRows(row, 1);
        QVERIFY(table.value(row, "BM").toString().isEmpty());  // levels get no proposal
        table.setValue(row, "BM", QStringLiteral("09"));
        QCOMPARE(table.value(row, "ZK").value<Decimal2>().toString(), QStringLiteral("1.00"));
        table.setValue(row, "ZK", QStringLiteral("0.85"));
        table.setValue(row, "MC", QStringLiteral("钻石卡"));
        QCOMPARE(table.value(row, "ZK").value<Decimal2>().toString(), QStringLiteral("0.85"));
    }

    void addMemberWindowProposal_data() {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("proposal");
        QStringList twelve;
        for (int i = 1; i <= 12; ++i) {
            twelve << QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        }
        QTest::newRow("last in text order") << twelve << "0013";
        QTest::newRow("highest number from 999 up") << QStringList{"1234", "0005", "A9"} << "1235";
        QTest::newRow("walk-in code never counts") << QStringList{"0998"} << "0999";
        QTest::newRow("no members") << QStringList{} << "";
        QTest::newRow("last code no number") << QStringList{"0001", "VIP"} << "";
    }
    void addMemberWindowProposal() {
        QFETCH(QStringList, codes);
        QFETCH(QString, proposal);
        TestDatabase t(TestSupport::currentEngine());
        QList<Seed> seeds;
        for (const QString& c : codes) {
            seeds << Seed{c, QStringLiteral("客户") + c, {}, {}};
        }
        insertMembers(t.db(), seeds);
        QCOMPARE(ProposeMemberCode(t.db()), proposal);
    }

    void recentMembers_data() {
        QTest::addColumn<QString>("days");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("seven days including today") << "7" << QStringList{"0001", "0002", "999"};
        QTest::newRow("one day") << "1" << QStringList{"0001", "999"};
        QTest::newRow("zero lists nobody") << "0" << QStringList{};
        QTest::newRow("no number lists all but walk-in")
            << "abc" << QStringList{"0001", "0002", "0003", "0004"};
    }
    void recentMembers() {
        QFETCH(QString, days);
        QFETCH(QStringList, codes);
        TestDatabase t(TestSupport::currentEngine());
        const QDate today(2026, 3, 10);
        t.db().exec(QStringLiteral("update BM_KH set RQ = ? where BM = ?"),
                    {today, kWalkInMemberCode});
        insertMembers(t.db(), {{"0001", "甲", today, {}},
                               {"0002", "乙", today.addDays(-6), {}},
                               {"0003", "丙", today.addDays(-7), {}},
                               {"0004", "丁", {}, {}}});
        const std::optional<MemberRows> rows = RecentMembers(days, today);
        QVERIFY(rows);
        QCOMPARE(rowCodes(t.db(), *rows), codes);
    }

    void recentMembersRefusesAFraction() {
        QVERIFY(!RecentMembers(QStringLiteral("1.5"), QDate(2026, 3, 10)));
    }

    void filterFindsTextAsTyped_data() {
        QTest::addColumn<bool>("withOtherPhone");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("138 in any field")
            << true << "138" << QStringList{"0001", "0002", "1380", "A_1"};
        QTest::newRow("picker has no other phone")
            << false << "138" << QStringList{"0001", "1380", "A_1"};
        QTest::newRow("percent as typed") << true << "50%" << QStringList{"50%"};
        QTest::newRow("underscore as typed") << true << "A_" << QStringList{"A_1"};
        QTest::newRow("quote as typed") << true << "O'B" << QStringList{"O'B"};
        QTest::newRow("initials without case") << true << "zs" << QStringList{"0001"};
        QTest::newRow("card number") << true << "K77" << QStringList{"0002"};
        QTest::newRow("empty shows all")
            << false << "" << QStringList{"0001", "0002", "1380", "50%", "999", "A_1", "O'B"};
    }
    void filterFindsTextAsTyped() {
        QFETCH(bool, withOtherPhone);
        QFETCH(QString, text);
        QFETCH(QStringList, codes);
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        const QString sql = QStringLiteral(
            "insert into BM_KH (BM, MC, KH, QTDH, JP, DH) values (?, ?, ?, ?, ?, ?)");
        db.exec(sql, {"0001", "张三", "", "", "ZS", "13800001111"});
        db.exec(sql, {"0002", "李四", "K77", "0571-138", "LS", ""});
        db.exec(sql, {"1380", "王五", "", "", "WW", ""});
        db.exec(sql, {"50%", "赵六", "", "", "ZL", ""});
        db.exec(sql, {"A_1", "钱七", "", "", "QQ", "1381"});
        db.exec(sql, {"O'B", "孙八", "", "", "SB", ""});
        // The member window filters its editable rows, the picker its own list.
        EditableTable table(db, QStringLiteral("BM_KH"));
        table.load(MembersButWalkIn().whereAndOrder, MembersButWalkIn().params);
        MemberPickList pickList;
        pickList.load(db);
        ContainsFilter filter;
        filter.setSourceModel(withOtherPhone ? static_cast<QAbstractItemModel*>(&table)
                                             : &pickList);
        filter.setFields(MemberFilterFields(withOtherPhone));
        filter.setText(text);
        QStringList found;
        for (int r = 0; r < filter.rowCount(); ++r) {
            found << filter.index(r, 0).data().toString();
        }
        QCOMPARE(codesOf(found), codesOf(codes));
    }

    void countsPerLevel() {
        TestDatabase t(TestSupport::currentEngine());
        insertMembers(
            t.db(),
            {{"0001", "甲", {}, "金卡"}, {"0002", "乙", {}, "金卡"}, {"0003", "丙", {}, "银卡"}});
        t.db().exec(QStringLiteral("update BM_KH set JB = ? where BM = ?"),
                    {"", kWalkInMemberCode});
        const MemberCounts counts = CountMembers(t.db());
        QCOMPARE(counts.total, 4);
        QCOMPARE(codesOf(counts.perLevel), codesOf({"有1个", "有2个金卡", "有1个银卡"}));
    }

    void addingAMemberRaisesTheIntroducer() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        insertMembers(db, {{"0005", "介绍人", {}, {}}});
        db.exec(QStringLiteral("update BM_KH set ZJF = 5, DXJF = 2, SYJF = 3 where BM = ?"),
                {"0005"});
        Member m;
        m.BM = QStringLiteral("0006");
        m.MC = QStringLiteral("新客户");
        m.ZK = *Decimal2::parse(u"0.9");
        m.JG = QStringLiteral("售价二");
        m.SRBAK = QDate(1995, 8, 15);
        m.RQ = QDate(2026, 3, 10);
        m.JSRBM = QStringLiteral("0005");
        m.JSR = QStringLiteral("介绍人");
        m.TSJ = true;
        AddMember(db, m, Decimal2::fromUnits(10));

        QSqlQuery intro =
            db.exec(QStringLiteral("select JSRJF, ZJF, SYJF from BM_KH where BM = ?"), {"0005"});
        QVERIFY(intro.next());
        QCOMPARE(Decimal2::fromVariant(intro.value(0)).toString(), QStringLiteral("10.00"));
        QCOMPARE(Decimal2::fromVariant(intro.value(1)).toString(), QStringLiteral("15.00"));
        QCOMPARE(Decimal2::fromVariant(intro.value(2)).toString(), QStringLiteral("13.00"));

        EditableTable table(db, QStringLiteral("BM_KH"));
        table.load(QStringLiteral("where BM = ?"), {"0006"});
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(table.value(0, "MC").toString(), m.MC);
        QCOMPARE(table.value(0, "ZK").value<Decimal2>().toString(), QStringLiteral("0.90"));
        QCOMPARE(table.value(0, "JG").toString(), m.JG);
        QVERIFY(table.value(0, "SR").isNull());
        QCOMPARE(table.value(0, "SRBAK").toDate(), m.SRBAK);
        QCOMPARE(table.value(0, "JSRBM").toString(), m.JSRBM);
        QCOMPARE(table.value(0, "TSJ").toBool(), true);
        QVERIFY(table.value(0, "JP").toString().isEmpty());  // initials come from 简拼
        QCOMPARE(table.value(0, "SYJF").value<Decimal2>().toString(), QStringLiteral("0.00"));
    }

    void aTakenCodeWritesNothing() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        insertMembers(db, {{"0005", "介绍人", {}, {}}, {"0006", "老客户", {}, {}}});
        Member m;
        m.BM = QStringLiteral("0006");
        m.MC = QStringLiteral("重复");
        m.JSRBM = QStringLiteral("0005");
        QVERIFY_THROWS_EXCEPTION(StoreError, AddMember(db, m, Decimal2::fromUnits(10)));
        QCOMPARE(Decimal2::fromVariant(
                     db.value(QStringLiteral("select JSRJF from BM_KH where BM = ?"), {"0005"})),
                 Decimal2());
        QCOMPARE(db.value(QStringLiteral("select MC from BM_KH where BM = ?"), {"0006"}).toString(),
                 QStringLiteral("老客户"));
    }
};

QTEST_GUILESS_MAIN(TestMember)
#include "tst_member.moc"
