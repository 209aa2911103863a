#pragma once

#include <QString>

#include "store/decimal2.h"

class Database;

// Moves a member's spending, debt and points by a document's amounts (add, or
// take back when `add` is false), keeps the remaining points at total minus
// redeemed and, for members who upgrade automatically, sets the level and its
// discount from the new total. Points count whole, truncated toward zero.
// Runs inside the caller's transaction; a member that does not exist is left
// alone. Throws StoreError.
void UpdateMemberAccount(const Database& db, const QString& memberCode, bool add, Decimal2 spending,
                         Decimal2 debt, Decimal2 points);
