#include "masterdata/productcategory.h"

#include <QSqlQuery>

#include "store/database.h"
#include "store/dialect.h"

QList<ProductCategory> LoadProductCategories(const Database& db) {
    QSqlQuery q = db.exec(QStringLiteral("select BM, MC, JFGZ from BM_SPLB order by BM"));
    QList<ProductCategory> categories;
    while (q.next()) {
        categories << ProductCategory{q.value(0).toString(), q.value(1).toString(),
                                      q.value(2).toString()};
    }
    return categories;
}

QString CategoryNodeText(const ProductCategory& category) {
    return category.BM + QLatin1Char('.') + category.MC;
}

ProductQuery ProductsOfCategory(const QString& category) {
    if (category == QLatin1String(kRootCategory)) {
        return {QStringLiteral("where coalesce(LB, '') <> '' order by BM"), {}};
    }
    return {QStringLiteral("where LB like ? escape '\\' order by BM"),
            {Dialect::likeLiteral(category) + QLatin1Char('%')}};
}

QString DefaultPointsRule(const Database& db, const QString& category) {
    if (category == QLatin1String(kRootCategory)) {
        return db.value(QStringLiteral("select JFGZ from BM_SPLB order by BM")).toString();
    }
    return db.value(QStringLiteral("select JFGZ from BM_SPLB where BM = ?"), {category}).toString();
}

void ApplyCategoryPointsRules(const Database& db) {
    db.exec(
        QStringLiteral("update BM_SP set JFGZ = (select l.JFGZ from BM_SPLB l "
                       "where l.BM = BM_SP.LB) "
                       "where exists (select 1 from BM_SPLB l where l.BM = BM_SP.LB)"));
}
