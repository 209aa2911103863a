#include "store/transaction.h"

#include <QSqlError>
#include <QSqlQuery>

#include "store/database.h"
#include "store/storeerror.h"

Transaction::Transaction(const Database& db) : db_(db) {
    if (db_.transactionDepth_ == 0) {
        db_.exec(db_.dialect().beginTransaction());
        db_.rollbackOnly_ = false;
        outermost_ = true;
    }
    ++db_.transactionDepth_;
}

Transaction::~Transaction() {
    if (done_) {
        return;
    }
    --db_.transactionDepth_;
    if (!outermost_) {
        db_.rollbackOnly_ = true;
        return;
    }
    if (db_.isOpen()) {
        QSqlQuery rollback(db_.handle());
        rollback.exec(QStringLiteral("ROLLBACK"));
    }
}

void Transaction::commit() {
    done_ = true;
    --db_.transactionDepth_;
    if (!outermost_) {
        return;
    }
    if (db_.rollbackOnly_) {
        QSqlQuery rollback(db_.handle());
        rollback.exec(QStringLiteral("ROLLBACK"));
        throw StoreError(QStringLiteral("操作未完成，已全部撤销"));
    }
    QSqlQuery query(db_.handle());
    if (!query.exec(QStringLiteral("COMMIT"))) {
        const StoreError error = StoreError::fromSql(QString(), query.lastError());
        QSqlQuery rollback(db_.handle());
        rollback.exec(QStringLiteral("ROLLBACK"));
        throw error;
    }
}
