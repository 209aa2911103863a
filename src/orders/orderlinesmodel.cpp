#include "orders/orderlinesmodel.h"

#include "masterdata/productrecord.h"
#include "store/storeerror.h"

namespace {

const char* const kFieldNames[] = {"ID",   "SPBM", "SPMC", "SLHS",  "TXM", "XH", "DW",
                                   "SCCJ", "ZQDJ", "SL",   "MJ",    "ZK",  "DJ", "JE",
                                   "JJ",   "ML",   "BZ",   "TJFJE", "MXJF"};

std::optional<LineField> editableField(int column) {
    switch (column) {
        case OrderLinesModel::ZQDJ:
            return LineField::ZQDJ;
        case OrderLinesModel::SL:
            return LineField::SL;
        case OrderLinesModel::ZK:
            return LineField::ZK;
        case OrderLinesModel::DJ:
            return LineField::DJ;
        case OrderLinesModel::JE:
            return LineField::JE;
        case OrderLinesModel::MXJF:
            return LineField::MXJF;
        default:
            return std::nullopt;
    }
}

}  // namespace

OrderLinesModel::OrderLinesModel(const Database& db, QObject* parent)
    : QAbstractTableModel(parent), db_(db) {}

void OrderLinesModel::setLines(const QString& orderId, const QList<OrderLine>& lines) {
    beginResetModel();
    orderId_ = orderId;
    lines_ = lines;
    endResetModel();
    emit linesChanged();
}

void OrderLinesModel::setPricing(int priceLevel, Decimal2 currentDiscount, int pointsDivisor) {
    priceLevel_ = priceLevel;
    currentDiscount_ = currentDiscount;
    pointsDivisor_ = pointsDivisor;
}

void OrderLinesModel::setLocked(bool locked) {
    locked_ = locked;
    if (!lines_.isEmpty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
}

int OrderLinesModel::appendLine() {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    lines_.append(OrderLine{});
    endInsertRows();
    return row;
}

void OrderLinesModel::removeLine(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    beginRemoveRows({}, row, row);
    lines_.removeAt(row);
    endRemoveRows();
    emit linesChanged();
}

bool OrderLinesModel::setProductCode(int row, const QString& code) {
    if (row < 0 || row >= rowCount()) {
        return false;
    }
    std::optional<ProductRecord> product;
    try {
        product = findProduct(db_, code.trimmed());
    } catch (const StoreError&) {
        emit refused(LineMessages::kFillFailed);
        return false;
    }
    const LineFill fill = FillLine(product, priceLevel_, currentDiscount_, pointsDivisor_);
    if (!fill.line) {
        emit refused(fill.error);
        return false;
    }
    OrderLine filled = *fill.line;
    filled.BZ = lines_[row].BZ;
    lines_[row] = filled;
    rowChanged(row);
    return true;
}

bool OrderLinesModel::changeField(int row, LineField field, Decimal2 value) {
    if (row < 0 || row >= rowCount()) {
        return false;
    }
    if (const std::optional<QString> error =
            ChangeLine(lines_[row], field, value, pointsDivisor_)) {
        emit refused(*error);
        return false;
    }
    rowChanged(row);
    return true;
}

void OrderLinesModel::rowChanged(int row) {
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit linesChanged();
}

int OrderLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(lines_.size());
}

int OrderLinesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OrderLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    const OrderLine& l = lines_.at(index.row());
    const auto amount = [](Decimal2 v) { return QVariant(v.toString()); };
    switch (index.column()) {
        case ID:
            return orderId_;
        case SPBM:
            return l.SPBM;
        case SPMC:
            return l.SPMC;
        case SLHS:
            return l.SLHS ? QStringLiteral("是") : QStringLiteral("否");
        case TXM:
            return l.TXM;
        case XH:
            return l.XH;
        case DW:
            return l.DW;
        case SCCJ:
            return l.SCCJ;
        case ZQDJ:
            return amount(l.ZQDJ);
        case SL:
            return amount(l.SL);
        case MJ:
            return amount(l.MJ);
        case ZK:
            return amount(l.ZK);
        case DJ:
            return amount(l.DJ);
        case JE:
            return amount(l.JE);
        case JJ:
            return amount(l.JJ);
        case ML:
            return amount(l.ML);
        case BZ:
            return l.BZ;
        case TJFJE:
            return l.TJFJE ? amount(*l.TJFJE) : QVariant();
        case MXJF:
            return amount(l.MXJF);
        default:
            return {};
    }
}

QVariant OrderLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount) {
        return QString::fromLatin1(kFieldNames[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags OrderLinesModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const int c = index.column();
    if (!locked_ && (c == SPBM || c == BZ || editableField(c))) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

bool OrderLinesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || locked_) {
        return false;
    }
    const int row = index.row();
    const QString text = value.toString().trimmed();
    if (index.column() == SPBM) {
        if (text == lines_[row].SPBM) {
            return true;
        }
        return setProductCode(row, text);
    }
    if (index.column() == BZ) {
        lines_[row].BZ = value.toString();
        emit dataChanged(index, index);
        return true;
    }
    const std::optional<LineField> field = editableField(index.column());
    if (!field) {
        return false;
    }
    const std::optional<Decimal2> number = Decimal2::parse(text);
    if (!number) {
        emit refused(QStringLiteral("“%1”不是有效的数字，请重新输入！").arg(value.toString()));
        return false;
    }
    return changeField(row, *field, *number);
}
