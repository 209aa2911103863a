#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

class QSqlError;

// A failure of the store: the text is meant for the operator, the native code
// (SQLSTATE on PostgreSQL) lets callers tell retryable conflicts apart.
class StoreError : public std::exception {
public:
    explicit StoreError(QString message, QString nativeCode = {});
    static StoreError fromSql(const QString& context, const QSqlError& error);

    const QString& message() const { return message_; }
    const QString& nativeCode() const { return nativeCode_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QString nativeCode_;
    QByteArray utf8_;
};
