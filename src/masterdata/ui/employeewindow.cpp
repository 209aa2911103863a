#include "masterdata/ui/employeewindow.h"

#include "masterdata/ui/stafflist.h"

namespace {

MasterListConfig employees() {
    MasterListConfig c = staffList(
        QStringLiteral("员工资料"), QStringLiteral("BM_YG"),
        {gridColumn("BM", "编码"), gridColumn("MC", "姓名"), gridColumn("DLMC", "登录名称"),
         gridColumn("ZW", "部门"), gridColumn("DH", "电话"), gridColumn("DZ", "地址"),
         gridColumn("SR", "公历生日"), gridColumn("SRBZ", "农历生日"), gridColumn("BZ", "备注")},
        {});
    c.whereAndOrder = QStringLiteral("where BM <> ? order by BM asc");
    c.params = {QStringLiteral("000")};
    c.exportButton = false;
    c.navigator = Navigator::InsertDelete;
    return c;
}

}  // namespace

TBM_YG::TBM_YG(const Database& db, QWidget* parent) : MasterListWindow(db, employees(), parent) {
    setObjectName(QStringLiteral("TBM_YG"));
}
