#include "orders/packageseries.h"

#include <QSqlQuery>

#include "store/database.h"
#include "store/schema.h"

QStringList PackageSeriesNames(const Database& db) {
    QStringList names;
    QSqlQuery q = db.exec(QStringLiteral("select MC from BM_TXLB order by BM"));
    while (q.next()) {
        names << q.value(0).toString();
    }
    return names;
}

QList<PackageItem> PackageSeriesItems(const Database& db, const QString& seriesName) {
    QList<PackageItem> items;
    QSqlQuery q = db.exec(
        QStringLiteral("select BM, SL, DJ from BM_TX where LB = (select BM from BM_TXLB where MC = "
                       "? order by BM limit 1) order by %1")
            .arg(QString::fromLatin1(Schema::kLineKey)),
        {seriesName});
    while (q.next()) {
        items.append({q.value(0).toString(), Decimal2::fromVariant(q.value(1)),
                      Decimal2::fromVariant(q.value(2))});
    }
    return items;
}
