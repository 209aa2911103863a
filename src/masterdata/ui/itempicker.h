#pragma once

#include "masterdata/itemkind.h"
#include "widgets/ui/masterlistpicker.h"

// 项目选择: the income or the expense items, read only, for a voucher.
class Txz_xm : public MasterListPicker {
    Q_OBJECT

public:
    Txz_xm(const Database& db, ItemKind kind, QWidget* parent = nullptr);

signals:
    void itemChosen(const QString& code, const QString& name);
};
