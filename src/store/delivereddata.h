#pragma once

#include <QList>
#include <QString>

class Database;

// The rows a database is delivered with: the reserved walk-in customer,
// general supplier and administrator, the company record, the print kinds,
// the table list of the import/export tool and the pinyin initials.
namespace DeliveredData {

struct PrintKind {
    QString code;
    QString name;
};

const QList<PrintKind>& printKinds();
// The template each print kind starts with, inside PrintFormat/.
QString templateFileName(const QString& code);

// Inserts whatever is missing and leaves every existing row as it is.
void insertMissing(const Database& db);

}  // namespace DeliveredData
