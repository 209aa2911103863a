#include "masterdata/ui/pointsgoodspicker.h"

#include "masterdata/ui/pointsgoodswindow.h"
#include "store/editabletable.h"

TXZJFSP::TXZJFSP(const Database& db, QWidget* parent)
    : MasterListPicker(db, pointsGoodsList(QStringLiteral("积分兑换商品选择")), parent) {
    setObjectName(QStringLiteral("TXZJFSP"));
    resize(775, 469);
    connect(this, &MasterListPicker::rowChosen, this, [this](int row) {
        emit goodsChosen(list()->table()->value(row, QStringLiteral("BM")).toString());
    });
}
