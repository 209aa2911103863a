#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>

class Database;

// The rights an employee row carries: menu rights QX1..QX4 and other rights QXQT.
struct EmployeeRights {
    QString code;
    QString name;
    std::array<QString, 4> menuRights;  // QX1..QX4
    QString otherRights;                // QXQT
};

struct EmployeeName {
    QString code;
    QString name;
};

namespace EmployeeRightsStore {

// Every employee in code order, the administrator included. Throws StoreError.
QList<EmployeeName> employees(const Database& db);

// The row of that code, or nothing when there is none. Throws StoreError.
std::optional<EmployeeRights> load(const Database& db, const QString& code);

// Writes QX1..QX4 and QXQT of the row of rights.code in one transaction.
void save(const Database& db, const EmployeeRights& rights);

}  // namespace EmployeeRightsStore
