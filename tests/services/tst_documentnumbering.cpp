#include <QTest>

#include "services/documentnumbering.h"
#include "store/database.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;

namespace {

const QDate kDay(2024, 5, 17);

NumberingContext context(const QString& op = QStringLiteral("001"), bool shortIds = false,
                         QDate today = kDay) {
    return {op, shortIds, today};
}

void setCounter(const Database& db, const QString& op, const QString& kind, const QString& day,
                int number) {
    db.exec(QStringLiteral("insert into GG_XZ (YGBM, DJLX, RQ, DJSL) values (?, ?, ?, ?)"),
            {op, kind, day, number});
}

QVariantList counterRow(const Database& db, const QString& op, const QString& kind) {
    QSqlQuery q = db.exec(QStringLiteral("select RQ, DJSL from GG_XZ where YGBM = ? and DJLX = ?"),
                          {op, kind});
    QVariantList rows;
    while (q.next()) {
        rows << q.value(0).toString() << q.value(1).toInt();
    }
    return rows;
}

}  // namespace

class TestDocumentNumbering : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void firstProposalOfTheDayResetsTheCounter() {
        TestDatabase t(TestSupport::currentEngine());
        setCounter(t.db(), "001", "XSD", "20240516", 42);
        setCounter(t.db(), "001", "SKD", "20240516", 7);
        QCOMPARE(NextDocumentId(t.db(), context(), "XSD"), QStringLiteral("2024051700100001"));
        QCOMPARE(counterRow(t.db(), "001", "XSD"), (QVariantList{"20240517", 0}));
        // Other kinds keep their own counter.
        QCOMPARE(counterRow(t.db(), "001", "SKD"), (QVariantList{"20240516", 7}));
    }

    void proposingConsumesNothingUntilCommitted() {
        TestDatabase t(TestSupport::currentEngine());
        const QString first = NextDocumentId(t.db(), context(), "CZD");
        QCOMPARE(NextDocumentId(t.db(), context(), "CZD"), first);
        CommitDocumentId(t.db(), context(), "CZD", first);
        QCOMPARE(NextDocumentId(t.db(), context(), "CZD"), QStringLiteral("2024051700100002"));
        CommitDocumentId(t.db(), context(), "CZD", QStringLiteral("2024051700100002"));
        CommitDocumentId(t.db(), context(), "CZD", QStringLiteral("2024051700100003"));
        QCOMPARE(NextDocumentId(t.db(), context(), "CZD"), QStringLiteral("2024051700100004"));
        // Another operator draws from a counter of its own.
        QCOMPARE(NextDocumentId(t.db(), context("002"), "CZD"), QStringLiteral("2024051700200001"));
    }

    void commitAfterMidnightLeavesTheNewDayAlone() {
        TestDatabase t(TestSupport::currentEngine());
        const QString id = NextDocumentId(t.db(), context(), "XSD");
        CommitDocumentId(t.db(), context("001", false, kDay.addDays(1)), "XSD", id);
        QCOMPARE(counterRow(t.db(), "001", "XSD"), (QVariantList{"20240517", 0}));
        QCOMPARE(NextDocumentId(t.db(), context("001", false, kDay.addDays(1)), "XSD"),
                 QStringLiteral("2024051800100001"));
    }

    void idFormat_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<bool>("shortIds");
        QTest::addColumn<int>("counter");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("committed");
        QTest::newRow("normal") << "001" << false << 2 << "2024051700100003" << 3;
        QTest::newRow("short at 12,345") << "001" << true << 12344 << "202405172345" << 2345;
        QTest::newRow("short, code of two") << "07" << true << 12344 << "20240517345" << 345;
        QTest::newRow("short, code of two, small") << "07" << true << 41 << "20240517042" << 42;
        QTest::newRow("short, code of five, large")
            << "A0001" << true << 12344 << "20240517112345" << 12345;
        QTest::newRow("short, code of five") << "A0001" << true << 41 << "20240517100042" << 42;
        QTest::newRow("normal, code of five")
            << "A0001" << false << 41 << "20240517A000100042" << 42;
        QTest::newRow("wraps past 99,999") << "001" << false << 99999 << "2024051700100000" << 0;
    }
    void idFormat() {
        QFETCH(QString, op);
        QFETCH(bool, shortIds);
        QFETCH(int, counter);
        QFETCH(QString, expected);
        QFETCH(int, committed);
        TestDatabase t(TestSupport::currentEngine());
        setCounter(t.db(), op, "RKD", "20240517", counter);
        const NumberingContext c = context(op, shortIds);
        const QString id = NextDocumentId(t.db(), c, "RKD");
        QCOMPARE(id, expected);
        CommitDocumentId(t.db(), c, "RKD", id);
        QCOMPARE(counterRow(t.db(), op, "RKD"), (QVariantList{"20240517", committed}));
    }

    void quotesInCodesAreData() {
        TestDatabase t(TestSupport::currentEngine());
        const NumberingContext c = context(QStringLiteral("o'1"));
        const QString id = NextDocumentId(t.db(), c, "SRD");
        QCOMPARE(id, QStringLiteral("20240517o'100001"));
        CommitDocumentId(t.db(), c, "SRD", id);
        QCOMPARE(counterRow(t.db(), "o'1", "SRD"), (QVariantList{"20240517", 1}));
    }
};

QTEST_GUILESS_MAIN(TestDocumentNumbering)
#include "tst_documentnumbering.moc"
