#include "services/codecheck.h"

#include <QRegularExpression>

#include "store/database.h"
#include "store/storeerror.h"

bool CodeTaken(const Database& db, const QString& table, const QString& code) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(table).hasMatch()) {
        throw StoreError(QStringLiteral("表名不正确：%1").arg(table));
    }
    return db.exec(QStringLiteral("select BM from %1 where BM = ?").arg(table), {code}).next();
}
