#include "accounts/memberbalance.h"

#include "store/database.h"

void MoveMemberBalance(const Database& db, const QString& memberCode, Decimal2 amount,
                       const QDate& paidOn) {
    const QString balance = db.dialect().roundMoney(QStringLiteral("coalesce(ZHYE, 0) + ?"));
    if (paidOn.isValid()) {
        db.exec(QStringLiteral("update BM_KH set ZHYE = %1, ZJRQ = ? where BM = ?").arg(balance),
                {QVariant::fromValue(amount), paidOn, memberCode});
    } else {
        db.exec(QStringLiteral("update BM_KH set ZHYE = %1 where BM = ?").arg(balance),
                {QVariant::fromValue(amount), memberCode});
    }
}

void MoveMemberDebt(const Database& db, const QString& memberCode, Decimal2 amount) {
    db.exec(QStringLiteral("update BM_KH set ZHQK = %1 where BM = ?")
                .arg(db.dialect().roundMoney(QStringLiteral("coalesce(ZHQK, 0) + ?"))),
            {QVariant::fromValue(amount), memberCode});
}
