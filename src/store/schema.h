#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "store/dialect.h"

struct ColumnDef {
    QString name;
    ColumnType type = ColumnType::Text;
    int length = 0;  // text columns only
    bool notNull = false;
};

struct IndexDef {
    QString name;
    QString expression;  // "ID", "YGBM, DJLX", "lower(DM)"
    bool unique = false;
};

struct TableDef {
    QString name;
    QString description;  // shown by the table import/export; empty keeps it off that list
    QList<ColumnDef> columns;
    QStringList primaryKey;
    QList<IndexDef> indexes;

    const ColumnDef* column(const QString& name) const;
    QString createSql(const Dialect& dialect) const;
    QString columnSql(const ColumnDef& column, const Dialect& dialect) const;
};

// The tables of a current database, in the order they are created and listed.
namespace Schema {

// Raised by every change of the table layout; recorded in GG_BB.
constexpr int kVersion = 1;

// Line tables keep this surrogate key so that lines read back in the order written.
inline constexpr auto kLineKey = "HH";

const QList<TableDef>& tables();
const TableDef* table(const QString& name);

}  // namespace Schema
