#pragma once

#include <QString>

#include <array>
#include <optional>

#include "store/decimal2.h"

class Database;

// What an order, return or package line takes from a product of BM_SP.
struct ProductRecord {
    QString BM;
    QString MC;
    Decimal2 MJ;
    bool SLHS = false;
    QString TXM;
    QString XH;
    QString DW;
    QString SCCJ;
    bool TDZ = true;  // an empty flag counts as "discounts apply"
    bool TJF = false;
    Decimal2 CBJJ;
    Decimal2 JJ;
    std::array<Decimal2, 6> prices;  // LSJ, SJ1 … SJ5
    QString JFGZ;
};

// The product with that code; nothing when there is none. Throws StoreError.
std::optional<ProductRecord> findProduct(const Database& db, const QString& code);
