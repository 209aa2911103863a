#pragma once

#include <QString>

#include "store/apperror.h"

class QSqlError;

// A failure of the store; the native code (SQLSTATE on PostgreSQL) lets
// callers tell retryable conflicts apart.
class StoreError : public AppError {
public:
    explicit StoreError(QString message, QString nativeCode = {});
    static StoreError fromSql(const QString& context, const QSqlError& error);

    const QString& nativeCode() const { return nativeCode_; }

private:
    QString nativeCode_;
};
