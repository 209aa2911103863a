#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "store/database.h"
#include "store/decimal2.h"
#include "store/inifile.h"
#include "store/programhome.h"
#include "store/save.h"
#include "store/storeerror.h"
#include "store/transaction.h"
#include "support/testdatabase.h"

using TestSupport::Contents;
using TestSupport::TestDatabase;

namespace {

qlonglong count(const Database& db, const QString& table) {
    return db.value(QStringLiteral("select count(*) from %1").arg(table)).toLongLong();
}

void insertMember(const Database& db, const QString& code) {
    db.exec(QStringLiteral("insert into BM_KH (BM, MC) values (?, ?)"), {code, code});
}

}  // namespace

class TestDatabaseStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void configuredSqliteFileMustExist_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("expectedFile");
        QTest::newRow("default file") << QByteArray() << "data/data.db";
        QTest::newRow("T without Tdbdz") << QByteArray("[dbdz]\nsfdz=T\n") << "T";
        QTest::newRow("named file")
            << QByteArray("[DBDZ]\nSFDZ=T\ntdbdz=elsewhere/x.db\n") << "elsewhere/x.db";
    }
    void configuredSqliteFileMustExist() {
        if (TestSupport::currentEngine() != Engine::Sqlite) {
            QSKIP("SQLite files only");
        }
        QFETCH(QByteArray, ini);
        QFETCH(QString, expectedFile);
        QTemporaryDir dir;
        const ProgramHome home(dir.path());
        QFile file(home.iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini);
        file.close();
        const ConnectionSettings settings =
            ConnectionSettings::fromIni(IniFile(home.iniPath()), home);
        QCOMPARE(settings.sqliteFile, home.filePath(expectedFile));
        Database db;
        try {
            db.open(settings);
            QFAIL("a missing database file was opened");
        } catch (const StoreError& e) {
            QVERIFY2(e.message().contains(settings.sqliteFile), qPrintable(e.message()));
        }
        QVERIFY(!QFile::exists(settings.sqliteFile));
        QVERIFY(!db.isOpen());
    }

    void fileThatIsNoDatabaseIsRefused() {
        if (TestSupport::currentEngine() != Engine::Sqlite) {
            QSKIP("SQLite files only");
        }
        QTemporaryDir dir;
        ConnectionSettings s;
        s.sqliteFile = dir.filePath(QStringLiteral("data.db"));
        QFile file(s.sqliteFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        Database db;
        QVERIFY_THROWS_EXCEPTION(StoreError, db.open(s));
        QVERIFY(!db.isOpen());
    }

    void sqliteRunsSafeAndPrivate() {
        if (TestSupport::currentEngine() != Engine::Sqlite) {
            QSKIP("SQLite files only");
        }
        TestDatabase t(Engine::Sqlite);
        const Database& db = t.db();
        QCOMPARE(db.value(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
        QCOMPARE(db.value(QStringLiteral("PRAGMA synchronous")).toInt(), 2);
        insertMember(db, QStringLiteral("001"));
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
            const QString path = t.settings().sqliteFile + suffix;
            QVERIFY2(QFile::exists(path), qPrintable(path));
            QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner),
                     QFileDevice::Permissions());
        }
    }

    void wrongPostgresPasswordIsReported() {
        if (TestSupport::currentEngine() != Engine::Postgres) {
            QSKIP("PostgreSQL only");
        }
        ConnectionSettings s = TestSupport::postgresSettings(QStringLiteral("postgres"));
        s.password = QStringLiteral("not the password");
        Database db;
        try {
            db.open(s);
            QFAIL("opened with a wrong password");
        } catch (const StoreError& e) {
            QVERIFY2(e.message().startsWith(QStringLiteral("无法连接数据库")),
                     qPrintable(e.message()));
            QVERIFY2(e.message().contains(QStringLiteral("password")), qPrintable(e.message()));
        }
    }

    void valuesRoundTripUnchanged() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        const QString hostile = QStringLiteral("O'Brien\"; delete from BM_KH; --");
        db.exec(QStringLiteral("insert into BM_KH (BM, MC, ZHYE, SR, TSJ) values (?, ?, ?, ?, ?)"),
                {QStringLiteral("100"), hostile, QVariant::fromValue(Decimal2::fromCents(-1234)),
                 QDate(1990, 2, 28), true});
        QSqlQuery q =
            db.exec(QStringLiteral("select MC, ZHYE, SR, TSJ, ZJF from BM_KH where BM = ?"),
                    {QStringLiteral("100")});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), hostile);
        QCOMPARE(Decimal2::fromVariant(q.value(1)), Decimal2::fromCents(-1234));
        QCOMPARE(q.value(2).toDate(), QDate(1990, 2, 28));
        QCOMPARE(q.value(3).toBool(), true);
        QCOMPARE(Decimal2::fromVariant(q.value(4)), Decimal2());  // money columns start at 0
        QCOMPARE(count(db, QStringLiteral("BM_KH")), 2);
    }

    void sumsOfCentsStayExact() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        db.transact([&] {
            for (int i = 0; i < 1000; ++i) {
                db.exec(QStringLiteral("insert into xsd_mx (ID, JE) values (?, ?)"),
                        {QStringLiteral("X"), QVariant::fromValue(Decimal2::fromCents(10))});
            }
        });
        QCOMPARE(Decimal2::fromVariant(db.value(QStringLiteral("select sum(JE) from xsd_mx"))),
                 Decimal2::fromUnits(100));
    }

    void runningTotalsStayAtWholeCents() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        const QString update = QStringLiteral("update BM_KH set ZHYE = %1 where BM = '999'")
                                   .arg(db.dialect().roundMoney(QStringLiteral("ZHYE + ?")));
        db.transact([&] {
            for (int i = 0; i < 1000; ++i) {
                db.exec(update, {QVariant::fromValue(Decimal2::fromCents(i % 2 ? 10 : 20))});
            }
            db.exec(update, {QVariant::fromValue(Decimal2::fromCents(-14999))});
        });
        // Compared in SQL: a drifted double would not equal 0.01.
        QCOMPARE(db.value(QStringLiteral("select count(*) from BM_KH where ZHYE = ?"),
                          {QVariant::fromValue(Decimal2::fromCents(1))})
                     .toInt(),
                 1);
    }

    void linesReadBackInTheOrderWritten() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        const QStringList codes = {"c", "a", "b", "a"};
        for (const QString& code : codes) {
            db.exec(QStringLiteral("insert into xsd_mx (ID, SPBM) values (?, ?)"),
                    {QStringLiteral("N1"), code});
        }
        QSqlQuery q = db.exec(QStringLiteral("select SPBM from xsd_mx where ID = ? order by HH"),
                              {QStringLiteral("N1")});
        QStringList read;
        while (q.next()) {
            read << q.value(0).toString();
        }
        QCOMPARE(read, codes);
    }

    void nulCharactersAreRefusedOnPostgres() {
        if (TestSupport::currentEngine() != Engine::Postgres) {
            QSKIP("PostgreSQL only");
        }
        TestDatabase t(Engine::Postgres);
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 insertMember(t.db(), QStringLiteral("a") + QChar(0) + "b"));
    }

    void transactionRollsBackUnlessCommitted() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        {
            Transaction tx(db);
            insertMember(db, QStringLiteral("201"));
        }
        QCOMPARE(count(db, QStringLiteral("BM_KH")), 1);
        {
            Transaction tx(db);
            insertMember(db, QStringLiteral("202"));
            tx.commit();
        }
        QCOMPARE(count(db, QStringLiteral("BM_KH")), 2);
    }

    void innerFailureUndoesTheWholeTransaction() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        Transaction outer(db);
        insertMember(db, QStringLiteral("301"));
        {
            Transaction inner(db);
            insertMember(db, QStringLiteral("302"));
        }  // left without commit
        QVERIFY_THROWS_EXCEPTION(StoreError, outer.commit());
        QCOMPARE(count(db, QStringLiteral("BM_KH")), 1);
        db.transact([&] { insertMember(db, QStringLiteral("303")); });
        QCOMPARE(count(db, QStringLiteral("BM_KH")), 2);
    }

    void failedSaveLeavesNoLines() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        bool followedUp = false;
        const SaveOutcome outcome = runSave(
            db,
            [&] {
                db.exec(QStringLiteral("insert into xsd_zb (ID, KHBM) values (?, ?)"),
                        {QStringLiteral("2026121100000001"), QStringLiteral("999")});
                db.exec(QStringLiteral("insert into xsd_mx (ID, SPBM) values (?, ?)"),
                        {QStringLiteral("2026121100000001"), QStringLiteral("P1")});
                db.exec(QStringLiteral("insert into xsd_mx (ID, SPBM) values (?, ?)"),
                        {QStringLiteral("2026121100000001"), QStringLiteral("P2")});
                db.exec(QStringLiteral("insert into xsd_mx (ID, no_such_column) values (?, ?)"),
                        {QStringLiteral("2026121100000001"), 1});
            },
            QStringLiteral("保存失败！"), [&] { followedUp = true; });
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.message, QStringLiteral("保存失败！"));
        QVERIFY(!outcome.detail.isEmpty());
        QVERIFY(!followedUp);
        QCOMPARE(count(db, QStringLiteral("xsd_zb")), 0);
        QCOMPARE(count(db, QStringLiteral("xsd_mx")), 0);
    }

    void successfulSaveFollowsUpAfterCommit() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        qlonglong seenByFollowUp = -1;
        const SaveOutcome outcome = runSave(
            db, [&] { insertMember(db, QStringLiteral("401")); }, QStringLiteral("保存失败！"),
            [&] {
                // A second connection sees the row only once it is committed.
                Database other;
                other.open(t.settings());
                seenByFollowUp = count(other, QStringLiteral("BM_KH"));
            });
        QVERIFY(outcome.ok);
        QCOMPARE(seenByFollowUp, 2);
    }

    void serializationFailuresAreRetried() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        int attempts = 0;
        auto work = [&] {
            ++attempts;
            insertMember(db, QStringLiteral("501"));
            if (attempts == 1) {
                throw StoreError(QStringLiteral("could not serialize access"),
                                 QStringLiteral("40001"));
            }
        };
        if (TestSupport::currentEngine() == Engine::Postgres) {
            db.transact(work);
            QCOMPARE(attempts, 2);
            QCOMPARE(count(db, QStringLiteral("BM_KH")), 2);
        } else {
            QVERIFY_THROWS_EXCEPTION(StoreError, db.transact(work));
            QCOMPARE(attempts, 1);
            QCOMPARE(count(db, QStringLiteral("BM_KH")), 1);
        }
    }

    void dialectDateExpressions_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("monthDay");
        QTest::addColumn<QDate>("moved");
        QTest::newRow("plain") << QDate(2026, 3, 5) << 30 << "03-05" << QDate(2026, 4, 4);
        QTest::newRow("back over a leap day")
            << QDate(2024, 3, 1) << -1 << "03-01" << QDate(2024, 2, 29);
        QTest::newRow("year end") << QDate(2026, 12, 31) << 1 << "12-31" << QDate(2027, 1, 1);
    }
    void dialectDateExpressions() {
        QFETCH(QDate, date);
        QFETCH(int, days);
        QFETCH(QString, monthDay);
        QFETCH(QDate, moved);
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        db.exec(QStringLiteral("update BM_KH set SR = ? where BM = '999'"), {date});
        const Dialect& d = db.dialect();
        QSqlQuery q = db.exec(QStringLiteral("select %1, %2 from BM_KH where BM = '999'")
                                  .arg(d.monthDay(QStringLiteral("SR")),
                                       d.addDays(QStringLiteral("SR"), QStringLiteral("?"))),
                              {days});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), monthDay);
        QCOMPARE(q.value(1).toDate(), moved);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseStore)
#include "tst_database.moc"
