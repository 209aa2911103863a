#include "print/printformattable.h"

#include <QFileInfo>
#include <QSqlQuery>

#include "store/database.h"

PrintFormatTable::PrintFormatTable(QObject* parent) : QAbstractTableModel(parent) {}

void PrintFormatTable::load(const Database& db, const QStringList& kinds) {
    QList<Row> rows;
    for (const QString& kind : kinds) {
        QSqlQuery q = db.exec(
            QStringLiteral("select DM, MC, DZ from GG_DJ where lower(DM) = lower(?)"), {kind});
        while (q.next()) {
            rows.append(
                Row{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), false});
        }
    }
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

void PrintFormatTable::save(const Database& db) {
    db.transact([&] {
        for (const Row& row : rows_) {
            if (row.changed) {
                db.exec(QStringLiteral("update GG_DJ set MC = ?, DZ = ? where DM = ?"),
                        {row.name, row.file, row.code});
            }
        }
    });
    for (Row& row : rows_) {
        row.changed = false;
    }
}

bool PrintFormatTable::isDirty() const {
    for (const Row& row : rows_) {
        if (row.changed) {
            return true;
        }
    }
    return false;
}

QString PrintFormatTable::code(int row) const {
    return rows_.value(row).code;
}

QString PrintFormatTable::fileName(int row) const {
    return rows_.value(row).file;
}

void PrintFormatTable::setChosenFile(int row, const QString& path) {
    setData(index(row, FileColumn), QFileInfo(path).fileName(), Qt::EditRole);
}

int PrintFormatTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PrintFormatTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PrintFormatTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return section == NameColumn ? QStringLiteral("名称") : QStringLiteral("位置");
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant PrintFormatTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    const Row& row = rows_[index.row()];
    return index.column() == NameColumn ? row.name : row.file;
}

bool PrintFormatTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    Row& row = rows_[index.row()];
    QString& cell = index.column() == NameColumn ? row.name : row.file;
    const QString text = value.toString();
    if (cell == text) {
        return false;
    }
    cell = text;
    row.changed = true;
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags PrintFormatTable::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}
