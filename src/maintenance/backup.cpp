#include "maintenance/backup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "store/database.h"
#include "store/storeerror.h"

namespace {

constexpr auto kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr int kDumpTimeoutMs = 10 * 60 * 1000;

QString failure(const QString& target, const QString& reason) {
    return QStringLiteral("无法写入备份 %1：%2").arg(target, reason);
}

void syncPath(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0) {
        throw StoreError(failure(path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    const int rc = ::fsync(fd);
    const int savedErrno = errno;
    ::close(fd);
    if (rc != 0) {
        throw StoreError(failure(path, QString::fromLocal8Bit(std::strerror(savedErrno))));
    }
}

void snapshotSqlite(const Database& db, const QString& work) {
    // VACUUM INTO wants a file that does not exist or is empty; an empty
    // owner-only file gives the snapshot its permissions.
    QFile file(work);
    if (!file.open(QIODevice::NewOnly | QIODevice::WriteOnly) || !file.setPermissions(kOwnerOnly)) {
        throw StoreError(failure(work, file.errorString()));
    }
    file.close();
    db.exec(QStringLiteral("VACUUM INTO ?"), {work});
}

void dumpPostgres(const Database& db, const QString& work) {
    const QString pgDump = QStandardPaths::findExecutable(QStringLiteral("pg_dump"));
    if (pgDump.isEmpty()) {
        throw StoreError(failure(work, QStringLiteral("找不到 pg_dump 程序")));
    }
    const ConnectionSettings& s = db.settings();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PGHOST"), s.host);
    env.insert(QStringLiteral("PGPORT"), QString::number(s.port));
    env.insert(QStringLiteral("PGUSER"), s.user);
    env.insert(QStringLiteral("PGPASSWORD"), s.password);
    env.insert(QStringLiteral("PGDATABASE"), s.name);
    QProcess dump;
    dump.setProcessEnvironment(env);
    dump.setProcessChannelMode(QProcess::SeparateChannels);
    dump.start(pgDump, {QStringLiteral("--format=custom"), QStringLiteral("--no-password"),
                        QStringLiteral("--file=") + work});
    if (!dump.waitForStarted() || !dump.waitForFinished(kDumpTimeoutMs)) {
        dump.kill();
        dump.waitForFinished();
        throw StoreError(failure(work, dump.errorString()));
    }
    if (dump.exitStatus() != QProcess::NormalExit || dump.exitCode() != 0) {
        throw StoreError(
            failure(work, QString::fromLocal8Bit(dump.readAllStandardError()).trimmed()));
    }
    QFile::setPermissions(work, kOwnerOnly);
}

}  // namespace

namespace DatabaseBackup {

void write(const Database& db, const QString& targetFile) {
    const QFileInfo target(targetFile);
    const QString work = target.absoluteFilePath() + QStringLiteral(".part");
    QFile::remove(work);  // left behind by an interrupted backup
    try {
        if (db.dialect().engine() == Engine::Sqlite) {
            snapshotSqlite(db, work);
        } else {
            dumpPostgres(db, work);
        }
        syncPath(work, O_RDONLY);
        if (std::rename(QFile::encodeName(work).constData(),
                        QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
            throw StoreError(failure(targetFile, QString::fromLocal8Bit(std::strerror(errno))));
        }
        syncPath(target.absolutePath(), O_RDONLY | O_DIRECTORY);
    } catch (...) {
        QFile::remove(work);
        throw;
    }
}

}  // namespace DatabaseBackup
