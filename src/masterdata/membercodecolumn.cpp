#include "masterdata/membercodecolumn.h"

#include "masterdata/member.h"
#include "masterdata/membercode.h"
#include "store/editabletable.h"

MemberCodeColumn::MemberCodeColumn(EditableTable* table, List list, CodeCheck accepted,
                                   QObject* parent)
    : QObject(parent),
      table_(table),
      list_(list),
      accepted_(std::move(accepted)),
      codeColumn_(table->column(QStringLiteral("BM"))) {
    connect(table_, &QAbstractItemModel::modelReset, this, &MemberCodeColumn::remember);
    connect(table_, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                codes_.remove(first, last - first + 1);
            });
    connect(table_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { rowsAdded(first, last); });
    connect(table_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& tl, const QModelIndex& br) {
                cellsChanged(tl.row(), br.row(), tl.column(), br.column());
            });
    remember();
}

void MemberCodeColumn::remember() {
    codes_.clear();
    for (int r = 0; r < table_->rowCount(); ++r) {
        codes_ << table_->value(r, QStringLiteral("BM")).toString();
    }
}

void MemberCodeColumn::rowsAdded(int first, int last) {
    const QString proposal = NextMemberCodeAfter(codes_);
    for (int r = first; r <= last; ++r) {
        codes_.insert(r, QString());
    }
    const bool oneAppended = first == last && last == table_->rowCount() - 1;
    if (list_ == List::Members && oneAppended && !proposal.isEmpty()) {
        table_->setValue(first, QStringLiteral("BM"), proposal);
    }
}

void MemberCodeColumn::cellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    if (busy_ || codeColumn_ < firstColumn || codeColumn_ > lastColumn) {
        return;
    }
    busy_ = true;
    for (int r = firstRow; r <= lastRow && r < codes_.size(); ++r) {
        const QString code = table_->value(r, QStringLiteral("BM")).toString();
        if (code == codes_[r]) {
            continue;
        }
        if (!code.isEmpty() && !accepted_(code)) {
            table_->setValue(r, QStringLiteral("BM"), codes_[r]);
            continue;
        }
        codes_[r] = code;
        if (list_ == List::Members) {
            table_->setValue(r, QStringLiteral("JG"), MemberPriceLevels().first());
        }
        table_->setValue(r, QStringLiteral("ZK"), QVariant::fromValue(Decimal2::fromUnits(1)));
    }
    busy_ = false;
}
