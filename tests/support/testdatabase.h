#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

#include "store/connectionsettings.h"
#include "store/database.h"

// Every store test runs once per engine: initTestCase_data() adds the rows,
// init() skips PostgreSQL when the test command started no server.
namespace TestSupport {

void addEngineRows();
Engine currentEngine();
void skipUnavailableEngine();  // call at the start of init(); QSKIPs

bool postgresAvailable();
// The throwaway server of the test command, on the given database.
ConnectionSettings postgresSettings(const QString& database);

enum class Contents { Empty, Current };

// A database of its own for one test: empty, or with the current tables and
// the delivered rows (copied from a template made once per process).
class TestDatabase {
public:
    explicit TestDatabase(Engine engine, Contents contents = Contents::Current);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const Database& db() const { return db_; }
    Database& db() { return db_; }
    const ConnectionSettings& settings() const { return settings_; }

private:
    QTemporaryDir dir_;
    ConnectionSettings settings_;
    Database db_;
};

}  // namespace TestSupport
