#pragma once

#include "widgets/ui/masterlistpicker.h"

// 积分兑换商品选择: the points goods list for a redemption line.
class TXZJFSP : public MasterListPicker {
    Q_OBJECT

public:
    explicit TXZJFSP(const Database& db, QWidget* parent = nullptr);

signals:
    // The line looks the goods up by this code and fills itself.
    void goodsChosen(const QString& code);
};
