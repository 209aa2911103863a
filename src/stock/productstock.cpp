#include "stock/productstock.h"

#include <QSqlQuery>

#include "store/database.h"
#include "store/decimal4.h"

std::optional<ProductStock> MoveProductStock(const Database& db, const QString& code,
                                             Decimal2 quantity, Decimal2 value) {
    std::optional<ProductStock> stock;
    db.transact([&] {
        QSqlQuery row =
            db.exec(QStringLiteral("select SLHS, KCSL, KCJE, CBJJ from BM_SP where BM = ?%1")
                        .arg(db.dialect().forUpdate()),
                    {code});
        if (!row.next()) {
            return;
        }
        ProductStock s{row.value(0).toBool(), Decimal2::fromVariant(row.value(1)),
                       Decimal2::fromVariant(row.value(2)), Decimal2::fromVariant(row.value(3))};
        if (s.SLHS) {
            const Dialect& dialect = db.dialect();
            // In place, so a second workstation's movement is never lost.
            db.exec(QStringLiteral("update BM_SP set KCSL = %1, KCJE = %2 where BM = ?")
                        .arg(dialect.roundMoney(QStringLiteral("coalesce(KCSL, 0) - ?")),
                             dialect.roundMoney(QStringLiteral("coalesce(KCJE, 0) - ?"))),
                    {QVariant::fromValue(quantity), QVariant::fromValue(value), code});
            s.KCSL -= quantity;
            s.KCJE -= value;
        }
        if (s.KCSL > Decimal2()) {
            s.CBJJ = DivideToCents(s.KCJE, s.KCSL);
            db.exec(QStringLiteral("update BM_SP set CBJJ = ? where BM = ?"),
                    {QVariant::fromValue(s.CBJJ), code});
        }
        stock = s;
    });
    return stock;
}
