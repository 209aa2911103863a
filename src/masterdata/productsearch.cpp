#include "masterdata/productsearch.h"

#include <QSqlQuery>

#include "store/database.h"

namespace {

QString condition(const Database& db) {
    const Dialect& d = db.dialect();
    return QStringLiteral("(%1 or BM = ? or %2)")
        .arg(d.likeContains(QStringLiteral("JP")), d.likeContains(QStringLiteral("TXM")));
}

QVariantList params(const QString& text) {
    const QString pattern = Dialect::containsPattern(text);
    return {pattern, text, pattern};
}

}  // namespace

int CountQuickMatches(const Database& db, const QString& text) {
    return db
        .value(QStringLiteral("select count(BM) from BM_SP where ") + condition(db), params(text))
        .toInt();
}

QStringList QuickMatches(const Database& db, const QString& text) {
    QStringList codes;
    QSqlQuery q = db.exec(QStringLiteral("select BM from BM_SP where ") + condition(db) +
                              QStringLiteral(" order by BM"),
                          params(text));
    while (q.next()) {
        codes << q.value(0).toString();
    }
    return codes;
}
