#pragma once

#include "widgets/ui/masterlistwindow.h"

class QLineEdit;

// The supplier list as the list window and the picker show it.
MasterListConfig supplierList(const QString& title);

// 供货商信息: the suppliers with the stored count; the purchasing documents
// keep the accumulated amount and the debt, the list only shows them.
class TBM_GHS : public MasterListWindow {
    Q_OBJECT

public:
    explicit TBM_GHS(const Database& db, QWidget* parent = nullptr);

    QLineEdit* countBox() const { return count_; }

private:
    void showCount();

    const Database& db_;
    QLineEdit* count_ = nullptr;
};
