#pragma once

#include "widgets/ui/masterlistpicker.h"

// 供货商选择: the supplier list for the window that opened it, which also
// tells what the choice is for.
class Txzghs : public MasterListPicker {
    Q_OBJECT

public:
    enum class Mode { GoodsReceived, PurchaseReturn, SupplierPayment, CompanyInformation };
    Q_ENUM(Mode)

    Txzghs(const Database& db, Mode mode, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }

signals:
    // A supplier payment also turns its refill switch on when it gets this.
    void supplierChosen(Txzghs::Mode mode, const QString& code, const QString& name);

private:
    Mode mode_;
};
