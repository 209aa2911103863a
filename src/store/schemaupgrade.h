#pragma once

#include <QList>
#include <QString>

class Database;

// Brings a database to the current table layout. Every step looks before it
// changes, so running it again changes nothing.
namespace SchemaUpgrade {

struct StepResult {
    QString description;
    bool ok = false;
    QString error;
};

// The version recorded in the database; 0 when none is.
int recordedVersion(const Database& db);

// Runs every step, each in its own transaction, going on after a failed one.
QList<StepResult> run(const Database& db);

// Creates the tables of an empty database or upgrades an older one, in one
// transaction; a database newer than this program, or tables without a
// version, are refused. Throws StoreError with the first failed step.
void ensureCurrent(const Database& db);

}  // namespace SchemaUpgrade
