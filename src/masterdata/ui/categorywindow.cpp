#include "masterdata/ui/categorywindow.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>

#include "masterdata/productcategory.h"
#include "store/editabletable.h"
#include "store/storeerror.h"

namespace {

MasterListConfig categoryList() {
    MasterListConfig c;
    c.title = QStringLiteral("商品类别");
    c.table = QStringLiteral("BM_SPLB");
    c.whereAndOrder = QStringLiteral("order by BM asc");
    c.columns = {gridColumn("BM", "编码"), gridColumn("MC", "名称"),
                 gridColumn("JFGZ", "消费多少元积1分")};
    c.filterFields = {"BM", "MC"};
    c.saveFailureText = QStringLiteral("编码存在重复无法保存，请删除重复后重试");
    return c;
}

}  // namespace

TBM_SPLB::TBM_SPLB(const Database& db, QWidget* parent)
    : MasterListWindow(db, categoryList(), parent), db_(db) {
    setObjectName(QStringLiteral("TBM_SPLB"));
    auto* apply = new QPushButton(QStringLiteral("统一修改积分规则"), this);
    apply->setAutoDefault(false);
    filterBar()->addWidget(apply);
    connect(apply, &QPushButton::clicked, this, &TBM_SPLB::applyPointsRules);
    resize(540, 345);
}

void TBM_SPLB::applyPointsRules() {
    // The rules as shown are the ones the products take.
    if (table()->isDirty() && !save(false)) {
        return;
    }
    try {
        ApplyCategoryPointsRules(db_);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
        return;
    }
    QMessageBox::information(this, QStringLiteral("提示"), QStringLiteral("修改成功！"));
}
