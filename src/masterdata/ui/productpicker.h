#pragma once

#include <QAbstractItemView>
#include <QDialog>
#include <QString>

class CategoryTree;
class Database;
class MasterListWindow;

// 商品选择: the documents take a product from the category tree and its grid.
// The administrator ('000') may also edit, save and export the products; for
// everyone else the grid is read-only. The picker closes once a product is chosen.
class TXZSP : public QDialog {
    Q_OBJECT

public:
    explicit TXZSP(const Database& db, QWidget* parent = nullptr);

    MasterListWindow* list() const { return list_; }
    CategoryTree* tree() const { return tree_; }
    // The current product's code, or "" when no row is current.
    QString currentCode() const;

    // Hands the current product to the caller and closes.
    void choose();
    void reject() override;

signals:
    void productChosen(const QString& code);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void chooseCategory(const QString& category);
    void fillNewRow(int row);
    void exportProducts();
    void applyOperatorRights();
    void loadRows(const QString& category);

    const Database& db_;
    CategoryTree* tree_ = nullptr;
    MasterListWindow* list_ = nullptr;
    QString category_;
    QAbstractItemView::EditTriggers editTriggers_;
};
