#include "app/passwordchange.h"

#include "app/storedpassword.h"
#include "store/database.h"
#include "store/passwordhash.h"

namespace PasswordChange {

Result change(const Database& db, const QString& operatorCode, const QString& oldPassword,
              const QString& newPassword, const QString& repeated) {
    const QVariant stored =
        db.value(QStringLiteral("select MM from BM_YG where BM = ?"), {operatorCode});
    // No row: the operator was deleted meanwhile, and nothing would be changed.
    if (!stored.isValid() || !StoredPassword::matches(oldPassword, stored.toString())) {
        return Result::WrongOldPassword;
    }
    if (newPassword.isEmpty()) {
        return Result::EmptyNewPassword;
    }
    if (newPassword != repeated) {
        return Result::Mismatch;
    }
    db.exec(QStringLiteral("update BM_YG set MM = ? where BM = ?"),
            {PasswordHash::make(newPassword), operatorCode});
    return Result::Changed;
}

}  // namespace PasswordChange
