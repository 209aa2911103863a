#include "masterdata/memberpicklist.h"

#include <QSqlQuery>

#include "store/database.h"
#include "store/decimal2.h"

namespace {

// BM and MC first: code() and name() read them there.
const QStringList& fields() {
    static const QStringList f = {"BM", "MC", "KH",   "XB",   "DH",   "DW",
                                  "DZ", "JP", "SYJF", "ZHYE", "ZHQK", "BZ"};
    return f;
}
constexpr int kFirstMoney = 8;

}  // namespace

MemberPickList::MemberPickList(QObject* parent) : QAbstractTableModel(parent) {}

void MemberPickList::load(const Database& db) {
    QSqlQuery q = db.exec(QStringLiteral("select %1 from BM_KH order by BM asc")
                              .arg(fields().join(QStringLiteral(", "))));
    QList<QStringList> rows;
    const int count = int(fields().size());
    while (q.next()) {
        QStringList row;
        row.reserve(count);
        for (int c = 0; c < count; ++c) {
            const QVariant v = q.value(c);
            row << (c >= kFirstMoney ? Decimal2::fromVariant(v).toString() : v.toString());
        }
        rows << std::move(row);
    }
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

QString MemberPickList::code(int row) const {
    return rows_[row][0];
}

QString MemberPickList::name(int row) const {
    return rows_[row][1];
}

int MemberPickList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
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
    return rows_[index.row()][index.column()];
}
