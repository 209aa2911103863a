#include "masterdata/productrecord.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include "store/database.h"

std::optional<ProductRecord> findProduct(const Database& db, const QString& code) {
    QSqlQuery q = db.exec(QStringLiteral("select BM, MC, MJ, SLHS, TXM, XH, DW, SCCJ, TDZ, TJF, "
                                         "CBJJ, JJ, LSJ, SJ1, SJ2, SJ3, SJ4, SJ5, JFGZ "
                                         "from BM_SP where BM = ?"),
                          {code});
    if (!q.next()) {
        return std::nullopt;
    }
    ProductRecord p;
    p.BM = q.value(0).toString();
    p.MC = q.value(1).toString();
    p.MJ = Decimal2::fromVariant(q.value(2));
    p.SLHS = q.value(3).toBool();
    p.TXM = q.value(4).toString();
    p.XH = q.value(5).toString();
    p.DW = q.value(6).toString();
    p.SCCJ = q.value(7).toString();
    p.TDZ = q.value(8).isNull() || q.value(8).toBool();
    p.TJF = q.value(9).toBool();
    p.CBJJ = Decimal2::fromVariant(q.value(10));
    p.JJ = Decimal2::fromVariant(q.value(11));
    for (int i = 0; i < 6; ++i) {
        p.prices[i] = Decimal2::fromVariant(q.value(12 + i));
    }
    p.JFGZ = q.value(18).toString();
    return p;
}
