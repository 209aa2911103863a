#pragma once

#include <QString>

#include <optional>

class Database;

// Why a product may not be deleted: "当前商品在销售单使用过，无法删除！" when
// goods-received, order or stock-taking lines use it; nothing when it is free.
// Throws StoreError.
std::optional<QString> ProductDeleteRefusal(const Database& db, const QString& code);

// Whether the operator's other rights allow clearing the catalogue ("13").
bool MayClearProducts(const QString& operatorRights);

enum class ClearProductsOutcome { Cleared, NotAllowed };

// Deletes the whole catalogue when the operator's other rights hold "13".
// Throws StoreError.
ClearProductsOutcome ClearProducts(const Database& db, const QString& operatorRights);

// What the operator is told for each outcome.
QString ClearProductsMessage(ClearProductsOutcome outcome);
