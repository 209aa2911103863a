#pragma once

#include "widgets/ui/masterlistwindow.h"

// 员工资料: every employee but the administrator "000", who is kept out of
// reach here. Rights and passwords are set in their own windows.
class TBM_YG : public MasterListWindow {
    Q_OBJECT

public:
    explicit TBM_YG(const Database& db, QWidget* parent = nullptr);
};
