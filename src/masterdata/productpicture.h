#pragma once

#include <QString>

class Database;

// The stored path of a product's picture ("" when none). Throws StoreError.
QString ProductPicturePath(const Database& db, const QString& code);

// Stores the path as the product's picture; false when there is no such
// product (not saved yet). Throws StoreError.
bool StoreProductPicturePath(const Database& db, const QString& code, const QString& path);
