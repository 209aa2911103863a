#pragma once

#include <QString>
#include <QStringList>

class Database;

// The staff lists of a new order: every employee with a name, and the
// logged-in operator's name when an employee has it. Throws StoreError.
struct OrderStaff {
    QStringList names;
    QString operatorName;
};

OrderStaff ReadOrderStaff(const Database& db, const QString& operatorName);
