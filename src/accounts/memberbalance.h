#pragma once

#include <QDate>
#include <QString>

#include "store/decimal2.h"

class Database;

// Pays from (a negative amount) or back into (positive) a member's prepaid
// balance; a valid `paidOn` is recorded as the last day the balance moved.
// Runs inside the caller's transaction; throws StoreError.
void MoveMemberBalance(const Database& db, const QString& memberCode, Decimal2 amount,
                       const QDate& paidOn);

// Raises (positive) or lowers (negative) a member's debt.
void MoveMemberDebt(const Database& db, const QString& memberCode, Decimal2 amount);
