#include "store/database.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

#include <sys/vfs.h>

#include "store/storeerror.h"
#include "store/transaction.h"

namespace {

QAtomicInt connectionCounter;

// SQLite's WAL needs shared memory that network filesystems do not provide.
bool onNetworkFilesystem(const QString& path) {
    struct statfs info {};
    if (statfs(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &info) != 0) {
        return false;
    }
    switch (static_cast<unsigned long>(info.f_type)) {
        case 0x6969UL:      // NFS
        case 0x517BUL:      // SMB
        case 0xFF534D42UL:  // CIFS
        case 0xFE534D42UL:  // SMB2
        case 0x65735546UL:  // FUSE (sshfs and friends)
        case 0x564C:        // NCP
            return true;
        default:
            return false;
    }
}

constexpr int kRetries = 3;

}  // namespace

Database::Database()
    : connectionName_(QStringLiteral("zorlik-%1").arg(connectionCounter.fetchAndAddRelaxed(1))) {}

Database::~Database() {
    close();
}

void Database::createSqliteFile(const QString& path) {
    if (QFileInfo::exists(path)) {
        throw StoreError(QStringLiteral("数据库文件已存在：%1").arg(path));
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        throw StoreError(QStringLiteral("无法创建文件夹 %1").arg(folder));
    }
    QFile file(path);
    // SQLite gives the -wal and -shm files the permissions of the database file.
    if (!file.open(QIODevice::NewOnly | QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        throw StoreError(QStringLiteral("无法创建数据库文件 %1：%2").arg(path, file.errorString()));
    }
}

void Database::open(const ConnectionSettings& settings) {
    close();
    settings_ = settings;
    dialect_ = Dialect(settings.engine);
    warning_.clear();
    if (settings.engine == Engine::Sqlite) {
        openSqlite();
    } else {
        openPostgres();
    }
}

void Database::openSqlite() {
    const QFileInfo file(settings_.sqliteFile);
    if (!file.isFile()) {
        throw StoreError(QStringLiteral("数据库文件不存在：%1").arg(settings_.sqliteFile));
    }
    QSqlError failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
        db.setDatabaseName(file.absoluteFilePath());
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            failure = db.lastError();
        }
    }
    if (failure.isValid()) {
        close();
        throw StoreError::fromSql(QStringLiteral("无法打开数据库 %1").arg(settings_.sqliteFile),
                                  failure);
    }
    try {
        const bool network = onNetworkFilesystem(file.absoluteFilePath());
        // Reading the schema first tells a file that is not a database.
        exec(QStringLiteral("select count(*) from sqlite_master"));
        exec(network ? QStringLiteral("PRAGMA journal_mode=DELETE")
                     : QStringLiteral("PRAGMA journal_mode=WAL"));
        exec(QStringLiteral("PRAGMA synchronous=FULL"));
        if (network) {
            warning_ = QStringLiteral(
                "数据库文件位于网络文件夹，已改用普通日志方式。多台工作站共用数据请使用 PostgreSQL "
                "服务器。");
        }
    } catch (const StoreError& e) {
        close();
        throw StoreError(
            QStringLiteral("无法打开数据库 %1：%2").arg(settings_.sqliteFile, e.message()));
    }
}

void Database::openPostgres() {
    QSqlError failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName_);
        db.setHostName(settings_.host);
        db.setPort(settings_.port);
        db.setDatabaseName(settings_.name);
        db.setUserName(settings_.user);
        db.setPassword(settings_.password);
        db.setConnectOptions(QStringLiteral("connect_timeout=10"));
        if (!db.open()) {
            failure = db.lastError();
        }
    }
    if (failure.isValid()) {
        close();
        throw StoreError::fromSql(QStringLiteral("无法连接数据库 %1").arg(settings_.location()),
                                  failure);
    }
}

void Database::close() {
    if (!QSqlDatabase::contains(connectionName_)) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
    transactionDepth_ = 0;
    rollbackOnly_ = false;
}

bool Database::isOpen() const {
    return QSqlDatabase::contains(connectionName_) && handle().isOpen();
}

QSqlDatabase Database::handle() const {
    return QSqlDatabase::database(connectionName_, false);
}

QSqlQuery Database::exec(const QString& sql, const QVariantList& params) const {
    if (!isOpen()) {
        throw StoreError(QStringLiteral("数据库未连接"));
    }
    QSqlQuery query(handle());
    query.setForwardOnly(true);
    if (dialect_.engine() == Engine::Postgres) {
        // numeric arrives as exact text instead of double.
        query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    }
    if (params.isEmpty()) {
        if (!query.exec(sql)) {
            throw StoreError::fromSql(QString(), query.lastError());
        }
        return query;
    }
    if (!query.prepare(sql)) {
        throw StoreError::fromSql(QString(), query.lastError());
    }
    for (const QVariant& p : params) {
        if (dialect_.engine() == Engine::Postgres && p.metaType().id() == QMetaType::QString &&
            p.toString().contains(QChar(0))) {
            throw StoreError(QStringLiteral("输入的文字中含有无法保存的空字符"));
        }
        query.addBindValue(dialect_.bindable(p));
    }
    if (!query.exec()) {
        throw StoreError::fromSql(QString(), query.lastError());
    }
    return query;
}

QVariant Database::value(const QString& sql, const QVariantList& params,
                         const QVariant& fallback) const {
    QSqlQuery query = exec(sql, params);
    return query.next() ? query.value(0) : fallback;
}

QStringList Database::tableNames() const {
    QStringList names = handle().tables(QSql::Tables);
    for (QString& n : names) {
        n = n.toLower();
    }
    return names;
}

QStringList Database::columnNames(const QString& table) const {
    const QSqlRecord record = handle().record(table.toLower());
    QStringList names;
    for (int i = 0; i < record.count(); ++i) {
        names.append(record.fieldName(i).toLower());
    }
    return names;
}

void Database::transact(const std::function<void()>& work) const {
    if (transactionDepth_ > 0) {
        Transaction joined(*this);
        work();
        joined.commit();
        return;
    }
    for (int attempt = 1;; ++attempt) {
        try {
            Transaction transaction(*this);
            work();
            transaction.commit();
            return;
        } catch (const StoreError& e) {
            if (attempt >= kRetries || !dialect_.isRetryable(e.nativeCode())) {
                throw;
            }
        }
    }
}
