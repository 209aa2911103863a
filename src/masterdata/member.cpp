#include "masterdata/member.h"

#include <QStringList>

#include "accounts/introducerpoints.h"
#include "store/database.h"

const QStringList& MemberPriceLevels() {
    static const QStringList levels = {QStringLiteral("原价"),   QStringLiteral("售价一"),
                                       QStringLiteral("售价二"), QStringLiteral("售价三"),
                                       QStringLiteral("售价四"), QStringLiteral("售价五")};
    return levels;
}

void AddMember(const Database& db, const Member& m, Decimal2 introducerPoints) {
    const auto date = [](const QDate& d) {
        return d.isValid() ? QVariant(d) : QVariant(QMetaType::fromType<QDate>());
    };
    db.transact([&] {
        db.exec(QStringLiteral("insert into BM_KH (BM, MC, KH, ZK, JG, XB, SR, SRBAK, HQ, LJ, DH, "
                               "QTDH, ZJLX, ZJ, QQ, DZ, BZ, RQ, JSRBM, JSR, TSJ, ZJF, DXJF, SYJF, "
                               "LJXF, ZHQK, ZHYE, JSRJF) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                               "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, 0, 0, 0, 0)"),
                {m.BM,       m.MC,       m.KH,       QVariant::fromValue(m.ZK),
                 m.JG,       m.XB,       date(m.SR), date(m.SRBAK),
                 date(m.HQ), m.LJ,       m.DH,       m.QTDH,
                 m.ZJLX,     m.ZJ,       m.QQ,       m.DZ,
                 m.BZ,       date(m.RQ), m.JSRBM,    m.JSR,
                 m.TSJ});
        AddIntroducerPoints(db, m.JSRBM, introducerPoints);
    });
}
