#include "masterdata/ui/supplierwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "masterdata/suppliercount.h"
#include "masterdata/ui/stafflist.h"
#include "store/storeerror.h"

MasterListConfig supplierList(const QString& title) {
    return staffList(
        title, QStringLiteral("BM_GHS"),
        {gridColumn("BM", "编码"), gridColumn("MC", "名称"), gridColumn("LXR", "联系人"),
         gridColumn("DH", "电话"), gridColumn("DZ", "地址"), readOnlyMoney("LJJE", "累计金额"),
         readOnlyMoney("ZHQK", "合计欠款"), gridColumn("BZ", "备注")},
        {QStringLiteral("BM"), QStringLiteral("MC")});
}

TBM_GHS::TBM_GHS(const Database& db, QWidget* parent)
    : MasterListWindow(db, supplierList(QStringLiteral("供货商信息")), parent), db_(db) {
    setObjectName(QStringLiteral("TBM_GHS"));
    filterBar()->addWidget(new QLabel(QStringLiteral("客户数量："), this));
    count_ = new QLineEdit(this);
    count_->setReadOnly(true);
    count_->setMaximumWidth(80);
    filterBar()->addWidget(count_);
    connect(this, &MasterListWindow::saved, this, &TBM_GHS::showCount);
    showCount();
}

void TBM_GHS::showCount() {
    try {
        count_->setText(QString::number(SupplierCount(db_)));
    } catch (const StoreError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
    }
}
