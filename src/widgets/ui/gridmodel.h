#pragma once

#include <QIdentityProxyModel>
#include <QList>

#include "widgets/gridcolumn.h"

// Puts the grid's captions, read-only flags and money format over any model.
class GridModel : public QIdentityProxyModel {
    Q_OBJECT

public:
    explicit GridModel(QObject* parent = nullptr);

    // Columns are matched to the source by its header names; an unknown field
    // is left out. Returns for each GridColumn the source column, or -1.
    QList<int> setColumns(const QList<GridColumn>& columns);
    const GridColumn* columnAt(int sourceColumn) const;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<GridColumn> columns_;
    QList<int> byColumn_;  // source column -> index into columns_, or -1
};
