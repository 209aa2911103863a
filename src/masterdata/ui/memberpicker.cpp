#include "masterdata/ui/memberpicker.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "masterdata/memberlist.h"
#include "masterdata/memberpicklist.h"
#include "store/storeerror.h"
#include "widgets/containsfilter.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

namespace {

QList<GridColumn> pickerColumns() {
    QList<GridColumn> columns = {gridColumn("BM", "编码"),       gridColumn("MC", "姓名"),
                                 gridColumn("KH", "卡号"),       gridColumn("XB", "性别"),
                                 gridColumn("DH", "电话"),       gridColumn("DW", "单位"),
                                 gridColumn("DZ", "地址"),       gridColumn("SYJF", "剩余积分"),
                                 gridColumn("ZHYE", "账户余额"), gridColumn("ZHQK", "账户欠款"),
                                 gridColumn("BZ", "备注")};
    for (GridColumn& c : columns) {
        c.readOnly = true;
        c.money = c.field == QLatin1String("SYJF") || c.field == QLatin1String("ZHYE") ||
                  c.field == QLatin1String("ZHQK");
    }
    return columns;
}

}  // namespace

Txzkh::Txzkh(const Database& db, const QString& filterText, QWidget* parent)
    : QDialog(parent), db_(db) {
    setObjectName(QStringLiteral("Txzkh"));
    setWindowTitle(QStringLiteral("客户选择"));
    resize(708, 465);

    members_ = new MemberPickList(this);
    filter_ = new ContainsFilter(this);
    filter_->setSourceModel(members_);
    filter_->setFields(MemberFilterFields(false));

    auto* bar = new QHBoxLayout;
    auto* close = new QPushButton(QStringLiteral("退出[&E]"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    bar->addWidget(close);
    bar->addWidget(new QLabel(QStringLiteral("过滤："), this));
    filterBox_ = new QLineEdit(filterText, this);
    filterBox_->setClearButtonEnabled(true);
    filterBox_->installEventFilter(this);
    bar->addWidget(filterBox_, 1);
    connect(filterBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->setText(text);
        showFirstRowIfNone();
    });

    grid_ = new DataGrid(this);
    grid_->setModel(filter_, pickerColumns());
    GridView* view = grid_->view();
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->installEventFilter(this);
    connect(view, &QAbstractItemView::doubleClicked, this, &Txzkh::choose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(grid_);
}

void Txzkh::showEvent(QShowEvent* event) {
    chosenCode_.clear();
    chosenName_.clear();
    try {
        members_->load(db_);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
    }
    filter_->setText(filterBox_->text());
    showFirstRowIfNone();
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
    grid_->view()->setFocus();
}

void Txzkh::done(int result) {
    filterBox_->clear();
    QDialog::done(result);
}

void Txzkh::showFirstRowIfNone() {
    GridView* view = grid_->view();
    if (!view->currentIndex().isValid() && view->model()->rowCount() > 0) {
        view->setCurrentIndex(view->model()->index(0, 0));
    }
}

bool Txzkh::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool plus = key->key() == Qt::Key_Plus && watched == grid_->view();
        if (enter || plus) {
            choose();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Txzkh::choose() {
    const QModelIndex current = grid_->view()->currentIndex();
    if (!current.isValid()) {
        return;
    }
    const int row = filter_->mapToSource(filter_->index(current.row(), 0)).row();
    chosenCode_ = members_->code(row);
    chosenName_ = members_->name(row);
    emit memberChosen(chosenCode_, chosenName_);
    accept();
}
