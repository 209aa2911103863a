#include "masterdata/memberlist.h"

#include <QSqlQuery>

#include "masterdata/member.h"
#include "services/texthelpers.h"
#include "store/database.h"

MemberRows MembersButWalkIn() {
    return {QStringLiteral("where BM <> ? order by BM asc"), {kWalkInMemberCode}};
}

std::optional<MemberRows> RecentMembers(const QString& dayCount, const QDate& today) {
    if (!IsDecimalText(dayCount)) {
        return MembersButWalkIn();
    }
    bool whole = false;
    const int days = dayCount.toInt(&whole);
    if (!whole) {
        return std::nullopt;
    }
    return MemberRows{QStringLiteral("where RQ >= ? and RQ <= ? order by BM asc"),
                      {today.addDays(1 - qint64(days)), today}};
}

QStringList MemberFilterFields(bool withOtherPhone) {
    QStringList fields = {QStringLiteral("BM"), QStringLiteral("MC"), QStringLiteral("KH"),
                          QStringLiteral("JP"), QStringLiteral("DH")};
    if (withOtherPhone) {
        fields.insert(3, QStringLiteral("QTDH"));
    }
    return fields;
}

MemberCounts CountMembers(const Database& db) {
    MemberCounts counts;
    // One pass over the table: the total is the sum of the levels' counts.
    QSqlQuery q = db.exec(
        QStringLiteral("select coalesce(JB, ''), count(BM) from BM_KH group by coalesce(JB, '') "
                       "order by coalesce(JB, '')"));
    while (q.next()) {
        const qlonglong n = q.value(1).toLongLong();
        counts.total += n;
        counts.perLevel << QStringLiteral("有%1个%2").arg(n).arg(q.value(0).toString());
    }
    return counts;
}
