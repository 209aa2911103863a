#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "clirun.h"
#include "store/database.h"
#include "store/decimal2.h"
#include "support/testdatabase.h"

namespace {

Run demo(const QString& home) {
    return cli({QStringLiteral("demo"), QStringLiteral("--home"), home});
}

// The sqlite3 shell reads the file independently of the program.
QString query(const QString& home, const QString& sql) {
    return run(QStringLiteral("sqlite3"), {home + QStringLiteral("/data/data.db"), sql})
        .out.trimmed();
}

}  // namespace

class TestDemoCommand : public QObject {
    Q_OBJECT

private slots:
    void fillsANewHome() {
        QTemporaryDir dir;
        const QString home = dir.filePath(QStringLiteral("studio"));
        const Run r = demo(home);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(r.out.contains(QStringLiteral("已装入演示数据")));

        const QStringList counts =
            query(home, QStringLiteral("select (select count(*) from bm_kh where bm <> '999'), "
                                       "(select count(*) from bm_khjb), "
                                       "(select count(*) from bm_splb), "
                                       "(select count(*) from bm_sp), "
                                       "(select count(distinct lb) from bm_tx), "
                                       "(select count(*) from bm_yg where bm <> '000'), "
                                       "(select count(*) from bm_ghs where bm <> '001'), "
                                       "(select count(*) from bm_xm), "
                                       "(select count(*) from bm_jfsp);"))
                .split(QLatin1Char('|'));
        QCOMPARE(counts, QStringList({"60", "5", "6", "40", "2", "6", "3", "6", "4"}));

        QCOMPARE(query(home, QStringLiteral("select mc, lsj, sj1, sj2, sj3, sj4, sj5, jj, jfgz, "
                                            "length(txm) from bm_sp where bm = '010002';")),
                 QStringLiteral("法式浪漫婚纱照|5999|5699|5399|5279|5099|4799|2700|10|13"));
        QCOMPARE(
            query(home, QStringLiteral("select kcsl, kcje, slhs from bm_sp where bm = '040001';")),
            QStringLiteral("15|8640|1"));
        QCOMPARE(query(home, QStringLiteral("select count(*) from bm_kh where bm <> '999' and "
                                            "(jp is null or jp = '' or hq is null or sr is null "
                                            "or length(dh) <> 11 or syjf <> zjf - dxjf or jb not "
                                            "in (select mc from bm_khjb));")),
                 QStringLiteral("0"));
        QCOMPARE(query(home, QStringLiteral("select mc, jp from bm_kh where bm = '0001';")),
                 QStringLiteral("王晓|WX"));
        QCOMPARE(query(home, QStringLiteral("select gsmc, xjf from bm_gsxx;")),
                 QStringLiteral("Zorlik婚纱摄影（演示）|10"));
    }

    void isTheSameEveryTime() {
        QTemporaryDir a;
        QTemporaryDir b;
        QCOMPARE(demo(a.path()).exitCode, 0);
        QCOMPARE(demo(b.path()).exitCode, 0);
        const QString members =
            QStringLiteral("select group_concat(bm || mc || dh || hq || jb, ',') from bm_kh;");
        QCOMPARE(query(a.path(), members), query(b.path(), members));
    }

    void refusesAHomeWithDataAndNamesTheTables() {
        QTemporaryDir dir;
        QCOMPARE(demo(dir.path()).exitCode, 0);
        const Run again = demo(dir.path());
        QCOMPARE(again.exitCode, 1);
        QVERIFY2(again.err.contains(QStringLiteral("BM_KH（60 行）")), qPrintable(again.err));
        QVERIFY(again.err.contains(QStringLiteral("BM_SP（40 行）")));
        QCOMPARE(query(dir.path(), QStringLiteral("select count(*) from bm_kh;")),
                 QStringLiteral("61"));
    }

    void acceptsAnExistingHomeWithEmptyTables() {
        QTemporaryDir dir;
        QCOMPARE(cli({QStringLiteral("init"), QStringLiteral("--home"), dir.path()}).exitCode, 0);
        const Run r = demo(dir.path());
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    }

    void fillsAPostgresDatabase() {
        if (!TestSupport::postgresAvailable()) {
            QSKIP("no PostgreSQL server: run the tests through the test command");
        }
        const QString name =
            QStringLiteral("zorlik_demo_%1").arg(QCoreApplication::applicationPid());
        Database admin;
        admin.open(TestSupport::postgresSettings(QStringLiteral("postgres")));
        admin.exec(QStringLiteral("create database %1").arg(name));
        {
            QTemporaryDir home;
            const ConnectionSettings pg = TestSupport::postgresSettings(name);
            QFile ini(home.filePath(QStringLiteral("Default.ini")));
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write(QStringLiteral("[dbdz]\ndriver=QPSQL\nhost=%1\nport=%2\nname=%3\nuser=%4\n"
                                     "password=%5\n")
                          .arg(pg.host)
                          .arg(pg.port)
                          .arg(pg.name, pg.user, pg.password)
                          .toUtf8());
            ini.close();
            const Run r = demo(home.path());
            QVERIFY2(r.exitCode == 0, qPrintable(r.err));
            Database db;
            db.open(pg);
            QCOMPARE(db.value(QStringLiteral("select count(*) from BM_SP")).toInt(), 40);
            QCOMPARE(db.value(QStringLiteral("select count(*) from BM_TX")).toInt(), 8);
            QCOMPARE(Decimal2::fromVariant(
                         db.value(QStringLiteral("select SJ3 from BM_SP where BM = '010002'"))),
                     Decimal2::fromUnits(5279));
            db.close();
        }
        admin.exec(QStringLiteral("drop database %1").arg(name));
    }
};

QTEST_MAIN(TestDemoCommand)
#include "tst_democommand.moc"
