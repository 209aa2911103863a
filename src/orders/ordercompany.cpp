#include "orders/ordercompany.h"

#include <QSqlQuery>

#include "store/database.h"

OrderCompany ReadOrderCompany(const Database& db) {
    OrderCompany c;
    QSqlQuery q =
        db.exec(QStringLiteral("select XJF, TZK, MR_KH, MR_KHMC, QXTS, QXSJ from BM_GSXX"));
    if (!q.next()) {
        return c;
    }
    c.XJF = q.value(0).toInt();
    // A factor of 0 would give every discounted product away: it reads as unset.
    c.TZK = Decimal2::fromVariant(q.value(1));
    c.hasTZK = c.TZK > Decimal2();
    c.MR_KH = q.value(2).toString();
    c.MR_KHMC = q.value(3).toString();
    c.QXTS = q.value(4).toInt();
    c.QXSJ = q.value(5).toString();
    return c;
}
