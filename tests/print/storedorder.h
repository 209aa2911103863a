#pragma once

#include <QString>

class Database;

// One wedding order written as the order window writes it: the header, three
// lines and the studio's name in the company record.
namespace StoredOrder {

inline constexpr const char* kId = "2026121100100001";

void insert(const Database& db);

}  // namespace StoredOrder
