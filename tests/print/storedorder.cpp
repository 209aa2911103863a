#include "storedorder.h"

#include <QDate>

#include "store/database.h"
#include "store/decimal2.h"

namespace StoredOrder {

void insert(const Database& db) {
    const QString id = QString::fromLatin1(kId);
    db.exec(QStringLiteral("insert into xsd_zb (ID, RQ, KHBM, KHMC, JBR, ZJE, YYSK, SS, QK, SH) "
                           "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {id, QDate(2026, 12, 11), QStringLiteral("000101"), QStringLiteral("李小红"),
             QStringLiteral("王芳"), QVariant::fromValue(Decimal2::fromCents(880000)),
             QVariant::fromValue(Decimal2::fromCents(200000)),
             QVariant::fromValue(Decimal2::fromCents(300000)),
             QVariant::fromValue(Decimal2::fromCents(380000)), QStringLiteral("T")});
    // Written out of name order: the lines print in the order they were written.
    const QStringList names = {QStringLiteral("婚纱照"), QStringLiteral("相册"),
                               QStringLiteral("化妆")};
    for (int i = 0; i < names.size(); ++i) {
        db.exec(QStringLiteral("insert into xsd_mx (ID, SPBM, SPMC, SL, DJ, JE) "
                               "values (?, ?, ?, ?, ?, ?)"),
                {id, QStringLiteral("1000%1").arg(3 - i), names[i],
                 QVariant::fromValue(Decimal2::fromUnits(i + 1)),
                 QVariant::fromValue(Decimal2::fromUnits(1000)),
                 QVariant::fromValue(Decimal2::fromUnits((i + 1) * 1000))});
    }
    db.exec(QStringLiteral("update BM_GSXX set GSMC = ?, DH = ?"),
            {QStringLiteral("幸福婚纱摄影"), QStringLiteral("0571-88886666")});
}

}  // namespace StoredOrder
