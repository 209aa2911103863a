#include "orders/orderstore.h"

#include <QSqlQuery>

#include <utility>

#include "store/database.h"

namespace {

using Row = QHash<QString, QVariant>;

template <typename Record>
struct Fields {
    QList<std::pair<const char*, QString Record::*>> texts;
    QList<std::pair<const char*, Decimal2 Record::*>> amounts;
    QList<std::pair<const char*, QDate Record::*>> dates;
    QList<std::pair<const char*, bool Record::*>> flags;

    Row toRow(const Record& r) const {
        Row row;
        for (const auto& [name, field] : texts) {
            row.insert(QString::fromLatin1(name), r.*field);
        }
        for (const auto& [name, field] : amounts) {
            row.insert(QString::fromLatin1(name), QVariant::fromValue(r.*field));
        }
        for (const auto& [name, field] : dates) {
            row.insert(QString::fromLatin1(name), r.*field);
        }
        for (const auto& [name, field] : flags) {
            row.insert(QString::fromLatin1(name), r.*field);
        }
        return row;
    }

    void fromRow(const Row& row, Record& r) const {
        for (const auto& [name, field] : texts) {
            r.*field = row.value(QString::fromLatin1(name)).toString();
        }
        for (const auto& [name, field] : amounts) {
            r.*field = Decimal2::fromVariant(row.value(QString::fromLatin1(name)));
        }
        for (const auto& [name, field] : dates) {
            const QVariant v = row.value(QString::fromLatin1(name));
            r.*field = v.metaType().id() == QMetaType::QDate
                           ? v.toDate()
                           : QDate::fromString(v.toString().left(10), Qt::ISODate);
        }
        for (const auto& [name, field] : flags) {
            r.*field = row.value(QString::fromLatin1(name)).toBool();
        }
    }
};

const Fields<OrderHeader>& headerFields() {
    using H = OrderHeader;
    static const Fields<H> fields{
        {{"ID", &H::ID},       {"SJ", &H::SJ},           {"KHBM", &H::KHBM},
         {"KHMC", &H::KHMC},   {"JBR", &H::JBR},         {"ZDR", &H::ZDR},
         {"SYR", &H::SYR},     {"SYZL", &H::SYZL},       {"HQR", &H::HQR},
         {"HZR", &H::HZR},     {"TXMC", &H::TXMC},       {"YYSK_FS", &H::YYSK_FS},
         {"SS_FS", &H::SS_FS}, {"QXSK_FS", &H::QXSK_FS}, {"BZ", &H::BZ},
         {"YYSH", &H::YYSH},   {"SH", &H::SH},           {"QX", &H::QX},
         {"WC", &H::WC},       {"QXSJ", &H::QXSJ}},
        {{"ZSL", &H::ZSL},
         {"ZMJ", &H::ZMJ},
         {"ZJE", &H::ZJE},
         {"YYSK", &H::YYSK},
         {"SS", &H::SS},
         {"QXSK", &H::QXSK},
         {"QK", &H::QK},
         {"HK", &H::HK},
         {"ZML", &H::ZML},
         {"JF", &H::JF}},
        {{"RQ", &H::RQ},
         {"YYSK_RQ", &H::YYSK_RQ},
         {"SS_RQ", &H::SS_RQ},
         {"QXSK_RQ", &H::QXSK_RQ},
         {"QXRQ", &H::QXRQ},
         {"YYRQ", &H::YYRQ}},
        {}};
    return fields;
}

const Fields<OrderLine>& lineFields() {
    using L = OrderLine;
    static const Fields<L> fields{{{"SPBM", &L::SPBM},
                                   {"SPMC", &L::SPMC},
                                   {"TXM", &L::TXM},
                                   {"XH", &L::XH},
                                   {"DW", &L::DW},
                                   {"SCCJ", &L::SCCJ},
                                   {"BZ", &L::BZ},
                                   {"JFGZ", &L::JFGZ}},
                                  {{"ZQDJ", &L::ZQDJ},
                                   {"SL", &L::SL},
                                   {"MJ", &L::MJ},
                                   {"ZK", &L::ZK},
                                   {"DJ", &L::DJ},
                                   {"JE", &L::JE},
                                   {"JJ", &L::JJ},
                                   {"ML", &L::ML},
                                   {"MXJF", &L::MXJF}},
                                  {},
                                  {{"SLHS", &L::SLHS}, {"TDZ", &L::TDZ}, {"TJF", &L::TJF}}};
    return fields;
}

// TJFJE is empty for a line that earns no points, which a plain amount cannot say.
const QString kTJFJE = QStringLiteral("TJFJE");

DocumentRecord toRecord(const Order& order) {
    DocumentRecord record;
    record.header = headerFields().toRow(order.header);
    for (const OrderLine& line : order.lines) {
        Row row = lineFields().toRow(line);
        row.insert(kTJFJE, line.TJFJE ? QVariant::fromValue(*line.TJFJE) : QVariant());
        record.lines.append(row);
    }
    return record;
}

}  // namespace

OrderStore::OrderStore(const Database& db)
    : db_(db), documents_(db, QStringLiteral("xsd_zb"), QStringLiteral("xsd_mx")) {}

std::optional<Order> OrderStore::load(const QString& id, bool lock) const {
    const std::optional<DocumentRecord> record = documents_.load(id, lock);
    if (!record) {
        return std::nullopt;
    }
    Order order;
    order.isNew = false;
    order.storedVersion = documents_.version(record);
    headerFields().fromRow(record->header, order.header);

    // A quantity change recomputes the area from the product's area per unit.
    QHash<QString, Decimal2> areas;
    QSqlQuery products =
        db_.exec(QStringLiteral(
                     "select BM, MJ from BM_SP where BM in (select SPBM from xsd_mx where ID = ?)"),
                 {id});
    while (products.next()) {
        areas.insert(products.value(0).toString(), Decimal2::fromVariant(products.value(1)));
    }
    for (const Row& row : record->lines) {
        OrderLine line;
        lineFields().fromRow(row, line);
        const QVariant earning = row.value(kTJFJE);
        if (!earning.isNull()) {
            line.TJFJE = Decimal2::fromVariant(earning);
        }
        line.unitArea = areas.value(line.SPBM);
        order.lines.append(line);
    }
    return order;
}

bool OrderStore::hasLines(const QString& id) const {
    return documents_.hasLines(id);
}

void OrderStore::verifyCurrent(const Order& order) const {
    if (documents_.version(documents_.load(order.header.ID, true)) != order.storedVersion) {
        throw DocumentConflict();
    }
}

void OrderStore::write(Order& order) const {
    order.storedVersion = documents_.save(order.header.ID, toRecord(order), order.storedVersion);
}

void OrderStore::remove(const QString& id) const {
    documents_.remove(id);
}
