#include "app/storedpassword.h"

#include "store/passwordhash.h"

namespace StoredPassword {

bool isHashed(const QString& stored) {
    return stored.startsWith(QLatin1String("pbkdf2-sha256$"));
}

bool matches(const QString& typed, const QString& stored) {
    // A hash is never compared as text: typing the hash itself must not log in.
    return isHashed(stored) ? PasswordHash::verify(typed, stored) : typed == stored;
}

}  // namespace StoredPassword
