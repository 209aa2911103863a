#include "widgets/ui/gridmodel.h"

#include "store/decimal2.h"

GridModel::GridModel(QObject* parent) : QIdentityProxyModel(parent) {}

QList<int> GridModel::setColumns(const QList<GridColumn>& columns) {
    beginResetModel();
    columns_ = columns;
    byColumn_.fill(-1, sourceModel() ? sourceModel()->columnCount() : 0);
    QList<int> sourceColumns;
    for (qsizetype i = 0; i < columns_.size(); ++i) {
        int found = -1;
        for (int c = 0; c < byColumn_.size(); ++c) {
            const QString name = sourceModel()->headerData(c, Qt::Horizontal).toString();
            if (name.compare(columns_[i].field, Qt::CaseInsensitive) == 0) {
                found = c;
                byColumn_[c] = int(i);
                break;
            }
        }
        sourceColumns.append(found);
    }
    endResetModel();
    return sourceColumns;
}

const GridColumn* GridModel::columnAt(int sourceColumn) const {
    if (sourceColumn < 0 || sourceColumn >= byColumn_.size() || byColumn_[sourceColumn] < 0) {
        return nullptr;
    }
    return &columns_[byColumn_[sourceColumn]];
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        if (const GridColumn* c = columnAt(section)) {
            return c->caption;
        }
    }
    return QIdentityProxyModel::headerData(section, orientation, role);
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QIdentityProxyModel::flags(index);
    const GridColumn* c = columnAt(index.column());
    if (!c || c->readOnly) {
        f &= ~Qt::ItemIsEditable;
    }
    return f;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    const QVariant value = QIdentityProxyModel::data(index, role);
    if (role == Qt::DisplayRole) {
        const GridColumn* c = columnAt(index.column());
        if (c && c->money && !value.isNull() && !value.toString().isEmpty()) {
            return Decimal2::fromVariant(value).toString();
        }
    }
    if (role == Qt::TextAlignmentRole) {
        const GridColumn* c = columnAt(index.column());
        if (c && c->money) {
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    return value;
}
