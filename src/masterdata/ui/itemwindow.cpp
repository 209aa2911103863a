#include "masterdata/ui/itemwindow.h"

#include "masterdata/ui/stafflist.h"
#include "store/editabletable.h"

TBMXM::TBMXM(const Database& db, QWidget* parent)
    : MasterListWindow(
          db,
          staffList(QStringLiteral("收支项目资料"), QStringLiteral("BM_XM"),
                    {gridColumn("BM", "编码"), gridColumn("MC", "名称"), gridColumn("SZ", "支出")},
                    {QStringLiteral("BM"), QStringLiteral("MC")}),
          parent) {
    setObjectName(QStringLiteral("TBMXM"));
    connect(table(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                for (int row = first; row <= last; ++row) {
                    table()->setValue(row, QStringLiteral("SZ"), true);
                }
            });
}
