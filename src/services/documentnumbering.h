#pragma once

#include <QDate>
#include <QString>

class Database;

// The document kinds that draw numbers; each has its own daily counter per operator.
namespace DocumentKind {
inline const QString Order = QStringLiteral("XSD");
inline const QString Receipt = QStringLiteral("SKD");
inline const QString TopUp = QStringLiteral("CZD");
inline const QString PointsRedemption = QStringLiteral("DJFD");
inline const QString OtherIncome = QStringLiteral("SRD");
inline const QString Expense = QStringLiteral("ZCD");
inline const QString GoodsReceived = QStringLiteral("RKD");
inline const QString PurchaseReturn = QStringLiteral("THD");
inline const QString SalesReturn = QStringLiteral("XTD");
inline const QString StockTaking = QStringLiteral("PDD");
inline const QString SupplierPayment = QStringLiteral("FKD");
}  // namespace DocumentKind

// Who draws the number, and how ids are written.
struct NumberingContext {
    QString operatorCode;
    bool shortIds = false;  // drop the operator code: one workstation only
    QDate today;
};

// The id a new document would get: "yyyymmdd" + operator + five-digit
// sequence. Proposing consumes nothing; the first proposal of a day starts the
// operator's counter of that kind again.
QString NextDocumentId(const Database& db, const NumberingContext& context, const QString& kind);

// Records the number of a document that has just been saved as used. A counter
// of an earlier day is left alone, so a save after midnight changes nothing.
void CommitDocumentId(const Database& db, const NumberingContext& context, const QString& kind,
                      const QString& id);
