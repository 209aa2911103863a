#include "orders/orderstaff.h"

#include <QSqlQuery>

#include "store/database.h"

OrderStaff ReadOrderStaff(const Database& db, const QString& operatorName) {
    OrderStaff staff;
    QSqlQuery q = db.exec(QStringLiteral("select MC from BM_YG where BM <> '000' order by BM"));
    while (q.next()) {
        if (!q.value(0).toString().isEmpty()) {
            staff.names << q.value(0).toString();
        }
    }
    staff.operatorName =
        db.value(QStringLiteral("select MC from BM_YG where MC = ?"), {operatorName}).toString();
    return staff;
}
