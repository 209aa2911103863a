#pragma once

#include "widgets/ui/masterlistwindow.h"

// 收支项目资料: the names of the income and expense vouchers; a new item is an
// expense item until 支出 is unticked.
class TBMXM : public MasterListWindow {
    Q_OBJECT

public:
    explicit TBMXM(const Database& db, QWidget* parent = nullptr);
};
