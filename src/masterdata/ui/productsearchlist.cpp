#include "masterdata/ui/productsearchlist.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "masterdata/productsearch.h"
#include "masterdata/ui/productchoice.h"
#include "masterdata/ui/productcolumns.h"
#include "store/editabletable.h"
#include "store/storeerror.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

Txspx::Txspx(const Database& db, const QString& quickText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), db_(db) {
    setObjectName(QStringLiteral("Txspx"));
    setWindowTitle(QStringLiteral("商品选择"));

    rows_ = new EditableTable(db_, QStringLiteral("BM_SP"), this);
    QList<GridColumn> columns = productPickerColumns(true);
    for (GridColumn& c : columns) {
        c.readOnly = true;
    }
    grid_ = new DataGrid(this);
    grid_->setModel(rows_, columns);
    GridView* view = grid_->view();
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    watchProductChoice(view, [this] { choose(); });

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("双击或输入+ 可以直接选择商品"), this));
    bar->addStretch();
    auto* quit = new QPushButton(QStringLiteral("退出[&E]"), this);
    quit->setAutoDefault(false);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    bar->addWidget(quit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(bar);
    resize(900, 400);
    search(quickText);
}

void Txspx::search(const QString& quickText) {
    try {
        const ProductQuery q = QuickMatches(quickText);
        rows_->load(q.whereAndOrder, q.params);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
    }
    GridView* view = grid_->view();
    view->resizeColumnsToContents();
    if (rows_->rowCount() > 0) {
        view->setCurrentIndex(view->model()->index(0, 0));
    }
    view->setFocus();
}

QString Txspx::currentCode() const {
    const QModelIndex current = grid_->view()->currentIndex();
    return current.isValid() ? rows_->value(current.row(), QStringLiteral("BM")).toString()
                             : QString();
}

void Txspx::choose() {
    const QString code = currentCode();
    if (code.isEmpty()) {
        return;
    }
    emit productChosen(code);
    accept();
}
