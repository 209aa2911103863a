#pragma once

#include <QString>

class Database;

namespace PasswordChange {

enum class Result { WrongOldPassword, EmptyNewPassword, Mismatch, Changed };

// Changes the operator's own password; the new one is stored hashed.
// Throws StoreError when the database fails.
Result change(const Database& db, const QString& operatorCode, const QString& oldPassword,
              const QString& newPassword, const QString& repeated);

}  // namespace PasswordChange
