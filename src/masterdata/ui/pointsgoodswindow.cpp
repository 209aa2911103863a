#include "masterdata/ui/pointsgoodswindow.h"

#include "masterdata/ui/stafflist.h"

MasterListConfig pointsGoodsList(const QString& title) {
    GridColumn stock = gridColumn("KCSL", "库存数量");
    GridColumn points = gridColumn("JF", "所需积分");
    stock.money = points.money = true;
    MasterListConfig c = staffList(
        title, QStringLiteral("BM_JFSP"),
        {gridColumn("BM", "商品编码"), gridColumn("MC", "商品名称"), gridColumn("XH", "型号"),
         gridColumn("DW", "单位"), gridColumn("BZ", "备注"), stock, points},
        {});
    c.exportButton = false;
    c.navigator = Navigator::InsertDelete;
    return c;
}

TJFSP::TJFSP(const Database& db, QWidget* parent)
    : MasterListWindow(db, pointsGoodsList(QStringLiteral("积分兑换商品")), parent) {
    setObjectName(QStringLiteral("TJFSP"));
}
