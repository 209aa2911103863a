#pragma once

#include <QString>

#include "store/decimal2.h"

class Database;

// Gives a member points for introducing a new one: the introducer points and
// the total rise by the amount, the remaining points stay total minus
// redeemed; one atomic update. An empty or unknown code changes nothing. Throws StoreError.
void AddIntroducerPoints(const Database& db, const QString& introducerCode, Decimal2 points);
