#pragma once

#include <QTreeWidget>

class Database;

// The category tree of the product window and the picker: the root "商品类别"
// and one node per category, read-only, expanded.
class CategoryTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit CategoryTree(QWidget* parent = nullptr);

    // Reads the categories again and selects the root. Throws StoreError.
    void reload(const Database& db);
    void selectRoot();
    // The selected category's code, kRootCategory at the root.
    QString currentCategory() const;
    // The node of a category, or null.
    QTreeWidgetItem* nodeOf(const QString& category) const;

signals:
    void categoryChosen(const QString& category);
};
