#include "app/storedpassword.h"

#include "store/passwordhash.h"

namespace StoredPassword {

bool matches(const QString& typed, const QString& stored) {
    // A hash is never compared as text: typing the hash itself must not log in.
    return PasswordHash::isHash(stored) ? PasswordHash::verify(typed, stored) : typed == stored;
}

}  // namespace StoredPassword
