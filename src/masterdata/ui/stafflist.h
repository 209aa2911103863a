#pragma once

#include "widgets/ui/masterlistwindow.h"

// A list of the staff menus over one master table, ordered by code, refusing
// duplicate codes with the lists' common text.
inline MasterListConfig staffList(QString title, QString table, QList<GridColumn> columns,
                                  QStringList filterFields) {
    MasterListConfig c;
    c.title = std::move(title);
    c.table = std::move(table);
    c.whereAndOrder = QStringLiteral("order by BM asc");
    c.columns = std::move(columns);
    c.filterFields = std::move(filterFields);
    c.saveFailureText = QStringLiteral("编码存在重复无法保存，请删除重复后重试");
    return c;
}

inline GridColumn readOnlyMoney(QString field, QString caption) {
    GridColumn c = gridColumn(std::move(field), std::move(caption));
    c.readOnly = true;
    c.money = true;
    return c;
}
