#pragma once

#include "widgets/ui/masterlistwindow.h"

// The points goods as the list and the picker show them.
MasterListConfig pointsGoodsList(const QString& title);

// 积分兑换商品: what a member can take for points, with stock and points each.
class TJFSP : public MasterListWindow {
    Q_OBJECT

public:
    explicit TJFSP(const Database& db, QWidget* parent = nullptr);
};
