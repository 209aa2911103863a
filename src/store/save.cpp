#include "store/save.h"

#include "store/database.h"
#include "store/storeerror.h"

SaveOutcome runSave(const Database& db, const std::function<void()>& write,
                    const QString& failureText, const std::function<void()>& afterCommit) {
    try {
        db.transact(write);
    } catch (const StoreError& e) {
        return SaveOutcome{false, failureText, e.message()};
    }
    if (afterCommit) {
        afterCommit();
    }
    return SaveOutcome{true, QString(), QString()};
}
