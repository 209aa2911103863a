#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <functional>

#include "store/connectionsettings.h"
#include "store/dialect.h"

// One connection to the studio's database. Every value reaches SQL as a bound
// parameter; table and column names come only from code. Every failure throws
// StoreError with a text for the operator.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // An SQLite file must exist: a missing file is an error, never a new database.
    void open(const ConnectionSettings& settings);
    void close();
    bool isOpen() const;

    // Creates an empty, owner-only SQLite file where none exists yet.
    static void createSqliteFile(const QString& path);

    const ConnectionSettings& settings() const { return settings_; }
    const Dialect& dialect() const { return dialect_; }
    QSqlDatabase handle() const;
    // Set when the database works in a reduced mode the operator should know about.
    const QString& warning() const { return warning_; }

    // "?" placeholders take the values in order.
    QSqlQuery exec(const QString& sql, const QVariantList& params = {}) const;
    // First column of the first row, or the fallback when there is no row.
    QVariant value(const QString& sql, const QVariantList& params = {},
                   const QVariant& fallback = {}) const;

    QStringList tableNames() const;                       // lower case
    QStringList columnNames(const QString& table) const;  // lower case

    // Runs the work in one transaction; a serialization failure on PostgreSQL
    // runs it again from the start. Inside another transaction it simply joins.
    void transact(const std::function<void()>& work) const;

private:
    friend class Transaction;

    void openSqlite();
    void openPostgres();

    QString connectionName_;
    ConnectionSettings settings_;
    Dialect dialect_{Engine::Sqlite};
    QString warning_;
    mutable int transactionDepth_ = 0;
    mutable bool rollbackOnly_ = false;
};
