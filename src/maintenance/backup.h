#pragma once

#include <QString>

class Database;

// Consistent snapshots of the open database, restorable as they are.
namespace DatabaseBackup {

// Writes a snapshot to targetFile, replacing an existing file only once the new
// one is complete and on disk. SQLite: a database file (VACUUM INTO). PostgreSQL:
// a pg_dump archive in custom format, restored with
// `pg_restore --clean --if-exists -d DATABASE FILE` (or into an empty database).
// The file is owner-only. Throws StoreError.
void write(const Database& db, const QString& targetFile);

}  // namespace DatabaseBackup
