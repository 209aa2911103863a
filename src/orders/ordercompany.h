#pragma once

#include <QString>

#include "store/decimal2.h"

class Database;

// The company values the order window works with (BM_GSXX).
struct OrderCompany {
    int XJF = 0;          // money per point
    Decimal2 TZK;         // the discount new lines start with
    bool hasTZK = false;  // TZK was filled in
    QString MR_KH;        // the default customer of a new order
    QString MR_KHMC;
    int QXTS = 0;  // days until pick-up
    QString QXSJ;  // pick-up time

    // The discount of Algorithm D before any member is read: TZK, else 1.
    Decimal2 startDiscount() const { return hasTZK ? TZK : Decimal2::fromUnits(1); }
};

// Throws StoreError; an empty company table gives the defaults.
OrderCompany ReadOrderCompany(const Database& db);
