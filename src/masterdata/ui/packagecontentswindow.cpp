#include "masterdata/ui/packagecontentswindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/session.h"
#include "masterdata/packageseries.h"
#include "masterdata/productrecord.h"
#include "store/editabletable.h"
#include "store/save.h"
#include "store/storeerror.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

namespace {

const QString kCaption = QStringLiteral("提示");

QToolButton* barButton(const QString& text, const QString& tip, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}

QGroupBox* group(const QString& title, QWidget* content, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

}  // namespace

TBM_TX::TBM_TX(const Database& db, QWidget* parent) : QWidget(parent), db_(db) {
    setObjectName(QStringLiteral("TBM_TX"));
    setWindowTitle(QStringLiteral("套系明细"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addAction(QStringLiteral("保存[&S]"), this, &TBM_TX::save);
    tools->addAction(QStringLiteral("退出[&E]"), this, &QWidget::close);

    series_ = new QComboBox(this);
    series_->setPlaceholderText(QStringLiteral("请选择套系"));
    series_->setMinimumContentsLength(16);
    auto* append = barButton(QStringLiteral("+"), QStringLiteral("新增"), this);
    auto* remove = barButton(QStringLiteral("−"), QStringLiteral("删除"), this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("套系名称："), this));
    bar->addWidget(series_);
    bar->addWidget(new QLabel(QStringLiteral("注：每个套系选择好后请点击保存！"), this));
    bar->addWidget(append);
    bar->addWidget(remove);
    bar->addStretch();

    contents_ = new EditableTable(db_, QStringLiteral("BM_TX"), this);
    contentsGrid_ = new DataGrid(this);
    contentsGrid_->setModel(
        contents_, {gridColumn("BM", "编码"), gridColumn("MC", "名称"), gridColumn("SL", "数量"),
                    gridColumn("DJ", "单价"), gridColumn("LB", "类别")});
    products_ = new EditableTable(db_, QStringLiteral("BM_SP"), this);
    QList<GridColumn> productColumns = {gridColumn("BM", "商品编码"), gridColumn("MC", "商品名称"),
                                        gridColumn("MJ", "面积"), gridColumn("LSJ", "零售价"),
                                        gridColumn("BZ", "备注")};
    for (GridColumn& c : productColumns) {
        c.readOnly = true;
    }
    productGrid_ = new DataGrid(this);
    productGrid_->setModel(products_, productColumns);
    productGrid_->view()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(productGrid_->view(), &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { addProduct(index.row()); });

    connect(append, &QToolButton::clicked, this, [this] {
        contents_->insertRows(contents_->rowCount(), 1);
        GridView* view = contentsGrid_->view();
        view->setCurrentIndex(view->model()->index(contents_->rowCount() - 1, 0));
        view->setFocus();
    });
    connect(remove, &QToolButton::clicked, this, [this] {
        const QModelIndex current = contentsGrid_->view()->currentIndex();
        if (current.isValid()) {
            contents_->removeRows(current.row(), 1);
        }
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tools);
    layout->addLayout(bar);
    layout->addWidget(group(QStringLiteral("套系明细"), contentsGrid_, this), 1);
    layout->addWidget(group(QStringLiteral("商品资料（双击选择）"), productGrid_, this), 1);

    try {
        products_->load(QStringLiteral("order by BM"));
        LoadPackageContents(*contents_, std::nullopt);
        series_->addItems(PackageSeriesNames(db_));
    } catch (const StoreError&) {
        QMessageBox::information(this, kCaption,
                                 QStringLiteral("请先在“基础资料-套系名称”中输入至少一个套系"));
    }
    series_->setCurrentIndex(-1);
    connect(series_, &QComboBox::textActivated, this, &TBM_TX::chooseSeries);
}

void TBM_TX::chooseSeries(const QString& name) {
    // Contents not saved belong to the series left: they are dropped, as the note says.
    try {
        seriesCode_ = PackageSeriesCode(db_, name);
        LoadPackageContents(*contents_, seriesCode_);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
    }
}

void TBM_TX::addProduct(int productRow) {
    if (productRow < 0) {
        return;
    }
    try {
        const std::optional<ProductRecord> product =
            findProduct(db_, products_->value(productRow, QStringLiteral("BM")).toString());
        if (product) {
            AddProductToSeries(*contents_, *product, seriesCode_.value_or(QString()));
        }
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
    }
}

bool TBM_TX::save() {
    contentsGrid_->view()->setFocus();  // ends an edit in progress so it is saved too
    const SaveOutcome outcome = runSave(
        db_, [this] { contents_->save(); }, QStringLiteral("提交超时，请退出重新操作"));
    if (!outcome.ok) {
        QMessageBox::warning(this, kCaption, outcome.message);
        return false;
    }
    session().UnsavedChanges = false;
    QMessageBox::information(this, kCaption, QStringLiteral("保存成功！"));
    return true;
}
