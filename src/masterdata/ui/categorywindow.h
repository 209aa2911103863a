#pragma once

#include "widgets/ui/masterlistwindow.h"

// 商品类别: the categories and the points rule each gives its products.
class TBM_SPLB : public MasterListWindow {
    Q_OBJECT

public:
    explicit TBM_SPLB(const Database& db, QWidget* parent = nullptr);

    // "统一修改积分规则": every product takes its category's rule.
    void applyPointsRules();

private:
    const Database& db_;
};
