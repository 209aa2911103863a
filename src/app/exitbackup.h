#pragma once

#include <QDate>
#include <QString>

class Database;
class ProgramHome;

// The two backups every close request of the main window makes: the dated one
// when the operator asks for it, the weekday one always.
namespace ExitBackup {

struct Target {
    QString file;
    bool fallback = false;  // the company's backup folder is missing: the home's backup/
};

// BM_GSXX.BF, relative to the home, + "yyyymmdd.bak". Throws StoreError.
Target dated(const Database& db, const ProgramHome& home, const QDate& today);
// The same folder + "星期一.bak" and so on. Throws StoreError.
Target weekday(const Database& db, const ProgramHome& home, const QDate& today);

// Writes the snapshot, creating the fallback folder when needed. Throws StoreError.
void write(const Database& db, const Target& target);

}  // namespace ExitBackup
