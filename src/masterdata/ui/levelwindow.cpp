#include "masterdata/ui/levelwindow.h"

#include "masterdata/membercodecolumn.h"

namespace {

MasterListConfig levelList() {
    const auto money = [](GridColumn c) {
        c.money = true;
        return c;
    };
    MasterListConfig c;
    c.title = QStringLiteral("会员级别");
    c.table = QStringLiteral("BM_KHJB");
    c.whereAndOrder = QStringLiteral("order by BM asc");
    c.columns = {gridColumn("BM", "编码"), gridColumn("MC", "名称"),
                 money(gridColumn("ZK", "折扣率（%）")),
                 money(gridColumn("QJF", "积分区间：最低积分")),
                 money(gridColumn("ZJF", "积分区间：最高积分"))};
    c.filterFields = {QStringLiteral("BM"), QStringLiteral("MC")};
    c.saveFailureText = QStringLiteral("编码存在重复无法保存，请删除重复后重试");
    return c;
}

}  // namespace

TBM_KHJB::TBM_KHJB(const Database& db, QWidget* parent)
    : MasterListWindow(db, levelList(), parent) {
    setObjectName(QStringLiteral("TBM_KHJB"));
    codeRules_ = new MemberCodeColumn(
        table(), MemberCodeColumn::List::Levels, [](const QString&) { return true; }, this);
}
