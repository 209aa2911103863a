#include "masterdata/ui/productpicker.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>

#include "app/session.h"
#include "masterdata/productcategory.h"
#include "masterdata/ui/categorytree.h"
#include "masterdata/ui/productchoice.h"
#include "masterdata/ui/productcolumns.h"
#include "masterdata/ui/productlistparts.h"
#include "services/ui/exporttospreadsheet.h"
#include "store/editabletable.h"
#include "store/storeerror.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"
#include "widgets/ui/masterlistwindow.h"

namespace {

const QString kCaption = QStringLiteral("提示");
const QString kAdministrator = QStringLiteral("000");

MasterListConfig pickerList() {
    MasterListConfig c;
    c.title = QStringLiteral("商品资料");
    c.table = QStringLiteral("BM_SP");
    c.whereAndOrder = QStringLiteral("where 1 = 0");  // the rows come when the picker is shown
    c.columns = productPickerColumns(false);
    c.filterFields = productFilterFields();
    c.saveFailureText = QStringLiteral("编码存在重复无法保存，请删除重复后重试");
    return c;
}

}  // namespace

TXZSP::TXZSP(const Database& db, QWidget* parent)
    : QDialog(parent), db_(db), category_(QString::fromLatin1(kRootCategory)) {
    setObjectName(QStringLiteral("TXZSP"));
    setWindowTitle(QStringLiteral("商品选择"));
    setModal(true);

    list_ = new MasterListWindow(db_, pickerList(), this);
    list_->setAttribute(Qt::WA_DeleteOnClose, false);
    // The list's 退出 and 导出 act for the picker.
    QAction* quit = toolBarAction(list_, QStringLiteral("退出[&E]"));
    disconnect(quit, &QAction::triggered, list_, nullptr);
    connect(quit, &QAction::triggered, this, &TXZSP::reject);
    QAction* exportAction = toolBarAction(list_, QStringLiteral("导出[&O]"));
    disconnect(exportAction, &QAction::triggered, list_, nullptr);
    connect(exportAction, &QAction::triggered, this, &TXZSP::exportProducts);
    connect(list_->table(), &EditableTable::rowsInserted, this,
            [this](const QModelIndex&, int first) { fillNewRow(first); });

    GridView* view = list_->grid()->view();
    watchProductChoice(view, [this] { choose(); });
    editTriggers_ = view->editTriggers();

    tree_ = new CategoryTree(this);
    connect(tree_, &CategoryTree::categoryChosen, this, &TXZSP::chooseCategory);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(tree_);
    split->addWidget(list_);
    split->setStretchFactor(1, 1);
    split->setSizes({180, 800});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);
}

QString TXZSP::currentCode() const {
    const int row = list_->currentRow();
    return row < 0 ? QString() : list_->table()->value(row, QStringLiteral("BM")).toString();
}

void TXZSP::showEvent(QShowEvent* event) {
    const QWidget* frame = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area =
        frame ? frame->geometry() : QGuiApplication::primaryScreen()->availableGeometry();
    setGeometry(area);
    list_->filterBox()->clear();
    try {
        tree_->reload(db_);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
    }
    loadRows(QString::fromLatin1(kRootCategory));
    applyOperatorRights();
    QDialog::showEvent(event);
    list_->grid()->view()->setFocus();
}

void TXZSP::applyOperatorRights() {
    const bool administrator = session().CurrentOperatorCode == kAdministrator;
    toolBarAction(list_, QStringLiteral("保存[&S]"))->setEnabled(administrator);
    toolBarAction(list_, QStringLiteral("导出[&O]"))->setEnabled(administrator);
    for (QToolButton* b : navigatorButtons(list_)) {
        b->setEnabled(administrator);
    }
    list_->grid()->view()->setEditTriggers(administrator ? editTriggers_
                                                         : QAbstractItemView::NoEditTriggers);
}

void TXZSP::loadRows(const QString& category) {
    try {
        const ProductQuery rows = ProductsOfCategory(category);
        list_->table()->load(rows.whereAndOrder, rows.params);
        category_ = category;
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
    }
}

void TXZSP::chooseCategory(const QString& category) {
    if (list_->table()->isDirty() && !list_->save(false)) {
        const QSignalBlocker quiet(tree_);
        tree_->setCurrentItem(tree_->nodeOf(category_));
        return;
    }
    loadRows(category);
}

void TXZSP::fillNewRow(int row) {
    if (category_ != QLatin1String(kRootCategory)) {
        list_->table()->setValue(row, QStringLiteral("LB"), category_);
        return;
    }
    refuseNewProductAtRoot(this, list_->table(), row);
}

void TXZSP::choose() {
    const QString code = currentCode();
    if (code.isEmpty()) {
        return;
    }
    // A product edited here must exist before a document line takes it.
    if (list_->table()->isDirty() && !list_->save(false)) {
        return;
    }
    emit productChosen(code);
    accept();
}

void TXZSP::exportProducts() {
    if (list_->table()->isDirty() && !list_->save(false)) {
        return;
    }
    ExportToSpreadsheet(this, list_->table(), {}, QStringLiteral("商品资料"),
                        QStringLiteral("黑体"), 18);
}

void TXZSP::reject() {
    // The list asks about unsaved edits; Cancel keeps the picker open.
    if (!list_->close()) {
        return;
    }
    list_->show();
    QDialog::reject();
}
