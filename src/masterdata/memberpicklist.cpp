#include "masterdata/memberpicklist.h"

#include <QSqlQuery>

#include "store/database.h"

namespace {

// BM and MC first: code() and name() read them there.
const QStringList& fields() {
    static const QStringList f = {"BM", "MC", "KH",   "XB",   "DH",   "DW",
                                  "DZ", "JP", "SYJF", "ZHYE", "ZHQK", "BZ"};
    return f;
}

}  // namespace

MemberPickList::MemberPickList(QObject* parent) : QAbstractTableModel(parent) {}

void MemberPickList::load(const Database& db) {
    QSqlQuery q = db.exec(QStringLiteral("select %1 from BM_KH order by BM asc")
                              .arg(fields().join(QStringLiteral(", "))));
    QStringList cells;
    const int count = int(fields().size());
    while (q.next()) {
        for (int c = 0; c < count; ++c) {
            cells << q.value(c).toString();  // the grid formats the money columns
        }
    }
    beginResetModel();
    cells_ = std::move(cells);
    endResetModel();
}

QString MemberPickList::code(int row) const {
    return cells_[qsizetype(row) * fields().size()];
}

QString MemberPickList::name(int row) const {
    return cells_[qsizetype(row) * fields().size() + 1];
}

int MemberPickList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(cells_.size() / fields().size());
}

int MemberPickList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(fields().size());
}

QVariant MemberPickList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < fields().size()) {
        return fields()[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant MemberPickList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return cells_[qsizetype(index.row()) * fields().size() + index.column()];
}
