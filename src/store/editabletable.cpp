#include "store/editabletable.h"

#include <QSqlQuery>

#include "store/database.h"
#include "store/storeerror.h"

namespace {

QVariant nullOf(ColumnType type) {
    switch (type) {
        case ColumnType::Text:
            return QVariant(QMetaType::fromType<QString>());
        case ColumnType::Decimal:
            return QVariant(QMetaType::fromType<Decimal2>());
        case ColumnType::Date:
            return QVariant(QMetaType::fromType<QDate>());
        case ColumnType::Bool:
            return QVariant(QMetaType::fromType<bool>());
        case ColumnType::Integer:
            return QVariant(QMetaType::fromType<int>());
    }
    return {};
}

}  // namespace

EditableTable::EditableTable(const Database& db, const QString& table, QObject* parent)
    : QAbstractTableModel(parent), db_(db), table_(Schema::table(table)) {
    if (!table_ || table_->primaryKey.isEmpty()) {
        throw StoreError(QStringLiteral("数据表 %1 不能按行编辑").arg(table));
    }
}

bool EditableTable::isAutoKey(const ColumnDef& c) const {
    return c.name == QLatin1String(Schema::kLineKey) &&
           table_->primaryKey == QStringList{QString::fromLatin1(Schema::kLineKey)};
}

QVariant EditableTable::fromDatabase(const QVariant& v, const ColumnDef& c) const {
    if (v.isNull()) {
        return nullOf(c.type);
    }
    switch (c.type) {
        case ColumnType::Text:
            return v.toString();
        case ColumnType::Decimal:
            return QVariant::fromValue(Decimal2::fromVariant(v));
        case ColumnType::Date:
            return v.toDate();
        case ColumnType::Bool:
            return v.toBool();
        case ColumnType::Integer:
            return v.toInt();
    }
    return v;
}

void EditableTable::load(const QString& whereAndOrder, const QVariantList& params) {
    QStringList names;
    for (const ColumnDef& c : table_->columns) {
        names << c.name;
    }
    QSqlQuery q = db_.exec(QStringLiteral("select %1 from %2 %3")
                               .arg(names.join(QStringLiteral(", ")), table_->name, whereAndOrder),
                           params);
    QList<Row> rows;
    while (q.next()) {
        Row row;
        for (int i = 0; i < table_->columns.size(); ++i) {
            row.values << fromDatabase(q.value(i), table_->columns[i]);
        }
        row.original = row.values;
        rows << row;
    }
    beginResetModel();
    whereAndOrder_ = whereAndOrder;
    params_ = params;
    rows_ = rows;
    deletedKeys_.clear();
    endResetModel();
}

QVariantList EditableTable::keyOf(const QVariantList& values) const {
    QVariantList key;
    for (const QString& k : table_->primaryKey) {
        key << values[column(k)];
    }
    return key;
}

QString EditableTable::keyCondition() const {
    QStringList parts;
    for (const QString& k : table_->primaryKey) {
        parts << k + QStringLiteral(" = ?");
    }
    return parts.join(QStringLiteral(" and "));
}

void EditableTable::save() {
    db_.transact([&] {
        for (const QVariantList& key : deletedKeys_) {
            db_.exec(QStringLiteral("delete from %1 where %2").arg(table_->name, keyCondition()),
                     key);
        }
        for (const Row& row : rows_) {
            QStringList names;
            QVariantList values;
            for (int i = 0; i < table_->columns.size(); ++i) {
                if (!isAutoKey(table_->columns[i])) {
                    names << table_->columns[i].name;
                    values << row.values[i];
                }
            }
            if (row.original.isEmpty()) {
                QStringList marks(names.size(), QStringLiteral("?"));
                db_.exec(QStringLiteral("insert into %1 (%2) values (%3)")
                             .arg(table_->name, names.join(QStringLiteral(", ")),
                                  marks.join(QStringLiteral(", "))),
                         values);
            } else if (row.changed) {
                db_.exec(
                    QStringLiteral("update %1 set %2 = ? where %3")
                        .arg(table_->name, names.join(QStringLiteral(" = ?, ")), keyCondition()),
                    values + keyOf(row.original));
            }
        }
    });
    load(whereAndOrder_, params_);
}

bool EditableTable::isDirty() const {
    if (!deletedKeys_.isEmpty()) {
        return true;
    }
    for (const Row& row : rows_) {
        if (row.original.isEmpty() || row.changed) {
            return true;
        }
    }
    return false;
}

int EditableTable::column(const QString& field) const {
    for (int i = 0; i < table_->columns.size(); ++i) {
        if (table_->columns[i].name.compare(field, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

int EditableTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int EditableTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(table_->columns.size());
}

QVariant EditableTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < table_->columns.size()) {
        return table_->columns[section].name;
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant EditableTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const QVariant& v = rows_[index.row()].values[index.column()];
    const ColumnType type = table_->columns[index.column()].type;
    if (type == ColumnType::Bool) {
        if (role == Qt::CheckStateRole) {
            return v.toBool() ? Qt::Checked : Qt::Unchecked;
        }
        return role == Qt::EditRole ? v : QVariant();
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    if (type == ColumnType::Decimal) {
        return v.isNull() ? QString() : v.value<Decimal2>().toString();
    }
    return v;
}

bool EditableTable::assign(Row& row, int column, const QVariant& value) {
    const ColumnDef& c = table_->columns[column];
    QVariant stored;
    if (value.isNull() || (value.metaType().id() == QMetaType::QString &&
                           value.toString().trimmed().isEmpty() && c.type != ColumnType::Text)) {
        stored = nullOf(c.type);
    } else {
        switch (c.type) {
            case ColumnType::Text:
                stored = value.toString();
                break;
            case ColumnType::Decimal: {
                if (value.metaType() == QMetaType::fromType<Decimal2>()) {
                    stored = value;
                    break;
                }
                const std::optional<Decimal2> d = Decimal2::parse(value.toString());
                if (!d) {
                    return false;
                }
                stored = QVariant::fromValue(*d);
                break;
            }
            case ColumnType::Date: {
                const QDate d = value.toDate();
                if (!d.isValid()) {
                    return false;
                }
                stored = d;
                break;
            }
            case ColumnType::Bool:
                stored = value.toBool();
                break;
            case ColumnType::Integer: {
                bool ok = false;
                stored = value.toInt(&ok);
                if (!ok) {
                    return false;
                }
                break;
            }
        }
    }
    row.values[column] = stored;
    row.changed = true;
    return true;
}

bool EditableTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid()) {
        return false;
    }
    QVariant v = value;
    if (role == Qt::CheckStateRole) {
        v = value.toInt() == Qt::Checked;
    } else if (role != Qt::EditRole) {
        return false;
    }
    if (!assign(rows_[index.row()], index.column(), v)) {
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags EditableTable::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    if (index.isValid() && table_->columns[index.column()].type == ColumnType::Bool) {
        f |= Qt::ItemIsUserCheckable;
    }
    return f;
}

bool EditableTable::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || row > rows_.size() || count <= 0) {
        return false;
    }
    beginInsertRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i) {
        Row r;
        for (const ColumnDef& c : table_->columns) {
            r.values << (c.type == ColumnType::Decimal ? QVariant::fromValue(Decimal2())
                                                       : nullOf(c.type));
        }
        rows_.insert(row, r);
    }
    endInsertRows();
    return true;
}

bool EditableTable::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count <= 0 || row + count > rows_.size()) {
        return false;
    }
    beginRemoveRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i) {
        if (!rows_[row].original.isEmpty()) {
            deletedKeys_ << keyOf(rows_[row].original);
        }
        rows_.removeAt(row);
    }
    endRemoveRows();
    return true;
}

QVariant EditableTable::value(int row, const QString& field) const {
    return rows_[row].values[column(field)];
}

void EditableTable::setValue(int row, const QString& field, const QVariant& value) {
    setData(index(row, column(field)), value, Qt::EditRole);
}
