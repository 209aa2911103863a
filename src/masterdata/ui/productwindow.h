#pragma once

#include <QPointer>
#include <QString>

#include <memory>

#include "widgets/ui/masterlistwindow.h"

class QLabel;
class QPushButton;
class CategoryTree;
class PinyinDictionary;
class TBM_TP;

// 商品资料: the category tree on the left, the products of the chosen category
// on the right. Pending rows are written before another category is shown.
class TFormSP : public MasterListWindow {
    Q_OBJECT

public:
    explicit TFormSP(const Database& db, QWidget* parent = nullptr);
    ~TFormSP() override;

    CategoryTree* tree() const { return tree_; }
    QString currentCategory() const { return category_; }
    // The picture window of the current product ("显示预览图").
    void showPicture();

private:
    void chooseCategory(const QString& category);
    void fillNewRow(int row);
    void deleteProduct();
    void copyRow();
    void pasteRow();
    void clearProducts();
    void regenerateInitials();
    void printRows();
    void showCount();
    void reloadKeepingRow();

    const Database& db_;
    std::unique_ptr<PinyinDictionary> dictionary_;
    CategoryTree* tree_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* paste_ = nullptr;
    QString category_;
    QString pointsRule_;
    QString copiedCode_;
    QPointer<TBM_TP> picture_;
};
