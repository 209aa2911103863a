#include "masterdata/productsearch.h"

#include "store/database.h"
#include "store/dialect.h"

namespace {

const char kCondition[] =
    "where (upper(JP) like upper(?) escape '\\' or upper(BM) = upper(?) "
    "or upper(TXM) like upper(?) escape '\\')";

}  // namespace

ProductQuery QuickMatches(const QString& text) {
    const QString contains = Dialect::containsPattern(text);
    return {QString::fromLatin1(kCondition) + QStringLiteral(" order by BM"),
            {contains, text, contains}};
}

int CountQuickMatches(const Database& db, const QString& text) {
    const ProductQuery q = QuickMatches(text);
    return db
        .value(QStringLiteral("select count(BM) from BM_SP ") + QString::fromLatin1(kCondition),
               q.params, 0)
        .toInt();
}
