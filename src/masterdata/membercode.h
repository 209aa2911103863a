#pragma once

#include <QString>
#include <QStringList>

class Database;

// The code plus one in as many characters as the code, leading zeros kept
// ("0099" gives "0100", "99" gives "00"); empty when the code is no number.
QString NextCodeKeepingWidth(const QString& code);

// The member window's proposal for a new row: after the highest of the
// list's codes in text order.
QString NextMemberCodeAfter(const QStringList& codes);

// The add-member window's proposal: after the highest numeric code when it
// is at least 999, else after the last code in text order; the walk-in code
// never counts. Empty without members. Throws StoreError.
QString ProposeMemberCode(const Database& db);
