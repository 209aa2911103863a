#pragma once

#include <QString>

// BM_YG.MM holds a PBKDF2 hash; rows imported or edited by hand may still hold
// the password as typed.
namespace StoredPassword {

bool matches(const QString& typed, const QString& stored);

}  // namespace StoredPassword
