#include "masterdata/ui/productwindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>

#include "app/session.h"
#include "app/ui/progresswindow.h"
#include "masterdata/productcategory.h"
#include "masterdata/productcode.h"
#include "masterdata/productcopy.h"
#include "masterdata/productdelete.h"
#include "masterdata/productinitials.h"
#include "masterdata/ui/categorytree.h"
#include "masterdata/ui/picturewindow.h"
#include "masterdata/ui/productcodedelegate.h"
#include "masterdata/ui/productcolumns.h"
#include "masterdata/ui/productlistparts.h"
#include "print/ui/printdatasettable.h"
#include "services/pinyin.h"
#include "store/editabletable.h"
#include "store/storeerror.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

namespace {

const QString kCaption = QStringLiteral("提示");

MasterListConfig productList() {
    MasterListConfig c;
    c.title = QStringLiteral("商品资料");
    c.table = QStringLiteral("BM_SP");
    const ProductQuery all = ProductsOfCategory(QString::fromLatin1(kRootCategory));
    c.whereAndOrder = all.whereAndOrder;
    c.params = all.params;
    c.columns = productWindowColumns();
    c.filterFields = productFilterFields();
    c.saveFailureText = QStringLiteral("编码存在重复无法保存，请删除重复后重试");
    return c;
}

}  // namespace

TFormSP::TFormSP(const Database& db, QWidget* parent)
    : MasterListWindow(db, productList(), parent),
      db_(db),
      dictionary_(std::make_unique<PinyinDictionary>(db)),
      category_(QString::fromLatin1(kRootCategory)) {
    setObjectName(QStringLiteral("TFormSP"));

    toolBar()->addAction(QStringLiteral("简拼[&J]"), this, &TFormSP::regenerateInitials);
    toolBar()->addAction(QStringLiteral("打印[&P]"), this, &TFormSP::printRows);

    filterBar()->addWidget(new QLabel(QStringLiteral("共有"), this));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("count"));
    filterBar()->addWidget(count_);
    filterBar()->addWidget(new QLabel(QStringLiteral("行商品"), this));
    auto* copy = new QPushButton(QStringLiteral("整行复制"), this);
    paste_ = new QPushButton(QStringLiteral("整行粘贴"), this);
    paste_->setEnabled(false);
    auto* clear = new QPushButton(QStringLiteral("清空商品资料（注：清空前请先备注！）"), this);
    for (QPushButton* b : {copy, paste_, clear}) {
        b->setAutoDefault(false);
        filterBar()->addWidget(b);
    }
    connect(copy, &QPushButton::clicked, this, &TFormSP::copyRow);
    connect(paste_, &QPushButton::clicked, this, &TFormSP::pasteRow);
    connect(clear, &QPushButton::clicked, this, &TFormSP::clearProducts);

    QToolButton* remove = navigatorButton(this, QStringLiteral("删除"));
    disconnect(remove, &QToolButton::clicked, this, nullptr);
    connect(remove, &QToolButton::clicked, this, &TFormSP::deleteProduct);
    connect(table(), &EditableTable::rowsInserted, this,
            [this](const QModelIndex&, int first) { fillNewRow(first); });

    GridView* view = grid()->view();
    view->setItemDelegateForColumn(table()->column(QStringLiteral("BM")),
                                   new ProductCodeDelegate(db_, view));
    auto* preview = new QAction(QStringLiteral("显示预览图"), view);
    connect(preview, &QAction::triggered, this, &TFormSP::showPicture);
    view->addAction(preview);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(view->model(), signal, this, &TFormSP::showCount);
    }
    connect(view->model(), &QAbstractItemModel::modelReset, this, &TFormSP::showCount);
    connect(view->model(), &QAbstractItemModel::layoutChanged, this, &TFormSP::showCount);

    tree_ = new CategoryTree(this);
    auto* split = new QSplitter(Qt::Horizontal, this);
    delete layout()->replaceWidget(grid(), split);
    split->addWidget(tree_);
    split->addWidget(grid());
    split->setStretchFactor(1, 1);
    split->setSizes({180, 800});

    try {
        tree_->reload(db_);
        pointsRule_ = DefaultPointsRule(db_, category_);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
    }
    connect(tree_, &CategoryTree::categoryChosen, this, &TFormSP::chooseCategory);
    showCount();
}

TFormSP::~TFormSP() = default;

void TFormSP::chooseCategory(const QString& category) {
    if (category == category_) {
        return;
    }
    // Rows are kept when another category is shown, as when a row is left.
    if (table()->isDirty() && !save(false)) {
        const QSignalBlocker quiet(tree_);
        tree_->setCurrentItem(tree_->nodeOf(category_));
        return;
    }
    try {
        const ProductQuery rows = ProductsOfCategory(category);
        table()->load(rows.whereAndOrder, rows.params);
        pointsRule_ = DefaultPointsRule(db_, category);
        category_ = category;
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
    }
}

void TFormSP::fillNewRow(int row) {
    const QString last =
        row > 0 ? table()->value(row - 1, QStringLiteral("BM")).toString() : QString();
    if (!FillNewProduct(*table(), row, category_, last, pointsRule_)) {
        refuseNewProductAtRoot(this, table(), row);
    }
}

void TFormSP::deleteProduct() {
    const int row = currentRow();
    if (row < 0) {
        return;
    }
    try {
        const std::optional<QString> refusal =
            ProductDeleteRefusal(db_, table()->value(row, QStringLiteral("BM")).toString());
        if (refusal) {
            QMessageBox::warning(this, kCaption, *refusal);
            return;
        }
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
        return;
    }
    deleteCurrentRow();
}

void TFormSP::copyRow() {
    const int row = currentRow();
    if (row >= 0) {
        copiedCode_ = table()->value(row, QStringLiteral("BM")).toString();
        paste_->setEnabled(true);
    }
}

void TFormSP::pasteRow() {
    const int row = currentRow();
    if (row < 0 || copiedCode_.isEmpty()) {
        return;
    }
    try {
        PasteProductRow(db_, copiedCode_, *table(), row);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
    }
}

void TFormSP::clearProducts() {
    const QString& rights = session().SetupRights;
    if (!MayClearProducts(rights)) {
        QMessageBox::information(this, kCaption,
                                 ClearProductsMessage(ClearProductsOutcome::NotAllowed));
        return;
    }
    // The whole catalogue goes at once: never without asking.
    if (QMessageBox::question(
            this, kCaption, QStringLiteral("确定要清空全部商品资料吗？清空后无法恢复！"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    try {
        const ClearProductsOutcome outcome = ClearProducts(db_, rights);
        QMessageBox::information(this, kCaption, ClearProductsMessage(outcome));
        reloadKeepingRow();
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
    }
}

void TFormSP::regenerateInitials() {
    if (QMessageBox::question(this, kCaption, QStringLiteral("您确定要重新生成简拼吗？"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    try {
        Tformspzx progress(this);
        progress.SetProgressMin(0);
        progress.SetProgressMax(table()->rowCount());
        progress.show();
        RegenerateProductInitials(*table(), *dictionary_, [&progress](int done, int) {
            progress.SetProgressPosition(done);
        });
        progress.close();
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
        return;
    }
    save(false);
}

void TFormSP::printRows() {
    GridView* view = grid()->view();
    PrintDataSetTable(windowTitle(), QString(), QString(), 0, 1, 0, 9, *view->model(),
                      visibleColumns(*view), this);
}

void TFormSP::showCount() {
    count_->setText(QString::number(grid()->view()->model()->rowCount()));
}

void TFormSP::showPicture() {
    const int row = currentRow();
    if (row < 0) {
        return;
    }
    // The picture window stores into the product: write this list's edits first.
    if (table()->isDirty() && !save(false)) {
        return;
    }
    const QString code = table()->value(row, QStringLiteral("BM")).toString();
    if (!picture_) {
        picture_ = new TBM_TP(db_, code, this);
        connect(picture_, &TBM_TP::pictureStored, this, &TFormSP::reloadKeepingRow);
    } else {
        picture_->setProductCode(code);
    }
    picture_->show();
    picture_->raise();
}

void TFormSP::reloadKeepingRow() {
    GridView* view = grid()->view();
    const QModelIndex current = view->currentIndex();
    try {
        const ProductQuery rows = ProductsOfCategory(category_);
        table()->load(rows.whereAndOrder, rows.params);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
        return;
    }
    if (current.isValid() && current.row() < view->model()->rowCount()) {
        view->setCurrentIndex(view->model()->index(current.row(), current.column()));
    }
}
