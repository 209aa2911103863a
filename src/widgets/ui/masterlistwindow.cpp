#include "widgets/ui/masterlistwindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "print/ui/printdatasettable.h"
#include "services/ui/exporttospreadsheet.h"
#include "store/editabletable.h"
#include "store/storeerror.h"
#include "widgets/containsfilter.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

namespace {

QToolButton* navigatorButton(const QString& text, const QString& tip, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}

}  // namespace

MasterListWindow::MasterListWindow(const Database& db, MasterListConfig config, QWidget* parent)
    : QWidget(parent), db_(db), config_(std::move(config)) {
    setWindowTitle(config_.title);
    setAttribute(Qt::WA_DeleteOnClose);

    table_ = new EditableTable(db_, config_.table, this);
    filter_ = new ContainsFilter(this);
    filter_->setSourceModel(table_);
    filter_->setFields(config_.filterFields);

    toolBar_ = new QToolBar(this);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar_->addAction(QStringLiteral("保存[&S]"), this, [this] { save(true); })
        ->setVisible(config_.saveButton);
    toolBar_->addAction(QStringLiteral("导出[&O]"), this, &MasterListWindow::exportRows)
        ->setVisible(config_.exportButton);
    if (config_.printable) {
        toolBar_->addAction(QStringLiteral("打印[&P]"), this, &MasterListWindow::printRows);
    }
    toolBar_->addAction(QStringLiteral("退出[&E]"), this, &QWidget::close);

    filterBar_ = new QHBoxLayout;
    auto* filterLabel = new QLabel(QStringLiteral("过滤："), this);
    filterBar_->addWidget(filterLabel);
    filterBox_ = new QLineEdit(this);
    filterBox_->setClearButtonEnabled(true);
    filterBar_->addWidget(filterBox_);
    filterLabel->setVisible(!config_.filterFields.isEmpty());
    filterBox_->setVisible(!config_.filterFields.isEmpty());
    connect(filterBox_, &QLineEdit::textChanged, filter_, &ContainsFilter::setText);
    const QList<std::pair<QString, QString>> navigation = {
        {QStringLiteral("|◀"), QStringLiteral("第一条")},
        {QStringLiteral("◀"), QStringLiteral("上一条")},
        {QStringLiteral("▶"), QStringLiteral("下一条")},
        {QStringLiteral("▶|"), QStringLiteral("最后一条")},
        {QStringLiteral("+"), QStringLiteral("新增")},
        {QStringLiteral("−"), QStringLiteral("删除")},
    };
    QList<QToolButton*> nav;
    for (const auto& [text, tip] : navigation) {
        nav << navigatorButton(text, tip, this);
        filterBar_->addWidget(nav.back());
    }
    connect(nav[0], &QToolButton::clicked, this, [this] { moveTo(0); });
    connect(nav[1], &QToolButton::clicked, this,
            [this] { moveTo(grid_->view()->currentIndex().row() - 1); });
    connect(nav[2], &QToolButton::clicked, this,
            [this] { moveTo(grid_->view()->currentIndex().row() + 1); });
    connect(nav[3], &QToolButton::clicked, this, [this] { moveTo(filter_->rowCount() - 1); });
    connect(nav[4], &QToolButton::clicked, this, &MasterListWindow::appendRow);
    connect(nav[5], &QToolButton::clicked, this, &MasterListWindow::deleteCurrentRow);
    for (int i = 0; i < nav.size(); ++i) {
        const bool edits = i >= 4;
        nav[i]->setVisible(config_.navigator == Navigator::Full ||
                           (edits && config_.navigator == Navigator::InsertDelete));
    }
    filterBar_->addStretch();

    grid_ = new DataGrid(this);
    grid_->setModel(filter_, config_.columns);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolBar_);
    layout->addLayout(filterBar_);
    layout->addWidget(grid_);

    reload();
}

void MasterListWindow::reload() {
    try {
        table_->load(config_.whereAndOrder, config_.params);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
    }
    grid_->view()->resizeColumnsToContents();
}

bool MasterListWindow::save(bool showSuccess) {
    grid_->view()->setFocus();  // ends an edit in progress so it is saved too
    try {
        table_->save();
    } catch (const StoreError&) {
        QMessageBox::warning(this, QStringLiteral("提示"), config_.saveFailureText);
        return false;
    }
    emit saved();
    if (showSuccess) {
        QMessageBox::information(this, QStringLiteral("提示"), QStringLiteral("保存成功！"));
    }
    return true;
}

void MasterListWindow::exportRows() {
    QList<int> columns;
    for (const DataGrid::ShownColumn& c : grid_->shownColumns()) {
        columns << c.sourceColumn;
    }
    ExportToSpreadsheet(this, grid_->view()->model(), columns, config_.title,
                        QStringLiteral("黑体"), 18);
}

void MasterListWindow::printRows() {
    constexpr int kLeft = 0;
    constexpr int kPortrait = 0;
    constexpr int kA4 = 9;
    PrintDataSetTable(config_.title, {}, {}, kLeft, kLeft, kPortrait, kA4, *grid_->view()->model(),
                      visibleColumns(*grid_->view()), this);
}

int MasterListWindow::currentRow() const {
    const QModelIndex current = grid_->view()->currentIndex();
    return current.isValid() ? filter_->mapToSource(filter_->index(current.row(), 0)).row() : -1;
}

void MasterListWindow::moveTo(int row) {
    if (row < 0 || row >= filter_->rowCount()) {
        return;
    }
    const QModelIndex current = grid_->view()->currentIndex();
    const int column = current.isValid() ? current.column() : 0;
    grid_->view()->setCurrentIndex(grid_->view()->model()->index(row, column));
}

void MasterListWindow::appendRow() {
    filterBox_->clear();  // a new, empty row matches no filter
    table_->insertRows(table_->rowCount(), 1);
    GridView* view = grid_->view();
    QHeaderView* header = view->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!view->isColumnHidden(column)) {
            view->setCurrentIndex(view->model()->index(filter_->rowCount() - 1, column));
            break;
        }
    }
    view->setFocus();
}

void MasterListWindow::deleteCurrentRow() {
    const int row = currentRow();
    if (row >= 0) {
        table_->removeRows(row, 1);
    }
}

bool MasterListWindow::settleEdits() {
    if (!table_->isDirty()) {
        return true;
    }
    const auto answer = QMessageBox::question(
        this, QStringLiteral("提示"), QStringLiteral("当前还没有保存，是否现在保存？"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    return answer == QMessageBox::No || (answer == QMessageBox::Yes && save(false));
}

void MasterListWindow::closeEvent(QCloseEvent* event) {
    if (settleEdits()) {
        event->accept();
    } else {
        event->ignore();
    }
}
