#pragma once

class Database;

// The stored suppliers, unsaved rows of a list not counted.
long long SupplierCount(const Database& db);
