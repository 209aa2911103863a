#include "masterdata/suppliercount.h"

#include "store/database.h"

long long SupplierCount(const Database& db) {
    return db.value(QStringLiteral("select count(BM) as s from BM_GHS")).toLongLong();
}
