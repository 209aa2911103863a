#include "masterdata/ui/productcolumns.h"

namespace {

struct Caption {
    const char* field;
    const char* caption;
};

const Caption kCaptions[] = {
    {"BM", "商品编码"},   {"MC", "商品名称"},   {"MJ", "面积"},    {"SLHS", "数量核算"},
    {"TXM", "条形码"},    {"XH", "型号"},       {"DW", "单位"},    {"SCCJ", "附加信息"},
    {"BZ", "备注"},       {"TDZ", "打折"},      {"TJF", "积分"},   {"KCSL", "库存数量"},
    {"CBJJ", "成本均价"}, {"KCJE", "库存金额"}, {"JJ", "进价"},    {"LSJ", "零售价"},
    {"SJ1", "售价一"},    {"SJ2", "售价二"},    {"SJ3", "售价三"}, {"SJ4", "售价四"},
    {"SJ5", "售价五"},    {"JP", "简拼"},       {"LB", "类别"},    {"JFGZ", "积分规则"},
};

QList<GridColumn> columnsOf(const QStringList& fields, const QStringList& hidden) {
    QList<GridColumn> columns;
    for (const QString& field : fields) {
        for (const Caption& c : kCaptions) {
            if (field == QLatin1String(c.field)) {
                GridColumn column = gridColumn(field, QString::fromUtf8(c.caption));
                column.hidden = hidden.contains(field);
                columns << column;
            }
        }
    }
    return columns;
}

const QStringList kPrices = {"LSJ", "SJ1", "SJ2", "SJ3", "SJ4", "SJ5"};

}  // namespace

QList<GridColumn> productWindowColumns() {
    return columnsOf(QStringList{"BM", "MC", "MJ", "SLHS", "TXM", "XH", "DW", "SCCJ", "BZ", "TDZ",
                                 "TJF", "KCSL", "CBJJ", "KCJE", "JJ"} +
                         kPrices + QStringList{"JP", "LB", "JFGZ"},
                     {"TXM", "KCSL", "CBJJ", "KCJE"});
}

QList<GridColumn> productPickerColumns(bool barcodeShown) {
    return columnsOf(
        QStringList{"BM", "MC", "MJ", "SLHS", "TXM", "XH", "DW", "SCCJ", "BZ", "KCSL"} + kPrices +
            QStringList{"JP", "LB"},
        barcodeShown ? QStringList{} : QStringList{"TXM"});
}

QStringList productFilterFields() {
    return {"BM", "MC", "JP"};
}
