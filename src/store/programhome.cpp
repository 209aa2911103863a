#include "store/programhome.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "store/storeerror.h"

namespace {

constexpr auto kFolderPermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// Installed resources live in the program under this prefix, laid out as in a home.
const QString kResourceRoot = QStringLiteral(":/home");

void makeFolder(const QString& path) {
    if (QFileInfo(path).isDir()) {
        return;
    }
    if (!QDir().mkpath(path)) {
        throw StoreError(QStringLiteral("无法创建文件夹 %1").arg(path));
    }
    QFile::setPermissions(path, kFolderPermissions);
}

}  // namespace

ProgramHome::ProgramHome(QString root) : root_(QDir::cleanPath(QDir(root).absolutePath())) {}

ProgramHome ProgramHome::fromArguments(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--home") && i + 1 < arguments.size()) {
            return ProgramHome(arguments[i + 1]);
        }
        if (a.startsWith(QLatin1String("--home="))) {
            return ProgramHome(a.mid(7));
        }
    }
    const QString fromEnvironment = qEnvironmentVariable("ZORLIK_HOME");
    if (!fromEnvironment.isEmpty()) {
        return ProgramHome(fromEnvironment);
    }
    return ProgramHome(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString ProgramHome::filePath(const QString& relative) const {
    return QDir(root_).filePath(relative);
}

bool ProgramHome::isNew() const {
    const QDir dir(root_);
    return !dir.exists() || dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

void ProgramHome::createLayout() const {
    makeFolder(root_);
    makeFolder(dataDir());
    makeFolder(printFormatDir());
    makeFolder(backupDir());
    QDirIterator it(kResourceRoot, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = filePath(source.mid(kResourceRoot.size() + 1));
        if (QFileInfo::exists(target)) {
            continue;
        }
        makeFolder(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target)) {
            throw StoreError(QStringLiteral("无法复制文件 %1").arg(target));
        }
        // Copies from the resource system are read-only; the staff edit templates.
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}
