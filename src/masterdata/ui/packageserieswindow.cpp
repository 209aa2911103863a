#include "masterdata/ui/packageserieswindow.h"

namespace {

MasterListConfig seriesList() {
    MasterListConfig c;
    c.title = QStringLiteral("套系名称");
    c.table = QStringLiteral("BM_TXLB");
    c.whereAndOrder = QStringLiteral("order by BM");
    c.columns = {gridColumn("BM", "编码"), gridColumn("MC", "名称")};
    c.filterFields = {"BM", "MC"};
    c.saveFailureText = QStringLiteral("编码存在重复无法保存，请删除重复后重试");
    return c;
}

}  // namespace

TBM_TXLB::TBM_TXLB(const Database& db, QWidget* parent)
    : MasterListWindow(db, seriesList(), parent) {
    setObjectName(QStringLiteral("TBM_TXLB"));
    resize(540, 345);
}
