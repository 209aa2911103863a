#pragma once

#include <QString>

#include <optional>

#include "store/decimal2.h"

class Database;

struct ProductStock {
    bool SLHS = false;  // stock is counted for this product
    Decimal2 KCSL;
    Decimal2 KCJE;
    Decimal2 CBJJ;
};

// Takes goods out of stock (a positive quantity) or puts them back (negative):
// a counted product moves quantity and value in place; every product's average
// cost then follows its stock while any is left. Nothing when the product does
// not exist. Runs inside the caller's transaction; throws StoreError.
std::optional<ProductStock> MoveProductStock(const Database& db, const QString& code,
                                             Decimal2 quantity, Decimal2 value);
