#pragma once

#include <QString>

// Login passwords are kept as salted PBKDF2-SHA256 hashes, never as typed.
namespace PasswordHash {

// The password of the administrator "sa" in a new database, shown by the login hint.
inline constexpr auto kDefaultPassword = "888";

QString make(const QString& password);
// Whether a stored value is one of our hashes (rows from elsewhere may hold the password as typed).
bool isHash(const QString& stored);
bool verify(const QString& password, const QString& stored);

}  // namespace PasswordHash
