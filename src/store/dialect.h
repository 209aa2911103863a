#pragma once

#include <QString>
#include <QVariant>

class QSqlError;

enum class Engine { Sqlite, Postgres };

// Column types of the schema, in the vocabulary of the table layouts.
enum class ColumnType { Text, Decimal, Date, Bool, Integer };

// Everything that differs between SQLite 3.40 and PostgreSQL 15. Nothing
// else in the program branches on the engine.
class Dialect {
public:
    explicit Dialect(Engine engine) : engine_(engine) {}

    Engine engine() const { return engine_; }
    QString engineName() const;

    // SQLite takes the write lock at once so that two writers cannot both
    // read and then fail on the upgrade to a write lock.
    QString beginTransaction() const;
    // Appended to a select that reads rows the transaction will change. SQLite
    // needs none: BEGIN IMMEDIATE already holds the write lock.
    QString forUpdate() const;

    QString columnType(ColumnType type, int length) const;
    // The surrogate key that keeps lines in the order they were written.
    QString autoKeyColumn(const QString& name) const;

    // "MM-DD" of a date expression, for birthday and anniversary matches.
    QString monthDay(const QString& dateExpression) const;
    // A date expression moved by a whole number of days (an expression too).
    QString addDays(const QString& dateExpression, const QString& daysExpression) const;

    // A money expression kept at whole cents: SQLite computes numeric columns in
    // floating point, so running totals (ZHYE = ZHYE - ?) would drift otherwise.
    QString roundMoney(const QString& expression) const;

    // "column contains the bound text" without regard to case, the text bound
    // through containsPattern() so that %, _ and \ are found as typed.
    QString likeContains(const QString& column) const;
    static QString containsPattern(const QString& text);
    // The text as a LIKE pattern that finds it as typed: %, _ and the escape
    // character itself lose their wildcard meaning (pair with "escape '\'").
    static QString likeLiteral(const QString& text);

    // Serialization failures and deadlocks: the whole transaction may be retried.
    bool isRetryable(const QString& nativeCode) const;

    // A bound value as this engine's driver should receive it.
    QVariant bindable(const QVariant& value) const;

private:
    Engine engine_;
};
