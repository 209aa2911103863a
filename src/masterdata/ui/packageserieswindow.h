#pragma once

#include "widgets/ui/masterlistwindow.h"

// 套系名称: the names of the package series.
class TBM_TXLB : public MasterListWindow {
    Q_OBJECT

public:
    explicit TBM_TXLB(const Database& db, QWidget* parent = nullptr);
};
