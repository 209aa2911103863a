#include "support/testdatabase.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "store/schemaupgrade.h"
#include "store/storeerror.h"

namespace TestSupport {

namespace {

QAtomicInt databaseCounter;

QString uniqueName(const char* prefix) {
    return QStringLiteral("%1_%2_%3")
        .arg(QLatin1String(prefix))
        .arg(QCoreApplication::applicationPid())
        .arg(databaseCounter.fetchAndAddRelaxed(1));
}

// Runs one statement on the server's maintenance database.
void adminExec(const QString& sql) {
    Database admin;
    admin.open(postgresSettings(QStringLiteral("postgres")));
    admin.exec(sql);
}

// The current tables and delivered rows take a moment to build; each test
// process builds them once and copies them for every test.
struct Templates {
    QTemporaryDir dir;
    QString sqliteFile;
    QString postgresDatabase;
};

Templates& templates() {
    static Templates t;
    return t;
}

// Runs while the application object goes away, before the SQL module's own statics do.
void dropPostgresTemplate() {
    try {
        adminExec(QStringLiteral("drop database if exists %1 with (force)")
                      .arg(templates().postgresDatabase));
    } catch (const StoreError& e) {
        qWarning("could not drop the template database: %s", e.what());
    }
}

const QString& sqliteTemplate() {
    Templates& t = templates();
    if (t.sqliteFile.isEmpty()) {
        const QString file = t.dir.filePath(QStringLiteral("template.db"));
        Database::createSqliteFile(file);
        Database db;
        ConnectionSettings s;
        s.sqliteFile = file;
        db.open(s);
        SchemaUpgrade::ensureCurrent(db);
        db.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        db.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        t.sqliteFile = file;
    }
    return t.sqliteFile;
}

const QString& postgresTemplate() {
    Templates& t = templates();
    if (t.postgresDatabase.isEmpty()) {
        const QString name = uniqueName("ztpl");
        adminExec(QStringLiteral("create database %1").arg(name));
        {
            Database db;
            db.open(postgresSettings(name));
            SchemaUpgrade::ensureCurrent(db);
        }
        t.postgresDatabase = name;
        qAddPostRoutine(dropPostgresTemplate);
    }
    return t.postgresDatabase;
}

}  // namespace

void addEngineRows() {
    QTest::addColumn<QString>("engine");
    QTest::newRow("sqlite") << QStringLiteral("sqlite");
    QTest::newRow("postgres") << QStringLiteral("postgres");
}

Engine currentEngine() {
    QFETCH_GLOBAL(QString, engine);
    return engine == QLatin1String("postgres") ? Engine::Postgres : Engine::Sqlite;
}

bool postgresAvailable() {
    return !qEnvironmentVariableIsEmpty("ZORLIK_TEST_PGPORT");
}

void skipUnavailableEngine() {
    if (currentEngine() == Engine::Postgres && !postgresAvailable()) {
        QSKIP("no PostgreSQL server: run the tests through the test command");
    }
}

ConnectionSettings postgresSettings(const QString& database) {
    ConnectionSettings s;
    s.engine = Engine::Postgres;
    s.host = qEnvironmentVariable("ZORLIK_TEST_PGHOST", QStringLiteral("127.0.0.1"));
    s.port = qEnvironmentVariableIntValue("ZORLIK_TEST_PGPORT");
    s.user = qEnvironmentVariable("ZORLIK_TEST_PGUSER");
    s.password = qEnvironmentVariable("ZORLIK_TEST_PGPASSWORD");
    s.name = database;
    return s;
}

TestDatabase::TestDatabase(Engine engine, Contents contents) {
    if (engine == Engine::Sqlite) {
        settings_.sqliteFile = dir_.filePath(QStringLiteral("data.db"));
        if (contents == Contents::Current) {
            if (!QFile::copy(sqliteTemplate(), settings_.sqliteFile)) {
                throw StoreError(QStringLiteral("cannot copy the template database"));
            }
            QFile::setPermissions(settings_.sqliteFile,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        } else {
            Database::createSqliteFile(settings_.sqliteFile);
        }
    } else {
        const QString name = uniqueName("zt");
        adminExec(
            contents == Contents::Current
                ? QStringLiteral("create database %1 template %2").arg(name, postgresTemplate())
                : QStringLiteral("create database %1").arg(name));
        settings_ = postgresSettings(name);
    }
    db_.open(settings_);
}

TestDatabase::~TestDatabase() {
    db_.close();
    if (settings_.engine == Engine::Postgres) {
        try {
            adminExec(
                QStringLiteral("drop database if exists %1 with (force)").arg(settings_.name));
        } catch (const StoreError& e) {
            qWarning("could not drop %s: %s", qPrintable(settings_.name), e.what());
        }
    }
}

}  // namespace TestSupport
