#include "masterdata/productdelete.h"

#include "app/rights.h"
#include "store/database.h"

std::optional<QString> ProductDeleteRefusal(const Database& db, const QString& code) {
    struct LineTable {
        const char* table;
        const char* document;
    };
    static const LineTable tables[] = {
        {"RKD_MX", "入库单"},
        {"XSD_MX", "销售单"},
        {"PDD_MX", "盘点单"},
    };
    for (const LineTable& t : tables) {
        const qlonglong used = db.value(QStringLiteral("select count(*) from %1 where SPBM = ?")
                                            .arg(QLatin1String(t.table)),
                                        {code}, 0)
                                   .toLongLong();
        if (used > 0) {
            return QStringLiteral("当前商品在") + QString::fromUtf8(t.document) +
                   QStringLiteral("使用过，无法删除！");
        }
    }
    return std::nullopt;
}

bool MayClearProducts(const QString& operatorRights) {
    return HasOtherRight(operatorRights, QStringLiteral("13"));
}

ClearProductsOutcome ClearProducts(const Database& db, const QString& operatorRights) {
    if (!MayClearProducts(operatorRights)) {
        return ClearProductsOutcome::NotAllowed;
    }
    db.exec(QStringLiteral("delete from BM_SP"));
    return ClearProductsOutcome::Cleared;
}

QString ClearProductsMessage(ClearProductsOutcome outcome) {
    return outcome == ClearProductsOutcome::Cleared
               ? QStringLiteral("清空成功！")
               : QStringLiteral("您没有权操作，请联系管理员！");
}
