#include "masterdata/packageseries.h"

#include <QSqlQuery>

#include "masterdata/productrecord.h"
#include "store/database.h"
#include "store/editabletable.h"
#include "store/schema.h"

namespace {

QString inWrittenOrder() {
    return QStringLiteral(" order by ") + QString::fromLatin1(Schema::kLineKey);
}

}  // namespace

QStringList PackageSeriesNames(const Database& db) {
    QSqlQuery q = db.exec(QStringLiteral("select MC from BM_TXLB order by BM"));
    QStringList names;
    while (q.next()) {
        names << q.value(0).toString();
    }
    return names;
}

std::optional<QString> PackageSeriesCode(const Database& db, const QString& name) {
    QSqlQuery q =
        db.exec(QStringLiteral("select BM from BM_TXLB where MC = ? order by BM"), {name});
    if (!q.next()) {
        return std::nullopt;
    }
    return q.value(0).toString();
}

QList<PackageLine> PackageSeriesLines(const Database& db, const QString& seriesCode) {
    QSqlQuery q =
        db.exec(QStringLiteral("select BM, MC, SL, DJ from BM_TX where LB = ?") + inWrittenOrder(),
                {seriesCode});
    QList<PackageLine> lines;
    while (q.next()) {
        lines << PackageLine{q.value(0).toString(), q.value(1).toString(),
                             Decimal2::fromVariant(q.value(2)), Decimal2::fromVariant(q.value(3))};
    }
    return lines;
}

void LoadPackageContents(EditableTable& contents, const std::optional<QString>& seriesCode) {
    if (seriesCode) {
        contents.load(QStringLiteral("where LB = ?") + inWrittenOrder(), {*seriesCode});
    } else {
        contents.load(QStringLiteral("where 1 = 0"));
    }
}

void AddProductToSeries(EditableTable& contents, const ProductRecord& product,
                        const QString& seriesCode) {
    const int row = contents.rowCount();
    contents.insertRows(row, 1);
    contents.setValue(row, QStringLiteral("BM"), product.BM);
    contents.setValue(row, QStringLiteral("MC"), product.MC);
    contents.setValue(row, QStringLiteral("SL"), QVariant::fromValue(Decimal2::fromUnits(1)));
    contents.setValue(row, QStringLiteral("DJ"), QVariant::fromValue(product.prices[0]));
    contents.setValue(row, QStringLiteral("LB"), seriesCode);
}
