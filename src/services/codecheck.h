#pragma once

#include <QString>

class Database;

// True when a record of the master table already has this code. The table
// name comes from code, never from the operator.
bool CodeTaken(const Database& db, const QString& table, const QString& code);
