#include "masterdata/ui/itempicker.h"

#include "masterdata/ui/stafflist.h"
#include "store/editabletable.h"

namespace {

MasterListConfig items(ItemKind kind) {
    GridColumn code = gridColumn("BM", "编码");
    GridColumn name = gridColumn("MC", "项目名称");
    code.readOnly = name.readOnly = true;
    MasterListConfig c = staffList(QStringLiteral("项目选择"), QStringLiteral("BM_XM"),
                                   {code, name}, {QStringLiteral("BM"), QStringLiteral("MC")});
    const ItemSelection selection = itemsOfKind(kind);
    c.whereAndOrder = selection.whereAndOrder;
    c.params = selection.params;
    c.saveButton = false;
    c.exportButton = false;
    c.navigator = Navigator::None;
    return c;
}

}  // namespace

Txz_xm::Txz_xm(const Database& db, ItemKind kind, QWidget* parent)
    : MasterListPicker(db, items(kind), parent) {
    setObjectName(QStringLiteral("Txz_xm"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    connect(this, &MasterListPicker::rowChosen, this, [this](int row) {
        const EditableTable* t = list()->table();
        emit itemChosen(t->value(row, QStringLiteral("BM")).toString(),
                        t->value(row, QStringLiteral("MC")).toString());
    });
}
