#include "accounts/memberaccount.h"

#include <QSqlQuery>

#include "store/database.h"

void UpdateMemberAccount(const Database& db, const QString& memberCode, bool add, Decimal2 spending,
                         Decimal2 debt, Decimal2 points) {
    const int sign = add ? 1 : -1;
    const qlonglong wholePoints = sign * (points.cents() / 100);
    const Dialect& dialect = db.dialect();
    db.transact([&] {
        // One statement, so two workstations approving at once both count.
        db.exec(
            QStringLiteral("update BM_KH set LJXF = %1, ZHQK = %2, ZJF = coalesce(ZJF, 0) + ?, "
                           "SYJF = coalesce(ZJF, 0) + ? - coalesce(DXJF, 0) where BM = ?")
                .arg(dialect.roundMoney(QStringLiteral("coalesce(LJXF, 0) + ?")),
                     dialect.roundMoney(QStringLiteral("coalesce(ZHQK, 0) + ?"))),
            {QVariant::fromValue(sign > 0 ? spending : -spending),
             QVariant::fromValue(sign > 0 ? debt : -debt), wholePoints, wholePoints, memberCode});
        QSqlQuery member =
            db.exec(QStringLiteral("select ZJF, TSJ from BM_KH where BM = ?"), {memberCode});
        if (!member.next() || !member.value(1).toBool()) {
            return;
        }
        const QVariant total = QVariant::fromValue(Decimal2::fromVariant(member.value(0)));
        // Overlapping bands take the level with the lowest code, so the choice is stable.
        QSqlQuery level = db.exec(QStringLiteral("select MC, ZK from BM_KHJB where QJF <= ? and "
                                                 "(ZJF > ? or ZJF = 0) order by BM"),
                                  {total, total});
        const bool found = level.next();
        db.exec(QStringLiteral("update BM_KH set JB = ?, ZK = ? where BM = ?"),
                {found ? level.value(0).toString() : QStringLiteral(""),
                 QVariant::fromValue(found ? Decimal2::fromVariant(level.value(1)) : Decimal2()),
                 memberCode});
    });
}
