#include "masterdata/ui/supplierpicker.h"

#include "masterdata/ui/supplierwindow.h"
#include "store/editabletable.h"

namespace {

MasterListConfig suppliersToPick() {
    MasterListConfig c = supplierList(QStringLiteral("供货商选择"));
    c.exportButton = false;
    return c;
}

}  // namespace

Txzghs::Txzghs(const Database& db, Mode mode, QWidget* parent)
    : MasterListPicker(db, suppliersToPick(), parent), mode_(mode) {
    setObjectName(QStringLiteral("Txzghs"));
    resize(708, 465);
    connect(this, &MasterListPicker::rowChosen, this, [this](int row) {
        const EditableTable* t = list()->table();
        emit supplierChosen(mode_, t->value(row, QStringLiteral("BM")).toString(),
                            t->value(row, QStringLiteral("MC")).toString());
    });
}
