#pragma once

#include <QList>
#include <QString>

#include <optional>

#include "app/employeerights.h"

// The administrator holds every menu right whatever QX1..QX4 say.
inline constexpr auto kAdministratorCode = "000";

// The other rights "10" to "18" with their check box captions, in code order.
struct OtherRight {
    QString code;
    QString caption;
};
const QList<OtherRight>& otherRights();

namespace MenuRights {

// QXn empty allows the whole menu, "null" nothing, a list exactly its codes.
bool entryAllowed(const QString& menuRights, const QString& code, const QString& operatorCode);

// Which entries of menus 1..4 the operator may use; a missing employee row
// allows nothing (except to the administrator).
class Permissions {
public:
    Permissions(const std::optional<EmployeeRights>& row, QString operatorCode);
    bool allows(int menuNumber, int position) const;

private:
    std::optional<EmployeeRights> row_;
    QString operatorCode_;
};

// The QXn text of the ticked positions of menu n: "110,114,121," or "null".
QString grantedText(int menuNumber, const QList<bool>& ticked);
// "QX-" followed by the granted codes, each with a comma, in code order.
QString otherRightsText(const QList<bool>& ticked);

// A menu caption as the rights lists show it: "保存(&S)" becomes "保存"
// unless the "(&" starts at the first or second character.
QString listCaption(const QString& caption);

}  // namespace MenuRights
