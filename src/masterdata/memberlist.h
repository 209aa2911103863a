#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

class Database;

// Which members a list reads: "where ... order by ..." with its bound values.
struct MemberRows {
    QString whereAndOrder;
    QVariantList params;
};

// The member window's rows: every member but the walk-in customer.
MemberRows MembersButWalkIn();
// "最近 n 天内办卡会员": the members who joined in the n days ending today (0
// gives none); a text that is no number gives the member window's rows again.
// Nothing when the number is not whole.
std::optional<MemberRows> RecentMembers(const QString& dayCount, const QDate& today);

// The fields the filter box searches; the picker leaves out the other phone.
QStringList MemberFilterFields(bool withOtherPhone);

// "客户数量：": all member records, the walk-in customer too, and one
// "有<n>个<level>" per level name.
struct MemberCounts {
    qlonglong total = 0;
    QStringList perLevel;
};
// Throws StoreError.
MemberCounts CountMembers(const Database& db);
