#include "accounts/introducerpoints.h"

#include "store/database.h"

void AddIntroducerPoints(const Database& db, const QString& introducerCode, Decimal2 points) {
    if (introducerCode.isEmpty() || points.isZero()) {
        return;
    }
    const Dialect& d = db.dialect();
    const QVariant p = QVariant::fromValue(points);
    db.exec(QStringLiteral("update BM_KH set JSRJF = %1, ZJF = %2, SYJF = %3 where BM = ?")
                .arg(d.roundMoney(QStringLiteral("coalesce(JSRJF, 0) + ?")),
                     d.roundMoney(QStringLiteral("coalesce(ZJF, 0) + ?")),
                     d.roundMoney(QStringLiteral("coalesce(ZJF, 0) + ? - coalesce(DXJF, 0)"))),
            {p, p, p, introducerCode});
}
