#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "clirun.h"
#include "store/database.h"
#include "store/schema.h"
#include "support/testdatabase.h"

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void initCreatesAHomeThatSqliteItselfReads() {
        QTemporaryDir dir;
        const QString home = dir.filePath(QStringLiteral("studio"));
        const Run init = cli({QStringLiteral("init"), QStringLiteral("--home"), home});
        QCOMPARE(init.exitCode, 0);
        QVERIFY2(init.out.contains(home + QStringLiteral("/data/data.db")), qPrintable(init.out));

        // The sqlite3 shell is an independent reader of the file.
        const Run schema = run(QStringLiteral("sqlite3"),
                               {home + QStringLiteral("/data/data.db"), QStringLiteral(".schema")});
        QCOMPARE(schema.exitCode, 0);
        for (const TableDef& table : Schema::tables()) {
            QVERIFY2(schema.out.contains(QStringLiteral("CREATE TABLE %1 (").arg(table.name)),
                     qPrintable(table.name));
            for (const ColumnDef& column : table.columns) {
                QVERIFY2(schema.out.contains(
                             QRegularExpression(QStringLiteral("CREATE TABLE %1 \\([^;]*\\b%2 ")
                                                    .arg(table.name, column.name))),
                         qPrintable(table.name + "." + column.name));
            }
        }
        const Run rows =
            run(QStringLiteral("sqlite3"),
                {home + QStringLiteral("/data/data.db"),
                 QStringLiteral("select jp from bm_jp where mc in ('迅','褣') order by jp;")});
        QCOMPARE(rows.out, QStringLiteral("R\nX\n"));
    }

    void initKeepsAnExistingHome() {
        QTemporaryDir dir;
        QCOMPARE(cli({QStringLiteral("init"), QStringLiteral("--home"), dir.path()}).exitCode, 0);
        const QString file = dir.filePath(QStringLiteral("data/data.db"));
        QCOMPARE(run(QStringLiteral("sqlite3"),
                     {file, QStringLiteral("insert into bm_kh (bm, mc) values ('1001', '张三');")})
                     .exitCode,
                 0);
        const Run again = cli({QStringLiteral("init"), QStringLiteral("--home"), dir.path()});
        QCOMPARE(again.exitCode, 0);
        const Run info = cli({QStringLiteral("info"), QStringLiteral("--home"), dir.path()});
        QCOMPARE(info.exitCode, 0);
        QVERIFY2(info.out.contains(QRegularExpression(QStringLiteral("BM_KH\\t2\\n"))),
                 qPrintable(info.out));
        QVERIFY(info.out.contains(QStringLiteral("数据库版本：%1").arg(Schema::kVersion)));
    }

    void homeFromTheEnvironment() {
        QTemporaryDir dir;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZORLIK_HOME"), dir.filePath(QStringLiteral("env-home")));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZORLIK_CLI), {QStringLiteral("init")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("env-home/data/data.db"))));
    }

    void failuresExitNonZeroWithAMessage_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("message");
        QTest::newRow("info on a missing home") << QByteArray() << "info"
                                                << "程序目录不存在或为空";
        QTest::newRow("T without Tdbdz") << QByteArray("[dbdz]\r\nsfdz=T\r\n") << "init"
                                         << "数据库文件不存在";
        QTest::newRow("missing configured file")
            << QByteArray("[dbdz]\nsfdz=T\nTdbdz=share/data.db\n") << "init"
            << "share/data.db";
        QTest::newRow("unknown command") << QByteArray() << "frobnicate"
                                         << "init";
    }
    void failuresExitNonZeroWithAMessage() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, command);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QString home = dir.filePath(QStringLiteral("missing"));
        if (!ini.isEmpty()) {
            home = dir.path();
            writeFile(dir.filePath(QStringLiteral("Default.ini")), ini);
        }
        const Run r = cli({command, QStringLiteral("--home"), home});
        QVERIFY(r.exitCode != 0);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("T"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("share/data.db"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("data/data.db"))));
    }

    void postgresFromDefaultIni() {
        if (!TestSupport::postgresAvailable()) {
            QSKIP("no PostgreSQL server: run the tests through the test command");
        }
        TestSupport::TestDatabase empty(Engine::Postgres, TestSupport::Contents::Empty);
        const ConnectionSettings s = empty.settings();
        QTemporaryDir dir;
        const QString ini =
            QStringLiteral(
                "[dbdz]\ndriver=QPSQL\nhost=%1\nport=%2\nname=%3\nuser=%4\npassword=%5\n")
                .arg(s.host)
                .arg(s.port)
                .arg(s.name, s.user, s.password);
        writeFile(dir.filePath(QStringLiteral("Default.ini")), ini.toUtf8());
        const Run init = cli({QStringLiteral("init"), QStringLiteral("--home"), dir.path()});
        QVERIFY2(init.exitCode == 0, qPrintable(init.err));
        QVERIFY(init.out.contains(QStringLiteral("PostgreSQL")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("data/data.db"))));
        const Run info = cli({QStringLiteral("info"), QStringLiteral("--home"), dir.path()});
        QCOMPARE(info.exitCode, 0);
        QVERIFY2(info.out.contains(QRegularExpression(QStringLiteral("BM_JP\\t\\d{5}\\n"))),
                 qPrintable(info.out));

        writeFile(dir.filePath(QStringLiteral("Default.ini")),
                  QString(ini).replace(s.password, QStringLiteral("wrong")).toUtf8());
        const Run refused = cli({QStringLiteral("info"), QStringLiteral("--home"), dir.path()});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("无法连接数据库")), qPrintable(refused.err));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
