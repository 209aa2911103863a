#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QList>
#include <QStringList>
#include <QVariantList>

#include "store/decimal2.h"
#include "store/schema.h"

class Database;

// The rows of one table read into memory, edited there and written back by
// save() in one transaction. A failed save leaves every pending change in
// place, so the operator can correct it and save again.
class EditableTable : public QAbstractTableModel {
    Q_OBJECT

public:
    EditableTable(const Database& db, const QString& table, QObject* parent = nullptr);

    // "where ... order by ..." written by the caller's code; values are bound.
    void load(const QString& whereAndOrder = {}, const QVariantList& params = {});
    // Writes deletions, changes and new rows, then reads the rows again.
    // Throws StoreError; nothing is changed in memory then.
    void save();
    bool isDirty() const;

    int column(const QString& field) const;  // -1 when the table has no such column
    const TableDef& table() const { return *table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    // The stored value of a cell: QString, Decimal2, QDate, bool or int (or null).
    QVariant value(int row, const QString& field) const;
    void setValue(int row, const QString& field, const QVariant& value);

private:
    struct Row {
        QVariantList values;
        QVariantList original;  // as read; empty for a new row
        bool changed = false;
    };

    QVariant fromDatabase(const QVariant& v, const ColumnDef& c) const;
    bool assign(Row& row, int column, const QVariant& value);
    QVariantList keyOf(const QVariantList& values) const;
    QString keyCondition() const;
    bool isAutoKey(const ColumnDef& c) const;

    const Database& db_;
    const TableDef* table_;
    QString whereAndOrder_;
    QVariantList params_;
    QList<Row> rows_;
    QList<QVariantList> deletedKeys_;
};
