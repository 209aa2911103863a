#pragma once

#include <QString>

#include <functional>

class Database;

struct SaveOutcome {
    bool ok = false;
    QString message;  // the window's failure text when the save failed
    QString detail;   // what the database said
};

// The save of a window: `write` sends the header and then the lines inside one
// transaction; any failure rolls all of it back and answers with the window's
// failure text. `afterCommit` (taking the document number, say) runs only once
// the commit has succeeded; its own failures are the caller's.
SaveOutcome runSave(const Database& db, const std::function<void()>& write,
                    const QString& failureText, const std::function<void()>& afterCommit = {});
