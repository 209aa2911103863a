#include "masterdata/productpicture.h"

#include "store/database.h"

QString ProductPicturePath(const Database& db, const QString& code) {
    return db.value(QStringLiteral("select TP from BM_SP where BM = ?"), {code}).toString();
}

bool StoreProductPicturePath(const Database& db, const QString& code, const QString& path) {
    return db.exec(QStringLiteral("update BM_SP set TP = ? where BM = ?"), {path, code})
               .numRowsAffected() > 0;
}
