#include "orders/ordercustomer.h"

#include <QSqlQuery>

#include "orders/order.h"
#include "store/database.h"

namespace {

const QString kColumns = QStringLiteral("select BM, MC, JG, HQ, ZK, ZHYE, ZHQK from BM_KH where ");

QList<OrderCustomer> read(QSqlQuery query) {
    QList<OrderCustomer> found;
    while (query.next()) {
        const QVariant hq = query.value(3);
        found.append({query.value(0).toString(), query.value(1).toString(),
                      query.value(2).toString(),
                      hq.metaType().id() == QMetaType::QDate
                          ? hq.toDate()
                          : QDate::fromString(hq.toString().left(10), Qt::ISODate),
                      Decimal2::fromVariant(query.value(4)), Decimal2::fromVariant(query.value(5)),
                      Decimal2::fromVariant(query.value(6))});
    }
    return found;
}

}  // namespace

QList<OrderCustomer> FindOrderCustomers(const Database& db, const QString& text, bool exact) {
    if (exact || text == kWalkInCustomer) {
        return read(db.exec(kColumns + QStringLiteral("BM = ?"), {text}));
    }
    const Dialect& dialect = db.dialect();
    QStringList conditions;
    QVariantList params;
    for (const char* column : {"BM", "KH", "MC", "JP", "DH"}) {
        conditions << dialect.likeContains(QString::fromLatin1(column));
        params << Dialect::containsPattern(text);
    }
    return read(
        db.exec(kColumns + conditions.join(QStringLiteral(" or ")) + QStringLiteral(" order by BM"),
                params));
}

std::optional<OrderCustomer> ReadOrderCustomer(const Database& db, const QString& code) {
    const QList<OrderCustomer> found = FindOrderCustomers(db, code, true);
    if (found.isEmpty()) {
        return std::nullopt;
    }
    return found.first();
}

std::optional<QDate> SetUpDayFor(const OrderCustomer& customer) {
    if (!customer.HQ.isValid()) {
        return std::nullopt;
    }
    return customer.HQ.addDays(-1);
}
