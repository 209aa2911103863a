#include "app/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SingleInstance::SingleInstance(const QString& homeFolder)
    : lock_(QDir(homeFolder).filePath(QStringLiteral(".zorlik.lock"))) {
    // A run may last for days: only a lock whose process is gone is stale.
    lock_.setStaleLockTime(0);
    // A new home is owner-only, as the rest of its layout.
    if (!QFileInfo(homeFolder).isDir() && QDir().mkpath(homeFolder)) {
        QFile::setPermissions(
            homeFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    acquired_ = lock_.tryLock(0);
}
