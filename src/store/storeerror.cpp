#include "store/storeerror.h"

#include <QSqlError>

StoreError::StoreError(QString message, QString nativeCode)
    : AppError(std::move(message)), nativeCode_(std::move(nativeCode)) {}

StoreError StoreError::fromSql(const QString& context, const QSqlError& error) {
    QString text = error.databaseText().trimmed();
    if (text.isEmpty()) {
        text = error.text().trimmed();
    }
    return StoreError(context.isEmpty() ? text : context + QStringLiteral("：") + text,
                      error.nativeErrorCode());
}
