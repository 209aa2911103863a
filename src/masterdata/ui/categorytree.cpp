#include "masterdata/ui/categorytree.h"

#include "masterdata/productcategory.h"

namespace {

constexpr int kCodeRole = Qt::UserRole;

}  // namespace

CategoryTree::CategoryTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current) {
            emit categoryChosen(current->data(0, kCodeRole).toString());
        }
    });
}

void CategoryTree::reload(const Database& db) {
    const QList<ProductCategory> categories = LoadProductCategories(db);
    const QSignalBlocker quiet(this);
    clear();
    auto* root = new QTreeWidgetItem(this, {QStringLiteral("商品类别")});
    root->setData(0, kCodeRole, QString::fromLatin1(kRootCategory));
    for (const ProductCategory& c : categories) {
        auto* node = new QTreeWidgetItem(root, {CategoryNodeText(c)});
        node->setData(0, kCodeRole, c.BM);
    }
    expandAll();
    setCurrentItem(root);
}

void CategoryTree::selectRoot() {
    if (topLevelItemCount() > 0) {
        setCurrentItem(topLevelItem(0));
    }
}

QString CategoryTree::currentCategory() const {
    const QTreeWidgetItem* item = currentItem();
    return item ? item->data(0, kCodeRole).toString() : QString::fromLatin1(kRootCategory);
}

QTreeWidgetItem* CategoryTree::nodeOf(const QString& category) const {
    if (topLevelItemCount() == 0) {
        return nullptr;
    }
    QTreeWidgetItem* root = topLevelItem(0);
    if (category == QLatin1String(kRootCategory)) {
        return root;
    }
    for (int i = 0; i < root->childCount(); ++i) {
        if (root->child(i)->data(0, kCodeRole).toString() == category) {
            return root->child(i);
        }
    }
    return nullptr;
}
