#pragma once

#include <QStyledItemDelegate>

class Database;

// The code cell of the product lists: a typed code already taken by another
// product is refused with the CodeExists warning and the cell keeps its value.
class ProductCodeDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    ProductCodeDelegate(const Database& db, QObject* parent);

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    const Database& db_;
};
