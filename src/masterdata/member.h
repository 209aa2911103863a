#pragma once

#include <QDate>
#include <QString>

#include "store/decimal2.h"

class Database;

// The walk-in customer without an account: member lists and code proposals
// leave it out, the picker shows it.
inline const QString kWalkInMemberCode = QStringLiteral("999");

// A member as the windows enter it and hand it on. Running totals (spending,
// points, balance, debt) are not part of it: other documents move them.
struct Member {
    QString BM;
    QString MC;
    QString KH;
    QString JG = QStringLiteral("原价");
    Decimal2 ZK = Decimal2::fromUnits(1);
    QString XB = QStringLiteral("男");
    QString LJ;
    QString DH;
    QString QTDH;
    QDate SR;     // solar birthday; only one of SR and SRBAK is filled
    QDate SRBAK;  // lunar birthday
    QDate HQ;     // wedding date
    QString ZJLX;
    QString ZJ;
    QString QQ;
    QString DZ;
    QString BZ;
    QDate RQ;  // joined
    QString JSRBM;
    QString JSR;
    bool TSJ = false;
};

// The six price levels a member's orders can use, "原价" first.
const QStringList& MemberPriceLevels();

// Writes a new member and gives the introducer the points, in one
// transaction. Throws StoreError (a taken code among others).
void AddMember(const Database& db, const Member& member, Decimal2 introducerPoints);
