#include "app/exitbackup.h"

#include <QDir>
#include <QFileInfo>

#include "app/weekdayname.h"
#include "maintenance/backup.h"
#include "store/database.h"
#include "store/programhome.h"
#include "store/storeerror.h"

namespace {

ExitBackup::Target targetIn(const Database& db, const ProgramHome& home, const QString& fileName) {
    // Stored with a trailing separator by the company window; either slash is accepted.
    const QString configured =
        db.value(QStringLiteral("select BF from BM_GSXX")).toString().replace(u'\\', u'/');
    const QString folder =
        configured.trimmed().isEmpty() ? QString() : QDir(home.root()).absoluteFilePath(configured);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        return {QDir(folder).filePath(fileName), false};
    }
    return {QDir(home.backupDir()).filePath(fileName), true};
}

}  // namespace

namespace ExitBackup {

Target dated(const Database& db, const ProgramHome& home, const QDate& today) {
    return targetIn(db, home, today.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".bak"));
}

Target weekday(const Database& db, const ProgramHome& home, const QDate& today) {
    return targetIn(db, home, weekdayName(today) + QStringLiteral(".bak"));
}

void write(const Database& db, const Target& target) {
    const QString folder = QFileInfo(target.file).absolutePath();
    if (!QDir().mkpath(folder)) {
        throw StoreError(QStringLiteral("无法创建文件夹 %1").arg(folder));
    }
    DatabaseBackup::write(db, target.file);
}

}  // namespace ExitBackup
