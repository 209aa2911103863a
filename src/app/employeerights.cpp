#include "app/employeerights.h"

#include <QSqlQuery>

#include "store/database.h"

namespace EmployeeRightsStore {

QList<EmployeeName> employees(const Database& db) {
    QSqlQuery q = db.exec(QStringLiteral("select BM, MC from BM_YG order by BM"));
    QList<EmployeeName> list;
    while (q.next()) {
        list.append({q.value(0).toString(), q.value(1).toString()});
    }
    return list;
}

std::optional<EmployeeRights> load(const Database& db, const QString& code) {
    QSqlQuery q = db.exec(
        QStringLiteral("select BM, MC, QX1, QX2, QX3, QX4, QXQT from BM_YG where BM = ?"), {code});
    if (!q.next()) {
        return std::nullopt;
    }
    EmployeeRights r;
    r.code = q.value(0).toString();
    r.name = q.value(1).toString();
    for (int i = 0; i < 4; ++i) {
        r.menuRights[i] = q.value(2 + i).toString();
    }
    r.otherRights = q.value(6).toString();
    return r;
}

void save(const Database& db, const EmployeeRights& rights) {
    db.transact([&] {
        db.exec(QStringLiteral(
                    "update BM_YG set QX1 = ?, QX2 = ?, QX3 = ?, QX4 = ?, QXQT = ? where BM = ?"),
                {rights.menuRights[0], rights.menuRights[1], rights.menuRights[2],
                 rights.menuRights[3], rights.otherRights, rights.code});
    });
}

}  // namespace EmployeeRightsStore
